#include "platform/runtime/Dates.h"

#include <QRegularExpression>
#include <cmath>

#include "platform/runtime/Regional.h"

namespace rt {

namespace {

const QDate kEpoch(1899, 12, 30);

std::function<QDateTime()>& clock() {
  static std::function<QDateTime()> c;
  return c;
}

int expandYear(int year, int digits) {
  if (digits > 2) return year;
  return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<QTime> parseTime(const QString& h, const QString& m, const QString& s) {
  int hour = h.toInt(), minute = m.toInt(), second = s.isEmpty() ? 0 : s.toInt();
  QTime t(hour, minute, second);
  if (!t.isValid()) return std::nullopt;
  return t;
}

// The date of a match with the optional time of its captures 4 to 6.
std::optional<QDateTime> dateWithTime(const QDate& d, const QRegularExpressionMatch& m) {
  if (!d.isValid()) return std::nullopt;
  if (!m.capturedLength(4)) return MakeDate(d);
  auto t = parseTime(m.captured(4), m.captured(5), m.captured(6));
  if (!t) return std::nullopt;
  return MakeDate(d, *t);
}

}  // namespace

QDateTime MakeDate(int year, int month, int day, int hour, int minute, int second) {
  return MakeDate(QDate(year, month, day), QTime(hour, minute, second));
}

QDateTime MakeDate(const QDate& date, const QTime& time) {
  return QDateTime(date, time, Qt::UTC);
}

std::optional<QDateTime> ParseDate(const QString& input) {
  const QString text = input.trimmed();
  static const QRegularExpression dayFirst(QStringLiteral(
      R"(^(\d{1,2})[/\-.](\d{1,2})[/\-.](\d{2}|\d{4})(?:[ T]+(\d{1,2}):(\d{2})(?::(\d{2})(?:\.\d+)?)?)?$)"));
  static const QRegularExpression iso(QStringLiteral(
      R"(^(\d{4})-(\d{1,2})-(\d{1,2})(?:[ T]+(\d{1,2}):(\d{2})(?::(\d{2})(?:\.\d+)?)?)?$)"));
  static const QRegularExpression timeOnly(QStringLiteral(R"(^(\d{1,2}):(\d{2})(?::(\d{2}))?$)"));

  if (auto m = iso.match(text); m.hasMatch())
    return dateWithTime(QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()), m);
  if (auto m = dayFirst.match(text); m.hasMatch()) {
    int a = m.captured(1).toInt(), b = m.captured(2).toInt();
    int day = regional().dayFirst ? a : b, month = regional().dayFirst ? b : a;
    int year = expandYear(m.captured(3).toInt(), static_cast<int>(m.capturedLength(3)));
    return dateWithTime(QDate(year, month, day), m);
  }
  if (auto m = timeOnly.match(text); m.hasMatch()) {
    auto pt = parseTime(m.captured(1), m.captured(2), m.captured(3));
    if (!pt) return std::nullopt;
    return MakeDate(kEpoch, *pt);
  }
  return std::nullopt;
}

QString FormatDate(const QDateTime& value, const QString& mask) {
  const QDate d = value.date();
  const QTime t = value.time();
  QString out;
  bool lastWasHour = false;
  for (qsizetype i = 0; i < mask.size();) {
    QChar c = mask[i];
    QChar lc = c.toLower();
    qsizetype run = 1;
    while (i + run < mask.size() && mask[i + run].toLower() == lc) ++run;
    auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    if (lc == u'd') {
      out += run >= 2 ? two(d.day()) : QString::number(d.day());
      lastWasHour = false;
    } else if (lc == u'm') {
      if (lastWasHour) out += run >= 2 ? two(t.minute()) : QString::number(t.minute());
      else out += run >= 2 ? two(d.month()) : QString::number(d.month());
      lastWasHour = false;
    } else if (lc == u'y') {
      out += run >= 3 ? QString::number(d.year()) : two(d.year() % 100);
      lastWasHour = false;
    } else if (lc == u'h') {
      out += run >= 2 ? two(t.hour()) : QString::number(t.hour());
      lastWasHour = true;
    } else if (lc == u'n') {
      out += run >= 2 ? two(t.minute()) : QString::number(t.minute());
      lastWasHour = false;
    } else if (lc == u's') {
      out += run >= 2 ? two(t.second()) : QString::number(t.second());
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
  const bool hasTime = value.time() != QTime(0, 0);
  if (value.date() == kEpoch && hasTime) return FormatDate(value, QStringLiteral("hh:nn:ss"));
  QString s = FormatDate(value, QStringLiteral("dd/mm/yyyy"));
  if (hasTime) s += FormatDate(value, QStringLiteral(" hh:nn:ss"));
  return s;
}

QString IsoDateText(const QDateTime& value) {
  if (value.time() == QTime(0, 0)) return value.date().toString(Qt::ISODate);
  return value.date().toString(Qt::ISODate) + u' ' + value.time().toString(QStringLiteral("HH:mm:ss"));
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
  double whole = std::trunc(serial);
  double frac = std::fabs(serial - whole);
  QDate d = kEpoch.addDays(static_cast<qint64>(whole));
  int msecs = static_cast<int>(std::llround(frac * 86400000.0));
  // Round to the second: serial fractions carry binary noise.
  msecs = static_cast<int>(std::llround(msecs / 1000.0) * 1000);
  if (msecs >= 86400000) {
    d = d.addDays(1);
    msecs = 0;
  }
  return MakeDate(d, QTime::fromMSecsSinceStartOfDay(msecs));
}

QDateTime Now() {
  if (clock()) return clock()();
  QDateTime local = QDateTime::currentDateTime();
  QTime t = local.time();
  return MakeDate(local.date(), QTime(t.hour(), t.minute(), t.second()));
}

void SetClock(std::function<QDateTime()> c) { clock() = std::move(c); }

}  // namespace rt
