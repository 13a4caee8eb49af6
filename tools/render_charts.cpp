// Renders the preset process charts in their looks to PNG files, for checking the drawing by eye.
// Usage: render_charts <output directory>

#include "charts/uStateCharts.h"
#include "charts/uStatePresets.h"
#include "core/DateTimeUtils.h"
#include "core/Fonts.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {
const char* const PresetNames[] = {"standard", "manufacture", "repair"};

// Stages before `completed` are done; those before `emailed` also had their e-mail sent.
void fillChart(TGraphicalStateChart& chart, int preset, int completed, int emailed, bool overdue)
{
    chart.ClearStages();
    const QVector<TPresetStage> stages = PresetStages(preset);
    const TDateTime when = EncodeDate(2024, 3, 14) + 0.5;
    for (int i = 0; i < stages.size(); ++i) {
        const TPresetStage& s = stages.at(i);
        const bool done = i < completed;
        chart.AddStage(s.Text, done, done ? when : 0, i < emailed ? when : 0, s.EmailText, i == completed,
                       overdue, i < emailed, s.EmailPrompt);
    }
}

class Renderer
{
public:
    explicit Renderer(const QString& dir) : m_dir(dir) {}

    void save(const QImage& image, const QString& name)
    {
        const QString path = m_dir.filePath(name + ".png");
        if (!image.save(path)) {
            QTextStream(stderr) << "cannot write " << path << "\n";
            m_failed = true;
            return;
        }
        QTextStream(stdout) << path << "\n";
    }
    bool failed() const { return m_failed; }

private:
    QDir m_dir;
    bool m_failed = false;
};

void renderPreset(Renderer& out, int preset)
{
    const QString base = QString::fromLatin1(PresetNames[preset]);
    TGraphicalStateChart chart(nullptr, nullptr, false);
    QImage surface(260, 1, QImage::Format_ARGB32);
    chart.Surface = &surface;

    // On screen: two stages done (the first e-mailed, the second not), the third current.
    fillChart(chart, preset, 2, 1, false);
    chart.Layout(260, 1);
    out.save(surface, base + "_normal");

    fillChart(chart, preset, 2, 1, true);
    chart.Layout(260, 1);
    out.save(surface, base + "_overdue");

    // Framed like the main window, with the pointer over a completed box and then over an envelope.
    fillChart(chart, preset, 2, 1, false);
    chart.ShowFrame = true;
    chart.Layout(260, 1);
    out.save(surface, base + "_framed");
    const TGraphicalState* second = chart.Stages.at(1);
    chart.TrackHover(QPoint(second->BoxRect.Left + 10, second->BoxRect.Top + 5));
    out.save(surface, base + "_hover_box");
    const TGraphicalState* first = chart.Stages.at(0);
    chart.TrackHover(QPoint(first->EmailIconRect.Left + 5, first->EmailIconRect.Top + 5));
    out.save(surface, base + "_hover_envelope");
    chart.ShowFrame = false;

    // Everything done and sent.
    fillChart(chart, preset, chart.Stages.size(), chart.Stages.size(), false);
    chart.Layout(260, 1);
    out.save(surface, base + "_all_done");

    // The e-mail picture: compact, framed, on a fresh 225-pixel surface.
    QImage mailSurface(225, 1, QImage::Format_ARGB32);
    fillChart(chart, preset, 2, 1, false);
    chart.Surface = &mailSurface;
    chart.ShowFrame = true;
    chart.LayoutCompact(225, 1);
    out.save(mailSurface, base + "_compact");
}

void renderPanels(Renderer& out)
{
    QImage surface(375, 160, QImage::Format_ARGB32);
    surface.fill(0xFFFFFFFF);
    TGraphicalStateChart frame(nullptr, nullptr, false);
    frame.Surface = &surface;
    frame.ShowFrame = true;
    frame.Layout(375, 160);
    out.save(surface, "panel_order_progress");
    frame.Title = QStringLiteral("Order Memos:");
    frame.Background = 0xFFDAE2F4;
    frame.Layout(300, 160);
    out.save(surface, "panel_order_memos");
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: render_charts <output directory>\n";
        return 2;
    }
    LoadApplicationFonts();
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        QTextStream(stderr) << "cannot create " << dir << "\n";
        return 1;
    }
    Renderer out(dir);
    for (int preset = spStandard; preset <= spRepair; ++preset)
        renderPreset(out, preset);
    renderPanels(out);
    return out.failed() ? 1 : 0;
}
