#pragma once
// A sink for the events of a dispatch interface, handing each event to a
// function: what a client advises to receive an object's events.
//
//     auto sink = make<DispatchSink>(IChartEvents::iid, [this](DISPID event, std::span<Variant> args) {
//         if (event == kPlotPoint) onPlotPoint(args[0].toDouble(), args[1].toDouble());
//         return S_OK;
//     });
//     advise(chart.get(), IChartEvents::iid, sink.get(), &m_cookie);

#include "platform/com/Dispatch.h"
#include "platform/com/Object.h"

#include <functional>

namespace platform::com {

class DispatchSink final : public Object<IDispatch> {
public:
    using Handler = std::function<HRESULT(DISPID event, std::span<Variant> args)>;

    DispatchSink(const IID& eventIid, Handler handler) : m_eventIid(eventIid), m_handler(std::move(handler)) {}

    // Answers for the event interface as well as for IDispatch.
    HRESULT QueryInterface(const IID& iid, void** object) override
    {
        if (object && iid == m_eventIid) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        return Object::QueryInterface(iid, object);
    }

    // Events have no names to look up.
    HRESULT GetIDsOfNames(std::span<const std::string> names, DISPID* dispids) override;

    HRESULT Invoke(DISPID dispid, std::uint16_t flags, std::span<Variant> args, Variant* result,
                   ExceptionInfo* exception) override;

private:
    const IID m_eventIid;
    Handler m_handler;
};

}  // namespace platform::com
