#include "orders/uOrderLoading.h"

#include "core/uOrders.h"
#include "core/uPellomarShow.h"
#include "orders/uClasses.h"

namespace {

void loadItems(TOrder* order)
{
    double total = 0;
    try {
        const QVector<TRow> rows = Db::select(Queries::qryOrderItems, {{"P_BrevantaID", order->OrderID}});
        for (const TRow& row : rows) {
            TOrderItem* item = order->AddItem();
            item->OrderItemsID = row.integer("OrderItemsID");
            item->ProductID = row.integer("ProductID");
            item->Quantity = row.integer("Quantity");
            // The item's own price comes first in the joined row, ahead of the product's list price.
            item->Price = row.number("Price");
            item->StatesID = row.integer("StatesID");
            item->ProductCategory = row.text("ProductCategory");
            item->ProductModel = row.text("ProductModel");
            item->LineValue = item->Quantity * item->Price;
            item->ChartLoaded = false;
            total += item->LineValue;
        }
    } catch (const DbError&) {
        ShowPlainMessage(
            QStringLiteral("An Error occurred while Pellomar was loading the Order Item Information."));
        return;
    }
    order->OrderValue = total;
}

} // namespace

void FillOrderFromRow(TOrder* order, const TRow& row)
{
    // Both joined tables have CustomerID; the order's comes first in the row, so it is the one read.
    order->OrderID = row.integer("OrderID");
    order->CustomerID = row.integer("CustomerID");
    order->InternalOrderNo = row.text("InternalOrderNo");
    order->CustomerOrderNo = row.text("CustomerOrderNo");
    order->Salutation = row.text("Salutation");
    order->FullName = row.text("FullName");
    order->CompanyName = row.text("CompanyName");
    order->EmailAddress = row.text("EmailAddress");
    order->FaxNumber = row.text("FaxNumber");
    order->MobilePhone = row.text("MobilePhone");
    order->HomePhone = row.text("HomePhone");
    order->WorkExtension = row.text("WorkExtension");
    order->WorkPhone = row.text("WorkPhone");
    order->Country = row.text("Country");
    order->Region = row.text("Region");
    order->PostalCode = row.text("PostalCode");
    order->City = row.text("City");
    order->Address1 = row.text("Address1");
    order->Address2 = row.text("Address2");
    order->Address3 = row.text("Address3");
    order->InvoiceCountry = row.text("InvoiceCountry");
    order->InvoiceRegion = row.text("InvoiceRegion");
    order->InvoicePostalCode = row.text("InvoicePostalCode");
    order->InvoiceCity = row.text("InvoiceCity");
    order->InvoiceAddress1 = row.text("InvoiceAddress1");
    order->InvoiceAddress2 = row.text("InvoiceAddress2");
    order->InvoiceAddress3 = row.text("InvoiceAddress3");
    order->LastName = row.text("LastName");
    order->FirstName = row.text("FirstName");
    order->Title = row.text("Title");
    order->OrderNotes = row.text("OrderNotes");
    order->Valid = row.integer("Valid");
    order->Notes = row.text("Notes");
    order->CreationDate = row.number("CreationDate");
    order->EditDate = row.number("EditDate");
    order->WebSite = row.text("WebSite");
    order->OrderCompleted = row.boolean("OrderCompleted");
    order->OrderCreationDate = row.number("OrderCreationDate");
    order->OrderCompletionDate = row.number("OrderCompletionDate");
    order->OrderInvoiced = row.boolean("OrderInvoiced");
    order->OrderPaid = row.boolean("OrderPaid");
    order->OrderInvoicedDate = row.number("OrderInvoicedDate");
    order->OrderPaidDate = row.number("OrderPaidDate");
    order->OrderDueDate = row.number("OrderDueDate");
    order->PackingAndCarriage = float(row.number("PackingAndCarriage"));
    order->DeliveryCourier = row.text("DeliveryCourier");
    order->TrackingNumber = row.text("TrackingNumber");
    order->MasterStatesID = row.integer("MasterStatesID");

    order->ChartLoaded = false;
    order->FreeItems();
    order->OrderValue = 0;
    loadItems(order);
}

void LoadAllOrders(QList<TOrder*>& loadedOrders, const QString& orderLine,
                   const std::function<void(int done, int total)>& progress)
{
    FreeAllItems(loadedOrders);
    try {
        const QVector<TRow> rows = Db::select(Queries::qryOrderDetails(orderLine));
        const int total = int(rows.size());
        for (int i = 0; i < total; ++i) {
            auto* order = new TOrder();
            FillOrderFromRow(order, rows.at(i));
            loadedOrders.append(order);
            if (progress)
                progress(i + 1, total);
        }
    } catch (const DbError&) {
        ShowPlainMessage(
            QStringLiteral("An Error occurred while Pellomar was loading the Order Information."));
    }
}

void LoadOrderByID(int orderID, TOrder* order)
{
    if (!order)
        return;
    try {
        const QVector<TRow> rows = Db::select(Queries::qryOrderDetailsByOrderID(), {{"P_OrderID", orderID}});
        for (const TRow& row : rows)
            FillOrderFromRow(order, row);
    } catch (const DbError&) {
        ShowPlainMessage(QStringLiteral("Error while obtaining Order Information by Order ID"));
    }
}

void UpdateOrderInformation(TOrder* order)
{
    if (!order)
        return;
    try {
        Db::update(QStringLiteral("Brevanta"), QStringLiteral("OrderID"), order->OrderID,
                   {{"OrderCreationDate", order->OrderCreationDate},
                    {"OrderCompletionDate", order->OrderCompletionDate},
                    {"OrderInvoiced", order->OrderInvoiced},
                    {"OrderPaid", order->OrderPaid},
                    {"OrderInvoicedDate", order->OrderInvoicedDate},
                    {"OrderPaidDate", order->OrderPaidDate},
                    {"OrderCompleted", order->OrderCompleted}});
    } catch (const DbError&) {
        ShowPlainMessage(QStringLiteral("Error updating Order Information"));
    }
}
