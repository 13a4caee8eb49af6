#include "charts/uStates.h"

#include "charts/uStateCharts.h"
#include "charts/uChartPainting.h"
#include "charts/uStatePictures.h"
#include "core/Fonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

using namespace StageLook;
using namespace ChartPainting;

namespace {
// Surfaces are laid out for 96 dpi; a bare image stands in when a stage has no surface yet.
const QImage& measuringDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setDotsPerMeterX(ChartSurfaceDotsPerMeter);
        image.setDotsPerMeterY(ChartSurfaceDotsPerMeter);
        return image;
    }();
    return device;
}

QFontMetrics stageMetrics(const QImage* surface)
{
    return QFontMetrics(StageFont(), surface ? surface : &measuringDevice());
}

void fillTriangle(QPainter& p, const QPolygonF& triangle, QRgb argb)
{
    QPainterPath path;
    path.addPolygon(triangle);
    path.closeSubpath();
    p.fillPath(path, QColor::fromRgba(argb));
}

void drawPicture(QPainter& p, TStagePicture picture, int left, int top, qreal opacity = 1.0)
{
    const QImage& image = StagePicture(picture);
    p.save();
    p.setOpacity(opacity);
    p.drawImage(QRect(QPoint(left, top), image.size()), image);
    p.restore();
}

void preparePainter(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// A word wider than the width goes on as many lines as it needs, each piece ending in "-".
void breakWord(const QString& word, int width, const QFontMetrics& metrics, QStringList& lines)
{
    QString rest = word;
    while (rest.size() > 1 && metrics.horizontalAdvance(rest) > width) {
        int n = 1;
        while (n + 1 < rest.size() && metrics.horizontalAdvance(rest.left(n + 1) + '-') <= width)
            ++n;
        lines << rest.left(n) + '-';
        rest = rest.mid(n);
    }
    lines << rest;
}
} // namespace

QFont StageLook::StageFont()
{
    return TahomaFont(10, true);
}

TGraphicalState::TGraphicalState(TGraphicalStateChart* chart, const QString& text, bool completed,
                                 TDateTime completedDate, TDateTime emailedDate, const QString& emailText,
                                 bool current, bool overdue, bool emailed, bool emailPrompt)
    : Chart(chart), Text(text), EmailText(emailText), Completed(completed), Current(current),
      Overdue(overdue), EmailPrompt(emailPrompt), Emailed(emailed), EmailedDate(emailedDate),
      CompletedDate(completedDate)
{}

QRgb TGraphicalState::BoxFill() const
{
    if (Completed)
        return FillCompleted;
    if (Overdue)
        return Current ? FillCurrentOverdue : FillOtherOverdue;
    return Current ? FillCurrent : FillOther;
}

QRgb TGraphicalState::background() const
{
    return Chart ? Chart->Background : TGraphicalStateChart::DefaultBackground;
}

void TGraphicalState::WrapCaption(int width)
{
    Lines.clear();
    if (Text.isEmpty())
        return;
    const QFontMetrics metrics = stageMetrics(Chart ? Chart->Surface : nullptr);
    if (metrics.horizontalAdvance(Text) < width - 120) {
        Lines << Text;
        return;
    }
    // Every blank ends a line, so runs of blanks leave empty lines.
    for (const QString& word : Text.split(QLatin1Char(' ')))
        breakWord(word, width, metrics, Lines);
}

int TGraphicalState::Measure(int width)
{
    LayoutWidth = width;
    if (Lines.isEmpty())
        WrapCaption(width);
    BoxHeight = LineHeight * Lines.size();
    return BoxHeight + StageGap;
}

int TGraphicalState::DrawNormal(int x, int y, int boxWidth)
{
    return drawBox(x, y, boxWidth, false);
}

int TGraphicalState::DrawCompact(int x, int y, int boxWidth)
{
    return drawBox(x, y, boxWidth, true);
}

