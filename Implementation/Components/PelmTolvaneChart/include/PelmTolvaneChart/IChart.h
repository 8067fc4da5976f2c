#pragma once
// IChart: the chart control's automation interface. The container sets the
// ranges in its own units, the custom grid lines and labels, and the lines of
// points; a "repaint" below means the chart asks its container to redraw it,
// and the next paint draws everything anew. No put validates its value.

#include "PelmTolvaneChart/ChartTypes.h"
#include "PelmTolvaneChart/ILines.h"
#include "platform/com/Font.h"
#include "platform/com/Picture.h"

#include <cstdint>
#include <string>

namespace lumenplot {

using platform::com::IFont;
using platform::com::IPicture;
using platform::com::IUnknown;

namespace chart_dispid {
inline constexpr DISPID XMin = 1;
inline constexpr DISPID XMax = 2;
inline constexpr DISPID XTickFreq = 3;
inline constexpr DISPID YMin = 4;
inline constexpr DISPID YMax = 5;
inline constexpr DISPID YTickFreq = 6;
inline constexpr DISPID GridLineColor = 7;
inline constexpr DISPID BackgroundColor = 8;
inline constexpr DISPID LeftMargin = 9;
inline constexpr DISPID BottomMargin = 10;
inline constexpr DISPID AddXGridLine = 11;
inline constexpr DISPID LabelFontSize = 12;
inline constexpr DISPID Lines = 14;
inline constexpr DISPID AutoRedraw = 15;
inline constexpr DISPID Refresh = 16;
inline constexpr DISPID XGridLineMode = 17;
inline constexpr DISPID AddYGridLine = 19;
inline constexpr DISPID ImageList = 20;
inline constexpr DISPID TopMargin = 21;
inline constexpr DISPID RightMargin = 22;
inline constexpr DISPID XLabelPosition = 23;
inline constexpr DISPID YLabelPosition = 24;
inline constexpr DISPID AddXLabel = 25;
inline constexpr DISPID AddYLabel = 26;
inline constexpr DISPID ClearLines = 27;
inline constexpr DISPID ClearXGridLines = 28;
inline constexpr DISPID ClearYGridLines = 29;
inline constexpr DISPID ClearXLabels = 30;
inline constexpr DISPID ClearYLabels = 31;
inline constexpr DISPID GridBackgroundColor = 32;
inline constexpr DISPID SymbolToLineBufferLength = 33;
inline constexpr DISPID MetaFilename = 34;
inline constexpr DISPID UseSymbolToLineBuffer = 35;
inline constexpr DISPID SymbolFont = 36;
inline constexpr DISPID SymbolDescriptionFont = 38;
inline constexpr DISPID Picture = platform::com::DISPID_PICTURE;
inline constexpr DISPID YGridLineMode = 39;
inline constexpr DISPID InteractiveMode = 40;
inline constexpr DISPID GridlineFont = 41;
inline constexpr DISPID LabelFont = 42;
inline constexpr DISPID RenderToDC = 43;
inline constexpr DISPID ClearBackLines = 44;
inline constexpr DISPID BackLines = 45;
inline constexpr DISPID DrawMetafileOverGrid = 46;
inline constexpr DISPID Underlay = 47;
inline constexpr DISPID RenderToPrinterDC = 48;
inline constexpr DISPID HighlightXGridline = 49;
inline constexpr DISPID HighlightYGridline = 50;
inline constexpr DISPID UnHighlightXGridline = 51;
inline constexpr DISPID UnHighlightYGridline = 52;
inline constexpr DISPID HighlightColor = 53;
}  // namespace chart_dispid

class IChart : public IDispatch {
public:
    static constexpr platform::com::IID iid = platform::com::makeGuid("{CC70A63C-E529-4FEF-A517-D475A3997D95}");
    using Base = IDispatch;

