#include "core/DateTimeUtils.h"

#include <QLocale>
#include <cmath>

namespace {

// 1899-12-30; a constant expression, so it is right even while other globals are being set up.
constexpr QDate kEpoch = QDate::fromJulianDay(2415019);
TDateTime g_nowOverride = 0;

TRegional& regionalStore()
{
    static TRegional value = TRegional::fromSystem();
    return value;
}

// Qt's date/time patterns to ours: months are m, minutes are n.
QString convertQtPattern(const QString& qt)
{
    QString out;
    for (int i = 0; i < qt.size();) {
        const QChar c = qt[i];
        int run = 1;
        while (i + run < qt.size() && qt[i + run] == c)
            ++run;
        if (c == '\'') {
            const int end = qt.indexOf('\'', i + 1);
            const int stop = end < 0 ? qt.size() : end + 1;
            out += '"' + qt.mid(i + 1, stop - i - 2) + '"';
            i = stop;
            continue;
        }
        QString piece;
        switch (c.unicode()) {
        case 'M':
            piece = QString(qMin(run, 4), 'm');
            break;
        case 'm':
            piece = QString(qMin(run, 2), 'n');
            break;
        case 'H':
        case 'h':
            piece = QString(qMin(run, 2), 'h');
            break;
        case 'd':
            piece = QString(qMin(run, 4), 'd');
            break;
        case 'y':
            piece = run >= 4 ? QStringLiteral("yyyy") : QStringLiteral("yy");
            break;
        case 's':
            piece = QString(qMin(run, 2), 's');
            break;
        case 'a':
        case 'A':
            piece = QStringLiteral("am/pm");
            run = (i + 1 < qt.size() && qt[i + 1].toLower() == 'p') ? 2 : run;
            break;
        case 't':
            piece = QString();
            break;
        default:
            piece = QString(run, c);
            break;
        }
        out += piece;
        i += run;
    }
    return out.trimmed();
}

} // namespace

TRegional TRegional::fromSystem()
{
    const QLocale loc = QLocale::system();
    TRegional r;
    r.CurrencySymbol = loc.currencySymbol(QLocale::CurrencySymbol);
    if (r.CurrencySymbol.isEmpty())
        r.CurrencySymbol = QStringLiteral("$");
    r.ShortDateFormat = convertQtPattern(loc.dateFormat(QLocale::ShortFormat));
    r.LongDateFormat = convertQtPattern(loc.dateFormat(QLocale::LongFormat));
    r.ShortTimeFormat = convertQtPattern(loc.timeFormat(QLocale::ShortFormat));
    r.LongTimeFormat = convertQtPattern(loc.timeFormat(QLocale::LongFormat));
    for (int m = 1; m <= 12; ++m) {
        r.ShortMonthNames << loc.monthName(m, QLocale::ShortFormat);
        r.LongMonthNames << loc.monthName(m, QLocale::LongFormat);
    }
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d;
        r.ShortDayNames << loc.dayName(qtDay, QLocale::ShortFormat);
        r.LongDayNames << loc.dayName(qtDay, QLocale::LongFormat);
    }
    const QString group = loc.groupSeparator();
    const QString decimal = loc.decimalPoint();
    r.ThousandSeparator = group.isEmpty() ? QChar(',') : group[0];
    r.DecimalSeparator = decimal.isEmpty() ? QChar('.') : decimal[0];
    if (r.ShortDateFormat.isEmpty())
        r.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    if (r.LongDateFormat.isEmpty())
        r.LongDateFormat = QStringLiteral("dddd, d mmmm yyyy");
    if (r.ShortTimeFormat.isEmpty())
        r.ShortTimeFormat = QStringLiteral("hh:nn");
    if (r.LongTimeFormat.isEmpty())
        r.LongTimeFormat = QStringLiteral("hh:nn:ss");
    return r;
}

