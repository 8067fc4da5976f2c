#pragma once
// The page layouts of the report as data: each section's area written as
// page positions and sizes in centimetres, or as PrintReport's arguments
// plus an offset, worked out in single precision as the report's positions
// are. For the report's own files only.

#include "module/report/CReport.h"

#include <algorithm>
#include <limits>

namespace brisance {

struct ReportArea {
    float X = 0, Y = 0, W = 0, H = 0;
};

// One value of a section's area, never above its limit.
struct LayoutMeasure {
    enum class From { Page, X, Y, W, H, XPlusW };
    From from = From::Page;
    float offset = 0;
    float limit = std::numeric_limits<float>::infinity();

    float in(const ReportArea& area) const { return std::min(unlimited(area), limit); }

private:
    float unlimited(const ReportArea& area) const
    {
        switch (from) {
        case From::Page: return offset;
        case From::X: return area.X + offset;
        case From::Y: return area.Y + offset;
        case From::W: return area.W + offset;
        case From::H: return area.H + offset;
        case From::XPlusW: return area.X + area.W + offset;
        }
        return offset;
    }
};

constexpr LayoutMeasure page(float cm) { return {LayoutMeasure::From::Page, cm}; }
constexpr LayoutMeasure fromX(float cm) { return {LayoutMeasure::From::X, cm}; }
constexpr LayoutMeasure fromY(float cm) { return {LayoutMeasure::From::Y, cm}; }
constexpr LayoutMeasure fromW(float cm) { return {LayoutMeasure::From::W, cm}; }
constexpr LayoutMeasure fromH(float cm) { return {LayoutMeasure::From::H, cm}; }
constexpr LayoutMeasure fromRight(float cm) { return {LayoutMeasure::From::XPlusW, cm}; }
constexpr LayoutMeasure atMost(float cm, LayoutMeasure measure)
{
    measure.limit = cm;
    return measure;
}

struct CReport::LayoutRow {
    using Painter = void (*)(CReport&, float X, float Y, float W, float H);

    Painter painter;
    LayoutMeasure left, top, width, height;

    ReportArea place(const ReportArea& area) const
    {
        return {left.in(area), top.in(area), width.in(area), height.in(area)};
    }
};

}  // namespace brisance
