#include "TestSupport.h"
#include "core/DateTimeUtils.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"
#include "core/uRecords.h"
#include "orders/uClasses.h"
#include "orders/uOrderLoading.h"

#include <QElapsedTimer>
#include <QtTest>
#include <functional>

namespace {

TCustomerFields customer(const QString& fullName, const QString& company)
{
    TCustomerFields c;
    c.FullName = fullName;
    c.CompanyName = company;
    c.Salutation = QStringLiteral("Dear");
    c.City = QStringLiteral("Leeds");
    c.Notes = QStringLiteral("customer notes");
    return c;
}

TOrder* findOrder(const QList<TOrder*>& orders, int id)
{
    for (TOrder* o : orders)
        if (o->OrderID == id)
            return o;
    return nullptr;
}

} // namespace

class TestOrderLoading : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestEnvironment(); }
    void init()
    {
        MessageBoxHook::clear();
        SetNowOverride(EncodeDate(2024, 3, 10) + 0.25);
        m_db = std::make_unique<TestDatabase>();
        m_alice = AddCustomer(customer("Alice O'Hara", "O'Hara & Sons"));
        m_bob = AddCustomer(customer("Bob Smith", "Acme"));
        m_tv = AddProduct("Television", "TV-1", 0, 500.0);
        m_cable = AddProduct("Cable", "C-2", 0, 3.0);
        // Alice: created 40 days ago, two items; Bob: created 5 days ago, no items; an order of a
        // customer that no longer exists.
        m_aliceOrder = AddOrder("PO-A", "W1", 0, m_alice, 11);
        m_item1 = AddOrderItem(21, m_tv, 3, 19.99, m_aliceOrder);
        AddOrderItem(22, m_cable, 2, 1.5, m_aliceOrder);
        m_bobOrder = AddOrder("PO-B", "W2", 1, m_bob, 12);
        m_orphanOrder = AddOrder("PO-X", "W3", 1, 999, 13);
        Db::exec("update Brevanta set OrderNotes = 'order notes', PackingAndCarriage = 2.5, "
                 "DeliveryCourier = 'Courier', TrackingNumber = 'T1' where OrderID = :o",
                 {{"o", m_aliceOrder}});
    }
    void cleanup()
    {
        FreeAllItems(m_loaded);
        m_db.reset();
        SetNowOverride(0);
    }

    void loadsJoinedOrdersWithTheirItems()
    {
        QVector<std::pair<int, int>> steps;
        LoadAllOrders(m_loaded, "order by Brevanta.OrderCreationDate Desc", [&](int done, int total) {
            steps.append({done, total});
        });
        QVERIFY(MessageBoxHook::shown().isEmpty());
        QCOMPARE(m_loaded.size(), 2);
        QVERIFY(!findOrder(m_loaded, m_orphanOrder));
        QCOMPARE(steps, (QVector<std::pair<int, int>>{{1, 2}, {2, 2}}));
        // Newest first by the default sort line.
        QCOMPARE(m_loaded.at(0)->OrderID, m_bobOrder);

        const TOrder* a = findOrder(m_loaded, m_aliceOrder);
        QCOMPARE(a->CustomerID, m_alice);
        QCOMPARE(a->FullName, QString("Alice O'Hara"));
        QCOMPARE(a->CompanyName, QString("O'Hara & Sons"));
        QCOMPARE(a->City, QString("Leeds"));
        QCOMPARE(a->InvoiceCity, QString(""));
        QCOMPARE(a->Notes, QString("customer notes"));
        QCOMPARE(a->OrderNotes, QString("order notes"));
        QCOMPARE(a->CustomerOrderNo, QString("PO-A"));
        QCOMPARE(a->InternalOrderNo, QString("W1"));
        QCOMPARE(a->MasterStatesID, 11);
        QCOMPARE(a->OrderCreationDate, Now() - 40);
        QCOMPARE(a->OrderDueDate, Now() - 2);
        QCOMPARE(a->OrderCompletionDate, 0.0);
        QCOMPARE(a->CreationDate, Now());
        QCOMPARE(a->PackingAndCarriage, 2.5f);
        QCOMPARE(a->DeliveryCourier, QString("Courier"));
        QCOMPARE(a->TrackingNumber, QString("T1"));
        QVERIFY(!a->ChartLoaded);
        QCOMPARE(a->TreeRow, -1);

        QCOMPARE(a->Items.size(), 2);
        const TOrderItem* first = a->Items.at(0);
        QCOMPARE(first->OrderItemsID, m_item1);
        QCOMPARE(first->ProductID, m_tv);
        QCOMPARE(first->Quantity, 3);
        QCOMPARE(first->Price, 19.99); // the agreed price, not the product's list price
        QCOMPARE(first->StatesID, 21);
        QCOMPARE(first->ProductCategory, QString("Television"));
        QCOMPARE(first->ProductModel, QString("TV-1"));
        QCOMPARE(first->LineValue, 3 * 19.99);
        QVERIFY(qAbs(first->LineValue - 59.97) < 1e-9);
        QVERIFY(qAbs(a->OrderValue - (59.97 + 3.0)) < 1e-9);
        QCOMPARE(first->Order(), a);

        const TOrder* b = findOrder(m_loaded, m_bobOrder);
        QVERIFY(b->Items.isEmpty());
        QCOMPARE(b->OrderValue, 0.0);
    }

    void sortLineAndReloadReplaceTheList()
    {
        LoadAllOrders(m_loaded, "order by Customers.CompanyName", {});
        QCOMPARE(m_loaded.size(), 2);
        QCOMPARE(m_loaded.at(0)->CompanyName, QString("Acme"));
        Db::exec("delete from Brevanta where OrderID = :o", {{"o", m_bobOrder}});
        LoadAllOrders(m_loaded, "order by Customers.CompanyName", {});
        QCOMPARE(m_loaded.size(), 1);
        QCOMPARE(m_loaded.at(0)->OrderID, m_aliceOrder);
    }

    void unsetDatesReadAsZero()
    {
        const int undated = AddOrder("PO-U", "W9", 7, m_bob, 0);
        TOrder order;
        LoadOrderByID(undated, &order);
        QCOMPARE(order.OrderID, undated);
        QCOMPARE(order.OrderCreationDate, 0.0);
        QCOMPARE(order.OrderDueDate, 0.0);
    }

    void loadOrderByID()
    {
        TOrder order;
        LoadOrderByID(123456, &order);
        QCOMPARE(order.OrderID, -1);
        QVERIFY(order.FullName.isEmpty());
        QVERIFY(order.Items.isEmpty());

        LoadOrderByID(m_aliceOrder, &order);
        QCOMPARE(order.OrderID, m_aliceOrder);
        QCOMPARE(order.Items.size(), 2);
        order.ChartLoaded = true;
        // Loading again replaces the items instead of adding to them.
        LoadOrderByID(m_aliceOrder, &order);
        QCOMPARE(order.Items.size(), 2);
        QVERIFY(!order.ChartLoaded);

        LoadOrderByID(m_orphanOrder, &order);
        QCOMPARE(order.OrderID, m_aliceOrder);
        QCOMPARE(order.Items.size(), 2);
        QVERIFY(MessageBoxHook::shown().isEmpty());
    }

    void updateOrderInformation()
    {
        TOrder order;
        LoadOrderByID(m_aliceOrder, &order);
        order.OrderCreationDate = EncodeDate(2024, 1, 1);
        order.OrderCompletionDate = EncodeDate(2024, 2, 2);
        order.OrderInvoiced = true;
        order.OrderInvoicedDate = EncodeDate(2024, 2, 3);
        order.OrderPaid = true;
        order.OrderPaidDate = EncodeDate(2024, 2, 4);
        order.OrderCompleted = true;
        order.CustomerOrderNo = "changed in memory only";
        order.OrderDueDate = 1.0;
        UpdateOrderInformation(&order);
        QVERIFY(MessageBoxHook::shown().isEmpty());

        TOrder reread;
        LoadOrderByID(m_aliceOrder, &reread);
        QCOMPARE(reread.OrderCreationDate, EncodeDate(2024, 1, 1));
        QCOMPARE(reread.OrderCompletionDate, EncodeDate(2024, 2, 2));
        QVERIFY(reread.OrderInvoiced);
        QCOMPARE(reread.OrderInvoicedDate, EncodeDate(2024, 2, 3));
        QVERIFY(reread.OrderPaid);
        QCOMPARE(reread.OrderPaidDate, EncodeDate(2024, 2, 4));
        QVERIFY(reread.OrderCompleted);
        QCOMPARE(reread.CustomerOrderNo, QString("PO-A"));
        QCOMPARE(reread.OrderDueDate, Now() - 2);
    }

    void updateOfDeletedOrderWritesNothing()
    {
        TOrder order;
        LoadOrderByID(m_bobOrder, &order);
        Db::exec("delete from Brevanta where OrderID = :o", {{"o", m_bobOrder}});
        const QVector<TRow> before = Db::select("select * from Brevanta order by OrderID");
        order.OrderPaid = true;
        UpdateOrderInformation(&order);
        QVERIFY(MessageBoxHook::shown().isEmpty());
        const QVector<TRow> after = Db::select("select * from Brevanta order by OrderID");
        QCOMPARE(after.size(), before.size());
        for (int i = 0; i < after.size(); ++i)
            QCOMPARE(after.at(i).record(), before.at(i).record());
    }

    void failuresShowTheirSentence_data()
    {
        QTest::addColumn<std::function<void(QList<TOrder*>&)>>("action");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("load all") << std::function<void(QList<TOrder*>&)>([](QList<TOrder*>& l) {
            LoadAllOrders(l, "order by OrderID", {});
        }) << "An Error occurred while Pellomar was loading the Order Information.";
        QTest::newRow("by id") << std::function<void(QList<TOrder*>&)>([](QList<TOrder*>&) {
            TOrder o;
            LoadOrderByID(1, &o);
            QCOMPARE(o.OrderID, -1);
        }) << "Error while obtaining Order Information by Order ID";
        QTest::newRow("update") << std::function<void(QList<TOrder*>&)>([](QList<TOrder*>&) {
            TOrder o;
            o.OrderID = 1;
            UpdateOrderInformation(&o);
        }) << "Error updating Order Information";
    }
    void failuresShowTheirSentence()
    {
        QFETCH(std::function<void(QList<TOrder*>&)>, action);
        QFETCH(QString, sentence);
        m_loaded.append(new TOrder());
        m_db->module->Disconnect();
        action(m_loaded);
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QCOMPARE(MessageBoxHook::lastText(), sentence);
    }

    void failedItemQueryKeepsTheOrder()
    {
        Db::exec("drop table Products");
        LoadAllOrders(m_loaded, "order by Brevanta.OrderID", {});
        QCOMPARE(m_loaded.size(), 2);
        QCOMPARE(MessageBoxHook::shown().size(), 2);
        QCOMPARE(MessageBoxHook::lastText(),
                 QString("An Error occurred while Pellomar was loading the Order Item Information."));
        const TOrder* a = findOrder(m_loaded, m_aliceOrder);
        QVERIFY(a->Items.isEmpty());
        QCOMPARE(a->OrderValue, 0.0);
    }

    // One item query per order must stay cheap: it finds the items through an index, not a scan.
    void manyOrdersLoadQuickly()
    {
        QStringList plan;
        for (const TRow& row :
             Db::select("explain query plan " + Queries::qryOrderItems, {{"P_BrevantaID", 1}}))
            plan << row.text("detail");
        QVERIFY2(plan.join(' ').contains(QRegularExpression("SEARCH OrderItems USING (COVERING )?INDEX")),
                 qPrintable(plan.join("; ")));
        {
            Db::Transaction t;
            for (int i = 0; i < 4000; ++i) {
                const int o = AddOrder("PO", "W", 1, m_bob, 0);
                AddOrderItem(0, m_tv, 1, 1.0, o);
            }
            t.commit();
        }
        QElapsedTimer timer;
        timer.start();
        LoadAllOrders(m_loaded, "order by Brevanta.OrderID", {});
        QCOMPARE(m_loaded.size(), 4002);
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed()) + " ms"));
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    QList<TOrder*> m_loaded;
    int m_alice = 0, m_bob = 0, m_tv = 0, m_cable = 0;
    int m_aliceOrder = 0, m_bobOrder = 0, m_orphanOrder = 0, m_item1 = 0;
};

QTEST_MAIN(TestOrderLoading)
#include "test_orderloading.moc"
