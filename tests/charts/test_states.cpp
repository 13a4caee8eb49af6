#include "TestSupport.h"
#include "charts/uStateCharts.h"
#include "charts/uStatePictures.h"
#include "charts/uStates.h"

#include <QFontMetrics>
#include <QtTest>

namespace {
// A chart with a plain surface, no database.
struct Canvas
{
    Canvas(int width = 300, int height = 200) : surface(width, height, QImage::Format_ARGB32)
    {
        surface.fill(0xFF000000);
        surface.setDotsPerMeterX(ChartSurfaceDotsPerMeter);
        surface.setDotsPerMeterY(ChartSurfaceDotsPerMeter);
        chart.Surface = &surface;
    }
    TGraphicalState* stage(const QString& caption, bool completed = false, bool current = false,
                           bool overdue = false, bool emailPrompt = true, bool emailed = false)
    {
        return chart.AddStage(caption, completed, 0, 0, QString(), current, overdue, emailed, emailPrompt);
    }
    QRgb pixel(int x, int y) const { return surface.pixel(x, y); }

    QImage surface;
    TGraphicalStateChart chart{nullptr, nullptr, false};
};

// A translucent colour blended over an opaque one.
QRgb over(QRgb src, QRgb dst)
{
    const int a = qAlpha(src);
    auto mix = [a](int s, int d) { return (s * a + d * (255 - a) + 127) / 255; };
    return qRgb(mix(qRed(src), qRed(dst)), mix(qGreen(src), qGreen(dst)), mix(qBlue(src), qBlue(dst)));
}

bool near(QRgb a, QRgb b, int tolerance = 2)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance && qAbs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

QString hex(QRgb c)
{
    return QString::number(c, 16).toUpper();
}
} // namespace

