#pragma once

#include <QWidget>

class QLabel;

// The borderless window shown while the program starts.
class TfrmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);
    QLabel* lblVersion;
    QLabel* lblBuild;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The program's logo mark, drawn in code at any size.
QImage PellomarLogo(int size);
