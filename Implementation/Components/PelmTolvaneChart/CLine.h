#pragma once
// Line Class: one chart line. A line lives while it is referenced; a
// container that still holds a line its collection let go may keep using it.

#include "LineData.h"
#include "PelmTolvaneChart/ILine.h"
#include "platform/com/DispatchTable.h"
#include "platform/com/Object.h"

#include <span>

namespace lumenplot {

// ILine's members as dispatch sees them.
std::span<const platform::com::DispatchMember<ILine>> lineMembers();

class CLine final : public platform::com::Object<platform::com::Dispatched<ILine, lineMembers>> {
public:
    explicit CLine(std::int32_t id = 0) : m_id(id) {}

    const LineData& data() const { return m_data; }

    HRESULT get_LineColor(OLE_COLOR* colour) override;
    HRESULT put_LineColor(OLE_COLOR colour) override;
    HRESULT AddPoint(double X, double Y, std::int32_t SymbolID, VARIANT_BOOL newVal, const std::string& SymbolString) override;
    HRESULT get_LineID(std::int32_t* id) override;
    HRESULT RemovePoint(double X) override;
    HRESULT get_Visible(VARIANT_BOOL* visible) override;
    HRESULT put_Visible(VARIANT_BOOL visible) override;
    HRESULT get_LineStyle(std::int32_t* style) override;
    HRESULT put_LineStyle(std::int32_t style) override;
    HRESULT get_LineWidth(std::int32_t* width) override;
    HRESULT put_LineWidth(std::int32_t width) override;
    HRESULT Clear() override;
    HRESULT get_ShowXValueBySymbol(VARIANT_BOOL* show) override;
    HRESULT put_ShowXValueBySymbol(VARIANT_BOOL show) override;

private:
    const std::int32_t m_id;
    LineData m_data;
};

}  // namespace lumenplot