TRegional TRegional::english()
{
    TRegional r;
    r.CurrencySymbol = QStringLiteral("$");
    r.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    r.LongDateFormat = QStringLiteral("dddd, d mmmm yyyy");
    r.ShortTimeFormat = QStringLiteral("hh:nn");
    r.LongTimeFormat = QStringLiteral("hh:nn:ss");
    r.ShortMonthNames =
        QStringList{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    r.LongMonthNames = QStringList{"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
    r.ShortDayNames = QStringList{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    r.LongDayNames =
        QStringList{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    return r;
}

namespace Regional {
const TRegional& current()
{
    return regionalStore();
}
void set(const TRegional& regional)
{
    regionalStore() = regional;
}
} // namespace Regional

TDateTime DateTimeFromQt(const QDateTime& dt)
{
    const qint64 days = kEpoch.daysTo(dt.date());
    const double fraction = dt.time().msecsSinceStartOfDay() / 86400000.0;
    // Before the epoch the fraction still counts forward from the day (as in the day-count model).
    return days >= 0 ? days + fraction : days - fraction;
}

QDateTime DateTimeToQt(TDateTime value)
{
    const double whole = std::trunc(value);
    const double fraction = std::fabs(value - whole);
    qint64 ms = qRound64(fraction * 86400000.0);
    if (ms >= 86400000)
        ms = 86399999;
    return QDateTime(kEpoch.addDays(static_cast<qint64>(whole)), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

TDateTime EncodeDate(int year, int month, int day)
{
    return double(kEpoch.daysTo(QDate(year, month, day)));
}

TDateTime Now()
{
    if (g_nowOverride != 0)
        return g_nowOverride;
    return DateTimeFromQt(QDateTime::currentDateTime());
}

TDateTime Date()
{
    return std::trunc(Now());
}

int WholeDays(TDateTime value)
{
    return int(std::trunc(value));
}

void SetNowOverride(TDateTime value)
{
    g_nowOverride = value;
}

QString FormatDateTime(const QString& format, TDateTime value)
{
    const TRegional& r = Regional::current();
    const QDateTime dt = DateTimeToQt(value);
    const QDate d = dt.date();
    const QTime t = dt.time();
    QString out;
    bool lastWasHour = false;
    const QString lower = format.toLower();
    for (int i = 0; i < format.size();) {
        const QChar c = lower[i];
        if (c == '"' || c == '\'') {
            const int end = format.indexOf(format[i], i + 1);
            const int stop = end < 0 ? format.size() : end;
            out += format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (lower.mid(i, 5) == QLatin1String("am/pm")) {
            out += t.hour() < 12 ? format.mid(i, 2) : format.mid(i + 3, 2);
            i += 5;
            continue;
        }
        int run = 1;
        while (i + run < format.size() && lower[i + run] == c)
            ++run;
        switch (c.unicode()) {
        case 'd':
            if (run == 1)
                out += QString::number(d.day());
            else if (run == 2)
                out += QString::number(d.day()).rightJustified(2, '0');
            else if (run == 3)
                out += r.ShortDayNames.value(d.dayOfWeek() % 7);
            else if (run == 4)
                out += r.LongDayNames.value(d.dayOfWeek() % 7);
            else if (run == 5)
                out += FormatDateTime(r.ShortDateFormat, value);
            else
                out += FormatDateTime(r.LongDateFormat, value);
            lastWasHour = false;
            break;
        case 'm':
            if (lastWasHour && run <= 2) {
                out += run == 1 ? QString::number(t.minute())
                                : QString::number(t.minute()).rightJustified(2, '0');
            } else if (run == 1)
                out += QString::number(d.month());
            else if (run == 2)
                out += QString::number(d.month()).rightJustified(2, '0');
            else if (run == 3)
                out += r.ShortMonthNames.value(d.month() - 1);
            else
                out += r.LongMonthNames.value(d.month() - 1);
            lastWasHour = false;
            break;
        case 'y':
            out +=
                run <= 2 ? QString::number(d.year() % 100).rightJustified(2, '0') : QString::number(d.year());
            lastWasHour = false;
            break;
        case 'h': {
            int hour = t.hour();
            if (lower.indexOf(QLatin1String("am/pm"), i) >= 0) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += run == 1 ? QString::number(hour) : QString::number(hour).rightJustified(2, '0');
            lastWasHour = true;
            break;
        }
        case 'n':
            out +=
                run == 1 ? QString::number(t.minute()) : QString::number(t.minute()).rightJustified(2, '0');
            lastWasHour = false;
            break;
        case 's':
            out +=
                run == 1 ? QString::number(t.second()) : QString::number(t.second()).rightJustified(2, '0');
            lastWasHour = false;
            break;
        case 't':
            out += FormatDateTime(run == 1 ? r.ShortTimeFormat : r.LongTimeFormat, value);
            lastWasHour = false;
            break;
        default:
            out += format.mid(i, run);
            break;
        }
        i += run;
    }
    return out;
}

QString FormatFloat(const QString& format, double value)
{
    const TRegional& r = Regional::current();
    const int point = format.indexOf('.');
    const QString intPart = point < 0 ? format : format.left(point);
    const QString fracPart = point < 0 ? QString() : format.mid(point + 1);
    const int decimals = fracPart.count('0');
    const int optionalDecimals = fracPart.count('#');
    const int minIntDigits = intPart.count('0');
    const bool grouping = intPart.contains(',');

    // Round half away from zero on the decimal representation.
    const double scale = std::pow(10.0, decimals + optionalDecimals);
    const double rounded = std::round(std::fabs(value) * scale + 1e-9) / scale;
    QString digits = QString::number(rounded, 'f', decimals + optionalDecimals);
    QString whole = digits.section('.', 0, 0);
    QString frac = digits.section('.', 1, 1);
    while (frac.size() > decimals && frac.endsWith('0'))
        frac.chop(1);
    if (whole == QLatin1String("0") && minIntDigits == 0)
        whole.clear();
    while (whole.size() < minIntDigits)
        whole.prepend('0');
    if (grouping) {
        QString grouped;
        for (int i = 0; i < whole.size(); ++i) {
            if (i > 0 && (whole.size() - i) % 3 == 0)
                grouped += r.ThousandSeparator;
            grouped += whole[i];
        }
        whole = grouped;
    }
    QString result = whole;
    if (!frac.isEmpty())
        result += r.DecimalSeparator + frac;
    const bool isZero = rounded == 0.0;
    if (value < 0 && !isZero)
        result.prepend('-');
    return result;
}

QString FormatMoney(double value, const QString& currencySymbol)
{
    return currencySymbol + FormatFloat(QStringLiteral("#,##0.00"), value);
}
