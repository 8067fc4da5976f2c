#pragma once
// Host dates (days since 30 December 1899, the time of day as the fraction)
// in the window's widgets.

#include "host/Records.h"

#include <QDate>
#include <QString>

namespace host {

QDate toQDate(Date date);
Date fromQDate(const QDate& date);
// The runtime's default text of a date: the short date, and the time unless midnight.
QString dateText(Date date);

}  // namespace host
