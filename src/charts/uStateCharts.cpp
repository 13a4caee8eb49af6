#include "charts/uStateCharts.h"

#include "charts/uChartPainting.h"
#include "charts/uStatePresets.h"
#include "core/Fonts.h"
#include "core/IniFile.h"
#include "core/ProgramDir.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

using namespace ChartPainting;

namespace {
TChartEmailHook* g_defaultEmailHook = nullptr;

constexpr QRgb FrameBorder = 0xFF94A6D4;
constexpr QRgb FrameTitle = 0xFF3861BE;
constexpr QRgb FrameRule = 0xFFA6BAE6;

QString stageColumn(int n, const char* field)
{
    return QStringLiteral("State") + QString::number(n) + QLatin1String(field);
}

QString templateSection(int n)
{
    return QStringLiteral("Stage ") + QString::number(n);
}

// Painting stores a fully clear pixel as clear black; the corners outside a frame stay clear white,
// so a copy without alpha (the e-mail picture) shows them white.
void whitenClearCorners(QImage& image, int left, int top, int right, int bottom)
{
    const int corner = 8;
    const QRect area = QRect(left, top, right - left, bottom - top).intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (y >= top + corner && y < bottom - corner)
            continue;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((x < left + corner || x >= right - corner) && qAlpha(line[x]) == 0)
                line[x] = 0x00FFFFFF;
        }
    }
}
} // namespace

QString ChartTemplateFile()
{
    return ProgramDir::file(QString::fromLatin1(ProgramFiles::ChartTemplate));
}

TGraphicalStateChart::TGraphicalStateChart(TOrder* owner, TOrderItem* item, bool isItemChart)
    : Owner(owner), Item(item), IsItemChart(isItemChart)
{}

TGraphicalStateChart::~TGraphicalStateChart()
{
    ClearStages();
}

void TGraphicalStateChart::SetDefaultEmailHook(TChartEmailHook* hook)
{
    g_defaultEmailHook = hook;
}

TChartEmailHook* TGraphicalStateChart::DefaultEmailHook()
{
    return g_defaultEmailHook;
}

TChartEmailHook* TGraphicalStateChart::emailHook() const
{
    return EmailHook ? EmailHook : g_defaultEmailHook;
}

TGraphicalState* TGraphicalStateChart::AddStage(const QString& caption, bool completed,
                                                TDateTime completedDate, TDateTime emailedDate,
                                                const QString& emailText, bool current, bool overdue,
                                                bool emailed, bool emailPrompt)
{
    auto* stage = new TGraphicalState(this, Db::cut255(caption), completed, completedDate, emailedDate,
                                      Db::cut255(emailText), current, overdue, emailed, emailPrompt);
    Stages.append(stage);
    return stage;
}

void TGraphicalStateChart::ClearStages()
{
    qDeleteAll(Stages);
    Stages.clear();
}

bool TGraphicalStateChart::LoadFromStates(int stateId, TDateTime due)
{
    ClearStages();
    StateID = stateId;
    QVector<TRow> rows;
    try {
        rows = Db::select(QStringLiteral("Select * from States where StateID =:p_s"), {{"p_s", stateId}});
    } catch (const DbError&) {
        return false;
    }
    if (rows.isEmpty())
        return true;
    const TRow& row = rows.first();
    const bool overdue = Now() > due;
    int lastCompleted = 0;
    for (int n = 1; n <= MaxChartStages; ++n) {
        const QString caption = row.text(stageColumn(n, "Text"));
        if (caption.isEmpty())
            break;
        const bool completed = row.boolean(stageColumn(n, "Completed"));
        bool current = false;
        if (completed)
            lastCompleted = n;
        else
            current = n == 1 || lastCompleted == n - 1;
        AddStage(caption, completed, row.number(stageColumn(n, "CompletedDate")),
                 row.number(stageColumn(n, "EmailedDate")), row.text(stageColumn(n, "EmailText")), current,
                 overdue, row.boolean(stageColumn(n, "Emailed")), row.boolean(stageColumn(n, "EmailPrompt")));
    }
    if (!Stages.isEmpty())
        Stages.last()->IsLast = true;
    return true;
}

bool TGraphicalStateChart::SaveStageProgress(int index)
{
    if (index < 0 || index >= Stages.size())
        return false;
    const TGraphicalState* stage = Stages.at(index);
    const int n = index + 1;
    try {
        Db::update(QStringLiteral("States"), QStringLiteral("StateID"), StateID,
                   {{stageColumn(n, "Completed"), stage->Completed},
                    {stageColumn(n, "CompletedDate"), stage->CompletedDate},
                    {stageColumn(n, "Emailed"), stage->Emailed},
                    {stageColumn(n, "EmailedDate"), stage->EmailedDate}});
    } catch (const DbError&) {
        return false;
    }
    return true;
}

bool TGraphicalStateChart::SaveProgress(bool all, int index)
{
    if (!all)
        return SaveStageProgress(index);
    bool saved = true;
    for (int i = 0; i < Stages.size(); ++i)
        saved = SaveStageProgress(i) && saved;
    return saved;
}

