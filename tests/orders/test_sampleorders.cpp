#include "TestSupport.h"
#include "core/DateTimeUtils.h"
#include "core/Settings.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"
#include "core/uRecords.h"
#include "orders/uClasses.h"
#include "orders/uOrderLoading.h"
#include "orders/uSampleOrders.h"

#include <QtTest>

namespace {

// Every row of every table, NULL told apart from empty text.
QStringList snapshot()
{
    QStringList lines;
    for (const QString& table : Schema::tableNames()) {
        const QString key = Schema::columns(table).value(0);
        for (const TRow& row : Db::select("select * from " + table + " order by " + key)) {
            QStringList values;
            for (int i = 0; i < row.record().count(); ++i) {
                const QVariant v = row.record().value(i);
                values << (v.isNull() ? QStringLiteral("<null>") : v.toString());
            }
            lines << table + ": " + values.join('|');
        }
    }
    return lines;
}

int countRows(const QString& sql, const TParams& params = {})
{
    QSqlQuery q = Db::exec(sql, params);
    return q.next() ? q.value(0).toInt() : -1;
}

const TOrder* findOrder(const QList<TOrder*>& orders, int id)
{
    for (const TOrder* o : orders)
        if (o->OrderID == id)
            return o;
    return nullptr;
}

// A customer with one order of the user's own, as the order wizard would leave them.
int addUserOrder(int customerID, int productID)
{
    const int chart = Db::insert("States", {{"State1Text", "Own"}});
    const int order = AddOrder("USER-1", "U1", 1, customerID, chart);
    AddOrderItem(Db::insert("States", {{"State1Text", "Own item"}}), productID, 2, 10.0, order);
    AddTask("own memo", false, order);
    return order;
}

} // namespace

