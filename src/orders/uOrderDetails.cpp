#include "orders/uOrderDetails.h"

#include "core/ImageView.h"
#include "core/uMain.h"
#include "core/uPellomarShow.h"
#include "orders/uBox32.h"
#include "orders/uClasses.h"
#include "orders/uInvoicesAndPayments.h"
#include "orders/uOrderLoading.h"
#include "orders/uOrdersNotes.h"
#include "orders/uOrdersTree.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

QIcon invoiceIcon()
{
    QPixmap pix(24, 24);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x31, 0x6A, 0xC5), 1.4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4.5, 2.5, 15, 19), 2, 2);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold));
    p.drawText(QRectF(4.5, 2.5, 15, 19), Qt::AlignCenter, QStringLiteral("$"));
    return QIcon(pix);
}

QIcon notesIcon()
{
    QPixmap pix(24, 24);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x31, 0x6A, 0xC5), 1.4));
    p.setBrush(QColor(0xFF, 0xF3, 0xDA));
    p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(7, 8.5 + i * 4), QPointF(17, 8.5 + i * 4));
    return QIcon(pix);
}

} // namespace

TOrderDetails::TOrderDetails(TfrmMainPellomarAlpha& main) : QObject(&main), m(main)
{
    m.btnEditInvoices->setIcon(invoiceIcon());
    m.btnEditInvoices->setIconSize(QSize(24, 24));
    m.btnNotes->setIcon(notesIcon());
    m.btnNotes->setIconSize(QSize(24, 24));
    connect(m.btnEditInvoices, &QPushButton::clicked, this, &TOrderDetails::EditInvoices);
    connect(m.btnNotes, &QPushButton::clicked, this, &TOrderDetails::EditNotes);
}

void TOrderDetails::CreateSummaryBox()
{
    QImage* bmp = &m.imgMiddleMiddle->Bitmap();
    m.SummaryBox = std::make_unique<TOrderSummaryBox>(bmp, 0, 0, 375, 140, 375, 140);
}

void TOrderDetails::SizeSummaryBox()
{
    m.imgMiddleMiddle->SizeBitmapToControl();
    if (m.SummaryBox)
        m.SummaryBox->SetBounds(m.imgMiddleMiddle->width(), m.imgMiddleMiddle->height() - 5);
}

void TOrderDetails::SetNotesLabel(bool hasNotes)
{
    m.lblNotesNone->setText(hasNotes ? QStringLiteral("Some") : QStringLiteral("None"));
    m.lblNotesNone->setStyleSheet(hasNotes
                                      ? QStringLiteral("color: rgb(0,0,128); background: transparent;")
                                      : QStringLiteral("color: rgb(128,128,128); background: transparent;"));
    m.lblNotesNone->repaint();
}

void TOrderDetails::RefreshDetails()
{
    if (!m.SummaryBox)
        return;
    TOrder* order = m.CurrentOrder;
    bool filled = false;
    if (order && !m.treeBrevanta->selectedItems().isEmpty()) {
        try {
            ShowOrderSummary(*m.SummaryBox, *order, m.Settings.CurrencySymbol);
            SetNotesLabel(!order->OrderNotes.isEmpty());
            filled = true;
        } catch (...) {
            filled = false;
        }
    }
    if (!filled) {
        ShowSummaryNoneSelected(*m.SummaryBox);
        SetNotesLabel(false);
    }
    m.imgMiddleMiddle->update();
}

void TOrderDetails::EditInvoices()
{
    if (!m.OrdersTree()->OrderSelected())
        return;
    TOrder* order = m.CurrentOrder;
    TfrmInvoicesAndPayments* frmInvoicesAndPayments = nullptr;
    CreateFormChecked(frmInvoicesAndPayments, &m);
    if (!frmInvoicesAndPayments)
        return;
    frmInvoicesAndPayments->cbInvoiced->setChecked(order->OrderInvoiced);
    frmInvoicesAndPayments->cbPaid->setChecked(order->OrderPaid);
    // The flags are read before the window is freed.
    bool invoiced = order->OrderInvoiced, paid = order->OrderPaid;
    connect(frmInvoicesAndPayments, &QDialog::accepted, this, [&invoiced, &paid, frmInvoicesAndPayments] {
        invoiced = frmInvoicesAndPayments->cbInvoiced->isChecked();
        paid = frmInvoicesAndPayments->cbPaid->isChecked();
    });
    const int result = ShowCreatedFormModal(frmInvoicesAndPayments);
    if (result != QDialog::Accepted)
        return;
    if (ApplyInvoiceFlags(*order, invoiced, paid).any()) {
        UpdateOrderInformation(order);
        RefreshDetails();
    }
}

void TOrderDetails::EditNotes()
{
    if (!m.OrdersTree()->OrderSelected())
        return;
    TOrder* order = m.CurrentOrder;
    TfrmOrdersNotes* frmOrdersNotes = nullptr;
    CreateFormChecked(frmOrdersNotes, order->OrderID, &m);
    if (!frmOrdersNotes)
        return;
    QString notes;
    connect(frmOrdersNotes, &QDialog::accepted, this,
            [&notes, frmOrdersNotes] { notes = frmOrdersNotes->memoNotes->toPlainText(); });
    const int result = ShowCreatedFormModal(frmOrdersNotes);
    if (result == QDialog::Accepted) {
        order->OrderNotes = notes;
        SetNotesLabel(!notes.isEmpty());
    }
    ModalFormOpen() = false;
}
