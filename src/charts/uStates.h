#pragma once

#include "core/DateTimeUtils.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QStringList>

class QPainter;
class TGraphicalStateChart;

// A rectangle in surface pixels as (left, top, right, bottom); right and bottom lie outside it.
struct TPixelRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool Contains(const QPoint& point) const
    {
        return Left <= point.x() && point.x() < Right && Top <= point.y() && point.y() < Bottom;
    }
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    QRect toQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    bool operator==(const TPixelRect& o) const
    {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

namespace StageLook {
constexpr int LineHeight = 20;
constexpr int StageGap = 14;
constexpr QRgb FillCompleted = 0xFFC0C0C0;
constexpr QRgb FillCurrent = 0xFFA9BCE7;
constexpr QRgb FillOther = 0xFFE7ECF8;
constexpr QRgb FillCurrentOverdue = 0xFFF39DA5;
constexpr QRgb FillOtherOverdue = 0xFFFCE4E6;
constexpr QRgb FaceCompleted = 0xFFEBE3D2;
constexpr QRgb Border = 0xFF4B5B5A;
constexpr QRgb BorderCompleted = 0x4F4B5B5A;
constexpr QRgb BorderHover = 0xFFFFA449;
constexpr QRgb Caption = 0xFF060606;
constexpr QRgb CaptionCompleted = 0x4F060606;

// Tahoma 10 pt bold.
QFont StageFont();
} // namespace StageLook

// One stage of a process chart, drawing itself as a rounded box on its chart's surface.
class TGraphicalState
{
public:
    TGraphicalState(TGraphicalStateChart* chart, const QString& text, bool completed, TDateTime completedDate,
                    TDateTime emailedDate, const QString& emailText, bool current, bool overdue, bool emailed,
                    bool emailPrompt);

    TGraphicalStateChart* Chart;
    QString Text;
    QString EmailText;
    bool Completed;
    bool Current;
    bool Overdue;
    bool EmailPrompt;
    bool Emailed;
    bool IsLast = false;
    bool HoverDrawn = false;
    TDateTime EmailedDate;
    TDateTime CompletedDate;
    QStringList Lines; // empty until wrapped; whoever changes Text clears it
    TPixelRect BoxRect;
    TPixelRect EmailIconRect;
    int BoxHeight = 0;
    int LayoutWidth = 0;

    void WrapCaption(int width);
    // Returns the height the stage takes in a column: its box and the gap below it.
    int Measure(int width);
    // The box centred on column x with its top at y; both return the y of the next box.
    int DrawNormal(int x, int y, int boxWidth);
    int DrawCompact(int x, int y, int boxWidth);
    void DrawHover(bool boxHover, bool iconHover);
    void DrawEmailedMark();
    void DrawNotEmailedMark();

    // The fill of the box: completed first, then overdue, then current.
    QRgb BoxFill() const;

private:
    int drawBox(int x, int y, int boxWidth, bool compact);
    void drawCaption(QPainter& p, int x, int y, int h, QRgb colour) const;
    QRgb background() const;
};
