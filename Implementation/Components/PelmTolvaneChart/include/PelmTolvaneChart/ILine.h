#pragma once
// ILine: one line of a chart, a list of points kept sorted by X and then Y,
// drawn as symbols joined by segments. No member repaints the chart; changes
// show at its next paint.

#include "PelmTolvaneChart/ChartTypes.h"
#include "platform/com/Dispatch.h"

#include <cstdint>
#include <string>

namespace lumenplot {

using platform::com::DISPID;
using platform::com::HRESULT;
using platform::com::IDispatch;

namespace line_dispid {
inline constexpr DISPID LineColor = 1;
inline constexpr DISPID AddPoint = 2;
inline constexpr DISPID LineID = 3;
inline constexpr DISPID RemovePoint = 4;
inline constexpr DISPID Visible = 5;
inline constexpr DISPID LineStyle = 6;
inline constexpr DISPID LineWidth = 7;
inline constexpr DISPID Clear = 8;
inline constexpr DISPID ShowXValueBySymbol = 9;
}  // namespace line_dispid

class ILine : public IDispatch {
public:
    static constexpr platform::com::IID iid = platform::com::makeGuid("{C5030D85-AD30-4643-9E35-BB669F32BE71}");
    using Base = IDispatch;

    // Drawn as a plain RGB value. Default black.
    virtual HRESULT get_LineColor(OLE_COLOR* colour) = 0;
    virtual HRESULT put_LineColor(OLE_COLOR colour) = 0;
    // Adds a point (same X as another: added, not merged). SymbolID 0 or more
    // names image SymbolID + 1 of the chart's image list; negative shows
    // SymbolString instead. newVal is the point's Connect flag.
    virtual HRESULT AddPoint(double X, double Y, std::int32_t SymbolID, VARIANT_BOOL newVal,
                             const std::string& SymbolString) = 0;
    virtual HRESULT get_LineID(std::int32_t* id) = 0;
    // Removes the first point whose X equals X exactly; S_OK also when none does.
    virtual HRESULT RemovePoint(double X) = 0;
    virtual HRESULT get_Visible(VARIANT_BOOL* visible) = 0;
    virtual HRESULT put_Visible(VARIANT_BOOL visible) = 0;
    // Valid styles are 0 to 5 (solid, dash, dot, dash-dot, dash-dot-dot, none).
    virtual HRESULT get_LineStyle(std::int32_t* style) = 0;
    virtual HRESULT put_LineStyle(std::int32_t style) = 0;
    // Valid widths are 1 to 5 (pixels at 96 dots per inch).
    virtual HRESULT get_LineWidth(std::int32_t* width) = 0;
    virtual HRESULT put_LineWidth(std::int32_t width) = 0;
    virtual HRESULT Clear() = 0;
    // Captions each point with its X value, truncated to a whole number.
    virtual HRESULT get_ShowXValueBySymbol(VARIANT_BOOL* show) = 0;
    virtual HRESULT put_ShowXValueBySymbol(VARIANT_BOOL show) = 0;

protected:
    ~ILine() = default;
};

}  // namespace lumenplot
