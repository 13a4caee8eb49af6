#include "core/PellomarBrevantaLite.h"

#include "core/Fonts.h"
#include "core/SingleInstance.h"
#include "core/uMain.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"
#include "core/uSplash.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSocketNotifier>
#include <csignal>
#include <exception>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[1], &byte, 1);
}

// Unhandled errors: the cursor goes back to normal and the error is shown, and the program goes on.
class TPellomarApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            HandleApplicationError(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            HandleApplicationError(QStringLiteral("An unknown error occurred."));
        }
        return false;
    }
};

// SIGTERM and SIGINT close the main window through its close handler, so the settings are saved.
void installTerminationHandler(QObject* parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, parent, [] {
        char byte;
        [[maybe_unused]] const auto got = ::read(g_signalPipe[0], &byte, 1);
        // Open dialogs give way first, so the main window's close handler runs and saves.
        for (int guard = 0; guard < 16; ++guard) {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                break;
            dialog->reject();
        }
        if (frmMainPellomarAlpha)
            frmMainPellomarAlpha->close();
        else
            QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace

int PellomarMain(int argc, char* argv[])
{
    TPellomarApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pellomar Brevanta Lite"));
    LoadApplicationFonts();
    app.setFont(TahomaFont(8));

    // Scripted runs (tests, demos) answer every message box with its default and print its text.
    if (qEnvironmentVariableIsSet("PELLOMAR_MESSAGES_TO_STDERR")) {
        MessageBoxHook::setCapture(true);
        MessageBoxHook::setEcho(true);
    }
    const QStringList arguments = app.arguments().mid(1);
    const QString word = arguments.value(0);
    if (word.toUpper() != QLatin1String("IGNORE") && SingleInstance::isRunning()) {
        if (word == QLatin1String("actorder") || word == QLatin1String("showpellomar")) {
            SingleInstance::forwardWord(word);
        } else {
            SingleInstance::requestShow();
            ShowStandardMessage(QStringLiteral("There is another instance of Pellomar already "
                                               "running.\r\n\r\nThis instance of Pellomar will now "
                                               "exit."));
        }
        return 0;
    }

    auto* splash = new TfrmSplash();
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    TfrmMainPellomarAlpha mainWindow(arguments);
    TdmOrders dataModule;
    installTerminationHandler(&mainWindow);

    splash->hide();
    delete splash;
    mainWindow.show();
    return app.exec();
}
