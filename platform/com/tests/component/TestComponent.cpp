// A small in-process server for the component-object tests.

#include "platform/com/ConnectionPoint.h"
#include "platform/com/ServerExports.h"
#include "platform/com/tests/component/TestInterfaces.h"

namespace testcomponent {

namespace {

using namespace platform::com;

class Counter final : public Object<ICounter, ConnectionPoints> {
public:
    Counter() { addConnectionPoint(ICounterEvents::iid); }

    HRESULT get_Value(std::int32_t* value) override
    {
        if (!value) return E_POINTER;
        *value = m_value;
        return S_OK;
    }

    HRESULT put_Value(std::int32_t value) override
    {
        m_value = value;
        fire<ICounterEvents>([value](ICounterEvents* sink) { return sink->Changed(value); });
        return S_OK;
    }

private:
    std::int32_t m_value = 0;
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
