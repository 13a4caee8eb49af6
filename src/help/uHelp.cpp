#include "help/uHelp.h"

#include "core/Fonts.h"
#include "core/ProgramDir.h"
#include "core/uPellomarShow.h"
#include "core/uSplash.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

void paintHeader(QPainter& p, int width, const QString& title)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, width, 0);
    band.setColorAt(0, QColor(0x1F, 0x3B, 0x73));
    band.setColorAt(1, QColor(0x4A, 0x78, 0xB8));
    p.fillRect(0, 0, width, 48, band);
    p.drawImage(QRect(14, 8, 32, 32), PellomarLogo(64));
    p.setPen(Qt::white);
    p.setFont(TahomaFont(13, true));
    p.drawText(QRect(56, 0, width - 70, 48), Qt::AlignVCenter | Qt::AlignLeft, title);
}

QLabel* pageLabel(const QString& heading, const QString& text)
{
    auto* label = new QLabel(QStringLiteral("<p style='font-size:12pt; color:#1F3B73'><b>%1</b></p><p>%2</p>")
                                 .arg(heading.toHtmlEscaped(), text));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setFont(TahomaFont(9));
    return label;
}

} // namespace

THelpDialog::THelpDialog(const QString& title, const QString& checkCaption, bool& showAtStart,
                         QWidget* parent)
    : QDialog(parent), m_title(title)
{
    setWindowTitle(QStringLiteral("Pellomar Brevanta Lite: ") + title);
    setFixedSize(520, 380);
    setFont(TahomaFont(8));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(24, 64, 24, 12);
    outer->setSpacing(14);
    m_body = new QWidget(this);
    outer->addWidget(m_body, 1);
    auto* bottom = new QHBoxLayout;
    cbShowAtStart = new QCheckBox(checkCaption, this);
    cbShowAtStart->setObjectName(QStringLiteral("cbShowAtStart"));
    cbShowAtStart->setChecked(showAtStart);
    connect(cbShowAtStart, &QCheckBox::toggled, this, [&showAtStart](bool on) { showAtStart = on; });
    bottom->addWidget(cbShowAtStart);
    bottom->addStretch();
    outer->addLayout(bottom);
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(btnClose);
}

void THelpDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    paintHeader(p, width(), m_title);
    p.setPen(QColor(0xA7, 0xBA, 0xE4));
    p.drawLine(24, height() - 45, width() - 24, height() - 45);
}

TfrmTutorial::TfrmTutorial(bool& showTutorial, QWidget* parent)
    : THelpDialog(QStringLiteral("Getting Started"),
                  QStringLiteral("Show this tutorial when Pellomar starts"), showTutorial, parent)
{
    setObjectName(QStringLiteral("frmTutorial"));
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    pages = new QStackedWidget(body());
    pages->setObjectName(QStringLiteral("pages"));
    const QList<QPair<QString, QString>> steps{
        {"1. Your orders",
         "Every order you enter is listed on the left with the customer's name, company and "
         "order number. A red clock marks an order that is past its due date; a green tick "
         "marks a completed one."},
        {"2. The process chart",
         "Select an order and its process chart appears on the right: the stages the "
         "order goes through, from acknowledging it to dispatching it. <b>Double-click a "
         "stage</b> to tick it off; double-click it again to take the tick back."},
        {"3. Keeping the customer informed", "A stage with an envelope can send the customer an order update "
                                             "e-mail with a picture of the chart when you tick it off."},
        {"4. Invoices, notes and memos",
         "Use the buttons under the order summary to mark the order invoiced "
         "and paid, and to keep notes. On a wide window, the memo list beside "
         "the chart keeps a short checklist for the order."},
        {"5. Try it out",
         "The check box <b>Sample Orders</b> above the list adds three example orders you can "
         "experiment with, and removes them again when you untick it."}};
    for (const auto& step : steps)
        pages->addWidget(pageLabel(step.first, step.second));
    layout->addWidget(pages, 1);
    auto* nav = new QHBoxLayout;
    nav->addStretch();
    btnBack = new QPushButton(QStringLiteral("< Back"), body());
    btnBack->setObjectName(QStringLiteral("btnBack"));
    btnNext = new QPushButton(QStringLiteral("Next >"), body());
    btnNext->setObjectName(QStringLiteral("btnNext"));
    nav->addWidget(btnBack);
    nav->addWidget(btnNext);
    layout->addLayout(nav);
    connect(btnBack, &QPushButton::clicked, this, [this] { showPage(pages->currentIndex() - 1); });
    connect(btnNext, &QPushButton::clicked, this, [this] { showPage(pages->currentIndex() + 1); });
    showPage(0);
}

void TfrmTutorial::showPage(int index)
{
    index = qBound(0, index, pages->count() - 1);
    pages->setCurrentIndex(index);
    btnBack->setEnabled(index > 0);
    btnNext->setEnabled(index < pages->count() - 1);
}

