#include "orders/uBox32.h"

#include "core/Fonts.h"
#include "orders/uClasses.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

void drawText(QImage* bitmap, const QFont& font, QRgb colour, int x, int y, const QString& text)
{
    QPainter p(bitmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(QColor::fromRgba(colour));
    p.drawText(x, y + QFontMetrics(font, bitmap).ascent(), text);
}

void applyLine(TCleverString32* line, const TSummaryLine& values)
{
    line->text = values.text;
    line->colour = values.colour;
    line->font.setBold(values.bold);
    line->shortened = false;
    line->displayText.clear();
}

QString datePhrase(TDateTime value, int days, const QString& futureWords)
{
    const QString date = FormatDateTime(QStringLiteral("dddddd"), value);
    if (days == 0)
        return date + QStringLiteral(", Today");
    if (days > 0)
        return date + QStringLiteral(", ") + QString::number(days) + futureWords;
    return date + QStringLiteral(", ") + QString::number(-days) + QStringLiteral(" days ago");
}

int daysFromToday(TDateTime value)
{
    return WholeDays(value) - WholeDays(Now());
}

} // namespace

QString ShortenWithoutDots(const QString& text, int availableWidth, const QFontMetrics& metrics)
{
    if (text.isEmpty() || availableWidth <= 0)
        return QString();
    const int average = std::max(1, metrics.averageCharWidth());
    int n = std::clamp(availableWidth / average, 0, int(text.size()));
    auto fits = [&](int count) { return metrics.horizontalAdvance(text.left(count)) < availableWidth; };
    if (fits(n)) {
        while (n < text.size() && fits(n + 1))
            ++n;
    } else {
        while (n > 0 && !fits(n))
            --n;
    }
    return text.left(n);
}

int TCleverString32::Draw(int atX, int atY, int availableWidth)
{
    x = atX;
    y = atY;
    if (!bitmap || bitmap->isNull())
        return 0;
    const QFontMetrics metrics(font, bitmap);
    shortened = metrics.horizontalAdvance(text) > availableWidth;
    displayText = shortened ? ShortenWithoutDots(text, availableWidth, metrics) : QString();
    const QString shown = shownText();
    if (!shown.isEmpty())
        drawText(bitmap, font, colour, x, y, shown);
    // An empty line keeps its height so that labels and values stay side by side.
    return metrics.height();
}

TCleverBox32::TCleverBox32(QImage* bitmap, int left, int top, int right, int bottom, int maximumRight,
                           int maximumBottom)
    : m_maximumRight(maximumRight), m_maximumBottom(maximumBottom), m_left(left), m_top(top),
      m_right(std::min(right, maximumRight)), m_bottom(std::min(bottom, maximumBottom)), m_bitmap(bitmap)
{}

TCleverBox32::~TCleverBox32() = default;

void TCleverBox32::SetBounds(int right, int bottom)
{
    m_right = std::min(right, m_maximumRight);
    m_bottom = std::min(bottom, m_maximumBottom);
}

TCleverString32* TCleverBox32::addLine(const QString& text, bool inLabelColumn, const QFont& font,
                                       QRgb colour, int gap)
{
    auto line = std::make_unique<TCleverString32>();
    line->text = text;
    line->inLabelColumn = inLabelColumn;
    line->font = font;
    line->colour = colour;
    line->gap = gap;
    line->bitmap = m_bitmap;
    auto& lines = inLabelColumn ? m_labelLines : m_valueLines;
    lines.push_back(std::move(line));
    return lines.back().get();
}

bool TCleverBox32::canDraw() const
{
    return m_bitmap && !m_bitmap->isNull();
}

