#include "charts/uStatePictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage envelope(QRgb light, QRgb dark, QRgb outline, QRgb flap)
{
    QImage image = blank(18, 15);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0.5, 1.5, 17, 12);
    QLinearGradient fill(0, 1.5, 0, 13.5);
    fill.setColorAt(0, QColor::fromRgba(light));
    fill.setColorAt(1, QColor::fromRgba(dark));
    QPainterPath bodyPath;
    bodyPath.addRoundedRect(body, 1.5, 1.5);
    p.fillPath(bodyPath, fill);

    // The lower folds are faint, the flap above them stands out.
    QPen fold(QColor::fromRgba(outline), 0.8);
    fold.setColor(QColor(qRed(outline), qGreen(outline), qBlue(outline), 110));
    p.setPen(fold);
    p.drawLine(QPointF(1.5, 12.8), QPointF(7.2, 7.6));
    p.drawLine(QPointF(16.5, 12.8), QPointF(10.8, 7.6));

    QPainterPath flapPath;
    flapPath.moveTo(1.2, 2.2);
    flapPath.lineTo(9, 9.2);
    flapPath.lineTo(16.8, 2.2);
    flapPath.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(flapPath, QColor::fromRgba(flap));
    p.setPen(QPen(QColor::fromRgba(outline), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(1.2, 2.2), QPointF(9, 9.2), QPointF(16.8, 2.2)});
    p.setBrush(Qt::NoBrush);
    p.drawPath(bodyPath);
    return image;
}

// A mark drawn twice: a dark outline stroke and a lighter core stroke on top.
QImage strokedMark(int width, int height, const QVector<QPolygonF>& strokes, qreal outer, qreal inner,
                   QRgb outline, QRgb coreTop, QRgb coreBottom)
{
    QImage image = blank(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor::fromRgba(outline), outer, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QPolygonF& s : strokes)
        p.drawPolyline(s);
    QLinearGradient core(0, 0, 0, height);
    core.setColorAt(0, QColor::fromRgba(coreTop));
    core.setColorAt(1, QColor::fromRgba(coreBottom));
    p.setPen(QPen(QBrush(core), inner, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QPolygonF& s : strokes)
        p.drawPolyline(s);
    return image;
}

QImage tick(int width, int height, const QPolygonF& shape, qreal outer, qreal inner)
{
    return strokedMark(width, height, {shape}, outer, inner, 0xFF1F6E24, 0xFF8EE07A, 0xFF2FA63A);
}

QImage make(TStagePicture picture)
{
    switch (picture) {
    case TStagePicture::Envelope:
        return envelope(0xFFFBFBFC, 0xFFD3D7DC, 0xFF66707A, 0xFFE6E9EC);
    case TStagePicture::EnvelopeHover:
        return envelope(0xFFFFF1DC, 0xFFFFB55C, 0xFFC0640A, 0xFFFFD9A6);
    case TStagePicture::TickSmall:
        // Both ticks keep clear of the columns and rows a redraw of the stage does not clear.
        return tick(24, 21, QPolygonF{QPointF(4, 11.5), QPointF(9, 16.5), QPointF(17.8, 4)}, 5.2, 3.0);
    case TStagePicture::TickLarge:
        return tick(28, 23, QPolygonF{QPointF(4.5, 11), QPointF(10.3, 16.6), QPointF(23.5, 3.5)}, 6.2, 3.8);
    case TStagePicture::Cross:
        return strokedMark(
            16, 14, {QPolygonF{QPointF(4, 3), QPointF(12, 11)}, QPolygonF{QPointF(12, 3), QPointF(4, 11)}},
            4.6, 2.6, 0xFF8C1212, 0xFFFF6B5E, 0xFFD8231C);
    }
    return QImage();
}
} // namespace

const QImage& StagePicture(TStagePicture picture)
{
    static const QImage pictures[] = {make(TStagePicture::Envelope), make(TStagePicture::EnvelopeHover),
                                      make(TStagePicture::TickSmall), make(TStagePicture::TickLarge),
                                      make(TStagePicture::Cross)};
    return pictures[int(picture)];
}
