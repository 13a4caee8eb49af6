#include "TestSupport.h"
#include "charts/uStateCharts.h"
#include "charts/uStatePresets.h"
#include "core/IniFile.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"

#include <QFile>
#include <QtTest>

namespace {
const TDateTime Noon = EncodeDate(2024, 5, 6) + 0.5;

// Stands in for the e-mail module: answers as told and remembers the stages asked for.
class AnsweringHook : public TChartEmailHook
{
public:
    explicit AnsweringHook(int answer) : m_answer(answer) {}
    int SendOrderUpdateEmail(TGraphicalStateChart&, int stageIndex) override
    {
        asked.append(stageIndex);
        return m_answer;
    }
    QVector<int> asked;

private:
    int m_answer;
};

TRow stateRow(int id)
{
    const QVector<TRow> rows = Db::select("select * from States where StateID = :p", {{"p", id}});
    return rows.value(0);
}

QPoint boxCentre(const TGraphicalState* s)
{
    return QPoint((s->BoxRect.Left + s->BoxRect.Right) / 2, (s->BoxRect.Top + s->BoxRect.Bottom) / 2);
}

QPoint iconCentre(const TGraphicalState* s)
{
    return QPoint(s->EmailIconRect.Left + 9, s->EmailIconRect.Top + 7);
}

// A chart loaded from a new preset row, laid out on its own surface.
struct LoadedChart
{
    explicit LoadedChart(int preset = spStandard, TDateTime due = Noon + 10)
    {
        id = AddPresetStatesRow(preset);
        chart.Surface = &surface;
        chart.LoadFromStates(id, due);
        chart.Layout(260, 100);
    }
    QVector<bool> completed() const
    {
        QVector<bool> v;
        for (const TGraphicalState* s : chart.Stages)
            v << s->Completed;
        return v;
    }
    QVector<bool> current() const
    {
        QVector<bool> v;
        for (const TGraphicalState* s : chart.Stages)
            v << s->Current;
        return v;
    }
    int id = 0;
    QImage surface{260, 10, QImage::Format_ARGB32};
    TGraphicalStateChart chart{nullptr, nullptr, false};
};
} // namespace

