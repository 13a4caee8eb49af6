#include "TestSupport.h"

#include "core/ImageView.h"
#include "core/IniFile.h"
#include "core/SingleInstance.h"
#include "core/uMain.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"

#include <QCheckBox>
#include <QFile>
#include <QProcess>
#include <QSqlRecord>
#include <QTreeWidget>
#include <QtTest>
#include <unistd.h>

namespace {

QString appBinary()
{
    return qEnvironmentVariable("PELLOMAR_APP_BINARY");
}

// The real program on a program directory, its message boxes printed instead of shown.
struct ProgramRun
{
    QTemporaryDir binDir;
    QProcess process;
    ProgramRun(const QString& programDir, const QStringList& args, bool asNobody = false)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PELLOMAR_PROGRAM_DIR", programDir);
        env.insert("PELLOMAR_MESSAGES_TO_STDERR", "1");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        if (asNobody) {
            process.start("setpriv",
                          QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", appBinary()} +
                              args);
        } else {
            process.start(appBinary(), args);
        }
    }
    ~ProgramRun()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
    QString errors() { return QString::fromLocal8Bit(process.readAllStandardError()); }
};

const QByteArray kQuietStart = "[Preferences]\r\nShowTutorial=0\r\nShowTips=0\r\n";

bool writeQuietSettings(const TempProgramDir& dir)
{
    QFile ini(dir.file("PellomarBrevantaLite.ini"));
    return ini.open(QIODevice::WriteOnly) && ini.write(kQuietStart) == kQuietStart.size();
}