void TCleverBox32::Draw()
{
    if (!canDraw())
        return;
    m_bitmap->fill(SummaryColours::White);
    if (m_right > m_left && m_bottom > m_top) {
        QPainter p(m_bitmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const QRectF frame(m_left, m_top, m_right - m_left, m_bottom - m_top);
        QPainterPath outer;
        outer.addRoundedRect(frame, 7, 7);
        p.fillPath(outer, QColor::fromRgba(SummaryColours::Frame));
        QPainterPath inner;
        inner.addRoundedRect(frame.adjusted(1, 1, -1, -1), 7, 7);
        p.fillPath(inner, QColor::fromRgba(SummaryColours::Background));
    }
    drawColumn(m_labelLines, m_left + m_labelIndent);
    drawColumn(m_valueLines, m_valueColumnX);
}

void TCleverBox32::drawColumn(const std::vector<std::unique_ptr<TCleverString32>>& lines, int x)
{
    int y = m_firstLineY;
    for (const auto& line : lines)
        y += line->Draw(x, y, m_right - m_labelIndent - x) + line->gap;
}

TSummaryLine InvoiceStatusLine(bool invoiced, bool completed)
{
    if (invoiced && completed)
        return {QStringLiteral("Invoiced"), SummaryColours::Value, true};
    if (invoiced)
        return {QStringLiteral("Invoiced Early"), SummaryColours::Red, true};
    if (completed)
        return {QStringLiteral("Not Invoiced"), SummaryColours::Red, true};
    return {QStringLiteral("Not Invoiced"), SummaryColours::Label, false};
}

TSummaryLine PaymentStatusLine(bool invoiced, bool paid)
{
    if (paid)
        return {QStringLiteral("Paid"), SummaryColours::Value, true};
    if (invoiced)
        return {QStringLiteral("Not Paid"), SummaryColours::Red, true};
    return {QStringLiteral("Not Paid"), SummaryColours::Label, false};
}

TSummaryLine DueDateLine(TDateTime dueDate, bool completed)
{
    const int days = daysFromToday(dueDate);
    QRgb colour = SummaryColours::Value;
    if (days == 0)
        colour = SummaryColours::Orange;
    else if (days < 0 && !completed)
        colour = SummaryColours::Red;
    return {datePhrase(dueDate, days, QStringLiteral(" days time")), colour, true};
}

QString CreationDatePhrase(TDateTime creationDate)
{
    return datePhrase(creationDate, daysFromToday(creationDate), QStringLiteral(" days into the future"));
}

TOrderSummaryBox::TOrderSummaryBox(QImage* bitmap, int left, int top, int right, int bottom, int maximumRight,
                                   int maximumBottom)
    : TCleverBox32(bitmap, left, top, right, bottom, maximumRight, maximumBottom), m_font(TahomaFont(8))
{
    using namespace SummaryColours;
    addLine(QStringLiteral("Internal Order No.:  "), true, m_font, Label);
    addLine(QStringLiteral("Order Due Date:  "), true, m_font, Label);
    addLine(QStringLiteral("Order Created:  "), true, m_font, Label, 10);
    addLine(QStringLiteral("Order Value:  "), true, m_font, Label);
    addLine(QStringLiteral("Not Invoiced"), true, m_font, Label);
    addLine(QStringLiteral("Not Paid"), true, m_font, Label);
    addLine(QString(), false, m_font, Value);
    addLine(QString(), false, m_font, Value);
    addLine(QString(), false, m_font, Value, 10);
    addLine(QString(), false, m_font, Value);
}

void TOrderSummaryBox::SetOrderValues(const QString& customerOrderNo, const QString& internalOrderNo,
                                      bool completed, bool paid, bool invoiced, TDateTime creationDate,
                                      TDateTime dueDate, const QString& valueText)
{
    m_heading = customerOrderNo;
    m_internalOrderNo = internalOrderNo;
    m_completed = completed;
    m_paid = paid;
    m_invoiced = invoiced;
    m_creationDate = creationDate;
    m_dueDate = dueDate;
    m_valueText = valueText;

    applyLine(labelLine(InvoiceStatusLabel), InvoiceStatusLine(invoiced, completed));
    applyLine(labelLine(PaymentStatusLabel), PaymentStatusLine(invoiced, paid));

    TCleverString32* internal = valueLine(InternalOrderNoValue);
    applyLine(internal, {internalOrderNo, internal->colour, internal->font.bold()});
    applyLine(valueLine(DueDateValue), DueDateLine(dueDate, completed));
    TCleverString32* created = valueLine(CreatedValue);
    applyLine(created, {CreationDatePhrase(creationDate), created->colour, created->font.bold()});
    applyLine(valueLine(OrderValueValue), {valueText, SummaryColours::Black, true});
}

void TOrderSummaryBox::ClearValues()
{
    for (int i = 0; i < valueLineCount(); ++i) {
        TCleverString32* line = valueLine(i);
        line->text.clear();
        line->displayText.clear();
        line->shortened = false;
    }
    m_heading.clear();
}

void TOrderSummaryBox::Draw()
{
    TCleverBox32::Draw();
    if (!canDraw())
        return;
    QImage* surface = bitmap();
    drawText(surface, TahomaFont(8, true), SummaryColours::Value, left() + 12, top() + 7,
             QStringLiteral("Order Summary:"));
    // The heading obeys the same right margin as the lines, so a long order number stays inside the frame.
    const QFont headingFont = TahomaFont(10, true);
    const int available = right() - labelIndent() - valueColumnX();
    const QFontMetrics metrics(headingFont, surface);
    const QString heading = metrics.horizontalAdvance(m_heading) > available
                                ? ShortenWithoutDots(m_heading, available, metrics)
                                : m_heading;
    if (!heading.isEmpty())
        drawText(surface, headingFont, SummaryColours::Black, valueColumnX(), top() + 4, heading);
    if (right() - 8 >= left() + 8) {
        QPainter p(surface);
        p.fillRect(QRect(QPoint(left() + 8, top() + 21), QPoint(right() - 8, top() + 21)),
                   QColor::fromRgba(SummaryColours::Rule));
    }
}

QString SummaryValueText(const TOrder& order, const QString& currencySymbol)
{
    // Summed in double like OrderValue: single precision loses cents above about 100,000.
    double total = 0;
    for (const TOrderItem* item : order.Items)
        if (item)
            total += item->Quantity * item->Price;
    return FormatMoney(total, currencySymbol);
}

void ShowOrderSummary(TOrderSummaryBox& box, const TOrder& order, const QString& currencySymbol)
{
    box.SetOrderValues(order.CustomerOrderNo, order.InternalOrderNo, order.OrderCompleted, order.OrderPaid,
                       order.OrderInvoiced, order.OrderCreationDate, order.OrderDueDate,
                       SummaryValueText(order, currencySymbol));
    box.Draw();
}

void ShowSummaryNoneSelected(TOrderSummaryBox& box)
{
    const TDateTime now = Now();
    box.SetOrderValues(QString(), QString(), false, false, false, now, now, QString());
    box.ClearValues();
    box.setHeading(QStringLiteral("None Selected"));
    box.Draw();
}
