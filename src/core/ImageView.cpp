#include "core/ImageView.h"

#include <QMouseEvent>
#include <QPainter>

TImage32View::TImage32View(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    m_bitmap = QImage(1, 1, QImage::Format_ARGB32);
    m_bitmap.fill(Qt::white);
}

void TImage32View::SetBitmapSize(int width, int height, QRgb fill)
{
    m_bitmap = QImage(qMax(1, width), qMax(1, height), QImage::Format_ARGB32);
    m_bitmap.fill(QColor::fromRgba(fill));
    update();
}

void TImage32View::SizeBitmapToControl(QRgb fill)
{
    SetBitmapSize(width(), height(), fill);
}

void TImage32View::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_bitmap);
}

void TImage32View::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void TImage32View::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseDoubleClicked(event->position().toPoint());
    QWidget::mouseDoubleClickEvent(event);
}

void TImage32View::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}

void TImage32View::leaveEvent(QEvent* event)
{
    emit mouseLeft();
    QWidget::leaveEvent(event);
}
