#include "TestSupport.h"

#include "core/DateTimeUtils.h"
#include "core/Fonts.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"

#include <QDir>
#include <QtTest>

TempProgramDir::TempProgramDir() : m_previous(qgetenv("PELLOMAR_PROGRAM_DIR"))
{
    qputenv("PELLOMAR_PROGRAM_DIR", m_dir.path().toLocal8Bit());
}

TempProgramDir::~TempProgramDir()
{
    if (m_previous.isEmpty())
        qunsetenv("PELLOMAR_PROGRAM_DIR");
    else
        qputenv("PELLOMAR_PROGRAM_DIR", m_previous);
}

QString TempProgramDir::file(const QString& name) const
{
    return QDir(m_dir.path()).filePath(name);
}

void InitTestEnvironment()
{
    LoadApplicationFonts();
    Regional::set(TRegional::english());
    MessageBoxHook::setCapture(true);
    MessageBoxHook::clear();
}

TestDatabase::TestDatabase() : module(std::make_unique<TdmOrders>())
{
    if (!module->Connect())
        qFatal("test database could not be created in %s", qPrintable(dir.path()));
}

TestDatabase::~TestDatabase()
{
    module.reset();
}

#include "core/uMain.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTimer>
#include <QTreeWidget>

MainWindowFixture::MainWindowFixture(const QByteArray& settingsText, bool installMarker)
{
    InitTestEnvironment();
    QFile::copy(QStringLiteral(PELLOMAR_SOURCE_DIR "/resources/Style.plm"), dir.file("Style.plm"));
    if (!settingsText.isEmpty()) {
        QFile ini(dir.file("PellomarBrevantaLite.ini"));
        if (ini.open(QIODevice::WriteOnly))
            ini.write(settingsText);
    }
    if (installMarker) {
        QFile marker(dir.file("install.tmp"));
        if (marker.open(QIODevice::WriteOnly))
            marker.close();
    }
    m_modalCloser = new QTimer();
    m_modalCloser->setInterval(30);
    QObject::connect(m_modalCloser, &QTimer::timeout, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && (dialog->objectName() == "frmTutorial" || dialog->objectName() == "frmTipOfTheDay")) {
            closedModals << dialog->objectName();
            dialog->reject();
        }
    });
    m_modalCloser->start();
    window = std::make_unique<TfrmMainPellomarAlpha>();
    module = std::make_unique<TdmOrders>();
}

MainWindowFixture::~MainWindowFixture()
{
    delete m_modalCloser;
    window.reset();
    module.reset();
    qApp->setStyleSheet(QString());
}

bool MainWindowFixture::start()
{
    window->show();
    return QTest::qWaitFor([this] { return window->OrdersLoadedAtStart; }, 10000);
}
