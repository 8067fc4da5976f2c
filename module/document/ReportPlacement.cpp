#include "module/document/ReportPlacement.h"

namespace brisance {
namespace {

constexpr double kMarginFromPaperEdge = 1.6;
constexpr double kCentimetresPerInch = 2.54;
constexpr float kReportWidth = 17.0f;
constexpr float kReportHeight = 22.4f;

// The report's edge from the printable area's edge, never outside it.
float edgeInPrintableArea(int physicalOffset, int dotsPerInch)
{
    if (dotsPerInch <= 0)
        return static_cast<float>(kMarginFromPaperEdge);
    const double edge =
        kMarginFromPaperEdge - static_cast<double>(physicalOffset) / dotsPerInch * kCentimetresPerInch;
    return edge < 0 ? 0.0f : static_cast<float>(edge);
}

}  // namespace

ReportPlacement PlaceReportOnPage(int physicalOffsetX, int dotsPerInchX, int physicalOffsetY, int dotsPerInchY)
{
    ReportPlacement placement;
    placement.X = edgeInPrintableArea(physicalOffsetX, dotsPerInchX);
    placement.Y = edgeInPrintableArea(physicalOffsetY, dotsPerInchY);
    placement.W = placement.X + kReportWidth;
    placement.H = placement.Y + kReportHeight;
    return placement;
}

}  // namespace brisance
