#pragma once
// The printed report's text of a divided value (a level in tenths, a score or
// a volume in hundredths): the shortest text with no fixed decimals and no
// trailing zeros, whole numbers plain ("35", "32.5", "0.45", "-5"), with the
// decimal separator of the user's locale ("32,5" under a decimal comma).

#include <string>

namespace brisance {

std::string ReportNumberText(double value);

}  // namespace brisance
