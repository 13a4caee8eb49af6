#include "charts/uChartArea.h"

#include "charts/uStateCharts.h"
#include "core/Fonts.h"
#include "core/ImageView.h"
#include "core/uMain.h"
#include "help/uHelp.h"
#include "orders/uClasses.h"
#include "orders/uOrderLoading.h"
#include "orders/uOrdersTree.h"

#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeWidget>

namespace {
constexpr QRgb kChartBackground = 0xFFFFF3DA;
}

TChartArea::TChartArea(TfrmMainPellomarAlpha& main) : QObject(&main), m(main)
{
    connect(m.imgOrderProgress, &TImage32View::mouseMoved, this, &TChartArea::PointerMoved);
    connect(m.imgOrderProgress, &TImage32View::mouseDoubleClicked, this, &TChartArea::DoubleClicked);
}

void TChartArea::ArrangeChartArea()
{
    int w = m.imgMiddleBottom->width();
    if (w > FrameMaxWidth) {
        if (w - FrameMaxWidth > MemoPanelMinExtra)
            m.ShowMemoPanel();
        else if (m.MemoPanelShown())
            m.HideMemoPanel();
        w = FrameMaxWidth;
    } else if (m.MemoPanelShown()) {
        m.HideMemoPanel();
    }
    m.imgMiddleBottom->SizeBitmapToControl();
    const int viewWidth = w - 16;
    const int viewHeight = m.imgMiddleBottom->height() - 52;
    m.imgOrderProgressScroll->setGeometry(8, 24, qMax(1, viewWidth), qMax(1, viewHeight));
    m.imgOrderProgress->SetBitmapSize(viewWidth - 8, viewHeight - 8, kChartBackground);
    m.imgOrderProgress->resize(m.imgOrderProgress->Bitmap().size());
}

void TChartArea::RepaintChartArea()
{
    QImage& frame = m.imgMiddleBottom->Bitmap();
    frame.fill(0xFFFFFFFF);
    if (m.ProgressFrameChart)
        m.ProgressFrameChart->Layout(qMin(m.imgMiddleBottom->width(), FrameMaxWidth),
                                     m.imgMiddleBottom->height());
    m.imgMiddleBottom->update();
    if (m.OrderProgressChart) {
        const QSize size = m.imgOrderProgress->Bitmap().size();
        m.OrderProgressChart->Surface = &m.imgOrderProgress->Bitmap();
        m.OrderProgressChart->Layout(size.width(), size.height());
        m.imgOrderProgress->resize(m.imgOrderProgress->Bitmap().size());
        m.imgOrderProgress->update();
    }
}

void TChartArea::ShowOrderChart(TOrder* order)
{
    TGraphicalStateChart* chart = order->Chart();
    chart->Surface = &m.imgOrderProgress->Bitmap();
    if (!order->ChartLoaded) {
        chart->LoadFromStates(order->MasterStatesID, order->OrderDueDate);
        order->ChartLoaded = true;
    }
    m.OrderProgressChart = chart;
    chart->ClearHover();
    const QSize view = m.imgOrderProgressScroll->size();
    chart->Layout(view.width() - 8, view.height() - 8);
    m.imgOrderProgress->resize(m.imgOrderProgress->Bitmap().size());
    m.imgOrderProgress->update();
}

void TChartArea::ClearChart()
{
    m.OrderProgressChart = nullptr;
    RepaintChartArea();
    m.imgOrderProgress->Bitmap().fill(kChartBackground);
    m.imgOrderProgress->update();
}

QString TChartArea::StatusText(const TGraphicalState& stage, bool firstOrPreviousCompleted, quint32* colour)
{
    if (stage.Completed) {
        *colour = 0xFF316AC5;
        return QStringLiteral("Completed:  ") +
               FormatDateTime(QStringLiteral("dd mmm YYYY, tt"), stage.CompletedDate);
    }
    if (stage.Overdue) {
        *colour = 0xFFFF1010;
        return QStringLiteral("Overdue");
    }
    if (firstOrPreviousCompleted) {
        *colour = 0xFF316AC5;
        return QStringLiteral("In Progress");
    }
    return QString();
}

void TChartArea::ClearStatusLine()
{
    QImage& bmp = m.imgMiddleBottom->Bitmap();
    const int right = qMin(bmp.width() - 4, 371);
    QPainter p(&bmp);
    p.fillRect(QRect(QPoint(4, bmp.height() - 20), QPoint(right - 1, bmp.height() - 5)),
               QColor::fromRgba(kChartBackground));
    p.end();
    m.imgMiddleBottom->update();
}

void TChartArea::DrawStatusLine(int stageIndex)
{
    ClearStatusLine();
    if (!m.CurrentOrder)
        return;
    const TGraphicalStateChart* chart = m.CurrentOrder->Chart();
    if (stageIndex < 0 || stageIndex >= chart->Stages.size())
        return;
    const TGraphicalState& stage = *chart->Stages[stageIndex];
    const bool firstOrPrevious = stageIndex == 0 || chart->Stages[stageIndex - 1]->Completed;
    quint32 colour = 0;
    const QString text = StatusText(stage, firstOrPrevious, &colour);
    if (text.isEmpty())
        return;
    QImage& bmp = m.imgMiddleBottom->Bitmap();
    QPainter p(&bmp);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = TahomaFont(8);
    p.setFont(font);
    p.setPen(QColor::fromRgba(colour));
    p.setClipRect(
        QRect(QPoint(4, bmp.height() - 20), QPoint(qMin(bmp.width() - 4, 371) - 1, bmp.height() - 5)));
    p.drawText(10, bmp.height() - 20 + QFontMetrics(font, &bmp).ascent(), text);
    p.end();
    m.imgMiddleBottom->update();
}

void TChartArea::PointerMoved(const QPoint& viewPoint)
{
    m.panActiveInformation->HideHover();
    if (!m.OrderProgressChart)
        return;
    try {
        const int r = m.OrderProgressChart->TrackHover(viewPoint);
        m.imgOrderProgress->update();
        if (r < 0)
            ClearStatusLine();
        else if (r > 0)
            DrawStatusLine(r - 1);
    } catch (...) {
    }
}

void TChartArea::DoubleClicked(const QPoint& viewPoint)
{
    try {
        if (!m.OrdersTree()->OrderSelected())
            return;
        TGraphicalStateChart* chart = m.OrderProgressChart;
        if (!chart || chart->HitTest(viewPoint) <= 0)
            return;
        chart->ClickStage(viewPoint);
        m.imgOrderProgress->update();
        TOrder* order = chart->Owner ? chart->Owner : m.CurrentOrder;
        if (chart->AllCompleted()) {
            order->OrderCompleted = true;
            order->OrderCompletionDate = Now();
        } else {
            order->OrderCompleted = false;
        }
        UpdateOrderInformation(order);
        const QList<QTreeWidgetItem*> selected = m.treeBrevanta->selectedItems();
        if (!selected.isEmpty() && !selected.first()->parent())
            m.OrdersTree()->SetOrderRowImages(selected.first(), m.CurrentOrder);
        m.RefreshDetails();
    } catch (...) {
    }
}
