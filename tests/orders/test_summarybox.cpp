#include "TestSupport.h"

#include "core/DateTimeUtils.h"
#include "core/Fonts.h"
#include "orders/uBox32.h"
#include "orders/uClasses.h"

#include <QFontMetrics>
#include <QtTest>

namespace {

// Friday 15 March 2024, midday.
// A function, not a constant: the date helpers are not ready during static initialisation.
TDateTime pinnedNow()
{
    return EncodeDate(2024, 3, 15) + 0.5;
}

QImage newSurface(int width, int height)
{
    return QImage(width, height, QImage::Format_ARGB32);
}

// Pixels of exactly this colour in the rectangle.
int countColour(const QImage& image, const QRect& rect, QRgb colour)
{
    int count = 0;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

// The rectangle a drawn line's text covers.
QRect lineRect(const TCleverString32& line)
{
    const QFontMetrics metrics(line.font, line.bitmap);
    return QRect(line.x, line.y, metrics.horizontalAdvance(line.shownText()), metrics.height());
}

// The most strongly drawn pixel of the rectangle: the text's own colour, where anti-aliasing leaves it whole.
QRgb inkColour(const QImage& image, const QRect& rect, QRgb background)
{
    QRgb ink = background;
    int strongest = -1;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int d = qAbs(qRed(p) - qRed(background)) + qAbs(qGreen(p) - qGreen(background)) +
                          qAbs(qBlue(p) - qBlue(background));
            if (d > strongest) {
                strongest = d;
                ink = p;
            }
        }
    return ink;
}

int colourDistance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

// The text colour of the summary box nearest to the ink.
QRgb nearestTextColour(QRgb ink)
{
    const QRgb palette[] = {0xFFFFA449, 0xFF3861BE, 0xFFFF0000, 0xFF7F7F7F, 0xFF000000};
    QRgb best = palette[0];
    for (QRgb colour : palette)
        if (colourDistance(ink, colour) < colourDistance(ink, best))
            best = colour;
    return best;
}

bool onlyColour(const QImage& image, const QRect& rect, QRgb colour)
{
    return countColour(image, rect, colour) ==
           rect.intersected(image.rect()).width() * rect.intersected(image.rect()).height();
}

struct Box
{
    explicit Box(int width = 560, int height = 145)
        : image(newSurface(width, height)), box(&image, 0, 0, width, height, 375, height - 5)
    {}
    QImage image;
    TOrderSummaryBox box;
};

} // namespace

class TestSummaryBox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void invoiceStatus_data();
    void invoiceStatus();
    void paymentStatus_data();
    void paymentStatus();
    void dueDate_data();
    void dueDate();
    void creationDate_data();
    void creationDate();

    void orderFillsEveryLine();
    void noneSelectedShowsLabelsOnly();
    void clearValuesKeepsStatusLines();
    void valueTextSumsItems();

    void drawnColoursMatchLines_data();
    void drawnColoursMatchLines();
    void layoutOfColumnsAndFrame();

    void widthNeverBeyondMaximum_data();
    void widthNeverBeyondMaximum();
    void shortenWithoutDots_data();
    void shortenWithoutDots();
    void longValueCutBeforeRightMargin();
    void longHeadingStaysInsideFrame();
    void drawWithoutBitmapDoesNothing();

    void renderPictures();
};

void TestSummaryBox::initTestCase()
{
    InitTestEnvironment();
    SetNowOverride(pinnedNow());
}

void TestSummaryBox::cleanupTestCase()
{
    SetNowOverride(0);
}

