#pragma once

#include <QImage>
#include <QWidget>

// A control that shows a 32-bit bitmap which the program draws into (title boxes, chart, summary box).
class TImage32View : public QWidget
{
    Q_OBJECT
public:
    explicit TImage32View(QWidget* parent = nullptr, const QString& name = QString());
    QImage& Bitmap() { return m_bitmap; }
    // Sizes the bitmap (cleared to the colour) without touching the control's geometry.
    void SetBitmapSize(int width, int height, QRgb fill = 0xFFFFFFFF);
    // The control and its bitmap to the same size.
    void SizeBitmapToControl(QRgb fill = 0xFFFFFFFF);
    QSize sizeHint() const override { return m_bitmap.size(); }

signals:
    void mouseMoved(QPoint pos);
    void mouseDoubleClicked(QPoint pos);
    void mouseLeft();
    void clicked(QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImage m_bitmap;
};
