#include "platform/runtime/Dates.h"

#include "platform/runtime/RuntimeError.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>
#include <utility>

namespace platform::runtime {

namespace {

// 1899-12-30, day 0 of the runtime, counted from 1970-01-01.
constexpr long kDayZeroFromEpoch = -25569;
constexpr int kSecondsPerDay = 86400;

// Days since 1970-01-01 of a civil date, and back (the proleptic Gregorian
// calendar, H. Hinnant's algorithms).
long daysFromCivil(int year, int month, int day)
{
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(long days, DateParts& parts)
{
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthIndex = (5 * dayOfYear + 2) / 153;
    parts.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    parts.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    parts.year = static_cast<int>(yearOfEra + era * 400 + (parts.month <= 2));
}

bool isValidDay(int year, int month, int day)
{
    return year >= 100 && year <= 9999 && QDate(year, month, day).isValid();
}

QDate toQDate(Date date)
{
    const DateParts parts = dateParts(date);
    return QDate(parts.year, parts.month, parts.day);
}

QTime toQTime(Date date)
{
    const DateParts parts = dateParts(date);
    return QTime(parts.hour, parts.minute, parts.second);
}

Date fromQt(QDate day, QTime time)
{
    const Date date = makeDate(day.year(), day.month(), day.day());
    return withTime(date, time.hour(), time.minute(), time.second());
}

std::string toStd(const QString& text) { return text.toStdString(); }

// The locale's short date format with a four-digit year.
QString shortDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

// The locale's time format with seconds.
QString timeFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("ss"))) format.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
    return format;
}

// The moment of the clock a test has set; none while the system clock runs.
std::optional<Date>& settableClock()
{
    static std::optional<Date> moment;
    return moment;
}

// Now in local time: the one place that reads the time.
Date localNow()
{
    if (const std::optional<Date>& moment = settableClock()) return *moment;
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    const Date day = makeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return withTime(day, local.tm_hour, local.tm_min, std::min(local.tm_sec, 59));
}

}  // namespace

Date makeDate(int year, int month, int day)
{
    if (!isValidDay(year, month, day)) raise(errors::InvalidProcedureCall, "Not a valid date");
    return Date{static_cast<double>(daysFromCivil(year, month, day) - kDayZeroFromEpoch)};
}

Date withTime(Date date, int hour, int minute, int second)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        raise(errors::InvalidProcedureCall, "Not a valid time");
    const double day = std::trunc(date.days);
    const double time = (hour * 3600 + minute * 60 + second) / double(kSecondsPerDay);
    // Before day 0 the day counts back but the time still runs forward.
    return Date{day < 0 ? day - time : day + time};
}

DateParts dateParts(Date date)
{
    if (!(std::trunc(date.days) >= kMinDate && std::trunc(date.days) <= kMaxDate)) raise(errors::Overflow);
    long day = static_cast<long>(std::trunc(date.days));
    long seconds = std::lround(std::fabs(date.days - static_cast<double>(day)) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        ++day;
    }
    DateParts parts;
    civilFromDays(day + kDayZeroFromEpoch, parts);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    return parts;
}

Date today() { return Date{std::trunc(localNow().days)}; }

Date now() { return localNow(); }

ScopedClock::ScopedClock(Date moment) : m_previous(std::exchange(settableClock(), moment)) {}

ScopedClock::~ScopedClock() { settableClock() = m_previous; }

void ScopedClock::set(Date moment) { settableClock() = moment; }

std::string shortDateText(Date date)
{
    const QLocale locale;
    return toStd(locale.toString(toQDate(date), shortDateFormat(locale)));
}

std::string longDateText(Date date)
{
    const QLocale locale;
    return toStd(locale.toString(toQDate(date), QLocale::LongFormat));
}

std::string isoDateText(Date date)
{
    return toStd(toQDate(date).toString(Qt::ISODate));
}

std::string dateText(Date date)
{
    const QLocale locale;
    const QTime time = toQTime(date);
    const std::string timeText = toStd(locale.toString(time, timeFormat(locale)));
    if (std::trunc(date.days) == 0) return timeText;
    const std::string day = shortDateText(date);
    return time == QTime(0, 0) ? day : day + " " + timeText;
}

std::optional<Date> parseDate(std::string_view text)
{
    const QLocale locale;
    const QString input = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).simplified();
    if (input.isEmpty()) return std::nullopt;

    struct DateFormat {
        QString format;
        bool twoDigitYear;
    };
    const QString localShort = locale.dateFormat(QLocale::ShortFormat);
    const std::array dateFormats{
        DateFormat{shortDateFormat(locale), false},
        DateFormat{localShort, !localShort.contains(QLatin1String("yyyy"))},
        DateFormat{locale.dateFormat(QLocale::LongFormat), false},
        DateFormat{QStringLiteral("yyyy-MM-dd"), false},
    };
    const std::array timeFormats{timeFormat(locale), locale.timeFormat(QLocale::ShortFormat),
                                 QStringLiteral("HH:mm:ss"), QStringLiteral("HH:mm")};

    for (const QString& format : timeFormats) {
        const QTime time = locale.toTime(input, format);
        if (time.isValid()) return withTime(Date{}, time.hour(), time.minute(), time.second());
    }
    for (const DateFormat& dateFormat : dateFormats) {
        QDate day = locale.toDate(input, dateFormat.format);
        QTime time(0, 0);
        for (std::size_t i = 0; !day.isValid() && i < timeFormats.size(); ++i) {
            const QDateTime both = locale.toDateTime(input, dateFormat.format + QLatin1Char(' ') + timeFormats[i]);
            day = both.date();
            time = both.time();
        }
        if (!day.isValid()) continue;
        // Two-digit years read as 1900 + yy; the runtime's window puts 00-29 in this century.
        if (dateFormat.twoDigitYear && day.year() < 1930) day = day.addYears(100);
        if (!isValidDay(day.year(), day.month(), day.day())) return std::nullopt;
        return fromQt(day, time);
    }
    return std::nullopt;
}

}  // namespace platform::runtime
