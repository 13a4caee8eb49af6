#pragma once

#include <QObject>
#include <QPoint>

class TfrmMainPellomarAlpha;
class TGraphicalState;

// The chart area of the main window: the "Order Progress:" frame, the selected order's chart with its
// hover status line, and double-clicks that tick stages off.
class TChartArea : public QObject
{
    Q_OBJECT
public:
    explicit TChartArea(TfrmMainPellomarAlpha& main);

    static constexpr int FrameMaxWidth = 375;
    static constexpr int MemoPanelMinExtra = 100;

    void ArrangeChartArea();
    void RepaintChartArea();
    void ShowOrderChart(class TOrder* order);
    void ClearChart();
    void PointerMoved(const QPoint& viewPoint);
    void DoubleClicked(const QPoint& viewPoint);
    // The status line for a stage (empty text: strip left clear).
    static QString StatusText(const TGraphicalState& stage, bool firstOrPreviousCompleted, quint32* colour);
    void DrawStatusLine(int stageIndex);
    void ClearStatusLine();

private:
    TfrmMainPellomarAlpha& m;
};