void TestSummaryBox::invoiceStatus_data()
{
    QTest::addColumn<bool>("invoiced");
    QTest::addColumn<bool>("completed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<bool>("bold");
    QTest::newRow("invoiced, completed") << true << true << "Invoiced" << uint(0xFF3861BE) << true;
    QTest::newRow("invoiced early") << true << false << "Invoiced Early" << uint(0xFFFF0000) << true;
    QTest::newRow("completed, not invoiced") << false << true << "Not Invoiced" << uint(0xFFFF0000) << true;
    QTest::newRow("neither") << false << false << "Not Invoiced" << uint(0xFF7F7F7F) << false;
}

void TestSummaryBox::invoiceStatus()
{
    QFETCH(bool, invoiced);
    QFETCH(bool, completed);
    QFETCH(QString, text);
    QFETCH(uint, colour);
    QFETCH(bool, bold);
    const TSummaryLine line = InvoiceStatusLine(invoiced, completed);
    QCOMPARE(line.text, text);
    QCOMPARE(uint(line.colour), colour);
    QCOMPARE(line.bold, bold);

    Box b;
    b.box.SetOrderValues("C1", "I1", completed, false, invoiced, pinnedNow(), pinnedNow() + 3, "$1.00");
    const TCleverString32* label = b.box.labelLine(TOrderSummaryBox::InvoiceStatusLabel);
    QCOMPARE(label->text, text);
    QCOMPARE(uint(label->colour), colour);
    QCOMPARE(label->font.bold(), bold);
}

void TestSummaryBox::paymentStatus_data()
{
    QTest::addColumn<bool>("invoiced");
    QTest::addColumn<bool>("paid");
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<bool>("bold");
    QTest::newRow("invoiced, paid") << true << true << "Paid" << uint(0xFF3861BE) << true;
    QTest::newRow("invoiced, unpaid") << true << false << "Not Paid" << uint(0xFFFF0000) << true;
    QTest::newRow("paid without invoice") << false << true << "Paid" << uint(0xFF3861BE) << true;
    QTest::newRow("neither") << false << false << "Not Paid" << uint(0xFF7F7F7F) << false;
}

void TestSummaryBox::paymentStatus()
{
    QFETCH(bool, invoiced);
    QFETCH(bool, paid);
    QFETCH(QString, text);
    QFETCH(uint, colour);
    QFETCH(bool, bold);
    const TSummaryLine line = PaymentStatusLine(invoiced, paid);
    QCOMPARE(line.text, text);
    QCOMPARE(uint(line.colour), colour);
    QCOMPARE(line.bold, bold);

    Box b;
    b.box.SetOrderValues("C1", "I1", false, paid, invoiced, pinnedNow(), pinnedNow() + 3, "$1.00");
    const TCleverString32* label = b.box.labelLine(TOrderSummaryBox::PaymentStatusLabel);
    QCOMPARE(label->text, text);
    QCOMPARE(uint(label->colour), colour);
    QCOMPARE(label->font.bold(), bold);
}

void TestSummaryBox::dueDate_data()
{
    QTest::addColumn<double>("offset"); // from now (midday)
    QTest::addColumn<bool>("completed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("colour");
    const uint orange = 0xFFFFA449, blue = 0xFF3861BE, red = 0xFFFF0000;
    QTest::newRow("today, later") << 0.3 << false << "Friday, 15 March 2024, Today" << orange;
    QTest::newRow("today, passed this morning") << -0.4 << false << "Friday, 15 March 2024, Today" << orange;
    QTest::newRow("today, completed") << 0.0 << true << "Friday, 15 March 2024, Today" << orange;
    QTest::newRow("tomorrow") << 1.0 << false << "Saturday, 16 March 2024, 1 days time" << blue;
    QTest::newRow("tomorrow just after midnight")
        << 0.51 << false << "Saturday, 16 March 2024, 1 days time" << blue;
    QTest::newRow("in 25 days") << 25.0 << false << "Tuesday, 9 April 2024, 25 days time" << blue;
    QTest::newRow("yesterday, open") << -1.0 << false << "Thursday, 14 March 2024, 1 days ago" << red;
    QTest::newRow("yesterday, completed") << -1.0 << true << "Thursday, 14 March 2024, 1 days ago" << blue;
    QTest::newRow("yesterday late evening") << -0.55 << false << "Thursday, 14 March 2024, 1 days ago" << red;
    QTest::newRow("40 days ago, open") << -40.0 << false << "Sunday, 4 February 2024, 40 days ago" << red;
}

void TestSummaryBox::dueDate()
{
    QFETCH(double, offset);
    QFETCH(bool, completed);
    QFETCH(QString, text);
    QFETCH(uint, colour);
    const TSummaryLine line = DueDateLine(pinnedNow() + offset, completed);
    QCOMPARE(line.text, text);
    QCOMPARE(uint(line.colour), colour);
    QVERIFY(line.bold);

    // Every combination of the other flags leaves the due date line alone.
    for (int flags = 0; flags < 4; ++flags) {
        Box b;
        b.box.SetOrderValues("C", "I", completed, flags & 1, flags & 2, pinnedNow(), pinnedNow() + offset,
                             "$0.00");
        const TCleverString32* value = b.box.valueLine(TOrderSummaryBox::DueDateValue);
        QCOMPARE(value->text, text);
        QCOMPARE(uint(value->colour), colour);
        QVERIFY(value->font.bold());
    }
}

void TestSummaryBox::creationDate_data()
{
    QTest::addColumn<double>("offset");
    QTest::addColumn<QString>("text");
    QTest::newRow("today") << -0.5 << "Friday, 15 March 2024, Today";
    QTest::newRow("5 days ago") << -5.0 << "Sunday, 10 March 2024, 5 days ago";
    QTest::newRow("yesterday") << -1.0 << "Thursday, 14 March 2024, 1 days ago";
    QTest::newRow("in the future") << 2.0 << "Sunday, 17 March 2024, 2 days into the future";
}

void TestSummaryBox::creationDate()
{
    QFETCH(double, offset);
    QFETCH(QString, text);
    QCOMPARE(CreationDatePhrase(pinnedNow() + offset), text);
}

void TestSummaryBox::orderFillsEveryLine()
{
    Box b;
    b.box.SetOrderValues("PO-4471", "INT-0042", false, false, true, pinnedNow() - 5, pinnedNow() + 25,
                         "$1,234.50");
    QCOMPARE(b.box.heading(), QString("PO-4471"));

    const QStringList labels{"Internal Order No.:  ", "Order Due Date:  ", "Order Created:  ",
                             "Order Value:  ",        "Invoiced Early",    "Not Paid"};
    QCOMPARE(b.box.labelLineCount(), labels.size());
    for (int i = 0; i < 4; ++i) {
        const TCleverString32* line = b.box.labelLine(i);
        QCOMPARE(line->text, labels.at(i));
        QCOMPARE(uint(line->colour), uint(0xFF7F7F7F));
        QVERIFY(!line->font.bold());
        QVERIFY(line->inLabelColumn);
        QCOMPARE(line->gap, i == 2 ? 10 : 2);
    }
    QCOMPARE(b.box.labelLine(4)->text, labels.at(4));
    QCOMPARE(b.box.labelLine(5)->text, labels.at(5));

    struct Expected
    {
        QString text;
        uint colour;
        bool bold;
        int gap;
    };
    const QVector<Expected> values{
        {"INT-0042", 0xFF3861BE, false, 2},
        {"Tuesday, 9 April 2024, 25 days time", 0xFF3861BE, true, 2},
        {"Sunday, 10 March 2024, 5 days ago", 0xFF3861BE, false, 10},
        {"$1,234.50", 0xFF000000, true, 2},
    };
    QCOMPARE(b.box.valueLineCount(), values.size());
    for (int i = 0; i < values.size(); ++i) {
        const TCleverString32* line = b.box.valueLine(i);
        QCOMPARE(line->text, values.at(i).text);
        QCOMPARE(uint(line->colour), values.at(i).colour);
        QCOMPARE(line->font.bold(), values.at(i).bold);
        QCOMPARE(line->gap, values.at(i).gap);
        QVERIFY(!line->inLabelColumn);
    }
    QCOMPARE(b.box.labelLine(0)->font.family(), TahomaFont(8).family());
    QCOMPARE(b.box.labelLine(0)->font.pointSizeF(), 8.0);
}

void TestSummaryBox::noneSelectedShowsLabelsOnly()
{
    Box b;
    // A red, bold state first: the empty state must not keep any of it.
    b.box.SetOrderValues("PO-1", "INT-1", true, false, true, pinnedNow() - 9, pinnedNow() - 3, "$5.00");
    ShowSummaryNoneSelected(b.box);

    QCOMPARE(b.box.heading(), QString("None Selected"));
    for (int i = 0; i < b.box.valueLineCount(); ++i)
        QVERIFY2(b.box.valueLine(i)->text.isEmpty(), qPrintable(QString::number(i)));
    const TCleverString32* invoice = b.box.labelLine(TOrderSummaryBox::InvoiceStatusLabel);
    const TCleverString32* payment = b.box.labelLine(TOrderSummaryBox::PaymentStatusLabel);
    QCOMPARE(invoice->text, QString("Not Invoiced"));
    QCOMPARE(payment->text, QString("Not Paid"));
    for (const TCleverString32* line : {invoice, payment}) {
        QCOMPARE(uint(line->colour), uint(0xFF7F7F7F));
        QVERIFY(!line->font.bold());
    }
    QVERIFY(!b.box.invoiced());
    QVERIFY(!b.box.paid());

    // Nothing of the old values is left on the picture; the labels are there in grey.
    QVERIFY(onlyColour(b.image, QRect(115, 28, 375 - 115 - 2, 100), 0xFFFFF3DA));
    QCOMPARE(nearestTextColour(inkColour(b.image, lineRect(*invoice), 0xFFFFF3DA)), QRgb(0xFF7F7F7F));
    QCOMPARE(nearestTextColour(inkColour(b.image, lineRect(*payment), 0xFFFFF3DA)), QRgb(0xFF7F7F7F));
    QCOMPARE(nearestTextColour(inkColour(b.image, QRect(115, 4, 100, 16), 0xFFFFF3DA)), QRgb(0xFF000000));
}

void TestSummaryBox::clearValuesKeepsStatusLines()
{
    Box b;
    b.box.SetOrderValues("PO-1", "INT-1", true, false, true, pinnedNow(), pinnedNow(), "$5.00");
    b.box.ClearValues();
    QVERIFY(b.box.heading().isEmpty());
    for (int i = 0; i < b.box.valueLineCount(); ++i)
        QVERIFY(b.box.valueLine(i)->text.isEmpty());
    QCOMPARE(b.box.labelLine(TOrderSummaryBox::InvoiceStatusLabel)->text, QString("Invoiced"));
    QCOMPARE(b.box.labelLine(TOrderSummaryBox::PaymentStatusLabel)->text, QString("Not Paid"));
}

void TestSummaryBox::valueTextSumsItems()
{
    TOrder order;
    QCOMPARE(SummaryValueText(order, "$"), QString("$0.00"));

    TOrderItem* a = order.AddItem();
    a->Quantity = 3;
    a->Price = 19.99;
    QCOMPARE(SummaryValueText(order, QString::fromUtf8("\u00a3")), QString::fromUtf8("\u00a3") + "59.97");

    // Large totals keep their cents (single precision would show 1,000,000.00).
    TOrderItem* b = order.AddItem();
    b->Quantity = 1;
    b->Price = 999940.04;
    QCOMPARE(SummaryValueText(order, "$"), QString("$1,000,000.01"));

    order.CustomerOrderNo = "PO-9";
    order.InternalOrderNo = "INT-9";
    order.OrderDueDate = pinnedNow() + 2;
    order.OrderCreationDate = pinnedNow() - 1;
    order.OrderInvoiced = true;
    order.OrderPaid = true;
    order.OrderCompleted = true;
    Box box;
    ShowOrderSummary(box.box, order, "$");
    QCOMPARE(box.box.heading(), QString("PO-9"));
    QCOMPARE(box.box.valueLine(TOrderSummaryBox::InternalOrderNoValue)->text, QString("INT-9"));
    QCOMPARE(box.box.valueLine(TOrderSummaryBox::OrderValueValue)->text, QString("$1,000,000.01"));
    QCOMPARE(box.box.valueLine(TOrderSummaryBox::DueDateValue)->text,
             QString("Sunday, 17 March 2024, 2 days time"));
    QCOMPARE(box.box.labelLine(TOrderSummaryBox::InvoiceStatusLabel)->text, QString("Invoiced"));
    QCOMPARE(box.box.labelLine(TOrderSummaryBox::PaymentStatusLabel)->text, QString("Paid"));
    // Drawn: the value in black.
    QCOMPARE(nearestTextColour(inkColour(
                 box.image, lineRect(*box.box.valueLine(TOrderSummaryBox::OrderValueValue)), 0xFFFFF3DA)),
             QRgb(0xFF000000));
}

void TestSummaryBox::drawnColoursMatchLines_data()
{
    QTest::addColumn<double>("dueOffset");
    QTest::addColumn<bool>("completed");
    QTest::addColumn<bool>("invoiced");
    QTest::addColumn<bool>("paid");
    QTest::addColumn<uint>("dueColour");
    QTest::addColumn<uint>("invoiceColour");
    QTest::addColumn<uint>("paymentColour");
    const uint orange = 0xFFFFA449, blue = 0xFF3861BE, red = 0xFFFF0000, grey = 0xFF7F7F7F;
    QTest::newRow("due today, invoiced early, unpaid")
        << 0.2 << false << true << false << orange << red << red;
    QTest::newRow("overdue, open, nothing") << -1.0 << false << false << false << red << grey << grey;
    QTest::newRow("overdue, completed, not invoiced")
        << -1.0 << true << false << false << blue << red << grey;
    QTest::newRow("future, completed, paid") << 4.0 << true << true << true << blue << blue << blue;
}

void TestSummaryBox::drawnColoursMatchLines()
{
    QFETCH(double, dueOffset);
    QFETCH(bool, completed);
    QFETCH(bool, invoiced);
    QFETCH(bool, paid);
    QFETCH(uint, dueColour);
    QFETCH(uint, invoiceColour);
    QFETCH(uint, paymentColour);

    Box b;
    b.box.SetOrderValues("PO-1", "INT-1", completed, paid, invoiced, pinnedNow() - 3, pinnedNow() + dueOffset,
                         "$10.00");
    b.box.Draw();
    const struct
    {
        const TCleverString32* line;
        QRgb colour;
    } checks[] = {
        {b.box.valueLine(TOrderSummaryBox::DueDateValue), dueColour},
        {b.box.labelLine(TOrderSummaryBox::InvoiceStatusLabel), invoiceColour},
        {b.box.labelLine(TOrderSummaryBox::PaymentStatusLabel), paymentColour},
    };
    for (const auto& check : checks) {
        const QRgb ink = inkColour(b.image, lineRect(*check.line), 0xFFFFF3DA);
        QCOMPARE(nearestTextColour(ink), check.colour);
        QVERIFY2(colourDistance(ink, check.colour) < 60, qPrintable(check.line->text));
    }
}

void TestSummaryBox::layoutOfColumnsAndFrame()
{
    Box b;
    b.box.SetOrderValues("PO-77", "INT-77", false, false, false, pinnedNow(), pinnedNow() + 1, "$3.00");
    b.box.Draw();

    // Both columns start at y 30, labels at x 10, values at x 115; labels and values stay side by side.
    int expectedY = 30;
    for (int i = 0; i < b.box.labelLineCount(); ++i) {
        const TCleverString32* label = b.box.labelLine(i);
        QCOMPARE(label->x, 10);
        QCOMPARE(label->y, expectedY);
        if (i < b.box.valueLineCount()) {
            QCOMPARE(b.box.valueLine(i)->x, 115);
            QCOMPARE(b.box.valueLine(i)->y, label->y);
        }
        expectedY += QFontMetrics(label->font, &b.image).height() + label->gap;
    }
    QVERIFY2(expectedY <= 145 - 5, "the six lines fit in the box");

    // White outside the frame, the border colour on its edge, the cream fill inside.
    QCOMPARE(b.image.pixel(450, 70), QRgb(0xFFFFFFFF));
    QCOMPARE(b.image.pixel(0, 70), QRgb(0xFF94A6D4));
    QCOMPARE(b.image.pixel(374, 70), QRgb(0xFF94A6D4));
    QCOMPARE(b.image.pixel(200, 139), QRgb(0xFF94A6D4));
    QCOMPARE(b.image.pixel(200, 140), QRgb(0xFFFFFFFF));
    QCOMPARE(b.image.pixel(3, 70), QRgb(0xFFFFF3DA));
    QCOMPARE(b.image.pixel(0, 0), QRgb(0xFFFFFFFF)); // rounded corner
    // The rule under the heading, from x 8 to right - 8.
    QVERIFY(onlyColour(b.image, QRect(8, 21, 375 - 8 - 8 + 1, 1), 0xFFA6BAE6));
    QCOMPARE(b.image.pixel(7, 21), QRgb(0xFFFFF3DA));
    QCOMPARE(b.image.pixel(375 - 7, 21), QRgb(0xFFFFF3DA));
    // "Order Summary:" in blue at the top left, the heading in black from x 115.
    QCOMPARE(nearestTextColour(inkColour(b.image, QRect(12, 7, 95, 12), 0xFFFFF3DA)), QRgb(0xFF3861BE));
    QVERIFY(countColour(b.image, QRect(115, 4, 100, 16), 0xFF000000) > 10);
    QCOMPARE(countColour(b.image, QRect(12, 4, 100, 16), 0xFF000000), 0);
}

void TestSummaryBox::widthNeverBeyondMaximum_data()
{
    QTest::addColumn<int>("bitmapWidth");
    QTest::addColumn<int>("expectedRight");
    QTest::newRow("narrow window") << 300 << 300;
    QTest::newRow("exactly the maximum") << 375 << 375;
    QTest::newRow("wide window") << 900 << 375;
}

void TestSummaryBox::widthNeverBeyondMaximum()
{
    QFETCH(int, bitmapWidth);
    QFETCH(int, expectedRight);

    // Created at the design width, then resized the way the main window does it.
    QImage image = newSurface(500, 145);
    TOrderSummaryBox box(&image, 0, 0, image.width(), image.height(), 375, image.height() - 5);
    QCOMPARE(box.right(), 375);
    QCOMPARE(box.bottom(), 140);

    image = newSurface(bitmapWidth, 145);
    box.SetBounds(image.width(), image.height() - 5);
    QCOMPARE(box.right(), expectedRight);
    QCOMPARE(box.bottom(), 140);
    box.SetBounds(image.width(), 400);
    QCOMPARE(box.bottom(), 140);

    box.SetOrderValues("PO", "INT", false, false, false, pinnedNow(), pinnedNow(), "$1.00");
    box.Draw();
    QCOMPARE(image.pixel(expectedRight - 1, 70), QRgb(0xFF94A6D4));
    if (expectedRight < bitmapWidth)
        QVERIFY(onlyColour(image, QRect(expectedRight, 0, bitmapWidth - expectedRight, 145), 0xFFFFFFFF));
}

void TestSummaryBox::shortenWithoutDots_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("available");
    QTest::newRow("fits") << "Short" << 200;
    QTest::newRow("cut") << "Wednesday, 27 September 2024, 1234 days time" << 120;
    QTest::newRow("one letter too narrow") << "WWWW" << 3;
    QTest::newRow("nothing available") << "ABC" << 0;
    QTest::newRow("negative width") << "ABC" << -40;
    QTest::newRow("empty") << "" << 100;
    QTest::newRow("dots in the text") << "1.2.3.4.5.6.7.8.9.10.11.12" << 50;
}

void TestSummaryBox::shortenWithoutDots()
{
    QFETCH(QString, text);
    QFETCH(int, available);
    QImage image = newSurface(10, 10);
    const QFontMetrics metrics(TahomaFont(8, true), &image);
    const QString cut = ShortenWithoutDots(text, available, metrics);
    QVERIFY(text.startsWith(cut));
    if (!cut.isEmpty())
        QVERIFY(metrics.horizontalAdvance(cut) < available);
    // The longest such beginning: one more character would not fit.
    if (cut.size() < text.size() && available > 0)
        QVERIFY(metrics.horizontalAdvance(text.left(cut.size() + 1)) >= available);
}

void TestSummaryBox::longValueCutBeforeRightMargin()
{
    Box b(260, 145);
    const QString longNumber = "ABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789-ABCDEFGHIJ";
    b.box.SetOrderValues("PO", longNumber, false, false, false, pinnedNow(), pinnedNow() + 400, "$1.00");
    b.box.Draw();

    const TCleverString32* line = b.box.valueLine(TOrderSummaryBox::InternalOrderNoValue);
    const int available = 260 - 10 - 115;
    QVERIFY(line->shortened);
    QVERIFY(!line->displayText.isEmpty());
    QVERIFY(longNumber.startsWith(line->displayText));
    QVERIFY(line->displayText.size() < longNumber.size());
    QVERIFY(!line->displayText.endsWith('.'));
    QCOMPARE(line->text, longNumber);
    const QFontMetrics metrics(line->font, &b.image);
    QVERIFY(metrics.horizontalAdvance(line->displayText) < available);
    QVERIFY(metrics.horizontalAdvance(longNumber.left(line->displayText.size() + 1)) >= available);

    // Nothing of any value line is drawn in the right margin.
    const int h = metrics.height();
    for (int i = 0; i < b.box.valueLineCount(); ++i) {
        const TCleverString32* value = b.box.valueLine(i);
        QVERIFY2(onlyColour(b.image, QRect(260 - 10, value->y, 8, h), 0xFFFFF3DA), qPrintable(value->text));
    }
    // The short lines are not marked.
    QVERIFY(!b.box.valueLine(TOrderSummaryBox::OrderValueValue)->shortened);

    // A later, shorter value is drawn whole again.
    b.box.SetOrderValues("PO", "INT-1", false, false, false, pinnedNow(), pinnedNow(), "$1.00");
    b.box.Draw();
    QVERIFY(!line->shortened);
    QCOMPARE(line->shownText(), QString("INT-1"));
}

void TestSummaryBox::longHeadingStaysInsideFrame()
{
    Box b(560, 145);
    b.box.SetOrderValues(QString(60, 'W'), "INT", false, false, false, pinnedNow(), pinnedNow(), "$1.00");
    b.box.Draw();
    QVERIFY(countColour(b.image, QRect(115, 4, 100, 16), 0xFF000000) > 10);
    QVERIFY(onlyColour(b.image, QRect(375 - 10, 3, 5, 17), 0xFFFFF3DA)); // clear of the rounded corner
    QVERIFY(onlyColour(b.image, QRect(375, 0, 560 - 375, 145), 0xFFFFFFFF));
    QCOMPARE(b.box.heading(), QString(60, 'W'));
}

void TestSummaryBox::drawWithoutBitmapDoesNothing()
{
    TOrderSummaryBox noBitmap(nullptr, 0, 0, 300, 145, 375, 140);
    noBitmap.SetOrderValues("PO", "INT", false, false, false, pinnedNow(), pinnedNow(), "$1.00");
    noBitmap.Draw();
    ShowSummaryNoneSelected(noBitmap);

    QImage empty;
    TOrderSummaryBox onEmpty(&empty, 0, 0, 0, 0, 375, -5);
    onEmpty.Draw();
    QVERIFY(empty.isNull());

    // A bitmap smaller than the box's content: drawn without going outside.
    QImage tiny = newSurface(40, 20);
    TOrderSummaryBox small(&tiny, 0, 0, 40, 20, 375, 15);
    small.SetOrderValues("PO-123456", "INT", false, false, false, pinnedNow(), pinnedNow(), "$1.00");
    small.Draw();
    QCOMPARE(small.valueLine(0)->shownText(), QString());
}

void TestSummaryBox::renderPictures()
{
    Box open;
    open.box.SetOrderValues("PO-2024-0318", "BR-00042", false, false, true, pinnedNow() - 12, pinnedNow() - 3,
                            "$12,480.00");
    open.box.Draw();
    QVERIFY(open.image.save("/tmp/summary_overdue.png"));

    Box today(420, 145);
    today.box.SetOrderValues("ACME-7781", "BR-00043", true, true, true, pinnedNow(), pinnedNow() + 0.2,
                             "$349.95");
    today.box.Draw();
    QVERIFY(today.image.save("/tmp/summary_today.png"));

    Box none(330, 145);
    ShowSummaryNoneSelected(none.box);
    QVERIFY(none.image.save("/tmp/summary_none.png"));

    Box narrow(240, 145);
    narrow.box.SetOrderValues("CUSTOMER-ORDER-NUMBER-LONG", "INTERNAL-REF-0000012345", false, false, false,
                              pinnedNow() - 2, pinnedNow() + 25, "$1,000,000.01");
    narrow.box.Draw();
    QVERIFY(narrow.image.save("/tmp/summary_narrow.png"));
}

QTEST_MAIN(TestSummaryBox)
#include "test_summarybox.moc"
