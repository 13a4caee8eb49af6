#include "TestSupport.h"
#include "core/DateTimeUtils.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"
#include "core/uRecords.h"
#include "masters/uCustomerRecords.h"
#include "masters/uProductRecords.h"
#include "orders/uClasses.h"

#include <QtTest>
#include <functional>

namespace {

int countRows(const QString& sql, const TParams& params = {})
{
    QSqlQuery q = Db::exec(sql, params);
    return q.next() ? q.value(0).toInt() : -1;
}

TRow rowOf(const QString& table, const QString& keyColumn, int key)
{
    const QVector<TRow> rows =
        Db::select("select * from " + table + " where " + keyColumn + " = :k", {{"k", key}});
    return rows.value(0);
}

TCustomerFields customer(const QString& fullName, const QString& company)
{
    TCustomerFields c;
    c.FullName = fullName;
    c.Salutation = QStringLiteral("Pat");
    c.CompanyName = company;
    c.EmailAddress = QStringLiteral("pat@example.com");
    return c;
}

// Rows deleted per table, counted by the database itself.
void logDeletes()
{
    Db::exec(QStringLiteral("create temp table DeleteLog (TableName text, KeyValue integer)"));
    for (const auto& t : {std::pair<const char*, const char*>{"Brevanta", "OrderID"},
                          {"States", "StateID"},
                          {"OrderItems", "OrderItemsID"},
                          {"Tasks", "TaskID"}})
        Db::exec(QString("create temp trigger log%1 after delete on %1 begin insert into DeleteLog values "
                         "('%1', old.%2); end")
                     .arg(t.first, t.second));
}

int deletedFrom(const QString& table)
{
    return countRows(QStringLiteral("select count(*) from DeleteLog where TableName = :t"), {{"t", table}});
}

void failDeletesOn(const QString& table)
{
    Db::exec(
        QString("create temp trigger fail%1 before delete on %1 begin select raise(abort, 'refused'); end")
            .arg(table));
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestEnvironment(); }
    void init()
    {
        MessageBoxHook::clear();
        SetNowOverride(EncodeDate(2024, 3, 10) + 0.5);
        m_db = std::make_unique<TestDatabase>();
    }
    void cleanup()
    {
        m_db.reset();
        SetNowOverride(0);
    }

    void equalCustomersEachGetTheirOwnRow()
    {
        TCustomerFields first = customer("Pat Doyle", "Doyle Ltd");
        first.Notes = QStringLiteral("first");
        TCustomerFields second = first;
        second.Notes = QStringLiteral("second");
        const int k1 = AddCustomer(first);
        const int k2 = AddCustomer(second);
        QVERIFY(k1 > 0);
        QVERIFY(k2 > k1);
        QCOMPARE(rowOf("Customers", "CustomerID", k1).text("Notes"), QString("first"));
        QCOMPARE(rowOf("Customers", "CustomerID", k2).text("Notes"), QString("second"));
        QCOMPARE(rowOf("Customers", "CustomerID", k2).number("CreationDate"), Now());
        QCOMPARE(rowOf("Customers", "CustomerID", k2).number("EditDate"), Now());
        QVERIFY(MessageBoxHook::shown().isEmpty());
    }

    void customerColumnsAndCut()
    {
        TCustomerFields c;
        QStringList expected;
        QString* fields[] = {&c.FullName,      &c.Salutation, &c.CompanyName, &c.EmailAddress, &c.Title,
                             &c.FirstName,     &c.LastName,   &c.Address1,    &c.Address2,     &c.Address3,
                             &c.City,          &c.PostalCode, &c.Region,      &c.Country,      &c.WorkPhone,
                             &c.WorkExtension, &c.HomePhone,  &c.MobilePhone, &c.FaxNumber,    &c.WebSite,
                             &c.SpouseName,    &c.Hometown,   &c.Notes};
        const QStringList columns{"FullName",      "Salutation", "CompanyName", "EmailAddress", "Title",
                                  "FirstName",     "LastName",   "Address1",    "Address2",     "Address3",
                                  "City",          "PostalCode", "Region",      "Country",      "WorkPhone",
                                  "WorkExtension", "HomePhone",  "MobilePhone", "FaxNumber",    "WebSite",
                                  "SpouseName",    "Hometown",   "Notes"};
        for (int i = 0; i < columns.size(); ++i)
            *fields[i] = columns.at(i) + "-value";
        c.Notes = QString(300, 'n');
        c.FullName = QString(256, 'f');
        const TRow row = rowOf("Customers", "CustomerID", AddCustomer(c));
        for (int i = 0; i < columns.size(); ++i)
            QCOMPARE(row.text(columns.at(i)), fields[i]->left(255));
        QCOMPARE(row.text("FullName").size(), 255);
        QCOMPARE(row.text("Notes").size(), 255);
    }