QStringList TfrmTipOfTheDay::Tips()
{
    return {
        "Double-click a stage of the process chart to tick it off. Ticking off a later stage ticks off every "
        "stage before it as well.",
        "Double-click a ticked stage to take the tick back; the stages after it are un-ticked too.",
        "Hover over a stage to see when it was completed, or whether the order is overdue, in the line under "
        "the chart.",
        "Use the sort button above the order list to show the most overdue orders at the top.",
        "Widen the window to see the memo list beside the chart: click \"Click for new Memo\", type, and "
        "press "
        "Enter.",
        "The \"None\"/\"Some\" label beside the notes button tells you at a glance whether an order has "
        "notes.",
        "Marking an order as paid marks it as invoiced too; the dates are recorded for you.",
        "Untick \"Sample Orders\" to remove the example orders once you have tried the program out."};
}

TfrmTipOfTheDay::TfrmTipOfTheDay(bool& showTips, QWidget* parent)
    : THelpDialog(QStringLiteral("Tip of the Day"), QStringLiteral("Show tips when Pellomar starts"),
                  showTips, parent)
{
    setObjectName(QStringLiteral("frmTipOfTheDay"));
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    m_index = int(QDateTime::currentDateTime().date().dayOfYear() % Tips().size());
    auto* heading = new QLabel(QStringLiteral("Did you know...?"), body());
    heading->setFont(TahomaFont(12, true));
    heading->setStyleSheet(QStringLiteral("color: #1F3B73;"));
    layout->addWidget(heading);
    lblTip = new QLabel(Tips().value(m_index), body());
    lblTip->setObjectName(QStringLiteral("lblTip"));
    lblTip->setWordWrap(true);
    lblTip->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lblTip->setFont(TahomaFont(10));
    layout->addWidget(lblTip, 1);
    auto* nav = new QHBoxLayout;
    nav->addStretch();
    btnNextTip = new QPushButton(QStringLiteral("Next Tip"), body());
    btnNextTip->setObjectName(QStringLiteral("btnNextTip"));
    nav->addWidget(btnNextTip);
    layout->addLayout(nav);
    connect(btnNextTip, &QPushButton::clicked, this, [this] {
        m_index = (m_index + 1) % Tips().size();
        lblTip->setText(Tips().value(m_index));
    });
}

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Pellomar Brevanta Lite"));
    setFixedSize(420, 260);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setGeometry(330, 222, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmAbout::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    paintHeader(p, width(), QStringLiteral("Pellomar Brevanta Lite"));
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setFont(TahomaFont(10, true));
    p.drawText(24, 80, QStringLiteral("Version 2.1.0 Beta (Build 0021)"));
    p.setFont(TahomaFont(9));
    p.drawText(
        QRect(24, 92, width() - 48, 110), Qt::TextWordWrap,
        QStringLiteral("Order tracking for small businesses: customers, products, orders and their "
                       "process charts in one place.\n\nCopyright \u00A9 Tovrik Ltd. All rights reserved. "
                       "This program is licensed, not sold; see the licence agreement that came with it."));
}

TActiveInformationPanel::TActiveInformationPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("panActiveInformation"));
    m_texts = QStringList{
        "Tip: double-click a stage to tick it off.", "Keep customers informed with order update e-mails.",
        "Print a packing list for any order.", "Back up your database regularly from the Database menu.",
        "Import customers from CSV files in a few clicks."};
    tmrActiveInformation = new QTimer(this);
    tmrActiveInformation->setInterval(8000);
    connect(tmrActiveInformation, &QTimer::timeout, this, [this] {
        m_index = (m_index + 1) % m_texts.size();
        update();
    });
    setMouseTracking(true);
}

void TActiveInformationPanel::Start()
{
    tmrActiveInformation->start();
    update();
}

void TActiveInformationPanel::HideHover()
{
    if (m_hover) {
        m_hover = false;
        update();
    }
}

void TActiveInformationPanel::enterEvent(QEnterEvent*)
{
    m_hover = true;
    update();
}

void TActiveInformationPanel::leaveEvent(QEvent*)
{
    HideHover();
}

void TActiveInformationPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(m_hover ? QColor(0xEA, 0xF0, 0xFB) : QColor(0xF6, 0xF8, 0xFB));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 4, -1, -4), 6, 6);
    p.setBrush(QColor(0x4A, 0x78, 0xB8));
    p.drawEllipse(QRectF(10, height() / 2.0 - 4, 8, 8));
    p.setPen(QColor(0x31, 0x4A, 0x7A));
    p.setFont(TahomaFont(8));
    const QString text = fontMetrics().elidedText(m_texts.value(m_index), Qt::ElideRight, width() - 34);
    p.drawText(QRect(26, 0, width() - 30, height()), Qt::AlignVCenter | Qt::AlignLeft, text);
}

void OpenHelpFile()
{
    const QString file = ProgramDir::file(ProgramFiles::HelpFile);
    if (!QFileInfo::exists(file) || !QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        ShowMessageBox(QStringLiteral("The help file could not be opened.\r\n\r\nPlease make sure "
                                      "\"PellomarBrevantaLite.chm\" is in the Pellomar program directory."),
                       mtWarning, mbOK);
}