void TGraphicalStateChart::WriteDefinitions(int stateId)
{
    if (stateId <= 0 || Stages.isEmpty())
        return;
    TParams values;
    for (int i = 0; i < Stages.size(); ++i) {
        const TGraphicalState* stage = Stages.at(i);
        values.append({stageColumn(i + 1, "Text"), Db::cut255(stage->Text)});
        values.append({stageColumn(i + 1, "EmailText"), Db::cut255(stage->EmailText)});
        values.append({stageColumn(i + 1, "EmailPrompt"), stage->EmailPrompt});
    }
    Db::update(QStringLiteral("States"), QStringLiteral("StateID"), stateId, values);
}

void TGraphicalStateChart::LoadTemplate(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        for (const TPresetStage& s : DefaultTemplateStages())
            AddStage(s.Text, false, 0, 0, s.EmailText, true, false, false, s.EmailPrompt);
        return;
    }
    IniFile ini(path);
    ini.load();
    for (int n = 1; n <= MaxChartStages; ++n) {
        const QString section = templateSection(n);
        const QString caption = ini.readString(section, QStringLiteral("StageText"), QString());
        if (caption.isEmpty())
            break;
        const bool prompt = ini.readBool(section, QStringLiteral("EmailPrompt"), true);
        QString email = ini.readString(section, QStringLiteral("EmailText"),
                                       QStringLiteral("Stage %1 is complete").arg(n));
        email.replace(QStringLiteral("<br>"), QStringLiteral("\r"));
        AddStage(caption, false, 0, 0, email, true, false, false, prompt);
    }
}

bool TGraphicalStateChart::SaveTemplate(const QString& path) const
{
    IniFile ini(path);
    ini.load();
    for (int n = 1; n <= MaxChartStages; ++n) {
        const QString section = templateSection(n);
        if (n <= Stages.size()) {
            const TGraphicalState* stage = Stages.at(n - 1);
            QString email = stage->EmailText;
            email.replace(QLatin1Char('\r'), QStringLiteral("<br>")).remove(QLatin1Char('\n'));
            ini.writeString(section, QStringLiteral("StageText"), stage->Text);
            ini.writeString(section, QStringLiteral("EmailText"), email);
            ini.writeBool(section, QStringLiteral("EmailPrompt"), stage->EmailPrompt);
        } else {
            ini.writeString(section, QStringLiteral("StageText"), QString());
            ini.writeString(section, QStringLiteral("EmailText"), QString());
            ini.writeBool(section, QStringLiteral("EmailPrompt"), false);
        }
    }
    return ini.save();
}

void TGraphicalStateChart::CopyStagesFrom(const TGraphicalStateChart& other)
{
    // Copies are made before the own stages go, so a chart may copy itself.
    QList<TGraphicalState*> copies;
    for (const TGraphicalState* s : other.Stages)
        copies.append(new TGraphicalState(this, s->Text, false, s->CompletedDate, s->EmailedDate,
                                          s->EmailText, true, false, false, s->EmailPrompt));
    const int otherId = other.StateID;
    ClearStages();
    if (copies.isEmpty())
        return;
    Stages = copies;
    StateID = otherId;
}

void TGraphicalStateChart::Layout(int width, int minHeight)
{
    ChartWidth = width;
    ChartHeight = minHeight;
    if (Surface) {
        if (Surface->format() != QImage::Format_ARGB32)
            *Surface = Surface->convertToFormat(QImage::Format_ARGB32);
        Surface->setDotsPerMeterX(ChartSurfaceDotsPerMeter);
        Surface->setDotsPerMeterY(ChartSurfaceDotsPerMeter);
    }

    int total = 0;
    for (TGraphicalState* stage : std::as_const(Stages))
        total += stage->Measure(width);
    total = std::min(total, MaxStagesHeight) + (ShowFrame ? 32 : 12);
    total = std::max(total, minHeight);
    if (Surface && Surface->height() != total) {
        // Pixels right of the chart belong to whoever shares the surface: keep them.
        *Surface = Surface->copy(0, 0, Surface->width(), total);
        Surface->setDotsPerMeterX(ChartSurfaceDotsPerMeter);
        Surface->setDotsPerMeterY(ChartSurfaceDotsPerMeter);
    }
    // Also when the surface already had this height, so the whole of it is cleared and redrawn.
    ChartHeight = total;
    if (Surface && !Surface->isNull())
        drawFrame(0, 0, width, ChartHeight);

    LeftMargin = 12;
    TopMargin = ShowFrame ? 32 : 12;
    StageWidth = width - 27;
    const int boxWidth = Compact ? StageWidth : StageWidth - 38;
    const int x = LeftMargin + boxWidth / 2 + 1;
    int y = TopMargin;
    for (int i = 0; i < Stages.size(); ++i) {
        TGraphicalState* stage = Stages.at(i);
        stage->IsLast = i == Stages.size() - 1 || Stages.at(i + 1)->Text.isEmpty() || i == MaxStages - 1;
        if (MaxStages > 0 && i >= MaxStages)
            break;
        y = Compact ? stage->DrawCompact(x, y, boxWidth) : stage->DrawNormal(x, y, boxWidth);
        if (stage->Text.isEmpty())
            break;
    }
}

