#pragma once
// Everything one picture of the chart shows, gathered for the layers that
// draw it, and the surface they draw on. The same scene is drawn on the
// screen's off-screen bitmap and on a printer's canvas.

#include "CGridLine.h"
#include "ChartMapping.h"
#include "ChartProperties.h"
#include "LineData.h"
#include "platform/com/Font.h"
#include "platform/gfx/Types.h"

#include <QImage>

#include <optional>
#include <vector>

namespace platform::gfx {
class ImageList;
}

namespace lumenplot {

class SymbolCache;

struct ChartScene {
    const ChartProperties& properties;
    const GridRecords& grid;
    std::optional<platform::com::FontDescription> symbolFont;
    std::optional<platform::com::FontDescription> symbolDescriptionFont;
    std::optional<platform::com::FontDescription> gridlineFont;
    std::optional<platform::com::FontDescription> labelFont;
    QImage picture;  // null: none
    const platform::gfx::ImageList* imageList = nullptr;
    // Visible or not, each collection ascending by line id.
    std::vector<const LineData*> backLines;
    std::vector<const LineData*> lines;
};

inline constexpr platform::gfx::ColorRef kBlack = 0x000000;
inline constexpr platform::gfx::ColorRef kWhite = 0xFFFFFF;

// A colour property taken as a plain RGB value, without looking up system colours.
inline platform::gfx::ColorRef plainRgb(OLE_COLOR colour) { return static_cast<platform::gfx::ColorRef>(colour) & 0xFFFFFF; }

// How the surface's resolution scales sizes given in pixels at 96 dots per
// inch (pen widths, symbols, gaps).
struct DeviceScale {
    bool scaled = false;
    float x = 1;
    float y = 1;

    static DeviceScale of(platform::gfx::DcHandle dc);
    static DeviceScale atResolution(int dpiX, int dpiY);
    // A horizontal size in pixels at 96 dots per inch, on this surface.
    int horizontal(int pixels) const;
};

// What changes while the chart prints. Its canvas is a memory surface, which
// reports the screen's resolution, so the printer's comes along: symbols are
// a quarter inch square at it, and device fonts are made for it and scaled by
// the font factor.
struct PrintScale {
    int dpiX = 0;
    int dpiY = 0;
    double fontFactor = 1.0;
};

// The surface a picture is drawn on and where its plot rectangle lies.
struct Canvas {
    platform::gfx::DcHandle dc = 0;
    int width = 0;
    int height = 0;
    ChartMapping mapping;
    DeviceScale scale;
    std::optional<PrintScale> printing;  // none on the screen
    // The symbols kept for this surface; whoever draws lines sets it.
    SymbolCache* symbols = nullptr;

    const PlotRect& plot() const { return mapping.plot; }
};

}  // namespace lumenplot
