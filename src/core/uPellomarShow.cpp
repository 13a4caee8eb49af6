#include "core/uPellomarShow.h"

#include "core/Fonts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QQueue>
#include <QScreen>
#include <cstdio>

namespace {

bool g_modalFormOpen = false;
bool g_capture = false;
bool g_echo = false;
QQueue<int> g_answers;
QVector<MessageBoxHook::Shown> g_shown;

QImage messageBackground()
{
    QImage img(454, 328, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 454, 0);
    band.setColorAt(0, QColor(0x1F, 0x3B, 0x73));
    band.setColorAt(1, QColor(0x4A, 0x78, 0xB8));
    p.fillRect(0, 0, 454, 40, band);
    p.setPen(Qt::white);
    p.setFont(TahomaFont(12, true));
    p.drawText(QRect(40, 0, 400, 40), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Pellomar Brevanta Lite"));
    QLinearGradient fade(0, 40, 0, 48);
    fade.setColorAt(0, QColor(0, 0, 0, 40));
    fade.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(0, 40, 454, 8, fade);
    p.setPen(QColor(0xE2, 0xE6, 0xEE));
    p.drawLine(16, 284, 438, 284);
    p.fillRect(0, 285, 454, 43, QColor(0xF6, 0xF8, 0xFB));
    return img;
}

} // namespace

QImage MessageBoxIcon(TMsgIcon icon)
{
    const int s = 88; // ends above the button strip when drawn at 312,193
    QImage img(s, s, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QColor base;
    QString glyph;
    switch (icon) {
    case mtInformation:
        base = QColor(0x2A, 0x6F, 0xD6);
        glyph = QStringLiteral("i");
        break;
    case mtConfirmation:
        base = QColor(0x2E, 0x9E, 0x5B);
        glyph = QStringLiteral("?");
        break;
    case mtWarning:
        base = QColor(0xF0, 0xA2, 0x1A);
        glyph = QStringLiteral("!");
        break;
    case mtError:
        base = QColor(0xD3, 0x3A, 0x2F);
        glyph = QString();
        break;
    }
    QRadialGradient fill(s * 0.35, s * 0.3, s * 0.75);
    fill.setColorAt(0, base.lighter(140));
    fill.setColorAt(1, base.darker(115));
    p.setBrush(fill);
    p.setPen(QPen(base.darker(140), 2));
    if (icon == mtWarning) {
        QPainterPath tri;
        tri.moveTo(s / 2.0, 6);
        tri.lineTo(s - 6, s - 10);
        tri.lineTo(6, s - 10);
        tri.closeSubpath();
        p.drawPath(tri);
    } else {
        p.drawEllipse(QRectF(5, 5, s - 10, s - 10));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    if (icon == mtError) {
        QPen cross(Qt::white, 10, Qt::SolidLine, Qt::RoundCap);
        p.setPen(cross);
        p.drawLine(QPointF(29, 29), QPointF(59, 59));
        p.drawLine(QPointF(59, 29), QPointF(29, 59));
    } else {
        QFont f = TahomaFont(38, true);
        p.setFont(f);
        p.setPen(Qt::white);
        QRectF box(0, icon == mtWarning ? 14 : 0, s, s - (icon == mtWarning ? 14 : 0));
        p.drawText(box, Qt::AlignCenter, glyph);
    }
    return img;
}

TfrmPellomarShow::TfrmPellomarShow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPellomarShow"));
    setWindowTitle(QStringLiteral("Pellomar Brevanta Lite:"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setFixedSize(454, 328);
    setFont(TahomaFont(8));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    m_background = messageBackground();
    imgMain = new QLabel(this);
    imgMain->setObjectName(QStringLiteral("imgMain"));
    imgMain->setGeometry(0, 0, 454, 328);
    imgMain->setPixmap(QPixmap::fromImage(m_background));

    lblText = new QLabel(this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setGeometry(40, 56, 393, 217);
    lblText->setFont(TahomaPixelFont(15));
    lblText->setWordWrap(true);
    lblText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblText->setTextFormat(Qt::PlainText);

    btnYes = new QPushButton(QStringLiteral("Yes"), this);
    btnYes->setObjectName(QStringLiteral("btnYes"));
    btnYes->setGeometry(288, 296, 75, 25);
    btnYes->setAutoDefault(false);
    btnYes->hide();
    connect(btnYes, &QPushButton::clicked, this, [this] { done(mrYes); });

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(368, 296, 75, 25);
    btnOK->setDefault(true);
    btnOK->setProperty("modalResult", int(mrOk));
    connect(btnOK, &QPushButton::clicked, this, [this] { done(btnOK->property("modalResult").toInt()); });
    btnOK->setFocus();

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmPellomarShow::setText(const QString& text)
{
    lblText->setText(text);
}

void TfrmPellomarShow::setButtons(TMsgButtons buttons)
{
    if (buttons == mbYesNo) {
        btnYes->show();
        btnOK->setText(QStringLiteral("No"));
        btnOK->setProperty("modalResult", int(mrNo));
    } else {
        btnYes->hide();
        btnOK->setText(QStringLiteral("OK"));
        btnOK->setProperty("modalResult", int(mrOk));
    }
    btnOK->setDefault(true);
    btnOK->setFocus();
}

void TfrmPellomarShow::drawIcon(TMsgIcon icon)
{
    QPainter p(&m_background);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setOpacity(125.0 / 255.0);
    p.drawImage(312, 193, MessageBoxIcon(icon));
    p.end();
    imgMain->setPixmap(QPixmap::fromImage(m_background));
}

bool& ModalFormOpen()
{
    return g_modalFormOpen;
}

int ShowCreatedFormModal(QDialog*& instance)
{
    int result = mrNone;
    if (!instance)
        return mrNone;
    try {
        ModalFormOpen() = true;
        result = instance->exec();
        ModalFormOpen() = false;
    } catch (...) {
        ShowPlainMessage(QStringLiteral("An error occured while displaying the Form."));
        ModalFormOpen() = false;
        delete instance;
        instance = nullptr;
        return mrNone;
    }
    try {
        delete instance;
    } catch (...) {
        ShowPlainMessage(QStringLiteral("An error occured while closing the Form."));
    }
    instance = nullptr;
    ModalFormOpen() = false;
    return result;
}

namespace {

int captured(const QString& text, int icon, bool yesNo, bool standard)
{
    g_shown.append(MessageBoxHook::Shown{text, icon, yesNo, standard});
    if (g_echo)
        fprintf(stderr, "MESSAGE: %s\n",
                qPrintable(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\\n"))));
    if (!g_answers.isEmpty())
        return g_answers.dequeue();
    return yesNo ? mrNo : mrOk;
}

int showBox(const QString& text, int icon, TMsgButtons buttons)
{
    if (g_capture)
        return captured(text, icon, buttons == mbYesNo, false);
    TfrmPellomarShow* frmPellomarShow = nullptr;
    try {
        frmPellomarShow = new TfrmPellomarShow();
    } catch (...) {
        return mrNone; // a box that cannot be made is not reported with another box
    }
    frmPellomarShow->setText(text);
    if (icon >= 0) {
        frmPellomarShow->setButtons(buttons);
        frmPellomarShow->drawIcon(TMsgIcon(icon));
    }
    return ShowCreatedFormModal(frmPellomarShow);
}

} // namespace

void ShowPlainMessage(const QString& text)
{
    showBox(text, -1, mbOK);
}

int ShowMessageBox(const QString& text, TMsgIcon icon, TMsgButtons buttons)
{
    return showBox(text, icon, buttons);
}

void HandleApplicationError(const QString& message)
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    ShowStandardMessage(message);
}

void ShowStandardMessage(const QString& text)
{
    if (g_capture) {
        captured(text, -1, false, true);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Pellomar Brevanta Lite"), text, QMessageBox::Ok);
    box.exec();
}

QString Ellipsize(const QString& text)
{
    const int n = text.size();
    if (n <= 2)
        return text;
    if (n == 3)
        return text.left(2) + '.';
    if (n == 4)
        return text.left(2) + QStringLiteral("..");
    return text.left(n - 3) + QStringLiteral("...");
}

QString ShortenToWidth(const QString& text, int availableWidth, const QFontMetrics& metrics)
{
    if (text.isEmpty() || availableWidth <= 0)
        return QString();
    const int fullWidth = metrics.horizontalAdvance(text);
    const double average = fullWidth > 0 ? double(fullWidth) / text.size() : 1.0;
    int n = qBound(0, int(availableWidth / average), text.size());
    auto candidate = [&](int count) { return Ellipsize(text.left(count)); };
    auto width = [&](int count) { return metrics.horizontalAdvance(candidate(count)); };
    if (width(n) < availableWidth) {
        while (n + 1 <= text.size() && width(n + 1) < availableWidth)
            ++n;
    } else {
        while (n > 0 && width(n) >= availableWidth)
            --n;
    }
    return n == 0 ? QString() : candidate(n);
}

bool DrawFittedText(QImage& bitmap, const QFont& font, int rightMargin, int bottomMargin, int x, int y,
                    const QString& text, int antiAliasLevel, QRgb argb)
{
    const QFontMetrics metrics(font, &bitmap);
    if (y + metrics.height() > bitmap.height() - bottomMargin)
        return false;
    const int available = bitmap.width() - rightMargin - x;
    const QString shown = x + metrics.horizontalAdvance(text) <= bitmap.width() - rightMargin
                              ? text
                              : ShortenToWidth(text, available, metrics);
    QPainter p(&bitmap);
    p.setRenderHint(QPainter::TextAntialiasing, antiAliasLevel > 0);
    QFont drawn = font;
    if (antiAliasLevel <= 0)
        drawn.setStyleStrategy(QFont::NoAntialias);
    p.setFont(drawn);
    p.setPen(QColor::fromRgba(argb));
    p.drawText(x, y + metrics.ascent(), shown);
    return true;
}

namespace MessageBoxHook {
void setCapture(bool on)
{
    g_capture = on;
}
void setEcho(bool on)
{
    g_echo = on;
}
bool capturing()
{
    return g_capture;
}
void queueAnswer(int result)
{
    g_answers.enqueue(result);
}
const QVector<Shown>& shown()
{
    return g_shown;
}
QString lastText()
{
    return g_shown.isEmpty() ? QString() : g_shown.last().text;
}
void clear()
{
    g_shown.clear();
    g_answers.clear();
}
} // namespace MessageBoxHook
