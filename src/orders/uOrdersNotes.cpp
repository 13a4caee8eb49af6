#include "orders/uOrdersNotes.h"

#include "core/DialogArt.h"
#include "core/Fonts.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

TfrmOrdersNotes::TfrmOrdersNotes(int orderId, QWidget* parent) : QDialog(parent), m_orderId(orderId)
{
    setObjectName(QStringLiteral("frmOrdersNotes"));
    setWindowTitle(QStringLiteral("Pellomar Brevanta Lite: Notes for Order"));
    setWindowFlags(Qt::Tool | Qt::WindowCloseButtonHint);
    setFixedSize(688, 446);
    setFont(TahomaFont(8));
    imgMain = new QLabel(this);
    imgMain->setObjectName(QStringLiteral("imgMain"));
    imgMain->setGeometry(0, 0, 688, 446);
    imgMain->setPixmap(QPixmap::fromImage(FramedDialogBackground(size())));

    memoNotes = new QPlainTextEdit(this);
    memoNotes->setObjectName(QStringLiteral("memoNotes"));
    memoNotes->setGeometry(32, 72, 625, 329);
    memoNotes->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memoNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoNotes->setFont(TahomaFont(9));

    btnFinish = new QPushButton(QStringLiteral("Finish"), this);
    btnFinish->setObjectName(QStringLiteral("btnFinish"));
    btnFinish->setGeometry(504, 414, 75, 25);
    connect(btnFinish, &QPushButton::clicked, this, &TfrmOrdersNotes::onFinish);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(586, 414, 75, 25);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    loadNotes();
}

void TfrmOrdersNotes::loadNotes()
{
    try {
        const QVector<TRow> rows = Db::select(
            QStringLiteral("Select OrderNotes, CustomerOrderNo from Brevanta where OrderID =:p_oid"),
            {{"p_oid", m_orderId}});
        if (!rows.isEmpty()) {
            CustomerOrderNo = rows.first().text("CustomerOrderNo");
            memoNotes->setPlainText(rows.first().text("OrderNotes"));
        }
    } catch (const DbError&) {
        memoNotes->clear();
    }
}

void TfrmOrdersNotes::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_headingDrawn)
        return;
    m_headingDrawn = true;
    QImage background = FramedDialogBackground(size());
    {
        QPainter p(&background);
        p.setPen(QColor::fromRgba(0xFFA7BAE4));
        p.drawLine(28, 36, width() - 28, 36);
    }
    DrawFittedText(background, HeavyFont(12), 5, 5, 41, 13,
                   QStringLiteral("Notes for Order ") + CustomerOrderNo, 4, 0xFFB9B9AF);
    imgMain->setPixmap(QPixmap::fromImage(background));
}

void SaveOrderNotes(int orderId, const QString& notes)
{
    // Bound, not pasted into the statement: the notes keep their quotes and cannot change the SQL.
    Db::exec(QStringLiteral("update Brevanta set OrderNotes =:p_notes where OrderID =:p_oid"),
             {{"p_notes", notes}, {"p_oid", orderId}});
}

void TfrmOrdersNotes::onFinish()
{
    try {
        SaveOrderNotes(m_orderId, memoNotes->toPlainText());
    } catch (const DbError& e) {
        // The dialog stays open with the text, so nothing typed is lost.
        ShowPlainMessage(QStringLiteral("An Error occurred while saving the Notes for this Order."));
        return;
    }
    accept();
}
