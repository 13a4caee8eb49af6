#include "charts/uChartPainting.h"

#include <QPainter>
#include <QPainterPath>

namespace ChartPainting {

void fillOpaque(QPainter& p, int left, int top, int right, int bottom, QRgb argb)
{
    if (right <= left || bottom <= top)
        return;
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(left, top, right - left, bottom - top), QColor::fromRgba(argb));
    p.restore();
}

void fillBlended(QPainter& p, int left, int top, int right, int bottom, QRgb argb)
{
    if (right > left && bottom > top)
        p.fillRect(QRect(left, top, right - left, bottom - top), QColor::fromRgba(argb));
}

void fillRounded(QPainter& p, int left, int top, int right, int bottom, double radius, QRgb argb)
{
    if (right <= left || bottom <= top)
        return;
    QPainterPath path;
    path.addRoundedRect(QRectF(left, top, right - left, bottom - top), radius, radius);
    p.fillPath(path, QColor::fromRgba(argb));
}

} // namespace ChartPainting