int TGraphicalState::drawBox(int x, int y, int boxWidth, bool compact)
{
    if (Lines.isEmpty())
        WrapCaption(boxWidth);
    const int h = boxWidth / 2;
    int height = LineHeight * Lines.size();
    if (!compact && height == 0)
        height = LineHeight;
    BoxHeight = height;
    BoxRect = TPixelRect{x - h, y, x + h, y + height};
    if (!compact && EmailPrompt)
        EmailIconRect = TPixelRect{x + h + 20, y + height / 2 - 8, x + h + 38, y + height / 2 + 7};
    HoverDrawn = false;

    QImage* surface = Chart ? Chart->Surface : nullptr;
    if (!surface || surface->isNull())
        return y + height + StageGap;

    const QRgb bg = background();
    const QRgb line = Completed ? BorderCompleted : Border;
    {
        QPainter p(surface);
        preparePainter(p);
        if (compact)
            fillOpaque(p, x - h - 4, y - 3, x + h + 4, y + height + 3, bg);
        else
            fillOpaque(p, x - h - 10, y - 3, x + h + 43, y + height + 3, bg);
        fillRounded(p, x - h - 3, y - 3, x + h + 3, y + height + 3, 7, line);
        fillRounded(p, x - h, y, x + h, y + height, 5, Completed ? FaceCompleted : BoxFill());

        if (!IsLast) {
            // The background goes first over the whole arrow, so a translucent connector looks the same
            // however often it is redrawn.
            fillOpaque(p, x - 1, y + height, x + 1, y + height + 11, bg);
            fillOpaque(p, x - 5, y + height + 6, x + 5, y + height + 11, bg);
            fillBlended(p, x - 1, y + height, x + 1, y + height + 11, line);
            fillTriangle(p,
                         QPolygonF{QPointF(x, y + height + 10), QPointF(x + 5, y + height + 6),
                                   QPointF(x - 5, y + height + 6)},
                         line);
        }
        drawCaption(p, x, y, height, Completed ? CaptionCompleted : Caption);
        if (Completed)
            drawPicture(p, TStagePicture::TickLarge, x + h - 18, y + height / 2 - 7);
        if (!compact && EmailPrompt)
            drawPicture(p, TStagePicture::Envelope, EmailIconRect.Left, EmailIconRect.Top);
    }
    if (!compact && EmailPrompt) {
        if (Emailed)
            DrawEmailedMark();
        else if (Completed)
            DrawNotEmailedMark();
    }
    return y + height + StageGap;
}

void TGraphicalState::drawCaption(QPainter& p, int x, int y, int h, QRgb colour) const
{
    const QFont font = StageFont();
    const QFontMetrics metrics(font, p.device());
    p.setFont(font);
    p.setPen(QColor::fromRgba(colour));
    const int n = Lines.size();
    const int th = metrics.height();
    for (int i = 0; i < n; ++i) {
        const QString& text = Lines.at(i);
        const int tw = metrics.horizontalAdvance(text);
        const int top = n == 1 ? y + h / 2 - th / 2 : y + (i + 1) * ((h - 10) / n) - th / 2;
        p.drawText(x - tw / 2, top + metrics.ascent(), text);
    }
}

void TGraphicalState::DrawHover(bool boxHover, bool iconHover)
{
    const int left = BoxRect.Left, top = BoxRect.Top, right = BoxRect.Right, bottom = BoxRect.Bottom;
    const int h = (right - left) / 2;
    const int height = BoxHeight;
    QImage* surface = Chart ? Chart->Surface : nullptr;
    const bool canDraw = surface && !surface->isNull();

    if (boxHover) {
        if (Lines.isEmpty())
            WrapCaption(right - left);
        if (canDraw) {
            QPainter p(surface);
            preparePainter(p);
            // Wide enough to take the part of the completed tick that stands out of the box.
            fillOpaque(p, left - 3, top - 3, right + 11, bottom + 3, background());
            fillRounded(p, left - 3, top - 3, right + 3, bottom + 3, 7, BorderHover);
            fillRounded(p, left, top, right, bottom, 5, BoxFill());
            drawCaption(p, left + h, top, height, Caption);
            if (Completed)
                drawPicture(p, TStagePicture::TickLarge, left + 2 * h - 18, top + height / 2 - 7,
                            100.0 / 255.0);
        }
    }
    if (iconHover && EmailPrompt) {
        EmailIconRect =
            TPixelRect{left + 2 * h + 20, top + height / 2 - 8, left + 2 * h + 38, top + height / 2 + 7};
        if (canDraw) {
            QPainter p(surface);
            preparePainter(p);
            // The hovered envelope and its mark replace the normal ones instead of blending over them.
            fillOpaque(p, EmailIconRect.Left, EmailIconRect.Top - 2, EmailIconRect.Left + 24,
                       EmailIconRect.Top + 19, background());
            drawPicture(p, TStagePicture::EnvelopeHover, EmailIconRect.Left, EmailIconRect.Top);
        }
        if (Emailed)
            DrawEmailedMark();
        else if (Completed)
            DrawNotEmailedMark();
    }
    HoverDrawn = true;
}

void TGraphicalState::DrawEmailedMark()
{
    QImage* surface = Chart ? Chart->Surface : nullptr;
    if (!surface || surface->isNull())
        return;
    QPainter p(surface);
    preparePainter(p);
    drawPicture(p, TStagePicture::TickSmall, EmailIconRect.Left + 2, EmailIconRect.Top - 2);
}

void TGraphicalState::DrawNotEmailedMark()
{
    QImage* surface = Chart ? Chart->Surface : nullptr;
    if (!surface || surface->isNull())
        return;
    QPainter p(surface);
    preparePainter(p);
    drawPicture(p, TStagePicture::Cross, EmailIconRect.Left + 1, EmailIconRect.Top + 3);
}
