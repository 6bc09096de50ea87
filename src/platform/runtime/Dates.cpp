#include "platform/runtime/Dates.h"

#include <cmath>

#include "platform/runtime/Error.h"
#include "platform/runtime/Regional.h"

namespace rt {

namespace {

const QDate kEpoch(1899, 12, 30);
// The runtime's dates run from 01/01/100 00:00:00 to 31/12/9999 23:59:59.
const QDate kFirstDay(100, 1, 1), kLastDay(9999, 12, 31);

std::function<QDateTime()>& clock() {
  static std::function<QDateTime()> c;
  return c;
}

int expandYear(int year, int digits, TwoDigitYears years) {
  if (digits > 2) return year;
  return year < (years == TwoDigitYears::SqlServer ? 50 : 30) ? 2000 + year : 1900 + year;
}

// Reads a date or time text left to right: ASCII digits and the separators
// of the forms ParseDate accepts.
struct Scanner {
  QStringView text;
  qsizetype at = 0;

  bool done() const { return at == text.size(); }
  bool digit(qsizetype i) const { return i < text.size() && text[i] >= u'0' && text[i] <= u'9'; }
  qsizetype digitRun() const {
    qsizetype end = at;
    while (digit(end)) ++end;
    return end - at;
  }
  // A run of `min` to `max` digits that is not followed by another digit.
  bool number(qsizetype min, qsizetype max, int& value) {
    const qsizetype run = digitRun();
    if (run < min || run > max) return false;
    value = 0;
    for (qsizetype k = 0; k < run; ++k) value = value * 10 + (text[at + k].unicode() - u'0');
    at += run;
    return true;
  }
  bool take(char16_t c) {
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
  }
  bool separator() { return take(u'/') || take(u'-') || take(u'.'); }
};

// The date with the optional time that ends the text: blanks or "T", then
// h:mm, :ss and a fraction of a second.
std::optional<QDateTime> withTime(const QDate& d, Scanner& in) {
  if (!d.isValid() || d < kFirstDay) return std::nullopt;
  if (in.done()) return MakeDate(d);
  if (!in.take(u' ') && !in.take(u'T')) return std::nullopt;
  while (in.take(u' ') || in.take(u'T')) {
  }
  int hour = 0, minute = 0, second = 0;
  if (!in.number(1, 2, hour) || !in.take(u':') || !in.number(2, 2, minute)) return std::nullopt;
  if (in.take(u':')) {
    if (!in.number(2, 2, second)) return std::nullopt;
    if (in.take(u'.') && in.digitRun() == 0) return std::nullopt;
    in.at += in.digitRun();
  }
  if (!in.done()) return std::nullopt;
  const QTime t(hour, minute, second);
  if (!t.isValid()) return std::nullopt;
  return MakeDate(d, t);
}

}  // namespace

QDateTime MakeDate(int year, int month, int day, int hour, int minute, int second) {
  return MakeDate(QDate(year, month, day), QTime(hour, minute, second));
}

QDateTime MakeDate(const QDate& date, const QTime& time) {
  return QDateTime(date, time, Qt::UTC);
}

std::optional<QDateTime> ParseDate(QStringView input, TwoDigitYears years) {
  const QStringView text = input.trimmed();
  Scanner in{text};
  int a = 0, b = 0, c = 0;
  const qsizetype firstRun = in.digitRun();
  if (firstRun == 4 && in.number(4, 4, a) && in.take(u'-') && in.number(1, 2, b) && in.take(u'-') &&
      in.number(1, 2, c)) {
    return withTime(QDate(a, b, c), in);
  }
  in.at = 0;
  if (in.number(1, 2, a) && in.separator() && in.number(1, 2, b) && in.separator()) {
    const qsizetype yearDigits = in.digitRun();
    if ((yearDigits != 2 && yearDigits != 4) || !in.number(yearDigits, yearDigits, c)) return std::nullopt;
    const int day = regional().dayFirst ? a : b, month = regional().dayFirst ? b : a;
    return withTime(QDate(expandYear(c, static_cast<int>(yearDigits), years), month, day), in);
  }
  in.at = 0;
  int hour = 0, minute = 0, second = 0;
  if (!in.number(1, 2, hour) || !in.take(u':') || !in.number(2, 2, minute)) return std::nullopt;
  if (in.take(u':') && !in.number(2, 2, second)) return std::nullopt;
  if (!in.done()) return std::nullopt;
  const QTime t(hour, minute, second);
  if (!t.isValid()) return std::nullopt;
  return MakeDate(kEpoch, t);
}

QString FormatDate(const QDateTime& value, const QString& mask) {
  int year = 0, month = 0, day = 0;
  value.date().getDate(&year, &month, &day);
  const QTime t = value.time();
  QString out;
  out.reserve(mask.size() + 4);
  // A mask letter written once gives the number as it is, twice or more its
  // last two digits (the year: four digits from three letters on, so that
  // the year 12 is written 0012 and never read back as 2012).
  const auto put = [&](int number, bool twoDigits) {
    if (!twoDigits) {
      out += QString::number(number);
      return;
    }
    out += QChar(u'0' + number / 10 % 10);
    out += QChar(u'0' + number % 10);
  };
  const auto lower = [](QChar c) { return c.unicode() < 0x80 ? QChar(c.unicode() | 0x20) : c.toLower(); };
  bool lastWasHour = false;
  for (qsizetype i = 0; i < mask.size();) {
    const QChar c = mask[i];
    const QChar lc = c.isLetter() ? lower(c) : c;
    qsizetype run = 1;
    while (i + run < mask.size() && (mask[i + run].isLetter() ? lower(mask[i + run]) : mask[i + run]) == lc) ++run;
    if (lc == u'd') {
      put(day, run >= 2);
      lastWasHour = false;
    } else if (lc == u'm') {
      put(lastWasHour ? t.minute() : month, run >= 2);
      lastWasHour = false;
    } else if (lc == u'y') {
      if (run >= 3) out += year >= 0 ? QString::number(year).rightJustified(4, u'0') : QString::number(year);
      else put(year % 100, true);
      lastWasHour = false;
    } else if (lc == u'h') {
      put(t.hour(), run >= 2);
      lastWasHour = true;
    } else if (lc == u'n') {
      put(t.minute(), run >= 2);
      lastWasHour = false;
    } else if (lc == u's') {
      put(t.second(), run >= 2);
      lastWasHour = false;
    } else {
      // Separators keep the "minutes after hour" reading of m alive.
      for (qsizetype k = 0; k < run; ++k) {
        if (c == u'/') out += regional().dateSeparator;
        else if (c == u':') out += regional().timeSeparator;
        else out += c;
      }
    }
    i += run;
  }
  return out;
}

QString DateText(const QDateTime& value) {
  // The zero day is no date: a time alone, midnight included.
  if (value.date() == kEpoch) return FormatDate(value, QStringLiteral("hh:nn:ss"));
  const bool hasTime = value.time() != QTime(0, 0);
  QString s = FormatDate(value, QStringLiteral("dd/mm/yyyy"));
  if (hasTime) s += FormatDate(value, QStringLiteral(" hh:nn:ss"));
  return s;
}

QString IsoDateText(const QDateTime& value) {
  const QDate d = value.date();
  const QTime t = value.time();
  int year = 0, month = 0, day = 0;
  d.getDate(&year, &month, &day);
  if (year < 0 || year > 9999) return d.toString(Qt::ISODate);  // Qt's answer for such years
  // "yyyy-mm-dd", then " hh:mm:ss" unless the time is midnight.
  char16_t text[19];
  const auto put = [&](int at, int number, int digits) {
    for (int k = digits - 1; k >= 0; --k, number /= 10) text[at + k] = char16_t(u'0' + number % 10);
  };
  put(0, year, 4);
  text[4] = u'-';
  put(5, month, 2);
  text[7] = u'-';
  put(8, day, 2);
  if (t == QTime(0, 0)) return QString(reinterpret_cast<const QChar*>(text), 10);
  text[10] = u' ';
  put(11, t.hour(), 2);
  text[13] = u':';
  put(14, t.minute(), 2);
  text[16] = u':';
  put(17, t.second(), 2);
  return QString(reinterpret_cast<const QChar*>(text), 19);
}

long long DateDiffMinutes(const QDateTime& from, const QDateTime& to) {
  auto minuteIndex = [](const QDateTime& v) {
    return static_cast<long long>(kEpoch.daysTo(v.date())) * 1440 + v.time().hour() * 60 + v.time().minute();
  };
  return minuteIndex(to) - minuteIndex(from);
}

double ToSerial(const QDateTime& value) {
  double days = static_cast<double>(kEpoch.daysTo(value.date()));
  double frac = value.time().msecsSinceStartOfDay() / 86400000.0;
  // Before the epoch the fraction still counts forward from the day.
  return days >= 0 ? days + frac : days - frac;
}

QDateTime FromSerial(double serial) {
  // A day either side of the runtime's dates keeps the arithmetic below
  // within QDate's range; the range itself is checked on the date and time
  // the serial rounds to.
  constexpr double kBeforeFirst = -657435.0, kAfterLast = 2958467.0;
  if (!(serial > kBeforeFirst && serial < kAfterLast)) raise(err::Overflow);
  double whole = std::trunc(serial);
  double frac = std::fabs(serial - whole);
  QDate d = kEpoch.addDays(static_cast<qint64>(whole));
  // Rounded once, to the second (serial fractions carry binary noise): a
  // first rounding to the millisecond would carry 12:00:00.4996 to 12:00:01.
  int seconds = static_cast<int>(std::llround(frac * 86400.0));
  if (seconds >= 86400) {
    d = d.addDays(1);
    seconds = 0;
  }
  if (d < kFirstDay || d > kLastDay) raise(err::Overflow);
  return MakeDate(d, QTime::fromMSecsSinceStartOfDay(seconds * 1000));
}

QDateTime Now() {
  if (clock()) return clock()();
  // The local offset is asked for once a minute: asking the time zone costs
  // more than the rest of reading the clock.
  static qint64 offsetMinute = -1;
  static int offsetSeconds = 0;
  const qint64 utc = QDateTime::currentMSecsSinceEpoch();
  if (utc / 60000 != offsetMinute) {
    offsetMinute = utc / 60000;
    offsetSeconds = QDateTime::fromMSecsSinceEpoch(utc).offsetFromUtc();
  }
  const qint64 localSeconds = utc / 1000 + offsetSeconds;
  return QDateTime::fromSecsSinceEpoch(localSeconds, Qt::UTC);
}

void SetClock(std::function<QDateTime()> c) { clock() = std::move(c); }

}  // namespace rt
