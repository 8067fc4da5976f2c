#pragma once
// The date picker of the document's dialogs: a date editor with a calendar
// pop-up, in the locale's short date form, holding days of the runtime's
// dates.

#include "platform/runtime/Variant.h"

class QDateEdit;
class QWidget;

namespace brisance {

QDateEdit* NewDatePicker(QWidget* parent);

// The picker's day, at midnight.
platform::runtime::Date PickerDate(const QDateEdit& picker);
// Shows the day of the date; its time of day is left out.
void SetPickerDate(QDateEdit& picker, platform::runtime::Date date);

}  // namespace brisance
