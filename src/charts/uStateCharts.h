#pragma once

#include "charts/uStates.h"
#include "core/DateTimeUtils.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRgb>
#include <QString>

class TOrder;
class TOrderItem;
class TGraphicalStateChart;

// 96 dpi: the pixel sizes of charts are laid out for it.
constexpr int ChartSurfaceDotsPerMeter = 3780;

// Sends the order update e-mail of a stage for the chart (composing, preview, sending). Answers mrYes
// when it was sent, mrNo when the user chose not to send, mrNone when nothing was composed. The
// implementation re-enables the main window when it is done, whatever happened.
class TChartEmailHook
{
public:
    virtual ~TChartEmailHook() = default;
    virtual int SendOrderUpdateEmail(TGraphicalStateChart& chart, int stageIndex) = 0;
};

// The chart template file of the program directory.
QString ChartTemplateFile();

// A process chart: its stages, the States row it belongs to, and its drawing on a surface.
class TGraphicalStateChart
{
public:
    static constexpr QRgb DefaultBackground = 0xFFFFF3DA;
    static constexpr int MaxChartStages = 7;
    static constexpr int MaxStagesHeight = 1000;

    TGraphicalStateChart(TOrder* owner, TOrderItem* item, bool isItemChart);
    ~TGraphicalStateChart();
    TGraphicalStateChart(const TGraphicalStateChart&) = delete;
    TGraphicalStateChart& operator=(const TGraphicalStateChart&) = delete;

    TOrder* Owner;
    TOrderItem* Item;
    bool IsItemChart;
    int StateID = 0;
    QList<TGraphicalState*> Stages; // owned
    QImage* Surface = nullptr;      // not owned; set by whoever shows the chart, resized by Layout
    int ChartWidth = 0;
    int ChartHeight = 0;
    int LeftMargin = 0;
    int TopMargin = 0;
    int StageWidth = 0;
    bool ShowFrame = false;
    bool Compact = false;
    int MaxStages = 0; // 0 draws all
    QString Title = QStringLiteral("Order Progress:");
    QRgb Background = DefaultBackground;
    TChartEmailHook* EmailHook = nullptr; // this chart's; the default hook when none

    static void SetDefaultEmailHook(TChartEmailHook* hook);
    static TChartEmailHook* DefaultEmailHook();

    // Caption and e-mail text are cut to 255 characters.
    TGraphicalState* AddStage(const QString& caption, bool completed, TDateTime completedDate,
                              TDateTime emailedDate, const QString& emailText, bool current, bool overdue,
                              bool emailed, bool emailPrompt);
    void ClearStages();
    // A missing row gives a chart without stages. False only when the database failed.
    bool LoadFromStates(int stateId, TDateTime due);
    // Progress columns of one stage; errors are swallowed and reported as false.
    bool SaveStageProgress(int index);
    bool SaveProgress(bool all, int index = 0);
    // Captions, e-mail texts and prompts of the chart's stages; throws DbError.
    void WriteDefinitions(int stateId);
    void LoadTemplate(const QString& path = ChartTemplateFile());
    bool SaveTemplate(const QString& path = ChartTemplateFile()) const;
    void CopyStagesFrom(const TGraphicalStateChart& other);

    void Layout(int width, int minHeight);
    void Redraw();
    void LayoutCompact(int width, int minHeight);
    // -1 without stages; 2i+1 on the box of stage i, 2i+2 on its envelope; 0 elsewhere.
    int HitTest(const QPoint& point) const;
    // The number (from 1) of the stage whose box was entered, -1 when stages only went back, 0 else.
    int TrackHover(const QPoint& point);
    // Drops every hover look without drawing.
    void ClearHover();
    // Ticks a stage off or back (box) or sends its e-mail (envelope), then saves. False when the
    // point hits no stage.
    bool ClickStage(const QPoint& point);
    bool AllCompleted() const;

private:
    void drawFrame(int left, int top, int right, int bottom);
    void sendEmail(int index);
    TChartEmailHook* emailHook() const;
};
