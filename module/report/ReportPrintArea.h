#pragma once
// The host's rectangle for the module's part of a combined report, given in
// device pixels, as the report's centimetres.

#include "module/report/ReportLayout.h"

#include <cstdint>

namespace brisance {

// Pixels per centimetre are the dots per inch / 2.54, each rounded to a whole
// number first (600 dots per inch: 236), as the host's page is laid out.
// Raises 5 when a resolution gives no whole pixel per centimetre.
ReportArea PrintAreaInCentimetres(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                                  std::int32_t dotsPerInchX, std::int32_t dotsPerInchY);

}  // namespace brisance
