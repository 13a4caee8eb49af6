// Draws the program's windows to PNG files so they can be looked at without a desktop:
// render_windows <folder>
#include "core/Fonts.h"
#include "core/uPellomarShow.h"
#include "core/uSplash.h"
#include "help/uHelp.h"
#include "orders/uInvoicesAndPayments.h"
#include "orders/uOrdersNotes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    LoadApplicationFonts();
    app.setFont(TahomaFont(8));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    QFile theme(QStringLiteral(PELLOMAR_SOURCE_DIR "/resources/Style.plm"));
    if (theme.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(theme.readAll()));
    auto save = [&](QWidget& w, const char* name) {
        w.show();
        QApplication::processEvents();
        w.grab().save(QDir(folder).filePath(QString::fromLatin1(name) + ".png"));
        w.hide();
    };
    TfrmSplash splash;
    save(splash, "splash");
    const TMsgIcon icons[] = {mtInformation, mtConfirmation, mtWarning, mtError};
    const char* names[] = {"message_information", "message_confirmation", "message_warning", "message_error"};
    for (int i = 0; i < 4; ++i) {
        TfrmPellomarShow box;
        box.setText(
            QStringLiteral("Are you sure you want to Delete the Complete Order from Mr. Graham Whitcombe "
                           "(sample), Big Import Co.?"));
        box.setButtons(i == 2 ? mbYesNo : mbOK);
        box.drawIcon(icons[i]);
        save(box, names[i]);
    }
    TfrmPellomarShow plain;
    plain.setText(QStringLiteral("Please select an Order first."));
    save(plain, "message_plain");
    bool on = true;
    TfrmTutorial tutorial(on);
    save(tutorial, "tutorial");
    TfrmTipOfTheDay tips(on);
    save(tips, "tips");
    TfrmAbout about;
    save(about, "about");
    TfrmInvoicesAndPayments invoices;
    save(invoices, "invoices");
    TfrmOrdersNotes notes(0);
    notes.CustomerOrderNo = QStringLiteral("P-2004-345");
    notes.memoNotes->setPlainText(QStringLiteral("Deliver to the side entrance; call ahead."));
    save(notes, "notes");
    return 0;
}
