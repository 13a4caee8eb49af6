#include "TestSupport.h"

#include "core/DateTimeUtils.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"

#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSqlRecord>
#include <QTimer>
#include <QtTest>

class TestCore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestEnvironment(); }
    void init() { MessageBoxHook::clear(); }

    void formatDateTime_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        const double day = EncodeDate(2026, 3, 5) + (14 * 3600 + 7 * 60 + 9) / 86400.0;
        QTest::newRow("dd mmm yyyy") << "dd mmm yyyy" << day << "05 Mar 2026";
        QTest::newRow("dddddd") << "dddddd" << day << "Thursday, 5 March 2026";
        QTest::newRow("ddddd") << "ddddd" << day << "05/03/2026";
        QTest::newRow("tt") << "tt" << day << "14:07:09";
        QTest::newRow("t") << "t" << day << "14:07";
        QTest::newRow("status line") << "dd mmm YYYY, tt" << day << "05 Mar 2026, 14:07:09";
        QTest::newRow("h:nn after hour m") << "d/m/yy h:mm" << day << "5/3/26 14:07";
        QTest::newRow("quoted") << "\"Due\" dd" << day << "Due 05";
        QTest::newRow("epoch") << "dd/mm/yyyy" << 0.0 << "30/12/1899";
    }
    void formatDateTime()
    {
        QFETCH(QString, format);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(FormatDateTime(format, value), expected);
    }

    void formatFloat_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("money") << "#,##0.00" << 1234.5 << "1,234.50";
        QTest::newRow("millions") << "#,##0.00" << 1234567.891 << "1,234,567.89";
        QTest::newRow("small") << "#,##0.00" << 0.5 << "0.50";
        QTest::newRow("negative") << "#,##0.00" << -2773.0 << "-2,773.00";
        QTest::newRow("half up") << "0.0" << 2.25 << "2.3";
        QTest::newRow("whole") << "0" << 59.97 << "60";
        QTest::newRow("padded") << "00000" << 7.0 << "00007";
        QTest::newRow("wider than pad") << "00000" << 123456.0 << "123456";
        QTest::newRow("sample total") << "#,##0.00" << 5 * 399 + 2 * 369 + 40.0 << "2,773.00";
    }
    void formatFloat()
    {
        QFETCH(QString, format);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(FormatFloat(format, value), expected);
    }

    void dayCounts()
    {
        QCOMPARE(EncodeDate(1899, 12, 30), 0.0);
        QCOMPARE(EncodeDate(1900, 1, 1), 2.0);
        const QDateTime dt(QDate(2026, 12, 11), QTime(18, 0));
        QCOMPARE(DateTimeToQt(DateTimeFromQt(dt)), dt);
        QCOMPARE(WholeDays(DateTimeFromQt(dt)), int(EncodeDate(2026, 12, 11)));
    }

    void iniProfileRules()
    {
        TempProgramDir dir;
        const QString file = dir.file("a.ini");
        QFile raw(file);
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write("[E-mail]\r\nAccountName1=Sales = UK; main\r\nSMTPPort1=abc\r\n[Other]\r\nx=1\r\n");
        raw.close();
        IniFile ini(file);
        ini.load();
        QCOMPARE(ini.readString("e-mail", "accountname1", ""), QString("Sales = UK; main"));
        QCOMPARE(ini.readInteger("E-mail", "SMTPPort1", 25), 25);
        QCOMPARE(ini.readBool("Other", "x", false), true);
        ini.writeString("E-mail", "New", "v");
        ini.writeString("Other", "x", "line1\r\nline2");
        QVERIFY(ini.save());
        IniFile again(file);
        again.load();
        QCOMPARE(again.sectionKeys("E-mail"), QStringList({"AccountName1", "SMTPPort1", "New"}));
        QCOMPARE(again.readString("Other", "x", ""), QString("line1 line2"));
    }

    void settingsDefaultsAndOrder()
    {
        TempProgramDir dir;
        const QString file = dir.file("PellomarBrevantaLite.ini");
        TSettings s;
        s.Load(file);
        QCOMPARE(s.account(1).AccountAsDefault, true);
        QCOMPARE(s.account(2).AccountAsDefault, false);
        QCOMPARE(s.account(3).SMTPPort, 25);
        QCOMPARE(s.InternalOrderPrefix, QString("W"));
        QCOMPARE(s.CurrencySymbol, QString("$"));
        QCOMPARE(s.LastWeeklyCheck, WholeDays(Now()));
        QCOMPARE(s.OrderPrintoutAdditionalText.left(14), QString("This document "));
        QVERIFY(s.Save(file));

        IniFile ini(file);
        ini.load();
        QStringList email;
        for (int n = 1; n <= 3; ++n)
            for (const char* k : {"AccountName", "AccountAsDefault", "SMTPServer", "SMTPPort", "YourEmail",
                                  "UserName", "UserCC"})
                email << k + QString::number(n);
        QCOMPARE(ini.sectionKeys("E-mail"), email);
        QCOMPARE(ini.sectionKeys("Order Settings"),
                 QStringList({"DefaultLeadTimeDays", "GenerateInternalOrderNo", "NextInternalOrderNo",
                              "InternalOrderPrefix"}));
        QCOMPARE(ini.sectionKeys("DemoEntry").size(), 3 + 3 + 8 + 3 + 8 + 7 + 1);
        QCOMPARE(ini.sectionKeys("DemoEntry").last(), QString("DemoEntryAdded"));
        QCOMPARE(ini.sectionKeys("Preferences").first(), QString("UseCustomCompanyLogo"));
        QCOMPARE(ini.sectionKeys("Preferences").last(), QString("OrderPrintoutAdditionalText"));
        QCOMPARE(ini.readString("Preferences", "StretchCompanyLogo", ""), QString("1"));
        QCOMPARE(ini.readString("Preferences", "UseCustomCompanyLogo", ""), QString("0"));
        // Each section appears once, in the order its first key comes.
        const QString text = ini.text();
        QCOMPARE(text.count("[Order Settings]"), 1);
        QVERIFY(text.indexOf("[E-mail]") < text.indexOf("[Regional Settings]"));
        QVERIFY(text.indexOf("[DemoEntry]") < text.indexOf("[Registration]"));
    }

    void settingsValues()
    {
        TempProgramDir dir;
        const QString file = dir.file("s.ini");
        QFile raw(file);
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write("[Paper]\r\nSize=-1\r\n[Preferences]\r\nShowTips=7\r\nShowTutorial=0\r\n[WebUpdate]\r\n"
                  "LastWeeklyCheck=0\r\n[Position]\r\nLeft=10\r\n");
        raw.close();
        TSettings s;
        s.Load(file);
        QVERIFY(!s.isLetterPaper());
        QVERIFY(s.ShowTips);
        QVERIFY(!s.ShowTutorial);
        QCOMPARE(s.LastWeeklyCheck, 0);
        for (int size : {0, 2, -1})
            QVERIFY(TSettings().Size == 1 && (s.Size = size, !s.isLetterPaper()));
        s.account(2).AccountName = "Shop=1; Sales";
        s.LastWeeklyCheck = WholeDays(EncodeDate(2026, 1, 2) + 0.75);
        QVERIFY(s.Save(file));
        TSettings back;
        back.Load(file);
        QCOMPARE(back.account(2).AccountName, QString("Shop=1; Sales"));
        QCOMPARE(back.LastWeeklyCheck, int(EncodeDate(2026, 1, 2)));
        IniFile ini(file);
        ini.load();
        QCOMPARE(ini.readString("Position", "Left", ""), QString("10")); // other sections are kept
    }

    void companyLogo()
    {
        TempProgramDir dir;
        TSettings s;
        QImage bmp(10, 10, QImage::Format_ARGB32);
        bmp.fill(Qt::black);
        LoadCompanyLogo(s, bmp); // no files at all: white
        QCOMPARE(bmp.pixel(5, 5), qRgb(255, 255, 255));
        QImage fallback(4, 3, QImage::Format_RGB32);
        fallback.fill(Qt::red);
        QVERIFY(fallback.save(dir.file("TovrikLogo.bmp"), "BMP"));
        QImage custom(6, 2, QImage::Format_RGB32);
        custom.fill(Qt::blue);
        QVERIFY(custom.save(dir.file("mine.bmp"), "BMP"));
        s.UseCustomCompanyLogo = true;
        s.CustomCompanyLogoPath = dir.file("missing.bmp");
        LoadCompanyLogo(s, bmp);
        QCOMPARE(bmp.size(), QSize(4, 3));
        s.CustomCompanyLogoPath = dir.file("mine.bmp");
        LoadCompanyLogo(s, bmp);
        QCOMPARE(bmp.pixel(0, 0), qRgb(0, 0, 255));
        QFile broken(dir.file("mine.bmp"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        broken.close();
        LoadCompanyLogo(s, bmp);
        QCOMPARE(
            MessageBoxHook::lastText(),
            QString(
                "An error occurred while accessing the Company Logo.\r\n\r\nPlease contact Tovrik Ltd for "
                "support."));
    }

    void databaseSchema()
    {
        TestDatabase db;
        const QStringList tables = db.module->dbOrders().tables();
        for (const QString& t : Schema::tableNames()) {
            QVERIFY2(tables.contains(t), qPrintable(t));
            const QSqlRecord rec = db.module->dbOrders().record(t);
            for (const QString& c : Schema::columns(t))
                QVERIFY2(rec.indexOf(c) >= 0, qPrintable(t + "." + c));
        }
        QCOMPARE(Schema::columns("States").size(), 2 + 7 * 7);
        QCOMPARE(Schema::columns("Customers").size(), 40);
    }

    void nullReadsAsEmptyAndApostrophes()
    {
        TestDatabase db;
        Db::exec("insert into Customers (FullName) values (:n)", {{"n", "Seán O'Brien"}});
        const QVector<TRow> rows = Db::select(
            Queries::qryFindExistingCustomer,
            {{"P_FullName", "Seán O'Brien"}, {"P_CompanyName", QString()}, {"P_EmailAddress", QString()}});
        QCOMPARE(rows.size(), 0); // NULL columns never equal an empty text
        Db::exec("update Customers set CompanyName='', EmailAddress=''");
        const QVector<TRow> found = Db::select(
            Queries::qryFindExistingCustomer,
            {{"P_FullName", "Seán O'Brien"}, {"P_CompanyName", QString()}, {"P_EmailAddress", QString()}});
        QCOMPARE(found.size(), 1);
        const TRow& row = found.first();
        QCOMPARE(row.text("Salutation"), QString(""));
        QCOMPARE(row.number("CreationDate"), 0.0);
        QCOMPARE(row.boolean("Valid"), false);
        QCOMPARE(row.integer("Valid"), 0);
        QVERIFY_THROWS_EXCEPTION(DbError, Db::exec("select * from NoSuchTable"));
    }

    void connectFailsOnUnusableFile()
    {
        TempProgramDir dir;
        QVERIFY(QDir().mkpath(dir.file("PellomarBrevantaLite.mdb"))); // a folder where the file should be
        TdmOrders module;
        QVERIFY(!module.Connect());
        QVERIFY(!module.Connected());
    }

    void messageBoxCapture()
    {
        ShowPlainMessage("Plain");
        MessageBoxHook::queueAnswer(mrYes);
        QCOMPARE(ShowMessageBox("Sure?", mtWarning, mbYesNo), int(mrYes));
        QCOMPARE(ShowMessageBox("Again?", mtWarning, mbYesNo), int(mrNo));
        QCOMPARE(MessageBoxHook::shown().size(), 3);
        QCOMPARE(MessageBoxHook::shown()[0].icon, -1);
        QCOMPARE(MessageBoxHook::shown()[1].icon, int(mtWarning));
        QVERIFY(MessageBoxHook::shown()[1].yesNo);
    }

    // The real window: Enter answers No in a Yes/No box, a plain box has only OK.
    void messageBoxWindow()
    {
        MessageBoxHook::setCapture(false);
        QTimer::singleShot(50, [] {
            auto* box = qobject_cast<TfrmPellomarShow*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->size(), QSize(454, 328));
            QCOMPARE(box->windowTitle(), QString("Pellomar Brevanta Lite:"));
            QVERIFY(box->btnYes->isVisible());
            QCOMPARE(box->btnOK->text(), QString("No"));
            QCOMPARE(box->lblText->text(), QString("Delete?"));
            QTest::keyClick(box, Qt::Key_Return);
        });
        const int answer = ShowMessageBox("Delete?", mtConfirmation, mbYesNo);
        QTimer::singleShot(50, [] {
            auto* box = qobject_cast<TfrmPellomarShow*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QVERIFY(!box->btnYes->isVisible());
            QCOMPARE(box->btnOK->text(), QString("OK"));
            QVERIFY(ModalFormOpen());
            box->btnOK->click();
        });
        ShowPlainMessage("Hello");
        MessageBoxHook::setCapture(true);
        QCOMPARE(answer, int(mrNo));
        QVERIFY(!ModalFormOpen());
    }

    void ellipsize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("6") << "abcdef"
                           << "abc...";
        QTest::newRow("4") << "abcd"
                           << "ab..";
        QTest::newRow("3") << "abc"
                           << "ab.";
        QTest::newRow("2") << "ab"
                           << "ab";
        QTest::newRow("0") << ""
                           << "";
    }
    void ellipsize()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Ellipsize(text), expected);
    }

    void drawFittedText()
    {
        QImage bmp(120, 30, QImage::Format_ARGB32);
        bmp.fill(Qt::white);
        const QFont font("Tahoma", 10);
        const QFontMetrics fm(font, &bmp);
        QVERIFY(DrawFittedText(bmp, font, 0, 0, 2, 2, "Fits", 4, 0xFF000000));
        QVERIFY(!DrawFittedText(bmp, font, 0, 0, 2, 30 - fm.height() + 1, "Too tall", 4, 0xFF000000));
        const QString longText = "A rather long customer name that cannot fit";
        const QString shortened = ShortenToWidth(longText, 100, fm);
        QVERIFY(shortened.endsWith("..."));
        QVERIFY(fm.horizontalAdvance(shortened) < 100);
        QCOMPARE(ShortenToWidth(longText, 0, fm), QString());
        QImage narrow(40, 30, QImage::Format_ARGB32);
        narrow.fill(Qt::white);
        QVERIFY(DrawFittedText(narrow, font, 0, 0, 40, 0, longText, 4, 0xFF000000));
        QCOMPARE(narrow.pixel(39, 10), qRgba(255, 255, 255, 255)); // nothing drawn without room
    }
};

QTEST_MAIN(TestCore)
#include "test_core.moc"
