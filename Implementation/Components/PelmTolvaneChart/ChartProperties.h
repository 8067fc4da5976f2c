#pragma once
// The stored properties of one chart, with the values a new chart starts with.
// Nothing here is validated: what the container puts is kept and drawing copes
// with it.

#include "ChartMapping.h"
#include "PelmTolvaneChart/ChartTypes.h"

#include <cstdint>
#include <string>

namespace lumenplot {

struct ChartProperties {
    double XMin = 0;
    double XMax = 10;
    double XTickFreq = 1;
    double YMin = 0;
    double YMax = 10;
    double YTickFreq = 1;
    Margins margins;  // twips

    OLE_COLOR GridLineColor = 0xDBDBDB;
    OLE_COLOR BackgroundColor = 0xFF0000;  // until the container's ambient colour replaces it
    OLE_COLOR GridBackgroundColor = 0xFFFFFF;
    OLE_COLOR HighlightColor = 0x0000FF;  // red

    TGridLineMode XGridLineMode = grid_UseStandard;
    TGridLineMode YGridLineMode = grid_UseStandard;
    TXLabelPosition XLabelPosition = grid_OnBottom;
    TYLabelPosition YLabelPosition = grid_OnLeft;

    VARIANT_BOOL AutoRedraw = VARIANT_TRUE;  // kept for the container; repaints happen whatever it says
    VARIANT_BOOL InteractiveMode = VARIANT_TRUE;
    VARIANT_BOOL UseSymbolToLineBuffer = VARIANT_TRUE;
    VARIANT_BOOL DrawMetafileOverGrid = VARIANT_FALSE;
    std::int32_t SymbolToLineBufferLength = 12;  // pixels at 96 dots per inch
    double LabelFontSize = 10;                   // kept for the container; texts use the font properties
    TAudiologicalUnderlays Underlay = Underlay_None;
    std::string MetaFilename;

    // The mapping of these ranges onto a plot rectangle.
    ChartMapping mapping(const PlotRect& plot) const { return {XMin, XMax, YMin, YMax, plot}; }
};

}  // namespace lumenplot
