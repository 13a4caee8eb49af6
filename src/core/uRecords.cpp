#include "core/uRecords.h"

#include "core/DateTimeUtils.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"
#include "orders/uClasses.h"

namespace {

// The new key comes from the database itself: finding it back by the written values would pick the
// wrong row when another row holds the same values.
int insertRow(const QString& table, const TParams& values, const QString& failureText)
{
    try {
        const int id = Db::insert(table, values);
        if (id > 0)
            return id;
    } catch (const DbError&) {
    }
    ShowPlainMessage(failureText);
    return 0;
}

} // namespace

int AddCustomer(const TCustomerFields& c)
{
    const TDateTime now = Now();
    const TParams values{{"FullName", Db::cut255(c.FullName)},
                         {"Salutation", Db::cut255(c.Salutation)},
                         {"CompanyName", Db::cut255(c.CompanyName)},
                         {"EmailAddress", Db::cut255(c.EmailAddress)},
                         {"Title", Db::cut255(c.Title)},
                         {"FirstName", Db::cut255(c.FirstName)},
                         {"LastName", Db::cut255(c.LastName)},
                         {"Address1", Db::cut255(c.Address1)},
                         {"Address2", Db::cut255(c.Address2)},
                         {"Address3", Db::cut255(c.Address3)},
                         {"City", Db::cut255(c.City)},
                         {"PostalCode", Db::cut255(c.PostalCode)},
                         {"Region", Db::cut255(c.Region)},
                         {"Country", Db::cut255(c.Country)},
                         {"WorkPhone", Db::cut255(c.WorkPhone)},
                         {"WorkExtension", Db::cut255(c.WorkExtension)},
                         {"HomePhone", Db::cut255(c.HomePhone)},
                         {"MobilePhone", Db::cut255(c.MobilePhone)},
                         {"FaxNumber", Db::cut255(c.FaxNumber)},
                         {"WebSite", Db::cut255(c.WebSite)},
                         {"SpouseName", Db::cut255(c.SpouseName)},
                         {"Hometown", Db::cut255(c.Hometown)},
                         {"Notes", Db::cut255(c.Notes)},
                         {"CreationDate", now},
                         {"EditDate", now}};
    return insertRow(QStringLiteral("Customers"), values,
                     QStringLiteral("An Error occurred while adding the New Customer."));
}

int AddProduct(const QString& productCategory, const QString& productModel, int defaultStateID, double price)
{
    return insertRow(QStringLiteral("Products"),
                     {{"ProductCategory", Db::cut255(productCategory)},
                      {"ProductModel", Db::cut255(productModel)},
                      {"Price", price},
                      {"DefaultStateID", defaultStateID}},
                     QStringLiteral("An Error occurred while adding the New Product."));
}

int AddTask(const QString& taskShort, bool completed, int orderID)
{
    return insertRow(QStringLiteral("Tasks"),
                     {{"OrderID", orderID},
                      {"TaskShort", taskShort},
                      {"TaskLong", QStringLiteral("")},
                      {"Completed", completed},
                      {"CreatedDate", Now()}},
                     QStringLiteral("An Error occurred while adding the New Task."));
}

int AddOrder(const QString& customerOrderNo, const QString& internalOrderNo, int dateKind, int customerID,
             int masterStatesID)
{
    const TDateTime now = Now();
    QVariant created, due; // unset for an unknown kind
    if (dateKind == 0) {
        created = now - 40;
        due = now - 2;
    } else if (dateKind == 1) {
        created = now - 5;
        due = now + 25;
    }
    return insertRow(QStringLiteral("Brevanta"),
                     {{"CustomerID", customerID},
                      {"OrderCreationDate", created},
                      {"OrderCompletionDate", 0.0},
                      {"CustomerOrderNo", customerOrderNo},
                      {"InternalOrderNo", internalOrderNo},
                      {"MasterStatesID", masterStatesID},
                      {"OrderCompleted", false},
                      {"OrderDueDate", due},
                      {"OrderAckDate", 0.0},
                      {"OrderAcknowledged", false},
                      {"ItemsCount", 1},
                      {"OrderInvoiced", false},
                      {"OrderInvoicedDate", 0.0},
                      {"OrderPaid", false},
                      {"OrderPaidDate", 0.0},
                      {"PackingAndCarriage", 0.0},
                      {"DeliveryCourier", QStringLiteral("")},
                      {"TrackingNumber", QStringLiteral("")}},
                     QStringLiteral("An Error occurred while adding the New Order."));
}

int AddOrderItem(int statesID, int productID, int quantity, double price, int brevantaID)
{
    return insertRow(QStringLiteral("OrderItems"),
                     {{"StatesID", statesID},
                      {"ProductID", productID},
                      {"BrevantaID", brevantaID},
                      {"Quantity", quantity},
                      {"Price", price}},
                     QStringLiteral("An Error occurred while adding the New Order Item."));
}

bool DeleteOrder(TOrder* order, QList<TOrder*>& loadedOrders)
{
    if (!order)
        return false;
    const int orderID = order->OrderID;
    try {
        // All or nothing: a half-deleted order would stay in the list while its row is gone.
        Db::Transaction transaction;
        Db::exec(Queries::qryDeleteCustomerOrder, {{"P_OrderID", orderID}});
        Db::exec(Queries::qryDeleteState, {{"P_StateID", order->MasterStatesID}});
        for (const TOrderItem* item : order->Items) {
            Db::exec(Queries::qryDeleteOrderItem, {{"P_OrderItemID", item->OrderItemsID}});
            Db::exec(Queries::qryDeleteState, {{"P_StateID", item->StatesID}});
        }
        transaction.commit();
    } catch (const DbError&) {
        ShowPlainMessage(QStringLiteral("An error occurred while Deleting the Order."));
        return false;
    }
    for (int i = 0; i < loadedOrders.size(); ++i) {
        if (loadedOrders.at(i) && loadedOrders.at(i)->OrderID == orderID) {
            delete loadedOrders.takeAt(i);
            break;
        }
    }
    return true;
}

bool DeleteTask(int taskID)
{
    try {
        Db::exec(Queries::qryDeleteTask, {{"P_TaskID", taskID}});
    } catch (const DbError&) {
        ShowPlainMessage(QStringLiteral("An error occurred while deleting the Task"));
        return false;
    }
    return true;
}

TDeleteOutcome DeleteRowNotInUse(const QString& checkSql, const QString& deleteSql, const QString& keyParam,
                                 int key, const QString& checkFailedText, const QString& deleteFailedText)
{
    const TParams params{{keyParam, key}};
    try {
        if (Db::exec(checkSql, params).next())
            return TDeleteOutcome::InUse;
    } catch (const DbError&) {
        ShowPlainMessage(checkFailedText);
        return TDeleteOutcome::CheckFailed;
    }
    try {
        Db::exec(deleteSql, params);
    } catch (const DbError&) {
        ShowPlainMessage(deleteFailedText);
        return TDeleteOutcome::DeleteFailed;
    }
    return TDeleteOutcome::Deleted;
}
