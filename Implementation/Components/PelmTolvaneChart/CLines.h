#pragma once
// Lines Class: a collection of lines keyed by line id, ascending, holding one
// reference to each.

#include "CLine.h"
#include "PelmTolvaneChart/ILines.h"

#include <map>
#include <span>
#include <vector>

namespace lumenplot {

// ILines' members as dispatch sees them.
std::span<const platform::com::DispatchMember<ILines>> linesMembers();

class CLines final : public platform::com::Object<platform::com::Dispatched<ILines, linesMembers>> {
public:
    // The lines' data ascending by line id, for drawing.
    std::vector<const LineData*> data() const;

    HRESULT get__NewEnum(platform::com::IUnknown** enumerator) override;
    HRESULT Item(std::int32_t LineID, ILine** line) override;
    HRESULT Add(std::int32_t NewLineID, ILine** line) override;
    HRESULT Clear() override;
    HRESULT ItemExist(std::int32_t LineID, VARIANT_BOOL* exist) override;
    HRESULT Remove(std::int32_t LineID, VARIANT_BOOL* success) override;

private:
    std::map<std::int32_t, platform::com::ComPtr<CLine>> m_lines;
};

}  // namespace lumenplot
