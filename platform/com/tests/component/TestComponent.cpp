// A small in-process server for the component-object tests.

#include "platform/com/ConnectionPoint.h"
#include "platform/com/DispatchTable.h"
#include "platform/com/ServerExports.h"
#include "platform/com/tests/component/TestInterfaces.h"
#include "platform/runtime/RuntimeError.h"

#include <array>
#include <vector>

namespace testcomponent {

namespace {

using namespace platform::com;
using platform::runtime::Variant;

using M = DispatchMember<ICounter>;
constexpr M kCounterMembers[] = {
    M::property<&ICounter::get_Value, &ICounter::put_Value>("Value", 1),
    M::property<&ICounter::get_Name>("Name", 2),
    M::method<&ICounter::Add>("Add", 3),
    M::method<&ICounter::Split>("Split", 4),
    M::property<&ICounter::get_Font, &ICounter::put_Font, &ICounter::putref_Font>("Font", 5),
    M::method<&ICounter::Fail>("Fail", 6),
    M::property<&ICounter::get__NewEnum>("_NewEnum", DISPID_NEWENUM),
};

std::span<const M> counterMembers() { return kCounterMembers; }

class Counter final : public Object<Dispatched<ICounter, counterMembers>, ConnectionPoints> {
public:
    Counter() { addConnectionPoint(kCounterEventsIid); }

    HRESULT get_Value(std::int32_t* value) override
    {
        if (!value) return E_POINTER;
        *value = m_value;
        return S_OK;
    }

    HRESULT put_Value(std::int32_t value) override
    {
        m_value = value;
        m_history.emplace_back(value);
        std::array<Variant, 1> args{Variant(value)};
        fire(kCounterEventsIid, kChangedEvent, args);
        return S_OK;
    }

    HRESULT get_Name(std::string* name) override
    {
        if (!name) return E_POINTER;
        *name = "counter";
        return S_OK;
    }

    HRESULT Add(std::int32_t amount, std::optional<std::int32_t> times, std::int32_t* total) override
    {
        if (!total) return E_POINTER;
        m_value += amount * times.value_or(1);
        *total = m_value;
        return S_OK;
    }

    HRESULT Split(std::int32_t* half, std::int32_t* rest, bool* even) override
    {
        if (!half || !rest || !even) return E_POINTER;
        *half = m_value / 2;
        *rest = m_value - *half;
        *even = m_value % 2 == 0;
        return S_OK;
    }

    HRESULT get_Font(IFont** font) override
    {
        if (!font) return E_POINTER;
        *font = ComPtr<IFont>(m_font).detach();
        return S_OK;
    }

    HRESULT put_Font(IFont* font) override
    {
        m_font.reset();
        return font ? font->Clone(m_font.put()) : S_OK;
    }

    HRESULT putref_Font(IFont* font) override
    {
        m_font = ComPtr<IFont>(font);
        return S_OK;
    }

    HRESULT Fail() override { platform::runtime::raise(platform::runtime::errors::InvalidProcedureCall, {}, "Counter"); }

    HRESULT get__NewEnum(IEnumVARIANT** values) override
    {
        if (!values) return E_POINTER;
        *values = createVariantEnumerator(m_history).detach();
        return S_OK;
    }

private:
    std::int32_t m_value = 0;
    std::vector<Variant> m_history;
    ComPtr<IFont> m_font;
};

HRESULT refuse(const IID&, void** object)
{
    *object = nullptr;
    return kRefusingResult;
}

constexpr ClassKey kCounterKeys[] = {
    {"Programmable"}, {"MiscStatus", "0"}, {"MiscStatus\\1", "131473"}, {"ToolboxBitmap32", "%MODULE%, 101"}};

constexpr ClassEntry kClasses[] = {
    {kCounterClsid, createObject<Counter>, "Counter Class", "BrisanceTest.Counter.1", "BrisanceTest.Counter",
     "Apartment", kCounterKeys},
    {kRefusingClsid, refuse, "Refusing Class"},
};

}  // namespace

}  // namespace testcomponent

BRISANCE_COM_SERVER(testcomponent::kClasses)
