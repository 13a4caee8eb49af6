#include "core/uSplash.h"

#include "core/Fonts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

QImage PellomarLogo(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    // Three stage boxes joined by arrows, the last one ticked: the program in one picture.
    const QColor done(0x31, 0x6A, 0xC5), open(0xFF, 0xF3, 0xDA), edge(0x7A, 0x8F, 0xB8);
    for (int i = 0; i < 3; ++i) {
        QRectF box(14, 6 + i * 32, 72, 22);
        QPainterPath path;
        path.addRoundedRect(box, 6, 6);
        p.setPen(QPen(edge, 1.6));
        p.setBrush(i < 2 ? done : open);
        p.drawPath(path);
        if (i < 2) {
            QPainterPath arrow;
            arrow.moveTo(44, 29 + i * 32);
            arrow.lineTo(56, 29 + i * 32);
            arrow.lineTo(50, 37 + i * 32);
            arrow.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(edge);
            p.drawPath(arrow);
        }
    }
    QPen tick(QColor(0x2E, 0x9E, 0x5B), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(tick);
    p.setBrush(Qt::NoBrush);
    QPainterPath t;
    t.moveTo(58, 78);
    t.lineTo(68, 88);
    t.lineTo(92, 60);
    p.drawPath(t);
    return img;
}

TfrmSplash::TfrmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(376, 214);
    lblVersion = new QLabel(QStringLiteral("Version 2.1.0 Beta"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setFont(TahomaPixelFont(21));
    lblVersion->setStyleSheet(QStringLiteral("color: #808080; background: transparent;"));
    lblVersion->move(27, 134);
    lblVersion->adjustSize();
    lblBuild = new QLabel(QStringLiteral("Build 0021"), this);
    lblBuild->setObjectName(QStringLiteral("lblBuild"));
    lblBuild->setFont(TahomaPixelFont(13));
    lblBuild->setStyleSheet(QStringLiteral("color: #808080; background: transparent;"));
    lblBuild->move(27, 160);
    lblBuild->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TfrmSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    QLinearGradient band(0, 0, width(), 0);
    band.setColorAt(0, QColor(0x1F, 0x3B, 0x73));
    band.setColorAt(1, QColor(0x4A, 0x78, 0xB8));
    p.fillRect(0, 0, width(), 6, band);
    p.drawImage(QPoint(27, 30), PellomarLogo(84));
    p.setPen(QColor(0x1F, 0x3B, 0x73));
    p.setFont(HeavyFont(20));
    p.drawText(QRect(122, 34, 250, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pellomar"));
    p.setPen(QColor(0x4A, 0x78, 0xB8));
    p.setFont(TahomaFont(14, true));
    p.drawText(QRect(122, 70, 250, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Brevanta Lite"));
    p.setPen(QColor(0xA7, 0xBA, 0xE4));
    p.drawLine(27, 124, width() - 27, 124);
    p.setPen(QColor(0xB9, 0xB9, 0xAF));
    p.setFont(TahomaFont(8));
    p.drawText(QRect(0, 186, width() - 16, 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Order tracking for small businesses"));
    p.setPen(QColor(0xE2, 0xE6, 0xEE));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
