#pragma once
// Captioning the rows of a view's average panel with the module's tests.
// Failures are raised to the caller.

#include <cstdint>

namespace brisance {

class IPTATable;

// Shows the air-conduction (bit 0), bone-conduction (bit 1) and sound-field
// (bit 2) averages that the mask chooses, each captioned with the label of
// the module's unaided test of that kind ("##" when there is none). Captions
// of hidden averages stay as they were.
void FillPTATable(IPTATable& oTable, std::int32_t lngMask);

}  // namespace brisance
