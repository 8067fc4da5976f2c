#pragma once
// Marlet set up for a test on simulated instruments: the link's setUpMarlet
// (the audiometer on "COM3", the tympanometer on "COM4"), built apart from
// the module's Qt code, which Marlet's QT_NO_KEYWORDS would break.

#include "driver/Settings.h"

namespace brisance::testing {

void setUpMarlet(marlet::ModelIndex audiometer, marlet::ModelIndex tympanometer);

}  // namespace brisance::testing