void TGraphicalStateChart::drawFrame(int left, int top, int right, int bottom)
{
    {
        QPainter p(Surface);
        p.setRenderHint(QPainter::Antialiasing);
        if (!ShowFrame) {
            fillOpaque(p, left, top, right, bottom, Background);
            return;
        }
        fillOpaque(p, left, top, right, bottom, 0x00FFFFFF);
        fillRounded(p, left, top, right, bottom, 7, FrameBorder);
        // One radius less keeps the 1-pixel border even around the corners.
        fillRounded(p, left + 1, top + 1, right - 1, bottom - 1, 6, Background);
    }
    whitenClearCorners(*Surface, left, top, right, bottom);
    DrawFittedText(*Surface, TahomaFont(8, true), 2, 0, left + 12, top + 5, Title, 1, FrameTitle);
    QPainter p(Surface);
    fillOpaque(p, left + 8, top + 19, right - 8, top + 20, FrameRule);
}

void TGraphicalStateChart::Redraw()
{
    Layout(ChartWidth, ChartHeight);
}

void TGraphicalStateChart::LayoutCompact(int width, int minHeight)
{
    Compact = true;
    Layout(width, minHeight);
    Compact = false;
}

int TGraphicalStateChart::HitTest(const QPoint& point) const
{
    if (Stages.isEmpty())
        return -1;
    for (int i = 0; i < Stages.size(); ++i) {
        if (Stages.at(i)->BoxRect.Contains(point))
            return 2 * i + 1;
        if (Stages.at(i)->EmailIconRect.Contains(point))
            return 2 * i + 2;
    }
    return 0;
}

int TGraphicalStateChart::TrackHover(const QPoint& point)
{
    int result = 0;
    for (int i = 0; i < Stages.size(); ++i) {
        TGraphicalState* stage = Stages.at(i);
        const TPixelRect box = stage->BoxRect;
        const bool inBox = box.Contains(point);
        if (inBox && !stage->HoverDrawn) {
            stage->DrawHover(true, false);
            result = i + 1;
        }
        if (!inBox && stage->HoverDrawn) {
            stage->DrawNormal(box.Left + box.Width() / 2, box.Top, box.Width());
            if (result == 0)
                result = -1;
        }
        if (stage->EmailIconRect.Contains(point) && !stage->HoverDrawn)
            stage->DrawHover(false, true);
    }
    return result;
}

void TGraphicalStateChart::ClearHover()
{
    for (TGraphicalState* stage : std::as_const(Stages))
        stage->HoverDrawn = false;
}

void TGraphicalStateChart::sendEmail(int index)
{
    TChartEmailHook* hook = emailHook();
    if (!hook)
        return;
    TGraphicalState* stage = Stages.at(index);
    int answer = mrNone;
    try {
        answer = hook->SendOrderUpdateEmail(*this, index);
    } catch (const std::exception&) {
        // The tick itself still counts and is saved; the e-mail simply did not happen.
        answer = mrNone;
    }
    if (answer == mrYes) {
        stage->Emailed = true;
        stage->EmailedDate = Now();
    } else if (answer == mrNo) {
        stage->Emailed = false;
    }
}

bool TGraphicalStateChart::ClickStage(const QPoint& point)
{
    int index = -1;
    bool onBox = false;
    for (int i = 0; i < Stages.size() && index < 0; ++i) {
        if (Stages.at(i)->BoxRect.Contains(point)) {
            index = i;
            onBox = true;
        } else if (Stages.at(i)->EmailIconRect.Contains(point)) {
            index = i;
        }
    }
    if (index < 0)
        return false;

    TGraphicalState* stage = Stages.at(index);
    if (onBox) {
        const TDateTime now = Now();
        const int count = Stages.size();
        stage->Completed = !stage->Completed;
        if (stage->Completed) {
            stage->CompletedDate = now;
            stage->Current = false;
            if (index + 1 < count)
                Stages.at(index + 1)->Current = true;
            for (int j = 0; j < index; ++j) {
                if (!Stages.at(j)->Completed) {
                    Stages.at(j)->Completed = true;
                    Stages.at(j)->CompletedDate = now;
                }
            }
        } else {
            stage->Current = true;
            for (int j = index + 1; j < count; ++j) {
                Stages.at(j)->Completed = false;
                Stages.at(j)->Current = false;
            }
        }
        Redraw();
        if (stage->Completed && stage->EmailPrompt && !stage->Emailed)
            sendEmail(index);
    } else {
        sendEmail(index);
    }
    Redraw();
    if (!SaveProgress(true))
        ShowPlainMessage(QStringLiteral("The progress of this Order could not be saved."));
    return true;
}

bool TGraphicalStateChart::AllCompleted() const
{
    bool any = false;
    for (const TGraphicalState* stage : Stages) {
        if (stage->Text.isEmpty())
            continue;
        if (!stage->Completed)
            return false;
        any = true;
    }
    return any;
}