class TestSampleOrders : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestEnvironment(); }
    void init()
    {
        MessageBoxHook::clear();
        SetNowOverride(EncodeDate(2024, 3, 10) + 0.5);
        m_db = std::make_unique<TestDatabase>();
        m_settings = TSettings();
    }
    void cleanup()
    {
        FreeAllItems(m_loaded);
        m_db.reset();
        SetNowOverride(0);
    }

    void addingGivesTheThreeSampleOrders()
    {
        QVERIFY(ToggleSampleOrders(m_settings, m_loaded));
        QVERIFY(m_settings.DemoEntryAdded);
        QVERIFY(MessageBoxHook::shown().isEmpty());
        LoadAllOrders(m_loaded, "order by Brevanta.OrderID", {});
        QCOMPARE(m_loaded.size(), 3);

        const TOrder* o1 = findOrder(m_loaded, m_settings.DemoOrderID[0]);
        const TOrder* o3 = findOrder(m_loaded, m_settings.DemoOrderID[1]);
        const TOrder* o2 = findOrder(m_loaded, m_settings.DemoOrderID[2]);
        QVERIFY(o1 && o2 && o3);
        QCOMPARE(o1->InternalOrderNo, QString("W03544"));
        QCOMPARE(o2->InternalOrderNo, QString("W03546"));
        QCOMPARE(o3->InternalOrderNo, QString("W03545"));
        QVERIFY(o1->OrderID < o2->OrderID && o2->OrderID < o3->OrderID);
        QCOMPARE(FormatMoney(o1->OrderValue, "$"), QString("$2,773.00"));
        QCOMPARE(FormatMoney(o3->OrderValue, "$"), QString("$698.00"));
        QCOMPARE(FormatMoney(o2->OrderValue, "$"), QString("$99.95"));
        QCOMPARE(o1->OrderDueDate, Now() - 2);
        QCOMPARE(o1->OrderCreationDate, Now() - 40);
        QCOMPARE(o2->OrderDueDate, Now() + 25);
        QCOMPARE(o3->OrderDueDate, Now() + 25);

        QCOMPARE(o1->CompanyName, QString("Big Import Co."));
        QCOMPARE(o1->CustomerID, m_settings.DemoCustomerID[0]);
        QCOMPARE(o3->CompanyName, QString("MoneyCorp LLC"));
        QCOMPARE(o2->CompanyName, QString("Rexmith Pty Ltd"));
        QCOMPARE(o2->PostalCode, QString("2238"));
        QCOMPARE(o2->Title, QString("Mrs."));
        for (const TOrder* o : {o1, o2, o3}) {
            QVERIFY(o->FullName.startsWith(o->Title + ' ' + o->FirstName + ' ' + o->LastName));
            QVERIFY(o->FullName.endsWith(" (sample)"));
            QVERIFY(!o->EmailAddress.isEmpty() && !o->WebSite.isEmpty());
        }

        // One chart row serves the order, its items and the products' defaults.
        QCOMPARE(o1->MasterStatesID, m_settings.DemoStateID[0]);
        QCOMPARE(o3->MasterStatesID, m_settings.DemoStateID[1]);
        QCOMPARE(o2->MasterStatesID, m_settings.DemoStateID[2]);
        for (const TOrder* o : {o1, o2, o3})
            for (const TOrderItem* item : o->Items)
                QCOMPARE(item->StatesID, o->MasterStatesID);
        QCOMPARE(o1->Items.size(), 3);
        QCOMPARE(o3->Items.size(), 4);
        QCOMPARE(o2->Items.size(), 1);
        QCOMPARE(o3->Items.at(2)->Price, 100.0); // below the recorder's list price of 149
        QCOMPARE(countRows("select count(*) from States"), 3);
        QCOMPARE(countRows("select State1Text = 'Acknowledge' from States where StateID = :s",
                           {{"s", m_settings.DemoStateID[0]}}),
                 1);
        QCOMPARE(countRows("select DefaultStateID from Products where ProductID = :p",
                           {{"p", m_settings.DemoProductID[4]}}),
                 m_settings.DemoStateID[1]);
        QCOMPARE(countRows("select DefaultStateID from Products where ProductID = :p",
                           {{"p", m_settings.DemoProductID[7]}}),
                 0);

        for (const auto& expected : {std::pair<int, int>{m_settings.DemoOrderID[0], 3},
                                     {m_settings.DemoOrderID[1], 1},
                                     {m_settings.DemoOrderID[2], 3}})
            QCOMPARE(countRows("select count(*) from Tasks where OrderID = :o and Completed = 0",
                               {{"o", expected.first}}),
                     expected.second);

        const QVector<TRow> items = Db::select("select OrderItemsID from OrderItems order by OrderItemsID");
        QCOMPARE(items.size(), 8);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(m_settings.DemoOrderItemID[size_t(i)], items.at(i).integer("OrderItemsID"));
        for (int key : m_settings.DemoTaskItemID)
            QVERIFY(key > 0);
    }

    void togglingTwiceRestoresTheDatabase()
    {
        const int user = AddCustomer({});
        addUserOrder(user, AddProduct("Own", "Own", 0, 5));
        const QStringList before = snapshot();
        LoadAllOrders(m_loaded, "order by Brevanta.OrderID", {});

        ToggleSampleOrders(m_settings, m_loaded);
        LoadAllOrders(m_loaded, "order by Brevanta.OrderID", {});
        QCOMPARE(m_loaded.size(), 4);
        QVERIFY(RemoveSampleOrders(m_settings, m_loaded));
        QVERIFY(!m_settings.DemoEntryAdded);
        // The sample orders left the caller's list at once; the user's order stayed.
        QCOMPARE(m_loaded.size(), 1);
        QCOMPARE(m_loaded.at(0)->CustomerID, user);
        QCOMPARE(snapshot(), before);
        QVERIFY(MessageBoxHook::shown().isEmpty());
        // The keys stay in the settings until the next adding.
        QVERIFY(m_settings.DemoOrderID[0] > 0);

        ToggleSampleOrders(m_settings, m_loaded);
        QVERIFY(m_settings.DemoEntryAdded);
        QCOMPARE(countRows("select count(*) from Brevanta"), 4);
    }

    void recordsTiedToUserOrdersStay()
    {
        AddSampleOrders(m_settings);
        const int c1 = m_settings.DemoCustomerID[0];
        const int p6 = m_settings.DemoProductID[5];
        const int own = addUserOrder(c1, p6);
        QVERIFY(RemoveSampleOrders(m_settings, m_loaded));
        QVERIFY(MessageBoxHook::shown().isEmpty());

        QCOMPARE(countRows("select count(*) from Customers"), 1);
        QCOMPARE(countRows("select count(*) from Customers where CustomerID = :c", {{"c", c1}}), 1);
        QCOMPARE(countRows("select count(*) from Products"), 1);
        QCOMPARE(countRows("select count(*) from Products where ProductID = :p", {{"p", p6}}), 1);
        QCOMPARE(countRows("select count(*) from Brevanta"), 1);
        QCOMPARE(countRows("select count(*) from OrderItems where BrevantaID = :o", {{"o", own}}), 1);
        QCOMPARE(countRows("select count(*) from Tasks"), 1);
        QCOMPARE(countRows("select count(*) from States"), 2);
        TOrder order;
        LoadOrderByID(own, &order);
        QCOMPARE(order.FullName, QString("Mr. Graham Whitcombe (sample)"));
    }

    // Keys kept from an earlier database must not delete the user's records that now hold them.
    void keysOfAnotherDatabaseDeleteNothing()
    {
        AddSampleOrders(m_settings);
        m_db.reset();
        m_db = std::make_unique<TestDatabase>();
        for (int i = 0; i < 3; ++i)
            AddCustomer({});
        for (int i = 0; i < 8; ++i)
            AddProduct("Own", "Own", 0, 1);
        for (int i = 0; i < 3; ++i)
            Db::insert("States", {{"State1Text", "Own"}});
        for (int i = 0; i < 3; ++i)
            AddOrder("USER", "U", 1, 1, i + 1);
        for (int i = 0; i < 8; ++i)
            AddOrderItem(1, 1, 1, 1.0, 1);
        for (int i = 0; i < 7; ++i)
            AddTask("own memo", false, 1);
        const QStringList before = snapshot();
        RemoveSampleOrders(m_settings, m_loaded);
        QCOMPARE(snapshot(), before);
        QVERIFY(!m_settings.DemoEntryAdded);
    }

    void failedAddsStoreZero()
    {
        m_db->module->Disconnect();
        QVERIFY(!AddSampleOrders(m_settings));
        QVERIFY(m_settings.DemoEntryAdded);
        QCOMPARE(m_settings.DemoCustomerID[0], 0);
        QCOMPARE(m_settings.DemoTaskItemID[6], 0);
        QCOMPARE(MessageBoxHook::shown().size(), 3 + 3 + 8 + 3 + 8 + 7);
        QVERIFY(MessageBoxHook::lastText().contains("New Task"));
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    TSettings m_settings;
    QList<TOrder*> m_loaded;
};

QTEST_MAIN(TestSampleOrders)
#include "test_sampleorders.moc"
