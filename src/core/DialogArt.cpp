#include "core/DialogArt.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kPiece = 24;

// The whole frame drawn once at piece-friendly size; pieces are cut out of it.
QImage frameTemplate()
{
    const int s = kPiece * 3;
    QImage img(s, s, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A thin border near the edge with a soft blue glow inside it, leaving the client area free for
    // controls placed close to the window's edges.
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(QColor(0xA7, 0xBA, 0xE4, 60 - i * 12), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(2.5 + i, 2.5 + i, s - 5 - 2 * i, s - 5 - 2 * i), 8, 8);
    }
    p.setPen(QPen(QColor(0x94, 0xA6, 0xD4), 1));
    p.drawRoundedRect(QRectF(1.5, 1.5, s - 3, s - 3), 8, 8);
    return img;
}
} // namespace

QImage DialogBorderPiece(int index)
{
    static const QImage frame = frameTemplate();
    static const QPoint origins[8] = {
        {0, 0},      {2 * kPiece, 0},      {2 * kPiece, 2 * kPiece}, {0, 2 * kPiece},
        {kPiece, 0}, {2 * kPiece, kPiece}, {kPiece, 2 * kPiece},     {0, kPiece}};
    return frame.copy(QRect(origins[qBound(0, index, 7)], QSize(kPiece, kPiece)));
}

QImage FramedDialogBackground(const QSize& size)
{
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    const int w = size.width(), h = size.height();
    p.drawImage(QRect(kPiece, 0, w - 2 * kPiece, kPiece), DialogBorderPiece(4));
    p.drawImage(QRect(w - kPiece, kPiece, kPiece, h - 2 * kPiece), DialogBorderPiece(5));
    p.drawImage(QRect(kPiece, h - kPiece, w - 2 * kPiece, kPiece), DialogBorderPiece(6));
    p.drawImage(QRect(0, kPiece, kPiece, h - 2 * kPiece), DialogBorderPiece(7));
    p.drawImage(0, 0, DialogBorderPiece(0));
    p.drawImage(w - kPiece, 0, DialogBorderPiece(1));
    p.drawImage(w - kPiece, h - kPiece, DialogBorderPiece(2));
    p.drawImage(0, h - kPiece, DialogBorderPiece(3));
    return img;
}
