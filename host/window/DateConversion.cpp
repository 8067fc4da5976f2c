#include "host/window/DateConversion.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace host {

namespace {

const QDate kDayZero(1899, 12, 30);
constexpr double kSecondsPerDay = 86400.0;

}  // namespace

QDate toQDate(Date date)
{
    return kDayZero.addDays(static_cast<qint64>(std::floor(date)));
}

Date fromQDate(const QDate& date)
{
    return static_cast<Date>(kDayZero.daysTo(date));
}

QString dateText(Date date)
{
    const QDate day = toQDate(date);
    const int seconds = static_cast<int>(std::lround((date - std::floor(date)) * kSecondsPerDay));
    const QLocale locale;
    if (seconds == 0) return locale.toString(day, QLocale::ShortFormat);
    return locale.toString(QDateTime(day, QTime(0, 0).addSecs(seconds)), QLocale::ShortFormat);
}

}  // namespace host
