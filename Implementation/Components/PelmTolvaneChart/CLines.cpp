#include "CLines.h"

#include "Give.h"
#include "platform/com/VariantEnumerator.h"

namespace lumenplot {

namespace com = platform::com;
using com::E_INVALIDARG;
using com::E_POINTER;
using com::S_OK;

namespace {

using LinesMember = platform::com::DispatchMember<ILines>;
constexpr LinesMember kLinesMembers[] = {
    LinesMember::property<&ILines::get__NewEnum>("_NewEnum", lines_dispid::NewEnum),
    LinesMember::method<&ILines::Item>("Item", lines_dispid::Item),
    LinesMember::method<&ILines::Add>("Add", lines_dispid::Add),
    LinesMember::method<&ILines::Clear>("Clear", lines_dispid::Clear),
    LinesMember::method<&ILines::ItemExist>("ItemExist", lines_dispid::ItemExist),
    LinesMember::method<&ILines::Remove>("Remove", lines_dispid::Remove),
};

HRESULT giveLine(ILine** out, const com::ComPtr<CLine>& line)
{
    if (!out) return E_POINTER;
    *out = com::ComPtr<ILine>(line).detach();
    return S_OK;
}

}  // namespace

std::span<const LinesMember> linesMembers() { return kLinesMembers; }

std::vector<const LineData*> CLines::data() const
{
    std::vector<const LineData*> result;
    result.reserve(m_lines.size());
    for (const auto& [id, line] : m_lines) result.push_back(&line->data());
    return result;
}

HRESULT CLines::get__NewEnum(com::IUnknown** enumerator)
{
    if (!enumerator) return E_POINTER;
    std::vector<com::Variant> items;
    items.reserve(m_lines.size());
    for (const auto& [id, line] : m_lines) items.emplace_back(com::ComPtr<ILine>(line));
    *enumerator = com::ComPtr<com::IUnknown>(com::createVariantEnumerator(std::move(items))).detach();
    return S_OK;
}

HRESULT CLines::Item(std::int32_t LineID, ILine** line)
{
    const auto found = m_lines.find(LineID);
    if (found == m_lines.end()) return E_INVALIDARG;
    return giveLine(line, found->second);
}

HRESULT CLines::Add(std::int32_t NewLineID, ILine** line)
{
    if (!line) return E_POINTER;
    if (m_lines.contains(NewLineID)) return E_INVALIDARG;
    const auto added = m_lines.emplace(NewLineID, com::make<CLine>(NewLineID)).first;
    return giveLine(line, added->second);
}

HRESULT CLines::Clear()
{
    m_lines.clear();
    return S_OK;
}

HRESULT CLines::ItemExist(std::int32_t LineID, VARIANT_BOOL* exist)
{
    return give(exist, m_lines.contains(LineID) ? VARIANT_TRUE : VARIANT_FALSE);
}

HRESULT CLines::Remove(std::int32_t LineID, VARIANT_BOOL* success)
{
    if (!success) return E_POINTER;
    *success = m_lines.erase(LineID) > 0 ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

}  // namespace lumenplot
