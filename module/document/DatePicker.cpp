#include "module/document/DatePicker.h"

#include "platform/runtime/Dates.h"

#include <QDateEdit>
#include <QLocale>

namespace brisance {

QDateEdit* NewDatePicker(QWidget* parent)
{
    auto* picker = new QDateEdit(parent);
    picker->setCalendarPopup(true);
    // The locale's short form, with all four digits of the year.
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    picker->setDisplayFormat(format);
    // The runtime's range of days.
    picker->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    return picker;
}

platform::runtime::Date PickerDate(const QDateEdit& picker)
{
    const QDate day = picker.date();
    return platform::runtime::makeDate(day.year(), day.month(), day.day());
}

void SetPickerDate(QDateEdit& picker, platform::runtime::Date date)
{
    const platform::runtime::DateParts parts = platform::runtime::dateParts(date);
    picker.setDate(QDate(parts.year, parts.month, parts.day));
}

}  // namespace brisance
