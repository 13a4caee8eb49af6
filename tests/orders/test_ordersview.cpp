#include "TestSupport.h"

#include "charts/uChartArea.h"
#include "charts/uStateCharts.h"
#include "core/ImageView.h"
#include "core/uMain.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"
#include "orders/uBox32.h"
#include "orders/uClasses.h"
#include "orders/uInvoicesAndPayments.h"
#include "orders/uOrderImages.h"
#include "orders/uOrdersNotes.h"
#include "orders/uOrdersTree.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QByteArray kQuiet = "[Preferences]\r\nShowTutorial=0\r\nShowTips=0\r\n";

QTreeWidgetItem* rowOf(TfrmMainPellomarAlpha& w, const QString& customerOrderNo)
{
    for (int i = 0; i < w.treeBrevanta->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = w.treeBrevanta->topLevelItem(i);
        if (row->text(1).contains(">" + customerOrderNo + "<"))
            return row;
    }
    return nullptr;
}

TOrder* select(TfrmMainPellomarAlpha& w, const QString& customerOrderNo)
{
    QTreeWidgetItem* row = rowOf(w, customerOrderNo);
    if (!row)
        return nullptr;
    w.treeBrevanta->setCurrentItem(row);
    return w.CurrentOrder;
}

void moveOver(QWidget* widget, const QPoint& pos)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QPoint centreOf(const TGraphicalState* stage)
{
    return stage->BoxRect.toQRect().center();
}

void doubleClickStage(TfrmMainPellomarAlpha& w, int index)
{
    QTest::mouseDClick(w.imgOrderProgress, Qt::LeftButton, Qt::NoModifier,
                       centreOf(w.OrderProgressChart->Stages.at(index)));
}

QVector<TRow> orderRow(int orderId)
{
    return Db::select("select * from Brevanta where OrderID=:id", {{"id", orderId}});
}

// Runs an action that opens a modal dialog of type T and drives the dialog with `act`.
template <class T, class Open, class Act> void withDialog(Open open, Act act)
{
    bool acted = false;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog)
            act(dialog);
        acted = dialog != nullptr;
    });
    open();
    QVERIFY2(acted, qPrintable(MessageBoxHook::lastText()));
}

} // namespace

