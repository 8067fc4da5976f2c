#include "module/report/ReportPrintArea.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

namespace brisance {
namespace {

float pixelsPerCentimetre(std::int32_t dotsPerInch)
{
    const double pixels = platform::runtime::roundHalfEven(dotsPerInch / 2.54);
    if (pixels <= 0)
        platform::runtime::raise(platform::runtime::errors::InvalidProcedureCall,
                                 "The host's device has no resolution to print at", "CCombinedReportHandler");
    return static_cast<float>(pixels);
}

}  // namespace

ReportArea PrintAreaInCentimetres(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                                  std::int32_t dotsPerInchX, std::int32_t dotsPerInchY)
{
    const float ppcX = pixelsPerCentimetre(dotsPerInchX);
    const float ppcY = pixelsPerCentimetre(dotsPerInchY);
    return {static_cast<float>(left) / ppcX, static_cast<float>(top) / ppcY,
            static_cast<float>(right - left) / ppcX, static_cast<float>(bottom - top) / ppcY};
}

}  // namespace brisance
