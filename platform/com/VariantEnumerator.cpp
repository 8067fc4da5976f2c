#include "platform/com/VariantEnumerator.h"

#include "platform/com/Object.h"

#include <algorithm>
#include <memory>

namespace platform::com {

namespace {

using Items = std::shared_ptr<const std::vector<runtime::Variant>>;

class VariantEnumerator final : public Object<IEnumVARIANT> {
public:
    VariantEnumerator(Items items, std::size_t position) : m_items(std::move(items)), m_position(position) {}

    HRESULT Next(std::uint32_t count, runtime::Variant* items, std::uint32_t* fetched) override
    {
        if (fetched) *fetched = 0;
        if (!items && count > 0) return E_POINTER;
        const std::size_t n = std::min<std::size_t>(count, m_items->size() - m_position);
        std::copy_n(m_items->begin() + static_cast<std::ptrdiff_t>(m_position), n, items);
        m_position += n;
        if (fetched) *fetched = static_cast<std::uint32_t>(n);
        return n == count ? S_OK : S_FALSE;
    }

    HRESULT Skip(std::uint32_t count) override
    {
        const std::size_t n = std::min<std::size_t>(count, m_items->size() - m_position);
        m_position += n;
        return n == count ? S_OK : S_FALSE;
    }

    HRESULT Reset() override
    {
        m_position = 0;
        return S_OK;
    }

    HRESULT Clone(IEnumVARIANT** copy) override
    {
        if (!copy) return E_POINTER;
        *copy = ComPtr<IEnumVARIANT>(make<VariantEnumerator>(m_items, m_position)).detach();
        return S_OK;
    }

private:
    Items m_items;
    std::size_t m_position;
};

}  // namespace

ComPtr<IEnumVARIANT> createVariantEnumerator(std::vector<runtime::Variant> items)
{
    return make<VariantEnumerator>(std::make_shared<const std::vector<runtime::Variant>>(std::move(items)), 0);
}

}  // namespace platform::com
