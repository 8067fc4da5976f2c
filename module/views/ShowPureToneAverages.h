#pragma once
// The averages of a view's pure-tone-average panel, computed from the
// document's data layer: the ones the printed report gives, in whole dB.

#include "vellum/IVellumDataLayer.h"

#include <cstdint>
#include <string>

namespace brisance {

class IPTATable;

// The frequencies of an ear's pure-tone average (bit masks), and those of
// them that count twice.
struct AverageMasks {
    std::int32_t average = 0;
    std::int32_t doubleWeight = 0;
};

// The masks of ear 3 or 2 as the audiogram stores them; the profile's when
// it stores no averaged frequencies for the ear (an average mask of 0), as
// an audiogram saved without them is shown and printed.
AverageMasks EarAverageMasks(vellum::IVellumDataLayer& dataLayer, std::int32_t ear, const AverageMasks& profile);

// The average of the unaided (condition 2) curve of a type and ear over the
// masks, as panel and report show it: the curve's Average in tenths of dB as
// whole dB, rounded half to even; "" when the curve is missing or has no
// average over the masks (-32767).
std::string PureToneAverageText(vellum::IVellumPureToneCurves& curves, std::int32_t curveType, std::int32_t ear,
                                const AverageMasks& masks);

// Sets the panel's masks per ear (EarAverageMasks) and its five averages
// (PureToneAverageText): air conduction (curve type 1) and bone conduction
// (2) of ears 3 and 2, each over that ear's masks, and sound field (3) stored
// for both ears (4), over ear 3's masks. Changes nothing in the data layer.
void ShowPureToneAverages(IPTATable& panel, vellum::IVellumDataLayer& dataLayer, const AverageMasks& profile);

}  // namespace brisance