class TestStates : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestEnvironment(); }

    void wrapping_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits") << "Allocate Return No." << 260 << QStringList{"Allocate Return No."};
        QTest::newRow("too wide for one line")
            << "Allocate Return No." << 225 << QStringList{"Allocate", "Return", "No."};
        QTest::newRow("two blanks") << "Pack  Ship" << 100 << QStringList{"Pack", "", "Ship"};
        QTest::newRow("trailing blank") << "Pack " << 100 << QStringList{"Pack", ""};
        QTest::newRow("empty") << "" << 260 << QStringList{};
    }
    void wrapping()
    {
        QFETCH(QString, caption);
        QFETCH(int, width);
        QFETCH(QStringList, lines);
        Canvas c;
        TGraphicalState* s = c.stage(caption);
        QCOMPARE(s->Measure(width), 20 * int(lines.size()) + 14);
        QCOMPARE(s->Lines, lines);
        QCOMPARE(s->LayoutWidth, width);
        // Later layouts at other widths keep the first wrap.
        s->Measure(1000);
        QCOMPARE(s->Lines, lines);
    }

    void longWordBreakEnds_data()
    {
        QTest::addColumn<int>("width");
        for (int w : {300, 120, 87, 60, 20, 1, 0, -40})
            QTest::newRow(qPrintable(QString::number(w))) << w;
    }
    void longWordBreakEnds()
    {
        QFETCH(int, width);
        Canvas c;
        const QString word = "Acknowledgement-and-Re-dispatch-Confirmation";
        TGraphicalState* s = c.stage(word);
        s->WrapCaption(width);
        const QFontMetrics metrics(StageLook::StageFont(), &c.surface);
        const bool tooWide = metrics.horizontalAdvance(word) > width;
        QCOMPARE(s->Lines.size() > 1, tooWide);
        QString joined;
        for (int i = 0; i < s->Lines.size(); ++i) {
            QString line = s->Lines.at(i);
            QVERIFY(!line.isEmpty());
            // A piece is at most the width unless a single character is already wider.
            if (line.size() > 2)
                QVERIFY2(metrics.horizontalAdvance(line) <= width, qPrintable(line));
            if (i < s->Lines.size() - 1) {
                QVERIFY(line.endsWith('-'));
                line.chop(1);
            }
            joined += line;
        }
        QCOMPARE(joined, word);
    }

    void boxGeometry()
    {
        Canvas c;
        TGraphicalState* one = c.stage("Pack");
        TGraphicalState* three = c.stage("Allocate Return No.");
        TGraphicalState* empty = c.stage("");
        one->Measure(260);
        three->Measure(225);
        QCOMPARE(one->DrawNormal(100, 20, 120), 20 + 20 + 14);
        QCOMPARE(one->BoxRect, (TPixelRect{40, 20, 160, 40}));
        QCOMPARE(one->EmailIconRect, (TPixelRect{180, 22, 198, 37}));
        QCOMPARE(three->DrawNormal(100, 60, 120), 60 + 60 + 14);
        QCOMPARE(three->BoxHeight, 60);
        QCOMPARE(three->EmailIconRect, (TPixelRect{180, 82, 198, 97}));
        // An empty caption measures only the gap but still draws a 20-pixel box on screen.
        QCOMPARE(empty->Measure(260), 14);
        QCOMPARE(empty->DrawNormal(100, 140, 120), 140 + 20 + 14);
        QCOMPARE(empty->DrawCompact(100, 140, 120), 140 + 0 + 14);
    }

    void noEnvelopeWithoutPrompt()
    {
        Canvas c;
        TGraphicalState* s = c.stage("Collect", false, true, false, false);
        s->DrawNormal(100, 20, 120);
        QCOMPARE(s->EmailIconRect, TPixelRect{});
        s->DrawHover(true, true);
        QCOMPARE(s->EmailIconRect, TPixelRect{});
        // Where the envelope would be, only the background.
        for (int x = 180; x < 198; ++x)
            QCOMPARE(c.pixel(x, 30), TGraphicalStateChart::DefaultBackground);
    }

    void boxFillColours_data()
    {
        QTest::addColumn<bool>("completed");
        QTest::addColumn<bool>("current");
        QTest::addColumn<bool>("overdue");
        QTest::addColumn<uint>("face");
        QTest::addColumn<uint>("hoverFace");
        QTest::newRow("completed") << true << false << false << 0xFFEBE3D2u << 0xFFC0C0C0u;
        QTest::newRow("completed overdue") << true << true << true << 0xFFEBE3D2u << 0xFFC0C0C0u;
        QTest::newRow("current") << false << true << false << 0xFFA9BCE7u << 0xFFA9BCE7u;
        QTest::newRow("other") << false << false << false << 0xFFE7ECF8u << 0xFFE7ECF8u;
        QTest::newRow("current overdue") << false << true << true << 0xFFF39DA5u << 0xFFF39DA5u;
        QTest::newRow("other overdue") << false << false << true << 0xFFFCE4E6u << 0xFFFCE4E6u;
    }
    void boxFillColours()
    {
        QFETCH(bool, completed);
        QFETCH(bool, current);
        QFETCH(bool, overdue);
        QFETCH(uint, face);
        QFETCH(uint, hoverFace);
        Canvas c;
        TGraphicalState* s = c.stage("Pack", completed, current, overdue);
        s->DrawNormal(100, 20, 120);
        const QRgb bg = TGraphicalStateChart::DefaultBackground;
        QCOMPARE(hex(c.pixel(45, 30)), hex(face));
        const QRgb border = completed ? over(StageLook::BorderCompleted, bg) : StageLook::Border;
        QVERIFY2(near(c.pixel(38, 30), border), qPrintable(hex(c.pixel(38, 30))));
        // Outside the border: background.
        QCOMPARE(hex(c.pixel(35, 30)), hex(bg));

        s->DrawHover(true, false);
        QVERIFY(s->HoverDrawn);
        QCOMPARE(hex(c.pixel(45, 30)), hex(hoverFace));
        QCOMPARE(hex(c.pixel(38, 30)), hex(StageLook::BorderHover));

        s->DrawNormal(100, 20, 120);
        QVERIFY(!s->HoverDrawn);
        QCOMPARE(hex(c.pixel(45, 30)), hex(face));
    }

    void connectorArrow()
    {
        Canvas c;
        TGraphicalState* s = c.stage("Pack");
        const QRgb bg = TGraphicalStateChart::DefaultBackground;
        c.surface.fill(bg);
        s->DrawNormal(100, 20, 120);
        // The line runs two pixels wide under the box, the head widens just above the next box.
        QCOMPARE(hex(c.pixel(98, 44)), hex(bg));
        QCOMPARE(hex(c.pixel(99, 44)), hex(StageLook::Border));
        QCOMPARE(hex(c.pixel(100, 44)), hex(StageLook::Border));
        QCOMPARE(hex(c.pixel(101, 44)), hex(bg));
        QCOMPARE(hex(c.pixel(97, 46)), hex(StageLook::Border));
        QCOMPARE(hex(c.pixel(102, 46)), hex(StageLook::Border));
        QCOMPARE(hex(c.pixel(105, 46)), hex(bg));
        QCOMPARE(hex(c.pixel(99, 49)), hex(StageLook::Border));
        QCOMPARE(hex(c.pixel(99, 51)), hex(bg));

        Canvas last;
        TGraphicalState* l = last.stage("Pack");
        l->IsLast = true;
        last.surface.fill(bg);
        l->DrawNormal(100, 20, 120);
        for (int y = 44; y < 54; ++y)
            QCOMPARE(hex(last.pixel(99, y)), hex(bg));
    }

    void marks()
    {
        // Completed and not e-mailed shows the red cross, e-mailed the green tick over the envelope.
        Canvas c;
        TGraphicalState* s = c.stage("Pack", true);
        s->DrawNormal(100, 20, 120);
        const QRgb crossCentre = c.pixel(s->EmailIconRect.Left + 9, s->EmailIconRect.Top + 10);
        QVERIFY2(qRed(crossCentre) > 150 && qGreen(crossCentre) < 110, qPrintable(hex(crossCentre)));
        s->Emailed = true;
        s->DrawNormal(100, 20, 120);
        const QRgb tickPart = c.pixel(s->EmailIconRect.Left + 11, s->EmailIconRect.Top + 14);
        QVERIFY2(qGreen(tickPart) > qRed(tickPart) + 40, qPrintable(hex(tickPart)));
        // The large tick of a completed box.
        const QRgb large = c.pixel(s->BoxRect.Right - 18 + 10, s->BoxRect.Top + 10 - 7 + 18);
        QVERIFY2(qGreen(large) > qRed(large) + 40, qPrintable(hex(large)));
    }

    void envelopeHover()
    {
        Canvas c;
        TGraphicalState* s = c.stage("Pack");
        s->DrawNormal(100, 20, 120);
        const QPoint p(s->EmailIconRect.Left + 9, s->EmailIconRect.Top + 11);
        const QRgb normal = c.pixel(p.x(), p.y());
        s->DrawHover(false, true);
        const QRgb hovered = c.pixel(p.x(), p.y());
        QVERIFY(s->HoverDrawn);
        QVERIFY2(qRed(hovered) > qBlue(hovered) + 60, qPrintable(hex(hovered)));
        QVERIFY2(qAbs(qRed(normal) - qBlue(normal)) < 40, qPrintable(hex(normal)));
    }

    void pictures_data()
    {
        QTest::addColumn<int>("picture");
        QTest::addColumn<QSize>("size");
        QTest::newRow("envelope") << int(TStagePicture::Envelope) << QSize(18, 15);
        QTest::newRow("envelope hovered") << int(TStagePicture::EnvelopeHover) << QSize(18, 15);
        QTest::newRow("small tick") << int(TStagePicture::TickSmall) << QSize(24, 21);
        QTest::newRow("large tick") << int(TStagePicture::TickLarge) << QSize(28, 23);
        QTest::newRow("cross") << int(TStagePicture::Cross) << QSize(16, 14);
    }
    void pictures()
    {
        QFETCH(int, picture);
        QFETCH(QSize, size);
        const QImage& image = StagePicture(TStagePicture(picture));
        QCOMPARE(image.size(), size);
        QVERIFY(image.hasAlphaChannel());
        int opaque = 0, clear = 0, partial = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int a = qAlpha(image.pixel(x, y));
                (a == 255 ? opaque : a == 0 ? clear : partial)++;
            }
        QVERIFY(opaque > 0);
        QVERIFY(partial > 0); // anti-aliased edges
        if (picture != int(TStagePicture::Envelope) && picture != int(TStagePicture::EnvelopeHover))
            QVERIFY(clear > 0);
    }
};

QTEST_MAIN(TestStates)
#include "test_states.moc"