bool waitForInstance()
{
    return QTest::qWaitFor([] { return SingleInstance::isRunning(); }, 10000);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        InitTestEnvironment();
        QVERIFY2(QFile::exists(appBinary()), "PELLOMAR_APP_BINARY must name the built program");
    }
    void init() { MessageBoxHook::clear(); }

    // No settings file, no marker: the database is created, the tutorial and tips are shown (both on by
    // default), and the close writes every key with its default.
    void firstStartCreatesDatabaseAndSettings()
    {
        MainWindowFixture f{QByteArray()};
        QVERIFY(f.start());
        QVERIFY(QFile::exists(f.dir.file("PellomarBrevantaLite.mdb")));
        QCOMPARE(f.module->dbOrders().tables().size() >= 7, true);
        QCOMPARE(f.closedModals, QStringList({"frmTutorial", "frmTipOfTheDay"}));
        QCOMPARE(f.window->windowTitle(), QString("Pellomar Brevanta Lite 2.1.0 Beta"));
        QVERIFY(!f.window->cbSampleOrders->isChecked()); // no marker: no samples
        QCOMPARE(f.window->LoadedOrders.size(), 0);
        QVERIFY(QFile::exists(f.dir.file("test.ini")));
        f.window->close();

        IniFile ini(f.dir.file("PellomarBrevantaLite.ini"));
        ini.load();
        TSettings defaults;
        QCOMPARE(ini.readString("Order Settings", "InternalOrderPrefix", ""), QString("W"));
        QCOMPARE(ini.readString("E-mail", "AccountAsDefault1", ""), QString("1"));
        QCOMPARE(ini.readString("E-mail", "AccountAsDefault2", ""), QString("0"));
        QCOMPARE(ini.readString("Preferences", "CustomerOrderReportTitle", ""), QString("Packing List"));
        QCOMPARE(ini.readInteger("WebUpdate", "LastWeeklyCheck", -1), defaults.LastWeeklyCheck);
        QCOMPARE(ini.sectionKeys("E-mail").size(), 21);
        QCOMPARE(ini.sectionKeys("Preferences").size(), 20);
        QVERIFY(ini.contains("Position", "Left"));
    }

    // With the installer's marker the first start adds the sample orders, sets the currency from the
    // regional settings and removes the marker; the wizard waits for its own window.
    void firstStartAfterInstallationAddsSamples()
    {
        MainWindowFixture f("[Preferences]\r\nFirstRun=1\r\nShowTutorial=0\r\nShowTips=0\r\n", true);
        QVERIFY(f.start());
        QVERIFY(!QFile::exists(f.dir.file("install.tmp")));
        QVERIFY(f.window->cbSampleOrders->isChecked());
        QVERIFY(f.window->Settings.DemoEntryAdded);
        QVERIFY(!f.window->Settings.FirstRun);
        QCOMPARE(f.window->LoadedOrders.size(), 3);
        QCOMPARE(f.window->treeBrevanta->topLevelItemCount(), 3);
    }

    void debugCheckpoints()
    {
        MainWindowFixture f("[Preferences]\r\nShowTutorial=0\r\nShowTips=0\r\nPellomarDebugMode=1\r\n");
        QVERIFY(f.start());
        QStringList shown;
        for (const auto& s : MessageBoxHook::shown())
            if (s.standard)
                shown << s.text;
        QCOMPARE(shown.first(), QString("Pellomar Debug Checkpoint - #1"));
        QVERIFY(shown.contains("Pellomar Debug Checkpoint - #37"));
        QCOMPARE(shown.last(), QString("Pellomar Debug Checkpoint - #48"));
    }

    void copyDataHandler()
    {
        MainWindowFixture f(kQuietStart);
        QVERIFY(f.start());
        f.window->hide();
        QCOMPARE(f.window->HandleCopyData(""), 0);
        QVERIFY(!f.window->isVisible());
        ModalFormOpen() = true;
        QCOMPARE(f.window->HandleCopyData("showpellomar"), 22);
        QVERIFY(!f.window->isVisible()); // a dialog is open: nothing happens behind it
        ModalFormOpen() = false;
        QCOMPARE(f.window->HandleCopyData("something"), 22);
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.window->HandleCopyData("showpellomar"), 22);
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.window->HandleCopyData("actorder"), 22);
        QVERIFY(f.window->tmrNewOrderFromACT->isActive());
    }

    void todayBoxFollowsTheDate()
    {
        MainWindowFixture f(kQuietStart);
        QVERIFY(f.start());
        QVERIFY(f.window->tmrTodayUpdate->isActive());
        QCOMPARE(f.window->tmrTodayUpdate->interval(), 300000);
        const QImage before = f.window->imgToday->Bitmap().copy();
        SetNowOverride(Now() + 1);
        f.window->TodayTimerTick();
        SetNowOverride(0);
        QVERIFY(f.window->imgToday->Bitmap() != before);
        QCOMPARE(WholeDays(f.window->TodayShownAt), WholeDays(Now()) + 1);
    }

    // A second start forwards its word or shows the notice and ends; "ignore" starts a full instance.
    void secondInstance()
    {
        TempProgramDir dir;
        QVERIFY(writeQuietSettings(dir));
        ProgramRun first(dir.path(), {});
        QVERIFY(waitForInstance());
        QCOMPARE(SingleInstance::forwardWord("showpellomar"), 22);
        QCOMPARE(SingleInstance::forwardWord(""), 0);

        for (const QString& word : {QString(), QString("ACTORDER"), QString("nonsense")}) {
            ProgramRun second(dir.path(), word.isEmpty() ? QStringList() : QStringList{word});
            QVERIFY(second.process.waitForFinished(10000));
            QCOMPARE(second.process.exitCode(), 0);
            QVERIFY2(second.errors().contains(
                         "MESSAGE: There is another instance of Pellomar already running.\\n\\n"
                         "This instance of Pellomar will now exit."),
                     qPrintable(word));
        }
        {
            ProgramRun forwarded(dir.path(), {"showpellomar"});
            QVERIFY(forwarded.process.waitForFinished(10000));
            QVERIFY(!forwarded.errors().contains("another instance"));
        }
        ProgramRun ignoring(dir.path(), {"iGnOrE"});
        QVERIFY(!ignoring.process.waitForFinished(2500)); // still running: a full second instance
        QCOMPARE(first.process.state(), QProcess::Running);
    }

    // SIGTERM closes through the close handler: the settings are written.
    void terminationSavesSettings()
    {
        TempProgramDir dir;
        QVERIFY(writeQuietSettings(dir));
        ProgramRun run(dir.path(), {});
        QVERIFY(waitForInstance());
        QTest::qWait(300);
        run.process.terminate();
        QVERIFY(run.process.waitForFinished(10000));
        IniFile saved(dir.file("PellomarBrevantaLite.ini"));
        saved.load();
        QVERIFY(saved.contains("Preferences", "OrderPrintoutAdditionalText"));
        QVERIFY(saved.contains("Position", "Width"));
    }

    // A program directory the user cannot write to: one warning, and the program still runs.
    void readOnlyProgramDirectory()
    {
        TempProgramDir dir;
        QVERIFY(writeQuietSettings(dir));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                      QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
        QFile::setPermissions(dir.file("PellomarBrevantaLite.ini"), QFile::ReadOwner | QFile::ReadOther);
        const bool root = ::geteuid() == 0; // root writes anywhere: run as nobody instead
        ProgramRun run(dir.path(), {}, root);
        QVERIFY(run.process.waitForStarted(5000));
        QVERIFY(!run.process.waitForFinished(4000));
        const QString errors = run.errors();
        QCOMPARE(errors.count("MESSAGE: Pellomar has detected it may not be able to run correctly"), 1);
        QVERIFY(errors.contains("An Error occurred while Pellomar was initialising the Database Link."));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
