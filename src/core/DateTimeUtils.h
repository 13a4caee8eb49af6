#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Date-times are day counts since 1899-12-30 with the time of day as the fraction; 0 means "not set".
using TDateTime = double;

// Regional values used by the formatting helpers. One place, so tests can pin them.
struct TRegional
{
    QString CurrencySymbol;
    QString ShortDateFormat;                     // in FormatDateTime's patterns, e.g. "dd/mm/yyyy"
    QString LongDateFormat;                      // e.g. "dddd, d mmmm yyyy"
    QString ShortTimeFormat;                     // e.g. "hh:nn"
    QString LongTimeFormat;                      // e.g. "hh:nn:ss"
    QStringList ShortMonthNames, LongMonthNames; // 12 each
    QStringList ShortDayNames, LongDayNames;     // 7 each, Sunday first
    QChar ThousandSeparator = ',';
    QChar DecimalSeparator = '.';

    static TRegional fromSystem();
    static TRegional english(); // fixed values for tests
};

namespace Regional {
const TRegional& current();
void set(const TRegional& regional);
} // namespace Regional

TDateTime DateTimeFromQt(const QDateTime& dt);
QDateTime DateTimeToQt(TDateTime value);
TDateTime EncodeDate(int year, int month, int day);
TDateTime Now();
TDateTime Date(); // today at midnight
int WholeDays(TDateTime value);
// Lets tests move "now"; 0 returns to the clock.
void SetNowOverride(TDateTime value);

QString FormatDateTime(const QString& format, TDateTime value);
QString FormatFloat(const QString& format, double value);
// The currency symbol followed by the amount as "#,##0.00".
QString FormatMoney(double value, const QString& currencySymbol);
