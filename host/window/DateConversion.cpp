#include "host/window/DateConversion.h"

#include "platform/runtime/Dates.h"

namespace host {

QDate toQDate(Date date)
{
    const platform::runtime::DateParts parts = platform::runtime::dateParts(platform::runtime::Date{date});
    return QDate(parts.year, parts.month, parts.day);
}

Date fromQDate(const QDate& date)
{
    return platform::runtime::makeDate(date.year(), date.month(), date.day()).days;
}

QString dateText(Date date)
{
    return QString::fromStdString(platform::runtime::dateText(platform::runtime::Date{date}));
}

}  // namespace host
