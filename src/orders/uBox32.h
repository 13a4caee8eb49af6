#pragma once

#include "core/DateTimeUtils.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

class QFontMetrics;
class TOrder;

namespace SummaryColours {
constexpr QRgb Label = 0xFF7F7F7F;
constexpr QRgb Value = 0xFF3861BE;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Orange = 0xFFFFA449;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Frame = 0xFF94A6D4;
constexpr QRgb Background = 0xFFFFF3DA;
constexpr QRgb Rule = 0xFFA6BAE6;
} // namespace SummaryColours

// One line of drawn text.
class TCleverString32
{
public:
    enum Alignment : quint8 { AlignLeft = 0, AlignCentre = 1, AlignRight = 2 };

    quint8 alignment = AlignLeft;
    QFont font;
    QRgb colour = SummaryColours::Black;
    int gap = 2; // pixels below the line before the next one
    bool shortened = false;
    bool inLabelColumn = false;
    int x = 0, y = 0;         // where the line was last drawn (top-left)
    QImage* bitmap = nullptr; // not owned
    QString text;
    QString displayText; // the shortened text while shortened is set

    // Draws the line with its top-left at x,y, cut to availableWidth; returns the height it takes.
    int Draw(int atX, int atY, int availableWidth);
    QString shownText() const { return shortened ? displayText : text; }
};

// The longest beginning of text narrower than availableWidth; no dots are added.
QString ShortenWithoutDots(const QString& text, int availableWidth, const QFontMetrics& metrics);

// Lines of text in a label and a value column inside a rounded frame, drawn on a bitmap it does not own.
class TCleverBox32
{
public:
    TCleverBox32(QImage* bitmap, int left, int top, int right, int bottom, int maximumRight,
                 int maximumBottom);
    virtual ~TCleverBox32();
    TCleverBox32(const TCleverBox32&) = delete;
    TCleverBox32& operator=(const TCleverBox32&) = delete;

    void SetBounds(int right, int bottom);
    virtual void Draw();

    TCleverString32* addLine(const QString& text, bool inLabelColumn, const QFont& font, QRgb colour,
                             int gap = 2);

    QImage* bitmap() const { return m_bitmap; }
    int left() const { return m_left; }
    int top() const { return m_top; }
    int right() const { return m_right; }
    int bottom() const { return m_bottom; }
    int maximumRight() const { return m_maximumRight; }
    int maximumBottom() const { return m_maximumBottom; }
    int labelIndent() const { return m_labelIndent; }
    int valueColumnX() const { return m_valueColumnX; }
    int firstLineY() const { return m_firstLineY; }
    int labelLineCount() const { return int(m_labelLines.size()); }
    int valueLineCount() const { return int(m_valueLines.size()); }
    TCleverString32* labelLine(int index) const { return m_labelLines.at(index).get(); }
    TCleverString32* valueLine(int index) const { return m_valueLines.at(index).get(); }

protected:
    bool canDraw() const;

private:
    void drawColumn(const std::vector<std::unique_ptr<TCleverString32>>& lines, int x);

    int m_maximumRight;
    int m_maximumBottom;
    int m_left, m_top, m_right, m_bottom;
    int m_labelIndent = 10;
    int m_valueColumnX = 115;
    int m_firstLineY = 30;
    std::vector<std::unique_ptr<TCleverString32>> m_labelLines;
    std::vector<std::unique_ptr<TCleverString32>> m_valueLines;
    QImage* m_bitmap;
};

// Text, colour and weight of one computed line.
struct TSummaryLine
{
    QString text;
    QRgb colour = SummaryColours::Value;
    bool bold = false;
};

// The phrases of the summary box; "today" is the whole day of Now().
TSummaryLine InvoiceStatusLine(bool invoiced, bool completed);
TSummaryLine PaymentStatusLine(bool invoiced, bool paid);
TSummaryLine DueDateLine(TDateTime dueDate, bool completed);
QString CreationDatePhrase(TDateTime creationDate);

// The selected order summarised: heading, relative dates, value, invoice and payment state.
class TOrderSummaryBox : public TCleverBox32
{
public:
    // Label and value lines by position.
    enum LabelLine {
        InternalOrderNoLabel,
        DueDateLabel,
        CreatedLabel,
        ValueLabel,
        InvoiceStatusLabel,
        PaymentStatusLabel
    };
    enum ValueLine { InternalOrderNoValue, DueDateValue, CreatedValue, OrderValueValue };

    TOrderSummaryBox(QImage* bitmap, int left, int top, int right, int bottom, int maximumRight,
                     int maximumBottom);

    void SetOrderValues(const QString& customerOrderNo, const QString& internalOrderNo, bool completed,
                        bool paid, bool invoiced, TDateTime creationDate, TDateTime dueDate,
                        const QString& valueText);
    void ClearValues();
    void Draw() override;

    QString heading() const { return m_heading; }
    void setHeading(const QString& heading) { m_heading = heading; }
    bool invoiced() const { return m_invoiced; }
    bool paid() const { return m_paid; }
    bool completed() const { return m_completed; }
    QString internalOrderNo() const { return m_internalOrderNo; }
    QString valueText() const { return m_valueText; }
    TDateTime dueDate() const { return m_dueDate; }
    TDateTime creationDate() const { return m_creationDate; }

private:
    QFont m_font;
    bool m_paid = false;
    bool m_invoiced = false;
    bool m_completed = false;
    TDateTime m_dueDate = 0;
    TDateTime m_creationDate = 0;
    QString m_heading;
    QString m_internalOrderNo;
    QString m_valueText;
};

// The currency symbol followed by the sum of the items' quantity times price.
QString SummaryValueText(const TOrder& order, const QString& currencySymbol);
// Fills the box from the order and draws it.
void ShowOrderSummary(TOrderSummaryBox& box, const TOrder& order, const QString& currencySymbol);
// The empty state: labels only, grey statuses, heading "None Selected"; drawn.
void ShowSummaryNoneSelected(TOrderSummaryBox& box);