    void apostropheRoundTrips()
    {
        const int key = AddCustomer(customer("Seán O'Neill", "O'Neill's Bakery"));
        QVERIFY(key > 0);
        const QVector<TRow> found =
            Db::select(Queries::qryFindNewCustomer, {{"P_FullName", "Seán O'Neill"},
                                                     {"P_Salutation", "Pat"},
                                                     {"P_CompanyName", "O'Neill's Bakery"},
                                                     {"P_EmailAddress", "pat@example.com"}});
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.at(0).integer("CustomerID"), key);
        const QVector<TRow> companies = Db::select(Queries::qryCompanies, {{"p_name", "O'N%"}});
        QCOMPARE(companies.size(), 1);
        QCOMPARE(companies.at(0).text("CompanyName"), QString("O'Neill's Bakery"));
    }

    void productTaskAndItemColumns()
    {
        const int product = AddProduct(QString(260, 'c'), "Model 'X'", 7, 12.5);
        const TRow p = rowOf("Products", "ProductID", product);
        QCOMPARE(p.text("ProductCategory"), QString(255, 'c'));
        QCOMPARE(p.text("ProductModel"), QString("Model 'X'"));
        QCOMPARE(p.integer("DefaultStateID"), 7);
        QCOMPARE(p.number("Price"), 12.5);

        const int task = AddTask("Ring back", true, 42);
        const TRow t = rowOf("Tasks", "TaskID", task);
        QCOMPARE(t.integer("OrderID"), 42);
        QCOMPARE(t.text("TaskShort"), QString("Ring back"));
        QCOMPARE(t.text("TaskLong"), QString(""));
        QVERIFY(!countRows("select count(*) from Tasks where TaskLong is null"));
        QCOMPARE(t.boolean("Completed"), true);
        QCOMPARE(t.number("CreatedDate"), Now());
        QCOMPARE(t.number("CompletedDate"), 0.0);

        const int item = AddOrderItem(3, product, 4, 19.99, 9);
        const TRow i = rowOf("OrderItems", "OrderItemsID", item);
        QCOMPARE(i.integer("StatesID"), 3);
        QCOMPARE(i.integer("ProductID"), product);
        QCOMPARE(i.integer("Quantity"), 4);
        QCOMPARE(i.number("Price"), 19.99);
        QCOMPARE(i.integer("BrevantaID"), 9);
        QVERIFY(AddOrderItem(3, product, 4, 19.99, 9) > item);
    }

    void addOrderDateKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("datesSet");
        QTest::addColumn<double>("createdOffset");
        QTest::addColumn<double>("dueOffset");
        QTest::newRow("overdue") << 0 << true << -40.0 << -2.0;
        QTest::newRow("due in 25 days") << 1 << true << -5.0 << 25.0;
        QTest::newRow("kind 2") << 2 << false << 0.0 << 0.0;
        QTest::newRow("kind -1") << -1 << false << 0.0 << 0.0;
    }
    void addOrderDateKinds()
    {
        QFETCH(int, kind);
        QFETCH(bool, datesSet);
        QFETCH(double, createdOffset);
        QFETCH(double, dueOffset);
        const int key = AddOrder("PO-1", "W0001", kind, 5, 6);
        QVERIFY(key > 0);
        const TRow row = rowOf("Brevanta", "OrderID", key);
        const int nullDates = countRows("select count(*) from Brevanta where OrderID = :k and "
                                        "OrderCreationDate is null and OrderDueDate is null",
                                        {{"k", key}});
        QCOMPARE(nullDates, datesSet ? 0 : 1);
        if (datesSet) {
            QCOMPARE(row.number("OrderCreationDate"), Now() + createdOffset);
            QCOMPARE(row.number("OrderDueDate"), Now() + dueOffset);
        }
        QCOMPARE(row.integer("CustomerID"), 5);
        QCOMPARE(row.integer("MasterStatesID"), 6);
        QCOMPARE(row.text("CustomerOrderNo"), QString("PO-1"));
        QCOMPARE(row.text("InternalOrderNo"), QString("W0001"));
        QCOMPARE(row.integer("ItemsCount"), 1);
        for (const char* zero :
             {"OrderCompletionDate", "OrderAckDate", "OrderInvoicedDate", "OrderPaidDate",
              "PackingAndCarriage", "OrderCompleted", "OrderAcknowledged", "OrderInvoiced", "OrderPaid"})
            QVERIFY2(
                countRows(QString("select count(*) from Brevanta where OrderID = :k and %1 = 0").arg(zero),
                          {{"k", key}}) == 1,
                zero);
        QVERIFY(countRows("select count(*) from Brevanta where OrderID = :k and DeliveryCourier = '' and "
                          "TrackingNumber = ''",
                          {{"k", key}}) == 1);
    }

    void addFailuresReportTheirSentence_data()
    {
        QTest::addColumn<std::function<int()>>("add");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("customer") << std::function<int()>([] { return AddCustomer(customer("A", "B")); })
                                  << "An Error occurred while adding the New Customer.";
        QTest::newRow("product") << std::function<int()>([] { return AddProduct("A", "B", 0, 1); })
                                 << "An Error occurred while adding the New Product.";
        QTest::newRow("task") << std::function<int()>([] { return AddTask("A", false, 1); })
                              << "An Error occurred while adding the New Task.";
        QTest::newRow("order") << std::function<int()>([] { return AddOrder("A", "B", 0, 1, 1); })
                               << "An Error occurred while adding the New Order.";
        QTest::newRow("item") << std::function<int()>([] { return AddOrderItem(1, 1, 1, 1, 1); })
                              << "An Error occurred while adding the New Order Item.";
    }
    void addFailuresReportTheirSentence()
    {
        QFETCH(std::function<int()>, add);
        QFETCH(QString, sentence);
        m_db->module->Disconnect();
        QCOMPARE(add(), 0);
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QCOMPARE(MessageBoxHook::lastText(), sentence);
    }

    void deleteOrderWithThreeItems()
    {
        const int customerID = AddCustomer(customer("Pat", "Co"));
        const int master = AddOrder("PO", "W1", 1, customerID, 100);
        const int other = AddOrder("PO2", "W2", 1, customerID, 200);
        for (int chart : {100, 101, 102, 103, 200, 201})
            Db::exec("insert into States (StateID, State1Text) values (:k, 'x')", {{"k", chart}});
        for (int chart : {101, 102, 103})
            AddOrderItem(chart, 1, 1, 1.0, master);
        AddOrderItem(201, 1, 1, 1.0, other);
        AddTask("memo", false, master);
        AddTask("memo 2", false, master);

        QList<TOrder*> loaded;
        for (int id : {other, master}) {
            auto* order = new TOrder();
            order->OrderID = id;
            order->MasterStatesID = id == master ? 100 : 200;
            loaded.append(order);
        }
        TOrder* target = loaded.at(1);
        const QVector<TRow> items = Db::select(
            "select * from OrderItems where BrevantaID = :b order by OrderItemsID", {{"b", master}});
        for (const TRow& row : items) {
            TOrderItem* item = target->AddItem();
            item->OrderItemsID = row.integer("OrderItemsID");
            item->StatesID = row.integer("StatesID");
        }
        logDeletes();
        QVERIFY(DeleteOrder(target, loaded));
        QCOMPARE(deletedFrom("Brevanta"), 1);
        QCOMPARE(deletedFrom("States"), 4);
        QCOMPARE(deletedFrom("OrderItems"), 3);
        QCOMPARE(deletedFrom("Tasks"), 0);
        QCOMPARE(countRows("select count(*) from Tasks where OrderID = :o", {{"o", master}}), 2);
        QCOMPARE(countRows("select count(*) from States where StateID in (200, 201)"), 2);
        QCOMPARE(countRows("select count(*) from OrderItems where BrevantaID = :o", {{"o", other}}), 1);
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(loaded.at(0)->OrderID, other);
        QVERIFY(MessageBoxHook::shown().isEmpty());
        FreeAllItems(loaded);
    }

    void deleteOrderFailureChangesNothing()
    {
        const int customerID = AddCustomer(customer("Pat", "Co"));
        const int orderID = AddOrder("PO", "W1", 1, customerID, 0);
        const int itemID = AddOrderItem(0, 1, 1, 1.0, orderID);
        auto* order = new TOrder();
        order->OrderID = orderID;
        order->AddItem()->OrderItemsID = itemID;
        QList<TOrder*> loaded{order};
        failDeletesOn("OrderItems");
        QVERIFY(!DeleteOrder(order, loaded));
        QCOMPARE(MessageBoxHook::lastText(), QString("An error occurred while Deleting the Order."));
        QCOMPARE(countRows("select count(*) from Brevanta"), 1);
        QCOMPARE(loaded.size(), 1);
        FreeAllItems(loaded);
    }

    void deleteOrderNotInListIsKeptByCaller()
    {
        const int orderID = AddOrder("PO", "W1", 1, 1, 0);
        TOrder order;
        order.OrderID = orderID;
        QList<TOrder*> loaded;
        QVERIFY(DeleteOrder(&order, loaded));
        QCOMPARE(countRows("select count(*) from Brevanta"), 0);
        QCOMPARE(order.OrderID, orderID);
    }

    void deleteTask()
    {
        const int keep = AddTask("keep", false, 1);
        const int gone = AddTask("gone", false, 1);
        QVERIFY(DeleteTask(gone));
        QCOMPARE(countRows("select count(*) from Tasks"), 1);
        QVERIFY(rowOf("Tasks", "TaskID", keep).has("TaskShort"));
        m_db->module->Disconnect();
        QVERIFY(!DeleteTask(keep));
        QCOMPARE(MessageBoxHook::lastText(), QString("An error occurred while deleting the Task"));
    }

    void deleteMasterNotInUse_data()
    {
        QTest::addColumn<bool>("customers");
        QTest::newRow("customer") << true;
        QTest::newRow("product") << false;
    }
    void deleteMasterNotInUse()
    {
        QFETCH(bool, customers);
        const QString table = customers ? "Customers" : "Products";
        const QString key = customers ? "CustomerID" : "ProductID";
        auto add = [&] {
            return customers ? AddCustomer(customer("Pat", "Co")) : AddProduct("TV", "X", 0, 1);
        };
        auto remove = [&](int id) {
            return customers ? DeleteCustomerNotInUse(id) : DeleteProductNotInUse(id);
        };
        const QString checkFailed =
            customers ? "An error occured while attempting to check if the Customer was being used."
                      : "An error occured while attempting to check if the Product was in use.";
        const QString deleteFailed = customers ? "An error occurred while deleting the Customer"
                                               : "An error occurred while deleting the Product";

        const int used = add();
        const int unused = add();
        if (customers)
            AddOrder("PO", "W1", 1, used, 0);
        else
            AddOrderItem(0, used, 1, 1.0, 1);

        QCOMPARE(remove(used), TDeleteOutcome::InUse);
        QCOMPARE(countRows("select count(*) from " + table + " where " + key + " = :k", {{"k", used}}), 1);
        QVERIFY(MessageBoxHook::shown().isEmpty());

        failDeletesOn(table);
        QCOMPARE(remove(unused), TDeleteOutcome::DeleteFailed);
        QCOMPARE(MessageBoxHook::lastText(), deleteFailed);
        Db::exec("drop trigger temp.fail" + table);

        QCOMPARE(remove(unused), TDeleteOutcome::Deleted);
        QCOMPARE(countRows("select count(*) from " + table), 1);

        MessageBoxHook::clear();
        Db::exec(customers ? "drop table Brevanta" : "drop table OrderItems");
        QCOMPARE(remove(used), TDeleteOutcome::CheckFailed);
        QCOMPARE(MessageBoxHook::lastText(), checkFailed);
        QCOMPARE(countRows("select count(*) from " + table), 1);
    }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestRecords)
#include "test_records.moc"
