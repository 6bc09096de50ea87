#pragma once
// Dates as the program uses them: a date-time without time zone, day-first
// text ("dd/mm/yyyy", "dd/mm/yy hh:mm"), two-digit years in the suite's
// window (00-29 are 2000-2029, 30-99 are 1930-1999).
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

namespace rt {

// A date-time with no zone attached (held as UTC so no daylight saving rule
// ever shifts it).
QDateTime MakeDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
QDateTime MakeDate(const QDate& date, const QTime& time = QTime(0, 0));

// How a two-digit year is read: in the suite's window, or as SQL Server
// reads a text it converts into a date (00-49 are 2000-2049, 50-99 are
// 1950-1999), which the embedded database follows.
enum class TwoDigitYears { Suite, SqlServer };

// Day-first text with optional time ("1/7/05", "01/07/2005 13:45",
// "01/07/2005 13:45:10"), ISO text ("2005-07-01", "2005-07-01 13:45:10",
// "2005-07-01T13:45"), or a time alone ("13:45"). nullopt when not a date,
// or a date before the runtime's first (01/01/100: "0099-12-31").
std::optional<QDateTime> ParseDate(QStringView text, TwoDigitYears years = TwoDigitYears::Suite);
inline bool IsDate(const QString& text) { return ParseDate(text).has_value(); }

// Format with a date mask: d dd m mm yy yyyy h hh n nn s ss, where m/mm
// after an hour means minutes; '/' and ':' are the regional separators.
QString FormatDate(const QDateTime& value, const QString& mask);

// The date as the runtime writes it for people: "dd/mm/yyyy", with
// " hh:mm:ss" when it has a time; a time alone when the date part is empty.
QString DateText(const QDateTime& value);
// ISO text as dates are stored in the embedded database.
QString IsoDateText(const QDateTime& value);

// Minute boundaries crossed from `from` to `to` (negative when earlier).
long long DateDiffMinutes(const QDateTime& from, const QDateTime& to);

// Serial day number of the suite (days since 30/12/1899, time as fraction).
double ToSerial(const QDateTime& value);
// The serial's time is rounded to the second; a serial whose date and time
// then fall outside the runtime's dates (01/01/100 00:00:00 to 31/12/9999
// 23:59:59), or no number at all, raises Overflow (6).
QDateTime FromSerial(double serial);

// The clock; tests may replace it.
QDateTime Now();
void SetClock(std::function<QDateTime()> clock);

}  // namespace rt
