#include "TestSupport.h"
#include "charts/uStatePresets.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"

#include <QtTest>

class TestStatePresets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestEnvironment(); }
    void init() { MessageBoxHook::clear(); }

    void emailTextLengths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("length");
        const QVector<std::pair<const char*, int>> cases{{"A", 193},  {"B", 256}, {"C", 216},  {"D", 138},
                                                         {"M", 189},  {"T", 175}, {"R1", 289}, {"R2", 172},
                                                         {"R3", 203}, {"R4", 148}};
        for (const auto& c : cases)
            QTest::newRow(c.first) << QString::fromLatin1(c.first) << c.second;
    }
    void emailTextLengths()
    {
        QFETCH(QString, name);
        QFETCH(int, length);
        const QString text = PresetEmailText(name);
        QCOMPARE(text.size(), length);
        QVERIFY(text.startsWith("Dear [SALUTATION]"));
        QVERIFY(text.endsWith("\r\rThanks."));
        QVERIFY(!text.contains('\n'));
    }

    void emailTextDetails()
    {
        QVERIFY(PresetEmailText("T").startsWith("Dear [SALUTATION],\r\r"));
        QVERIFY(PresetEmailText("R3").contains("repaired  and"));
        QVERIFY(PresetEmailText("D").contains("'shipment'"));
        QCOMPARE(PresetEmailText("R2").count("\r\r"), 3);
        QVERIFY(PresetEmailText("X").isEmpty());
        const QVector<TPresetStage> defaults = DefaultTemplateStages();
        QCOMPARE(defaults.size(), 4);
        QCOMPARE(defaults.at(1).EmailText.size(), 250);
        QCOMPARE(defaults.at(3).EmailText.size(), 136);
        QVERIFY(defaults.at(1).EmailText.contains("This will be packed"));
        QCOMPARE(defaults.at(0).EmailText, PresetEmailText("A"));
        QCOMPARE(defaults.at(2).EmailText, PresetEmailText("C"));
    }

    void presetRows_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("emails");
        QTest::newRow("standard") << 0 << QStringList{"Acknowledge", "Allocate Stock", "Pack", "Dispatch"}
                                  << QStringList{"A", "B", "C", "D"};
        QTest::newRow("manufacture") << 1
                                     << QStringList{"Acknowledge", "Manufacture", "Test", "Pack", "Dispatch"}
                                     << QStringList{"A", "M", "T", "C", "D"};
        QTest::newRow("repair") << 2
                                << QStringList{"Acknowledge", "Allocate Return No.", "Collect", "Received",
                                               "Repair",      "Re-dispatch"}
                                << QStringList{"A", "R1", "", "R2", "R3", "R4"};
    }
    void presetRows()
    {
        QFETCH(int, preset);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, emails);
        TestDatabase db;
        const int first = AddPresetStatesRow(preset);
        const int second = AddPresetStatesRow(preset);
        QVERIFY(first > 0);
        QCOMPARE(second, first + 1);
        const QVector<TRow> rows = Db::select("select * from States where StateID = :p", {{"p", second}});
        QCOMPARE(rows.size(), 1);
        const TRow& row = rows.first();
        for (int n = 1; n <= 7; ++n) {
            const QString p = "State" + QString::number(n);
            QCOMPARE(row.text(p + "Text"), captions.value(n - 1));
            QCOMPARE(row.text(p + "EmailText"), PresetEmailText(emails.value(n - 1)));
            // Only the repair set's "Collect" offers no e-mail; unused stages keep the prompt on.
            QCOMPARE(row.boolean(p + "EmailPrompt"), !(preset == 2 && n == 3));
            QCOMPARE(row.boolean(p + "Completed"), false);
            QCOMPARE(row.boolean(p + "Emailed"), false);
            QCOMPARE(row.number(p + "EmailedDate"), 0.0);
            QCOMPARE(row.number(p + "CompletedDate"), 0.0);
            QVERIFY(!row.record().value(p + "Completed").isNull());
        }
        QVERIFY(MessageBoxHook::shown().isEmpty());
    }

    void otherPresetInsertsEmptyRow()
    {
        TestDatabase db;
        const int id = AddPresetStatesRow(3);
        QVERIFY(id > 0);
        const QVector<TRow> rows = Db::select("select * from States where StateID = :p", {{"p", id}});
        QCOMPARE(rows.size(), 1);
        for (int i = 1; i < rows.first().record().count(); ++i)
            QVERIFY(rows.first().record().value(i).isNull());
        QVERIFY(MessageBoxHook::shown().isEmpty());
    }

    void failureShowsSentence()
    {
        TestDatabase db;
        Db::exec("drop table States");
        QCOMPARE(AddPresetStatesRow(0), 0);
        QCOMPARE(MessageBoxHook::lastText(), QString("An Error occurred while adding the New State."));
    }
};

QTEST_MAIN(TestStatePresets)
#include "test_statepresets.moc"
