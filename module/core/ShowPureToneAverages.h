#pragma once
// The averages of a view's pure-tone-average panel, computed from the
// document's data layer: the ones the printed report gives, in whole dB.

#include "vellum/IVellumDataLayer.h"

namespace brisance {

class IPTATable;

// Sets the panel's masks per ear from the data layer and its five averages:
// air conduction (curve type 1) and bone conduction (2) of ears 3 and 2, each
// over that ear's masks, and sound field (3) stored for both ears (4), over
// ear 3's masks; all unaided (condition 2). An average is the curve's Average
// in tenths of dB as whole dB, rounded half to even; it is "" when the curve
// is missing or has no average over the mask (-32767).
void ShowPureToneAverages(IPTATable& panel, vellum::IVellumDataLayer& dataLayer);

}  // namespace brisance
