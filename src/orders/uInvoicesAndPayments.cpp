#include "orders/uInvoicesAndPayments.h"

#include "core/DialogArt.h"
#include "core/Fonts.h"
#include "core/uPellomarShow.h"
#include "orders/uClasses.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

TfrmInvoicesAndPayments::TfrmInvoicesAndPayments(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInvoicesAndPayments"));
    setWindowTitle(QStringLiteral("Pellomar Brevanta Lite: Invoices & Payments"));
    setWindowFlags(Qt::Tool | Qt::WindowCloseButtonHint);
    setFixedSize(454, 328);
    setFont(TahomaFont(8));

    QImage background = FramedDialogBackground(size());
    {
        QPainter p(&background);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor::fromRgba(0xFFB9B9AF));
        p.setFont(HeavyFont(12));
        p.drawText(41, 13 + QFontMetrics(HeavyFont(12)).ascent(), QStringLiteral("Invoices & Payments"));
        p.setPen(QColor::fromRgba(0xFFA7BAE4));
        p.drawLine(28, 36, width() - 28, 36);
        p.setPen(QColor(0x60, 0x60, 0x60));
        p.setFont(TahomaFont(8));
        p.drawText(QRect(48, 52, 360, 36), Qt::TextWordWrap,
                   QStringLiteral(
                       "Tick what has happened to this order. The date is recorded when you tick a box."));
    }
    imgMain = new QLabel(this);
    imgMain->setObjectName(QStringLiteral("imgMain"));
    imgMain->setGeometry(0, 0, 454, 328);
    imgMain->setPixmap(QPixmap::fromImage(background));

    cbInvoiced = new QCheckBox(QStringLiteral("The customer \r\nhas been invoiced"), this);
    cbInvoiced->setObjectName(QStringLiteral("cbInvoiced"));
    cbInvoiced->move(48, 96);
    cbInvoiced->setFont(TahomaFont(10));
    cbInvoiced->adjustSize();
    cbPaid = new QCheckBox(QStringLiteral("Full payment \r\nhas been received"), this);
    cbPaid->setObjectName(QStringLiteral("cbPaid"));
    cbPaid->move(48, 152);
    cbPaid->setFont(TahomaFont(10));
    cbPaid->adjustSize();
    connect(cbPaid, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            cbInvoiced->setChecked(true);
    });

    ElURLLabel1 =
        new QLabel(QStringLiteral("<a href=\"https://www.tovrik.example/\">Visit our web site</a>"), this);
    ElURLLabel1->setObjectName(QStringLiteral("ElURLLabel1"));
    ElURLLabel1->move(216, 256);
    ElURLLabel1->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    ElURLLabel1->adjustSize();
    connect(ElURLLabel1, &QLabel::linkActivated, this, [](const QString& link) {
        if (!QDesktopServices::openUrl(QUrl(link)))
            ShowMessageBox(
                QStringLiteral("Unable to start web browser. Please ensure it is correctly setup."),
                mtWarning, mbOK);
    });

    btnNext = new QPushButton(QStringLiteral("Finish"), this);
    btnNext->setObjectName(QStringLiteral("btnNext"));
    btnNext->setGeometry(282, 296, 75, 25);
    btnNext->setDefault(true);
    connect(btnNext, &QPushButton::clicked, this, &TfrmInvoicesAndPayments::onFinish);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(364, 296, 75, 25);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmInvoicesAndPayments::onFinish()
{
    if (cbPaid->isChecked() && !cbInvoiced->isChecked()) {
        const int answer =
            ShowMessageBox(QStringLiteral("You have indicated that your Order has been paid but no "
                                          "Invoice has been issued.  Do you wish to continue?"),
                           mtConfirmation, mbYesNo);
        if (answer != mrYes)
            return;
    }
    accept();
}

TInvoiceChange ApplyInvoiceFlags(TOrder& order, bool invoiced, bool paid)
{
    TInvoiceChange change;
    const TDateTime now = Now();
    if (order.OrderInvoiced != invoiced) {
        change.invoicedChanged = true;
        order.OrderInvoiced = invoiced;
        if (invoiced)
            order.OrderInvoicedDate = now;
    }
    if (order.OrderPaid != paid) {
        change.paidChanged = true;
        order.OrderPaid = paid;
        if (paid)
            order.OrderPaidDate = now;
    }
    return change;
}