class TestOrdersView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestEnvironment(); }
    void init() { MessageBoxHook::clear(); }

    void samplesInTheTree()
    {
        MainWindowFixture f(kQuiet, true);
        QVERIFY(f.start());
        TfrmMainPellomarAlpha& w = *f.window;
        QCOMPARE(w.treeBrevanta->topLevelItemCount(), 3);
        QTreeWidgetItem* o1 = rowOf(w, "P-2004-345");
        QVERIFY(o1);
        QCOMPARE(o1->data(0, TOrdersTree::ImageRole).toInt(), 4); // overdue
        QCOMPARE(o1->childCount(), 3);
        QVERIFY(o1->text(0).startsWith("<html>"));
        QVERIFY(o1->text(0).contains("<br><font color=clGray>Big Import Co.</font>"));
        QCOMPARE(o1->child(0)->text(0), QString("<html><font color=\"clGray\">5 x Panasonic PKX-400</font>"));
        double total = 0;
        QMap<QString, double> values;
        for (const TOrder* o : w.LoadedOrders) {
            values[o->CustomerOrderNo] = o->OrderValue;
            total += o->OrderValue;
        }
        QCOMPARE(values.value("P-2004-345"), 2773.0);
        QCOMPARE(qRound(total * 100), 357095);
        for (int i = 0; i < 3; ++i)
            if (w.treeBrevanta->topLevelItem(i) != o1)
                QCOMPARE(w.treeBrevanta->topLevelItem(i)->data(0, TOrdersTree::ImageRole).toInt(), 0);
        QVERIFY(w.treeBrevanta->header()->height() == 0);
    }

    void imageRule_data()
    {
        QTest::addColumn<bool>("completed");
        QTest::addColumn<double>("dueOffset");
        QTest::addColumn<int>("image");
        const double second = 1.0 / 86400;
        QTest::newRow("open, due later") << false << 1.0 << 0;
        QTest::newRow("due exactly now") << false << 0.0 << 0;
        QTest::newRow("due a second ago") << false << -second << 4;
        QTest::newRow("completed beats overdue") << true << -10.0 << 2;
        QTest::newRow("completed, due later") << true << 5.0 << 2;
    }
    void imageRule()
    {
        QFETCH(bool, completed);
        QFETCH(double, dueOffset);
        QFETCH(int, image);
        const TDateTime now = EncodeDate(2026, 12, 11) + 0.5;
        QCOMPARE(OrderImageIndex(completed, now + dueOffset, now), image);
    }

    void selectionShowsChartSummaryAndMemos()
    {
        MainWindowFixture f(kQuiet, true);
        QVERIFY(f.start());
        TfrmMainPellomarAlpha& w = *f.window;
        w.resize(1200, 760);
        QTest::qWait(50);
        TOrder* order = select(w, "P-2004-345");
        QVERIFY(order);
        QVERIFY(order->ChartLoaded);
        QCOMPARE(w.OrderProgressChart, order->Chart());
        QCOMPARE(order->Chart()->Stages.size(), 4);
        QCOMPARE(w.SummaryBox->heading(), QString("P-2004-345"));
        QCOMPARE(w.treeTasklist->topLevelItemCount(), 3);
        QVERIFY(rowOf(w, "P-2004-345")->isExpanded());
        QVERIFY(w.MemoPanelShown());
        // Clicking an item of the order already shown does nothing.
        order->Chart()->Stages.at(0)->Text = "changed";
        w.treeBrevanta->setCurrentItem(rowOf(w, "P-2004-345")->child(1));
        QCOMPARE(order->Chart()->Stages.at(0)->Text, QString("changed"));
        QCOMPARE(w.CurrentOrder, order);
        // Narrow: the memo panel hides, but the memos are still loaded.
        w.resize(800, 700);
        QTest::qWait(50);
        QVERIFY(!w.MemoPanelShown());
        QCOMPARE(w.treeTasklist->topLevelItemCount(), 3);
        // Nothing selected: "None Selected".
        w.treeBrevanta->clearSelection();
        QCOMPARE(w.CurrentOrder, nullptr);
        QCOMPARE(w.lblNotesNone->text(), QString("None"));
        QCOMPARE(w.treeTasklist->topLevelItemCount(), 0);
    }

    void doubleClickTicksStagesAndCompletesTheOrder()
    {
        MainWindowFixture f(kQuiet, true);
        QVERIFY(f.start());
        TfrmMainPellomarAlpha& w = *f.window;
        TOrder* order = select(w, "P-2004-345");
        QVERIFY(order);
        TGraphicalStateChart* chart = w.OrderProgressChart;
        QTest::mouseClick(w.imgOrderProgress, Qt::LeftButton, Qt::NoModifier, centreOf(chart->Stages.at(2)));
        QVERIFY(!chart->Stages.at(2)->Completed); // a single click does nothing

        doubleClickStage(w, 2);
        for (int i = 0; i < 3; ++i)
            QVERIFY(chart->Stages.at(i)->Completed);
        QVERIFY(!order->OrderCompleted);
        QCOMPARE(Db::select("select State3Completed from States where StateID=:id",
                            {{"id", order->MasterStatesID}})
                     .first()
                     .boolean("State3Completed"),
                 true);

        doubleClickStage(w, 3);
        QVERIFY(order->OrderCompleted);
        QVERIFY(qAbs(order->OrderCompletionDate - Now()) < 0.001);
        QCOMPARE(rowOf(w, "P-2004-345")->data(0, TOrdersTree::ImageRole).toInt(), 2);
        QCOMPARE(orderRow(order->OrderID).first().boolean("OrderCompleted"), true);

        doubleClickStage(w, 1);
        QVERIFY(chart->Stages.at(0)->Completed);
        QVERIFY(!chart->Stages.at(1)->Completed);
        QVERIFY(chart->Stages.at(1)->Current);
        QVERIFY(!order->OrderCompleted);
        QCOMPARE(rowOf(w, "P-2004-345")->data(0, TOrdersTree::ImageRole).toInt(), 4); // open and past due
        QCOMPARE(orderRow(order->OrderID).first().boolean("OrderCompleted"), false);

        // The gap between two boxes changes nothing.
        const QPoint gap(centreOf(chart->Stages.at(0)).x(), chart->Stages.at(0)->BoxRect.Bottom + 6);
        QTest::mouseDClick(w.imgOrderProgress, Qt::LeftButton, Qt::NoModifier, gap);
        QVERIFY(chart->Stages.at(0)->Completed);
    }

    void statusLine_data()
    {
        QTest::addColumn<bool>("completed");
        QTest::addColumn<bool>("overdue");
        QTest::addColumn<bool>("previousDone");
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("colour");
        QTest::newRow("completed") << true << true << false << "Completed:  05 Mar 2026, 14:07:09"
                                   << 0xFF316AC5u;
        QTest::newRow("overdue") << false << true << true << "Overdue" << 0xFFFF1010u;
        QTest::newRow("in progress") << false << false << true << "In Progress" << 0xFF316AC5u;
        QTest::newRow("later stage") << false << false << false << "" << 0u;
    }
    void statusLine()
    {
        QFETCH(bool, completed);
        QFETCH(bool, overdue);
        QFETCH(bool, previousDone);
        QFETCH(QString, text);
        QFETCH(uint, colour);
        const TDateTime when = EncodeDate(2026, 3, 5) + (14 * 3600 + 7 * 60 + 9) / 86400.0;
        TGraphicalState stage(nullptr, "Pack", completed, when, 0, "", !completed, overdue, false, true);
        quint32 shown = 0;
        QCOMPARE(TChartArea::StatusText(stage, previousDone, &shown), text);
        QCOMPARE(shown, quint32(colour));
    }

    void hoverWritesTheStatusLine()
    {
        MainWindowFixture f(kQuiet, true);
        QVERIFY(f.start());
        TfrmMainPellomarAlpha& w = *f.window;
        QVERIFY(select(w, "P-2004-345"));
        const QImage& frame = w.imgMiddleBottom->Bitmap();
        const auto strip = [&] { return frame.copy(10, frame.height() - 20, 80, 14); };
        const QImage before = strip();
        moveOver(w.imgOrderProgress, centreOf(w.OrderProgressChart->Stages.at(1)));
        QVERIFY(strip() != before); // "Overdue", the sample order is past due
        bool red = false;
        const QImage text = strip();
        for (int y = 0; y < text.height(); ++y)
            for (int x = 0; x < text.width(); ++x)
                red = red || (qRed(text.pixel(x, y)) > 200 && qGreen(text.pixel(x, y)) < 120);
        QVERIFY(red);
        moveOver(w.imgOrderProgress, QPoint(2, 2));
        QCOMPARE(strip(), before);
    }

    void sortOrders()
    {
        MainWindowFixture f(kQuiet, true);
        QVERIFY(f.start());
        TfrmMainPellomarAlpha& w = *f.window;
        QVERIFY(select(w, "P-2004-345"));
        w.tbiMostOverdueOrderAtTop->trigger();
        QCOMPARE(w.CurrentOrder, nullptr); // a reload leaves nothing selected, and shows nothing
        QCOMPARE(w.treeTasklist->topLevelItemCount(), 0);
        QVERIFY(w.tbiMostOverdueOrderAtTop->isChecked());
        QVERIFY(!w.tbiMostRecentEntryAtTop->isChecked());
        QCOMPARE(w.LoadedOrders.size(), 3);
        for (int i = 1; i < w.LoadedOrders.size(); ++i)
            QVERIFY(w.LoadedOrders[i - 1]->OrderDueDate <= w.LoadedOrders[i]->OrderDueDate);
        QCOMPARE(w.LoadedOrders.first()->CustomerOrderNo, QString("P-2004-345"));
        w.tbiMostRecentEntryAtTop->trigger();
        for (int i = 1; i < w.LoadedOrders.size(); ++i)
            QVERIFY(w.LoadedOrders[i - 1]->OrderCreationDate >= w.LoadedOrders[i]->OrderCreationDate);
    }

    void manyOrdersLoadQuickly()
    {
        MainWindowFixture f(kQuiet);
        QVERIFY(f.start());
        {
            Db::Transaction t;
            const int customer = Db::insert("Customers", {{"FullName", "Bulk Buyer"}, {"CompanyName", "Bulk Ltd"}});
            const int product = Db::insert("Products", {{"ProductCategory", "Widget"}, {"ProductModel", "W-1"}});
            for (int i = 0; i < 3000; ++i) {
                const int order = Db::insert("Brevanta", {{"CustomerID", customer},
                                                          {"CustomerOrderNo", QString("PO-%1").arg(i)},
                                                          {"OrderDueDate", Now() + i % 40 - 20},
                                                          {"OrderCreationDate", Now() - i}});
                for (int j = 0; j < 2; ++j)
                    Db::insert("OrderItems",
                               {{"BrevantaID", order}, {"ProductID", product}, {"Quantity", 2}, {"Price", 1.5}});
            }
            t.commit();
        }
        QElapsedTimer timer;
        timer.start();
        f.window->ReloadOrders();
        QCOMPARE(f.window->treeBrevanta->topLevelItemCount(), 3000);
        QVERIFY2(timer.elapsed() < 8000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(f.window->LoadedOrders.first()->OrderValue, 6.0);
    }

    void orderWithoutCustomerIsNotShown()
    {
        MainWindowFixture f(kQuiet, true);
        QVERIFY(f.start());
        TfrmMainPellomarAlpha& w = *f.window;
        Db::exec("delete from Customers where CompanyName = 'MoneyCorp LLC'");
        w.ReloadOrders();
        QCOMPARE(w.treeBrevanta->topLevelItemCount(), 2);
        QCOMPARE(w.LoadedOrders.size(), 2);
    }

    void invoicesDialog()
    {
        MainWindowFixture f(kQuiet, true);
        QVERIFY(f.start());
        TfrmMainPellomarAlpha& w = *f.window;
        TOrder* order = select(w, "P-2004-345");
        QVERIFY(order);

        // Paid ticks invoiced; paid without invoiced asks, and No keeps the dialog open.
        MessageBoxHook::queueAnswer(mrNo);
        withDialog<TfrmInvoicesAndPayments>(
            [&] { w.btnEditInvoices->click(); },
            [](TfrmInvoicesAndPayments* d) {
                d->cbPaid->setChecked(true);
                QVERIFY(d->cbInvoiced->isChecked());
                d->cbInvoiced->setChecked(false);
                d->btnNext->click();
                QVERIFY(d->isVisible());
                QCOMPARE(MessageBoxHook::lastText(),
                         QString("You have indicated that your Order has been paid but no "
                                 "Invoice has been issued.  Do you wish to continue?"));
                d->btnCancel->click();
            });
        QVERIFY(!order->OrderPaid && !order->OrderInvoiced);

        withDialog<TfrmInvoicesAndPayments>([&] { w.btnEditInvoices->click(); },
                                            [](TfrmInvoicesAndPayments* d) {
                                                d->cbPaid->setChecked(true);
                                                d->btnNext->click();
                                            });
        QVERIFY(order->OrderPaid && order->OrderInvoiced);
        TRow row = orderRow(order->OrderID).first();
        QVERIFY(row.boolean("OrderPaid") && row.boolean("OrderInvoiced"));
        const double invoicedAt = row.number("OrderInvoicedDate");
        QVERIFY(qAbs(invoicedAt - Now()) < 0.001);
        QCOMPARE(w.SummaryBox->paid(), true);

        // Clearing keeps the date; OK without a change writes nothing.
        withDialog<TfrmInvoicesAndPayments>([&] { w.btnEditInvoices->click(); },
                                            [](TfrmInvoicesAndPayments* d) {
                                                d->cbPaid->setChecked(false);
                                                d->cbInvoiced->setChecked(false);
                                                d->btnNext->click();
                                            });
        row = orderRow(order->OrderID).first();
        QVERIFY(!row.boolean("OrderInvoiced"));
        QCOMPARE(row.number("OrderInvoicedDate"), invoicedAt);
        Db::exec("update Brevanta set OrderPaidDate = 1 where OrderID=:id", {{"id", order->OrderID}});
        withDialog<TfrmInvoicesAndPayments>([&] { w.btnEditInvoices->click(); },
                                            [](TfrmInvoicesAndPayments* d) { d->btnNext->click(); });
        QCOMPARE(orderRow(order->OrderID).first().number("OrderPaidDate"), 1.0);
    }

    void notesKeepQuotes()
    {
        MainWindowFixture f(kQuiet, true);
        QVERIFY(f.start());
        TfrmMainPellomarAlpha& w = *f.window;
        TOrder* order = select(w, "P-2004-345");
        QVERIFY(order);
        QCOMPARE(w.lblNotesNone->text(), QString("None"));
        const QString notes = "Customer's \"fragile\" goods; call O'Neill.\nSecond line";
        withDialog<TfrmOrdersNotes>([&] { w.btnNotes->click(); },
                                    [&](TfrmOrdersNotes* d) {
                                        d->memoNotes->setPlainText(notes);
                                        d->btnFinish->click();
                                    });
        QCOMPARE(orderRow(order->OrderID).first().text("OrderNotes"), notes);
        QCOMPARE(order->OrderNotes, notes);
        QCOMPARE(w.lblNotesNone->text(), QString("Some"));
        withDialog<TfrmOrdersNotes>([&] { w.btnNotes->click(); },
                                    [&](TfrmOrdersNotes* d) {
                                        QCOMPARE(d->memoNotes->toPlainText(), notes);
                                        QCOMPARE(d->CustomerOrderNo, QString("P-2004-345"));
                                        d->memoNotes->setPlainText("discarded");
                                        d->btnCancel->click();
                                    });
        QCOMPARE(orderRow(order->OrderID).first().text("OrderNotes"), notes);
        QVERIFY(!ModalFormOpen());
    }

    void memos()
    {
        MainWindowFixture f(kQuiet, true);
        QVERIFY(f.start());
        TfrmMainPellomarAlpha& w = *f.window;
        w.resize(1200, 760);
        QTest::qWait(50);
        TOrder* order = select(w, "P-2004-345");
        QVERIFY(order && w.MemoPanelShown());
        const auto count = [&] {
            return Db::select("select count(*) as n from Tasks where OrderID=:id", {{"id", order->OrderID}})
                .first()
                .integer("n");
        };
        QTest::mouseClick(w.lblTasks, Qt::LeftButton);
        QVERIFY(w.edTasks->isVisible());
        QTest::keyClick(w.edTasks, Qt::Key_Return); // empty: nothing stored
        QVERIFY(!w.edTasks->isVisible() && w.lblTasks->isVisible());
        QCOMPARE(count(), 3);

        QTest::mouseClick(w.lblTasks, Qt::LeftButton);
        const QString text = QString(120, 'x');
        QTest::keyClicks(w.edTasks, text);
        QCOMPARE(w.edTasks->text().size(), 99);
        QTest::keyClick(w.edTasks, Qt::Key_Return);
        QCOMPARE(count(), 4); // one insert, though Enter also takes the focus away
        QCOMPARE(w.treeTasklist->topLevelItemCount(), 4);
        QTreeWidgetItem* added = w.treeTasklist->topLevelItem(3);
        QCOMPARE(added->text(0), QString(99, 'x'));
        const int taskId = added->text(1).toInt();
        QVERIFY(taskId > 0);

        added->setCheckState(0, Qt::Checked);
        TRow task = Db::select("select * from Tasks where TaskID=:id", {{"id", taskId}}).first();
        QVERIFY(task.boolean("Completed"));
        QVERIFY(task.number("CompletedDate") > 0);
        added->setCheckState(0, Qt::Unchecked);
        QVERIFY(!Db::select("select * from Tasks where TaskID=:id", {{"id", taskId}})
                     .first()
                     .boolean("Completed"));
    }

    void sampleOrdersCheckBoxAndDelete()
    {
        MainWindowFixture f(kQuiet, true);
        QVERIFY(f.start());
        TfrmMainPellomarAlpha& w = *f.window;
        select(w, "PO-ELE-041234");
        MessageBoxHook::queueAnswer(mrYes);
        w.tbiDeleteOrder->trigger();
        QVERIFY(MessageBoxHook::lastText().startsWith(
            "Are you sure you want to Delete the Complete Order from "));
        QVERIFY(MessageBoxHook::lastText().endsWith(", MoneyCorp LLC?"));
        QCOMPARE(w.treeBrevanta->topLevelItemCount(), 2);
        QCOMPARE(w.CurrentOrder, nullptr);

        w.cbSampleOrders->click(); // remove
        QVERIFY(!w.cbSampleOrders->isChecked());
        QVERIFY(w.cbSampleOrders->isEnabled());
        QCOMPARE(w.treeBrevanta->topLevelItemCount(), 0);
        QCOMPARE(Db::select("select * from Customers").size(), 0);
        w.cbSampleOrders->click(); // and back
        QVERIFY(w.cbSampleOrders->isChecked());
        QCOMPARE(w.treeBrevanta->topLevelItemCount(), 3);

        MessageBoxHook::clear();
        w.treeBrevanta->clearSelection();
        w.tbiDeleteOrder->trigger();
        QCOMPARE(MessageBoxHook::lastText(), QString("Please select an Order first."));
    }
};

QTEST_MAIN(TestOrdersView)
#include "test_ordersview.moc"
