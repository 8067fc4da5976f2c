#include "CLine.h"

#include "Give.h"

namespace lumenplot {

using platform::com::S_OK;

namespace {

using LineMember = platform::com::DispatchMember<ILine>;
constexpr LineMember kLineMembers[] = {
    LineMember::property<&ILine::get_LineColor, &ILine::put_LineColor>("LineColor", line_dispid::LineColor),
    LineMember::method<&ILine::AddPoint>("AddPoint", line_dispid::AddPoint),
    LineMember::property<&ILine::get_LineID>("LineID", line_dispid::LineID),
    LineMember::method<&ILine::RemovePoint>("RemovePoint", line_dispid::RemovePoint),
    LineMember::property<&ILine::get_Visible, &ILine::put_Visible>("Visible", line_dispid::Visible),
    LineMember::property<&ILine::get_LineStyle, &ILine::put_LineStyle>("LineStyle", line_dispid::LineStyle),
    LineMember::property<&ILine::get_LineWidth, &ILine::put_LineWidth>("LineWidth", line_dispid::LineWidth),
    LineMember::method<&ILine::Clear>("Clear", line_dispid::Clear),
    LineMember::property<&ILine::get_ShowXValueBySymbol, &ILine::put_ShowXValueBySymbol>("ShowXValueBySymbol",
                                                                                         line_dispid::ShowXValueBySymbol),
};

}  // namespace

std::span<const LineMember> lineMembers() { return kLineMembers; }

HRESULT CLine::get_LineColor(OLE_COLOR* colour) { return give(colour, m_data.LineColor); }
HRESULT CLine::put_LineColor(OLE_COLOR colour)
{
    m_data.LineColor = colour;
    return S_OK;
}

HRESULT CLine::AddPoint(double X, double Y, std::int32_t SymbolID, VARIANT_BOOL newVal, const std::string& SymbolString)
{
    addPoint(m_data, {X, Y, SymbolID, newVal, SymbolString});
    return S_OK;
}

HRESULT CLine::get_LineID(std::int32_t* id) { return give(id, m_id); }

HRESULT CLine::RemovePoint(double X)
{
    removePoint(m_data, X);
    return S_OK;
}

HRESULT CLine::get_Visible(VARIANT_BOOL* visible) { return give(visible, m_data.Visible); }
HRESULT CLine::put_Visible(VARIANT_BOOL visible)
{
    m_data.Visible = visible;
    return S_OK;
}

HRESULT CLine::get_LineStyle(std::int32_t* style) { return give(style, m_data.LineStyle); }
HRESULT CLine::put_LineStyle(std::int32_t style)
{
    m_data.LineStyle = style;
    return S_OK;
}

HRESULT CLine::get_LineWidth(std::int32_t* width) { return give(width, m_data.LineWidth); }
HRESULT CLine::put_LineWidth(std::int32_t width)
{
    m_data.LineWidth = width;
    return S_OK;
}

HRESULT CLine::Clear()
{
    m_data.points.clear();
    return S_OK;
}

HRESULT CLine::get_ShowXValueBySymbol(VARIANT_BOOL* show) { return give(show, m_data.ShowXValueBySymbol); }
HRESULT CLine::put_ShowXValueBySymbol(VARIANT_BOOL show)
{
    m_data.ShowXValueBySymbol = show;
    return S_OK;
}

}  // namespace lumenplot