class TestStateCharts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestEnvironment(); }
    void init()
    {
        MessageBoxHook::clear();
        SetNowOverride(Noon);
        TGraphicalStateChart::SetDefaultEmailHook(nullptr);
    }
    void cleanup() { SetNowOverride(0); }

    void loadFromStates()
    {
        TestDatabase db;
        LoadedChart c;
        QCOMPARE(c.chart.StateID, c.id);
        QCOMPARE(c.chart.Stages.size(), 4);
        QCOMPARE(c.current(), (QVector<bool>{true, false, false, false}));
        QVERIFY(c.chart.Stages.last()->IsLast);
        // Text B has 256 characters: the chart keeps 255 and loses the closing full stop.
        QCOMPARE(c.chart.Stages.at(1)->EmailText.size(), 255);
        QVERIFY(c.chart.Stages.at(1)->EmailText.endsWith("Thanks"));
        QVERIFY(!c.chart.Stages.at(0)->Overdue);

        LoadedChart overdue(spStandard, Noon - 1);
        QVERIFY(overdue.chart.Stages.at(2)->Overdue);
    }

    void loadDerivesCurrentAndStopsAtEmptyCaption()
    {
        TestDatabase db;
        const int id = AddPresetStatesRow(spManufacture);
        Db::update("States", "StateID", id,
                   {{"State1Completed", true},
                    {"State2Completed", true},
                    {"State4Text", ""},
                    {"State5Text", "Ship"}});
        TGraphicalStateChart chart(nullptr, nullptr, false);
        QVERIFY(chart.LoadFromStates(id, Noon + 1));
        QCOMPARE(chart.Stages.size(), 3);
        QVERIFY(!chart.Stages.at(0)->Current && !chart.Stages.at(1)->Current && chart.Stages.at(2)->Current);

        // A stored gap in the completed run is shown as stored.
        Db::update("States", "StateID", id, {{"State1Completed", false}, {"State4Text", "Pack"}});
        chart.LoadFromStates(id, Noon + 1);
        QCOMPARE(chart.Stages.size(), 5);
        QVERIFY(chart.Stages.at(0)->Current);
        QVERIFY(chart.Stages.at(1)->Completed);
        QVERIFY(chart.Stages.at(2)->Current);
        QVERIFY(!chart.Stages.at(3)->Current);
    }

    void loadWithoutStages()
    {
        TestDatabase db;
        TGraphicalStateChart chart(nullptr, nullptr, false);
        chart.AddStage("Old", false, 0, 0, "", true, false, false, true);
        QVERIFY(chart.LoadFromStates(4711, Noon));
        QCOMPARE(chart.StateID, 4711);
        QVERIFY(chart.Stages.isEmpty());
        QCOMPARE(chart.HitTest(QPoint(50, 20)), -1);
        QVERIFY(!chart.AllCompleted());

        const int empty = AddPresetStatesRow(3);
        QVERIFY(chart.LoadFromStates(empty, Noon));
        QVERIFY(chart.Stages.isEmpty());
        QImage surface(200, 10, QImage::Format_ARGB32);
        chart.Surface = &surface;
        chart.Layout(200, 1);
        QCOMPARE(surface.height(), 12);
        QVERIFY(chart.SaveProgress(true));
        QVERIFY(MessageBoxHook::shown().isEmpty());
    }

    void cascade()
    {
        TestDatabase db;
        LoadedChart c;
        SetNowOverride(Noon + 0.25);
        QVERIFY(c.chart.ClickStage(boxCentre(c.chart.Stages.at(2))));
        QCOMPARE(c.completed(), (QVector<bool>{true, true, true, false}));
        QVERIFY(c.chart.Stages.at(3)->Current);
        QVERIFY(!c.chart.Stages.at(2)->Current);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(c.chart.Stages.at(i)->CompletedDate, Noon + 0.25);
        const TRow stored = stateRow(c.id);
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(stored.boolean(QString("State%1Completed").arg(n)), n <= 3);
            QCOMPARE(stored.number(QString("State%1CompletedDate").arg(n)), n <= 3 ? Noon + 0.25 : 0.0);
        }

        SetNowOverride(Noon + 0.5);
        c.chart.ClickStage(boxCentre(c.chart.Stages.at(1)));
        QCOMPARE(c.completed(), (QVector<bool>{true, false, false, false}));
        QVERIFY(c.chart.Stages.at(1)->Current);
        QVERIFY(!c.chart.Stages.at(2)->Current && !c.chart.Stages.at(3)->Current);
        // Un-completing keeps the dates.
        QCOMPARE(c.chart.Stages.at(2)->CompletedDate, Noon + 0.25);
        QCOMPARE(stateRow(c.id).boolean("State2Completed"), false);
        QCOMPARE(stateRow(c.id).boolean("State1Completed"), true);
        QVERIFY(!c.chart.AllCompleted());

        c.chart.ClickStage(boxCentre(c.chart.Stages.at(3)));
        QVERIFY(c.chart.AllCompleted());
        QVERIFY(!c.chart.ClickStage(QPoint(2, 2)));
    }

    void emailAnswers_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("emailed");
        QTest::addColumn<double>("emailedDate");
        QTest::newRow("sent") << int(mrYes) << true << Noon;
        QTest::newRow("not sent") << int(mrNo) << false << 3.0;
        QTest::newRow("nothing composed") << int(mrNone) << true << 3.0;
    }
    void emailAnswers()
    {
        QFETCH(int, answer);
        QFETCH(bool, emailed);
        QFETCH(double, emailedDate);
        TestDatabase db;
        LoadedChart c;
        TGraphicalState* env = c.chart.Stages.at(0);
        // An envelope click sends whatever the stage's state: here not completed but marked e-mailed before.
        env->Emailed = true;
        env->EmailedDate = 3.0;
        AnsweringHook hook(answer);
        c.chart.EmailHook = &hook;
        QVERIFY(c.chart.ClickStage(iconCentre(env)));
        QCOMPARE(hook.asked, QVector<int>{0});
        QVERIFY(!env->Completed);
        QCOMPARE(env->Emailed, emailed);
        QCOMPARE(env->EmailedDate, emailedDate);
        QCOMPARE(stateRow(c.id).boolean("State1Emailed"), emailed);
        QCOMPARE(stateRow(c.id).number("State1EmailedDate"), emailedDate);
    }

    void emailOnCompletion()
    {
        TestDatabase db;
        LoadedChart c(spRepair);
        AnsweringHook hook(mrYes);
        TGraphicalStateChart::SetDefaultEmailHook(&hook);
        c.chart.ClickStage(boxCentre(c.chart.Stages.at(1)));
        QCOMPARE(hook.asked, QVector<int>{1}); // only the stage clicked, not the cascaded one
        QVERIFY(c.chart.Stages.at(1)->Emailed);
        QVERIFY(!c.chart.Stages.at(0)->Emailed);

        // "Collect" offers no e-mail.
        c.chart.ClickStage(boxCentre(c.chart.Stages.at(2)));
        QCOMPARE(hook.asked.size(), 1);

        // Un-completing an e-mailed stage offers nothing and keeps the e-mail flags.
        c.chart.ClickStage(boxCentre(c.chart.Stages.at(1)));
        QCOMPARE(hook.asked.size(), 1);
        QVERIFY(!c.chart.Stages.at(1)->Completed);
        QVERIFY(c.chart.Stages.at(1)->Emailed);

        // Completing it again: already e-mailed, so no offer.
        c.chart.ClickStage(boxCentre(c.chart.Stages.at(1)));
        QCOMPARE(hook.asked.size(), 1);
    }

    void noHookLeavesEmailFlags()
    {
        TestDatabase db;
        LoadedChart c;
        c.chart.ClickStage(boxCentre(c.chart.Stages.at(0)));
        QVERIFY(c.chart.Stages.at(0)->Completed);
        QVERIFY(!c.chart.Stages.at(0)->Emailed);
        c.chart.Stages.at(1)->Emailed = true;
        c.chart.ClickStage(iconCentre(c.chart.Stages.at(1)));
        QVERIFY(c.chart.Stages.at(1)->Emailed);
        QVERIFY(MessageBoxHook::shown().isEmpty());
    }

    void saveFailureIsReported()
    {
        TestDatabase db;
        LoadedChart c;
        Db::exec("drop table States");
        QVERIFY(c.chart.ClickStage(boxCentre(c.chart.Stages.at(1))));
        QVERIFY(c.chart.Stages.at(1)->Completed);
        QCOMPARE(MessageBoxHook::lastText(), QString("The progress of this Order could not be saved."));
        QVERIFY(!c.chart.SaveStageProgress(0));
    }

    void saveProgress()
    {
        TestDatabase db;
        LoadedChart c;
        const QVector<TRow> before = Db::select("select * from States");
        TGraphicalState* s = c.chart.Stages.at(2);
        s->Completed = true;
        s->CompletedDate = Noon;
        s->Emailed = true;
        s->EmailedDate = Noon + 1;
        c.chart.Stages.at(3)->Completed = true;
        QVERIFY(c.chart.SaveProgress(false, 2));
        TRow row = stateRow(c.id);
        QVERIFY(row.boolean("State3Completed"));
        QCOMPARE(row.number("State3CompletedDate"), Noon);
        QVERIFY(row.boolean("State3Emailed"));
        QCOMPARE(row.number("State3EmailedDate"), Noon + 1);
        QVERIFY(!row.boolean("State4Completed"));
        QVERIFY(c.chart.SaveProgress(true));
        QVERIFY(stateRow(c.id).boolean("State4Completed"));
        QVERIFY(!c.chart.SaveStageProgress(9));
    }

    void writeDefinitions()
    {
        TestDatabase db;
        LoadedChart c(spManufacture);
        const int other = AddPresetStatesRow(spStandard);
        Db::update("States", "StateID", other, {{"State1Completed", true}});
        c.chart.Stages.at(0)->Text = QString(300, 'x');
        c.chart.Stages.at(0)->EmailText = "Hello\r\nthere";
        c.chart.Stages.at(1)->EmailPrompt = false;
        delete c.chart.Stages.takeLast();
        c.chart.WriteDefinitions(other);
        const TRow row = stateRow(other);
        QCOMPARE(row.text("State1Text"), QString(255, 'x'));
        QCOMPARE(row.text("State1EmailText"), QString("Hello\r\nthere"));
        QCOMPARE(row.text("State2Text"), QString("Manufacture"));
        QVERIFY(!row.boolean("State2EmailPrompt"));
        QCOMPARE(row.text("State4Text"), QString("Pack"));
        QVERIFY(row.boolean("State1Completed")); // progress stays
        QCOMPARE(row.text("State5Text"), QString());
        c.chart.WriteDefinitions(0);
    }

    void hitTest()
    {
        TestDatabase db;
        LoadedChart c;
        const TGraphicalState* s1 = c.chart.Stages.at(1);
        QCOMPARE(c.chart.HitTest(boxCentre(c.chart.Stages.at(0))), 1);
        QCOMPARE(c.chart.HitTest(boxCentre(s1)), 3);
        QCOMPARE(c.chart.HitTest(QPoint(s1->BoxRect.Left, s1->BoxRect.Top)), 3);
        QCOMPARE(c.chart.HitTest(QPoint(s1->BoxRect.Right, s1->BoxRect.Top)), 0);
        QCOMPARE(c.chart.HitTest(iconCentre(s1)), 4);
        QCOMPARE(c.chart.HitTest(QPoint(s1->EmailIconRect.Left, s1->BoxRect.Top + 10)), 4);
        QCOMPARE(c.chart.HitTest(QPoint(s1->BoxRect.Left + 20, s1->BoxRect.Bottom + 5)), 0);
        QCOMPARE(c.chart.HitTest(iconCentre(c.chart.Stages.at(3))), 8);
    }

    void trackHover()
    {
        TestDatabase db;
        LoadedChart c;
        TGraphicalState* s2 = c.chart.Stages.at(2);
        QCOMPARE(c.chart.TrackHover(boxCentre(s2)), 3);
        QVERIFY(s2->HoverDrawn);
        QCOMPARE(c.surface.pixel(s2->BoxRect.Left - 2, s2->BoxRect.Top + 10), StageLook::BorderHover);
        QCOMPARE(c.chart.TrackHover(boxCentre(s2) + QPoint(1, 0)), 0);
        QCOMPARE(c.chart.TrackHover(QPoint(2, 2)), -1);
        QVERIFY(!s2->HoverDrawn);
        QCOMPARE(c.surface.pixel(s2->BoxRect.Left - 2, s2->BoxRect.Top + 10), StageLook::Border);
        QCOMPARE(c.chart.TrackHover(iconCentre(s2)), 0);
        QVERIFY(s2->HoverDrawn);
        // Moving from one box straight to another: the entered one is reported.
        c.chart.TrackHover(QPoint(2, 2));
        c.chart.TrackHover(boxCentre(c.chart.Stages.at(0)));
        QCOMPARE(c.chart.TrackHover(boxCentre(c.chart.Stages.at(1))), 2);
        c.chart.ClearHover();
        QVERIFY(!c.chart.Stages.at(1)->HoverDrawn);
    }

    void hoverLeavesNoTrace()
    {
        QImage surface(260, 10, QImage::Format_ARGB32);
        TGraphicalStateChart chart(nullptr, nullptr, false);
        chart.Surface = &surface;
        for (const TPresetStage& s : PresetStages(spStandard))
            chart.AddStage(s.Text, false, 0, 0, s.EmailText, false, false, false, s.EmailPrompt);
        chart.Stages.at(0)->Completed = chart.Stages.at(1)->Completed = true;
        chart.Stages.at(0)->Emailed = true;
        chart.Layout(260, 1);
        const QImage before = surface.copy();
        for (int round = 0; round < 3; ++round) {
            for (const TGraphicalState* s : std::as_const(chart.Stages)) {
                chart.TrackHover(boxCentre(s));
                chart.TrackHover(boxCentre(s) + QPoint(3, 1));
                chart.TrackHover(iconCentre(s));
                chart.TrackHover(iconCentre(s) + QPoint(1, 1));
            }
        }
        chart.TrackHover(QPoint(1, 1));
        QCOMPARE(surface, before);
    }

    void maxStages()
    {
        TestDatabase db;
        LoadedChart c(spManufacture);
        // The surface keeps its height here; the whole of it must still be redrawn.
        c.surface.fill(0);
        c.chart.MaxStages = 3;
        c.chart.Layout(260, 1);
        QVERIFY(c.chart.Stages.at(2)->IsLast);
        QCOMPARE(c.chart.Stages.at(3)->BoxRect.Top, c.chart.Stages.at(2)->BoxRect.Bottom + 14);
        const TGraphicalState* third = c.chart.Stages.at(2);
        const int x = third->BoxRect.Left + third->BoxRect.Width() / 2;
        // No arrow under the third box, and nothing drawn where the fourth would be.
        for (int y = third->BoxRect.Bottom + 4; y < third->BoxRect.Bottom + 14; ++y)
            QCOMPARE(c.surface.pixel(x, y), c.chart.Background);
        QVERIFY(!c.chart.Stages.at(1)->IsLast);
        QCOMPARE(c.surface.pixel(x, c.chart.Stages.at(1)->BoxRect.Bottom + 5), StageLook::Border);
    }

    void heightCap_data()
    {
        QTest::addColumn<bool>("frame");
        QTest::addColumn<int>("height");
        QTest::newRow("plain") << false << 1012;
        QTest::newRow("framed") << true << 1032;
    }
    void heightCap()
    {
        QFETCH(bool, frame);
        QFETCH(int, height);
        QImage surface(300, 50, QImage::Format_ARGB32);
        TGraphicalStateChart chart(nullptr, nullptr, false);
        chart.Surface = &surface;
        chart.ShowFrame = frame;
        for (int i = 0; i < 7; ++i)
            chart.AddStage("Allocate Stock Pack Dispatch Repair Collect Received Test", false, 0, 0, "",
                           i == 0, false, false, true);
        chart.Layout(300, 1);
        QCOMPARE(surface.height(), height);
        QCOMPARE(chart.ChartHeight, height);
        QCOMPARE(surface.width(), 300);
        QVERIFY(chart.Stages.last()->BoxRect.Top > height);
        // A larger minimum height wins.
        chart.Layout(300, 1500);
        QCOMPARE(surface.height(), 1500);
        chart.Layout(300, 1);
        QCOMPARE(surface.height(), height);
    }

    void frame()
    {
        QImage surface(375, 160, QImage::Format_ARGB32);
        surface.fill(0xFF123456);
        TGraphicalStateChart chart(nullptr, nullptr, false);
        chart.Surface = &surface;
        chart.ShowFrame = true;
        chart.Layout(300, 160);
        QCOMPARE(surface.height(), 160);
        QCOMPARE(chart.TopMargin, 32);
        QCOMPARE(surface.pixel(0, 0), 0x00FFFFFFu);       // the rounded corner stays clear
        QCOMPARE(surface.pixel(0, 80), 0xFF94A6D4u);      // border
        QCOMPARE(surface.pixel(1, 80), chart.Background); // inside
        QCOMPARE(surface.pixel(150, 19), 0xFFA6BAE6u);    // the rule under the title
        QCOMPARE(surface.pixel(350, 80), 0xFF123456u);    // right of the frame: untouched
        bool titleDrawn = false;
        for (int x = 12; x < 80 && !titleDrawn; ++x)
            for (int y = 5; y < 18; ++y)
                titleDrawn = titleDrawn || qBlue(surface.pixel(x, y)) > qRed(surface.pixel(x, y)) + 60;
        QVERIFY(titleDrawn);
        chart.ShowFrame = false;
        chart.Layout(300, 160);
        QCOMPARE(surface.pixel(0, 0), chart.Background);
    }

    void compactLayout()
    {
        TestDatabase db;
        LoadedChart c(spRepair);
        QImage mail(225, 1, QImage::Format_ARGB32);
        c.chart.Surface = &mail;
        c.chart.ShowFrame = true;
        const TPixelRect icon = c.chart.Stages.at(0)->EmailIconRect;
        c.chart.LayoutCompact(225, 1);
        QVERIFY(!c.chart.Compact);
        QCOMPARE(c.chart.Stages.at(0)->BoxRect.Width(), 198);
        QCOMPARE(c.chart.Stages.at(0)->EmailIconRect, icon);
        // Captions were wrapped at the first layout (260 wide): one line each.
        QCOMPARE(mail.height(), 32 + 6 * 34);
    }

    void templateRoundTrip()
    {
        TempProgramDir dir;
        TGraphicalStateChart chart(nullptr, nullptr, false);
        chart.AddStage("Acknowledge", false, 0, 0, "Dear you,\r\n\r\nThanks.", true, false, false, true);
        chart.AddStage("Collect", true, 1, 2, "", false, false, true, false);
        chart.AddStage("Ship", false, 0, 0, "One\rTwo", false, false, false, true);
        QVERIFY(chart.SaveTemplate());
        QVERIFY(QFile::exists(dir.file("pellomar_states.ini")));

        TGraphicalStateChart loaded(nullptr, nullptr, false);
        loaded.LoadTemplate();
        QCOMPARE(loaded.Stages.size(), 3);
        QCOMPARE(loaded.Stages.at(0)->EmailText, QString("Dear you,\r\rThanks."));
        QCOMPARE(loaded.Stages.at(1)->Text, QString("Collect"));
        QVERIFY(!loaded.Stages.at(1)->EmailPrompt);
        QVERIFY(!loaded.Stages.at(1)->Completed && !loaded.Stages.at(1)->Emailed);
        QVERIFY(loaded.Stages.at(1)->Current);
        QCOMPARE(loaded.Stages.at(2)->EmailText, QString("One\rTwo"));

        IniFile ini(dir.file("pellomar_states.ini"));
        ini.load();
        QCOMPARE(ini.readString("Stage 1", "EmailText", "?"), QString("Dear you,<br><br>Thanks."));
        QCOMPARE(ini.readString("Stage 4", "StageText", "?"), QString());
        QCOMPARE(ini.readString("Stage 7", "EmailPrompt", "?"), QString("0"));
    }

    void templateReading()
    {
        TempProgramDir dir;
        IniFile ini(dir.file("pellomar_states.ini"));
        ini.writeString("Stage 1", "StageText", "One");
        ini.writeString("Stage 1", "EmailText", "a<br>b");
        ini.writeString("Stage 2", "StageText", "Two");
        ini.writeString("Stage 3", "StageText", "");
        ini.writeString("Stage 4", "StageText", "Four");
        QVERIFY(ini.save());
        TGraphicalStateChart chart(nullptr, nullptr, false);
        chart.LoadTemplate();
        QCOMPARE(chart.Stages.size(), 2);
        QCOMPARE(chart.Stages.at(0)->EmailText, QString("a\rb"));
        QCOMPARE(chart.Stages.at(1)->EmailText, QString("Stage 2 is complete"));
        QVERIFY(chart.Stages.at(1)->EmailPrompt);

        ini.writeString("Stage 3", "StageText", "Three");
        ini.writeString("Stage 5", "StageText", "Five");
        QVERIFY(ini.save());
        TGraphicalStateChart five(nullptr, nullptr, false);
        five.LoadTemplate();
        QCOMPARE(five.Stages.size(), 5);
        QCOMPARE(five.Stages.at(4)->EmailText, QString("Stage 5 is complete"));
    }

    void builtInTemplate()
    {
        TempProgramDir dir;
        TGraphicalStateChart chart(nullptr, nullptr, false);
        chart.LoadTemplate();
        QCOMPARE(chart.Stages.size(), 4);
        const QStringList captions{"Acknowledge", "Allocate Stock", "Pack", "Dispatch"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(chart.Stages.at(i)->Text, captions.at(i));
            QVERIFY(chart.Stages.at(i)->EmailPrompt && chart.Stages.at(i)->Current);
        }
        QCOMPARE(chart.Stages.at(1)->EmailText.size(), 250);
        QVERIFY(chart.Stages.at(3)->EmailText.contains("details of the shipment"));
    }

    void copyStages()
    {
        TGraphicalStateChart source(nullptr, nullptr, false);
        source.StateID = 12;
        source.AddStage("Pack", true, 5, 6, "mail", false, true, true, false);
        TGraphicalStateChart copy(nullptr, nullptr, false);
        copy.StateID = 3;
        copy.AddStage("Old", false, 0, 0, "", true, false, false, true);
        copy.CopyStagesFrom(source);
        QCOMPARE(copy.StateID, 12);
        QCOMPARE(copy.Stages.size(), 1);
        const TGraphicalState* s = copy.Stages.first();
        QCOMPARE(s->Chart, &copy);
        QCOMPARE(s->Text, QString("Pack"));
        QCOMPARE(s->EmailText, QString("mail"));
        QVERIFY(!s->EmailPrompt);
        QCOMPARE(s->CompletedDate, 5.0);
        QCOMPARE(s->EmailedDate, 6.0);
        QVERIFY(!s->Completed && !s->Emailed && !s->Overdue && s->Current);
        QVERIFY(s != source.Stages.first());

        copy.CopyStagesFrom(copy);
        QCOMPARE(copy.Stages.size(), 1);
        QCOMPARE(copy.Stages.first()->Text, QString("Pack"));

        TGraphicalStateChart empty(nullptr, nullptr, false);
        copy.CopyStagesFrom(empty);
        QVERIFY(copy.Stages.isEmpty());
        QCOMPARE(copy.StateID, 12);
    }

    void allCompleted()
    {
        TGraphicalStateChart chart(nullptr, nullptr, false);
        QVERIFY(!chart.AllCompleted());
        chart.AddStage("A", true, 0, 0, "", false, false, false, true);
        chart.AddStage("", false, 0, 0, "", false, false, false, true);
        QVERIFY(chart.AllCompleted());
        chart.AddStage("B", false, 0, 0, "", true, false, false, true);
        QVERIFY(!chart.AllCompleted());
        chart.Stages.at(0)->Text.clear();
        chart.Stages.at(2)->Text.clear();
        QVERIFY(!chart.AllCompleted());
    }

    void addStageCuts()
    {
        TGraphicalStateChart chart(nullptr, nullptr, false);
        const TGraphicalState* s =
            chart.AddStage(QString(300, 'c'), false, 0, 0, PresetEmailText("R1"), true, false, false, true);
        QCOMPARE(s->Text.size(), 255);
        QCOMPARE(s->EmailText, PresetEmailText("R1").left(255));
        QVERIFY(!s->IsLast && !s->HoverDrawn && s->Lines.isEmpty());
        QCOMPARE(s->BoxRect, TPixelRect{});
    }
};

QTEST_MAIN(TestStateCharts)
#include "test_statecharts.moc"
