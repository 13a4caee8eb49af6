#include "orders/uOrderImages.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// The order sheet: a page with a folded corner and a few text lines, tinted per state.
void drawSheet(QPainter& p, QColor accent)
{
    QPainterPath page;
    page.moveTo(6.5, 2.5);
    page.lineTo(18.5, 2.5);
    page.lineTo(23.5, 7.5);
    page.lineTo(23.5, 21.5);
    page.lineTo(6.5, 21.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(0x7A, 0x8F, 0xB8), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    QPainterPath fold;
    fold.moveTo(18.5, 2.5);
    fold.lineTo(18.5, 7.5);
    fold.lineTo(23.5, 7.5);
    p.setBrush(QColor(0xDA, 0xE2, 0xF4));
    p.drawPath(fold);
    p.setPen(QPen(accent, 1.4));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(9.5, 8.5 + i * 3), QPointF(i == 0 ? 16.5 : 20.5, 8.5 + i * 3));
}

void drawBadge(QPainter& p, int kind)
{
    const QRectF circle(3, 4, 17, 17);
    switch (kind) {
    case 0: { // open: a blue dot with an arrow
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x31, 0x6A, 0xC5));
        p.drawEllipse(circle);
        QPainterPath arrow;
        arrow.moveTo(8, 9.5);
        arrow.lineTo(13, 12.5);
        arrow.lineTo(8, 15.5);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arrow);
        break;
    }
    case 1: { // completed: a green tick
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2E, 0x9E, 0x5B));
        p.drawEllipse(circle);
        QPainterPath tick;
        tick.moveTo(7, 12.5);
        tick.lineTo(10.5, 16);
        tick.lineTo(16, 9);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
        break;
    }
    default: { // overdue: a red clock
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xE0, 0x30, 0x30));
        p.drawEllipse(circle);
        p.setBrush(Qt::white);
        p.drawEllipse(circle.adjusted(3, 3, -3, -3));
        p.setPen(QPen(QColor(0xE0, 0x30, 0x30), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11.5, 12.5), QPointF(11.5, 8.5));
        p.drawLine(QPointF(11.5, 12.5), QPointF(14.5, 14));
        break;
    }
    }
}

} // namespace

QImage OrderImage(int index)
{
    QImage img(28, 24, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int state = qBound(0, index / 2, 2);
    if (index % 2 == 0) {
        static const QColor accents[] = {QColor(0x9A, 0xB0, 0xDA), QColor(0x8C, 0xC8, 0xA4),
                                         QColor(0xE8, 0x9A, 0x9A)};
        drawSheet(p, accents[state]);
    } else {
        drawBadge(p, state);
    }
    return img;
}

QIcon OrderImagePair(int first)
{
    // A long order list shares three icons instead of drawing one per row.
    static QHash<int, QIcon> cache;
    const auto cached = cache.constFind(first);
    if (cached != cache.constEnd())
        return *cached;
    QPixmap pair(56, 24);
    pair.fill(Qt::transparent);
    QPainter p(&pair);
    p.drawImage(0, 0, OrderImage(first));
    p.drawImage(28, 0, OrderImage(first + 1));
    p.end();
    return cache.insert(first, QIcon(pair)).value();
}

int OrderImageIndex(bool completed, TDateTime dueDate, TDateTime now)
{
    if (completed)
        return 2;
    if (now > dueDate)
        return 4;
    return 0;
}