    // Ranges in the container's units; each put repaints. XTickFreq and
    // YTickFreq are the steps of the standard grid.
    virtual HRESULT get_XMin(double* value) = 0;
    virtual HRESULT put_XMin(double value) = 0;
    virtual HRESULT get_XMax(double* value) = 0;
    virtual HRESULT put_XMax(double value) = 0;
    virtual HRESULT get_XTickFreq(double* value) = 0;
    virtual HRESULT put_XTickFreq(double value) = 0;
    virtual HRESULT get_YMin(double* value) = 0;
    virtual HRESULT put_YMin(double value) = 0;
    virtual HRESULT get_YMax(double* value) = 0;
    virtual HRESULT put_YMax(double value) = 0;
    virtual HRESULT get_YTickFreq(double* value) = 0;
    virtual HRESULT put_YTickFreq(double value) = 0;
    // The custom grid lines' colour; the standard grid is always black.
    virtual HRESULT get_GridLineColor(OLE_COLOR* colour) = 0;
    virtual HRESULT put_GridLineColor(OLE_COLOR colour) = 0;
    // Follows the container's ambient background colour.
    virtual HRESULT get_BackgroundColor(OLE_COLOR* colour) = 0;
    virtual HRESULT put_BackgroundColor(OLE_COLOR colour) = 0;
    // Margins around the plot, in twips.
    virtual HRESULT get_LeftMargin(double* twips) = 0;
    virtual HRESULT put_LeftMargin(double twips) = 0;
    virtual HRESULT get_BottomMargin(double* twips) = 0;
    virtual HRESULT put_BottomMargin(double twips) = 0;
    virtual HRESULT AddXGridLine(double Position, const std::string& Label, VARIANT_BOOL Visible, VARIANT_BOOL Dashed) = 0;
    // Kept for the container; texts are drawn with the font properties.
    virtual HRESULT get_LabelFontSize(double* size) = 0;
    virtual HRESULT put_LabelFontSize(double size) = 0;
    virtual HRESULT get_Lines(ILines** lines) = 0;
    // Kept for the container; every repaint happens whatever it says.
    virtual HRESULT get_AutoRedraw(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_AutoRedraw(VARIANT_BOOL value) = 0;
    virtual HRESULT Refresh() = 0;
    virtual HRESULT get_XGridLineMode(TGridLineMode* mode) = 0;
    virtual HRESULT put_XGridLineMode(TGridLineMode mode) = 0;
    virtual HRESULT AddYGridLine(double Position, const std::string& Label, VARIANT_BOOL Visible, VARIANT_BOOL Dashed) = 0;
    // Returns/sets the ImageList control to be used: the image list whose
    // images draw the points' symbols. A putref of an object that is no image
    // list fails with E_NOINTERFACE and leaves none. No repaint.
    virtual HRESULT get_ImageList(IUnknown** imageList) = 0;
    virtual HRESULT putref_ImageList(IUnknown* imageList) = 0;
    virtual HRESULT get_TopMargin(double* twips) = 0;
    virtual HRESULT put_TopMargin(double twips) = 0;
    virtual HRESULT get_RightMargin(double* twips) = 0;
    virtual HRESULT put_RightMargin(double twips) = 0;
    virtual HRESULT get_XLabelPosition(TXLabelPosition* position) = 0;
    virtual HRESULT put_XLabelPosition(TXLabelPosition position) = 0;
    // Stored only: shows at the next repaint.
    virtual HRESULT get_YLabelPosition(TYLabelPosition* position) = 0;
    virtual HRESULT put_YLabelPosition(TYLabelPosition position) = 0;
    virtual HRESULT AddXLabel(double Position, const std::string& Label) = 0;
    virtual HRESULT AddYLabel(double Position, const std::string& Label) = 0;
    virtual HRESULT ClearLines() = 0;
    virtual HRESULT ClearXGridLines() = 0;
    virtual HRESULT ClearYGridLines() = 0;
    virtual HRESULT ClearXLabels() = 0;
    virtual HRESULT ClearYLabels() = 0;
    virtual HRESULT get_GridBackgroundColor(OLE_COLOR* colour) = 0;
    virtual HRESULT put_GridBackgroundColor(OLE_COLOR colour) = 0;
    // The gap between a symbol and its segments, pixels at 96 dots per inch.
    virtual HRESULT get_SymbolToLineBufferLength(std::int32_t* pixels) = 0;
    virtual HRESULT put_SymbolToLineBufferLength(std::int32_t pixels) = 0;
    // The metafile drawn under the chart; a put does not repaint.
    virtual HRESULT get_MetaFilename(std::string* path) = 0;
    virtual HRESULT put_MetaFilename(const std::string& path) = 0;
    virtual HRESULT get_UseSymbolToLineBuffer(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_UseSymbolToLineBuffer(VARIANT_BOOL value) = 0;
    // The fonts: put keeps a copy of the given font, putref the font itself;
    // both repaint.
    virtual HRESULT get_SymbolFont(IFont** font) = 0;
    virtual HRESULT put_SymbolFont(IFont* font) = 0;
    virtual HRESULT putref_SymbolFont(IFont* font) = 0;
    virtual HRESULT get_SymbolDescriptionFont(IFont** font) = 0;
    virtual HRESULT put_SymbolDescriptionFont(IFont* font) = 0;
    virtual HRESULT putref_SymbolDescriptionFont(IFont* font) = 0;
    // Stretched over the plot rectangle in place of the grid background.
    virtual HRESULT putref_Picture(IPicture* picture) = 0;
    virtual HRESULT put_Picture(IPicture* picture) = 0;
    virtual HRESULT get_Picture(IPicture** picture) = 0;
    virtual HRESULT get_YGridLineMode(TGridLineMode* mode) = 0;
    virtual HRESULT put_YGridLineMode(TGridLineMode mode) = 0;
    virtual HRESULT get_InteractiveMode(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_InteractiveMode(VARIANT_BOOL value) = 0;
    virtual HRESULT get_GridlineFont(IFont** font) = 0;
    virtual HRESULT put_GridlineFont(IFont* font) = 0;
    virtual HRESULT putref_GridlineFont(IFont* font) = 0;
    virtual HRESULT get_LabelFont(IFont** font) = 0;
    virtual HRESULT put_LabelFont(IFont* font) = 0;
    virtual HRESULT putref_LabelFont(IFont* font) = 0;
    // Draws the chart into a rectangle of a device context, as RenderToPrinterDC.
    virtual HRESULT RenderToDC(std::int32_t hdc, std::int32_t X, std::int32_t Y, std::int32_t Width, std::int32_t Height) = 0;
    virtual HRESULT ClearBackLines() = 0;
    // The lines drawn beneath Lines.
    virtual HRESULT get_BackLines(ILines** lines) = 0;
    virtual HRESULT get_DrawMetafileOverGrid(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_DrawMetafileOverGrid(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Underlay(TAudiologicalUnderlays* underlay) = 0;
    virtual HRESULT put_Underlay(TAudiologicalUnderlays underlay) = 0;
    virtual HRESULT RenderToPrinterDC(std::int32_t hdc, std::int32_t X, std::int32_t Y, std::int32_t Width, std::int32_t Height) = 0;
    // The cross-hair lines at a grid value, drawn whatever InteractiveMode says.
    virtual HRESULT HighlightXGridline(std::int32_t Value) = 0;
    virtual HRESULT HighlightYGridline(std::int32_t Value) = 0;
    virtual HRESULT UnHighlightXGridline() = 0;
    virtual HRESULT UnHighlightYGridline() = 0;
    // The colour of the cross-hair; red until the container says otherwise.
    virtual HRESULT get_HighlightColor(OLE_COLOR* colour) = 0;
    virtual HRESULT put_HighlightColor(OLE_COLOR colour) = 0;

protected:
    ~IChart() = default;
};

}  // namespace lumenplot
