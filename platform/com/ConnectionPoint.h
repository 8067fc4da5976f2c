#pragma once
// Events through connection points. An object that raises events lists the
// mixin ConnectionPoints among its interfaces, declares one point per event
// interface in its constructor and fires:
//
//     class Chart : public Object<IChart, ConnectionPoints> {
//         Chart() { addConnectionPoint(IChartEvents::iid); }
//         void raiseChanged() { fire<IChartEvents>([](IChartEvents* sink) { return sink->Changed(); }); }
//     };
//
// Events of a dispatch interface go to each sink's Invoke as a method call:
//
//     std::array<Variant, 2> args{x, y};
//     fire(IChartEvents::iid, kPlotPoint, args);
//
// The sinks share the arguments, so a handler may change a by-reference
// argument (a Cancel flag) for the ones after it and for the firing object.
//
// A client connects a sink with advise() and disconnects it with unadvise().
//
// Firing goes to a snapshot of the sinks taken when the fire starts, in advise
// order, each held by a reference for the whole fire: a sink may unadvise
// itself or others, or release the firing object, without harm (a sink
// unadvised during a fire still gets that fire's call). What a sink returns is
// ignored and never stops the others. The firing object stays alive until
// fire returns; a method that fires and then touches its own members holds a
// reference to itself across the fire.

#include "platform/com/Dispatch.h"
#include "platform/com/Object.h"

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace platform::com {

class IConnectionPoint : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{B196B286-BAB4-101A-B69C-00AA00341D07}");
    using Base = IUnknown;

    virtual HRESULT GetConnectionInterface(IID* eventIid) = 0;
    // Connects a sink, which must offer the event interface (else
    // CONNECT_E_CANNOTCONNECT); *cookie identifies the connection (never 0).
    virtual HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) = 0;
    // CONNECT_E_NOCONNECTION for a cookie that names no connection.
    virtual HRESULT Unadvise(std::uint32_t cookie) = 0;

protected:
    ~IConnectionPoint() = default;
};

class IConnectionPointContainer : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{B196B284-BAB4-101A-B69C-00AA00341D07}");
    using Base = IUnknown;

    // The point of one event interface; CONNECT_E_NOCONNECTION when the object has none.
    virtual HRESULT FindConnectionPoint(const IID& eventIid, IConnectionPoint** point) = 0;

protected:
    ~IConnectionPointContainer() = default;
};

// The connections of one event interface.
class ConnectionPoint final : public Object<IConnectionPoint> {
public:
    explicit ConnectionPoint(const IID& eventIid) : m_eventIid(eventIid) {}

    HRESULT GetConnectionInterface(IID* eventIid) override;
    HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) override;
    HRESULT Unadvise(std::uint32_t cookie) override;

    // The connected sinks (as their event interface), in advise order.
    std::vector<ComPtr<IUnknown>> sinks() const;

private:
    const IID m_eventIid;
    mutable std::mutex m_mutex;
    std::uint32_t m_lastCookie = 0;
    std::vector<std::pair<std::uint32_t, ComPtr<IUnknown>>> m_sinks;
};

// The IConnectionPointContainer of an object that raises events.
class ConnectionPoints : public IConnectionPointContainer {
public:
    HRESULT FindConnectionPoint(const IID& eventIid, IConnectionPoint** point) override;

protected:
    ConnectionPoints() = default;
    ~ConnectionPoints() = default;

    // Declares an event interface; called from the constructor.
    void addConnectionPoint(const IID& eventIid);

    // Calls `call` with each sink of eventIid (the sink's event interface).
    void fire(const IID& eventIid, const std::function<HRESULT(IUnknown* sink)>& call);

    template <class Events, class Call>
    void fire(Call call)
    {
        fire(Events::iid, [&call](IUnknown* sink) { return call(static_cast<Events*>(sink)); });
    }

    // Invokes dispid as a method on each sink of the dispatch interface eventIid.
    void fire(const IID& eventIid, DISPID dispid, std::span<Variant> args);

private:
    std::map<IID, ComPtr<ConnectionPoint>> m_points;
};

// Connects sink to source's events of eventIid; *cookie is for unadvise.
HRESULT advise(IUnknown* source, const IID& eventIid, IUnknown* sink, std::uint32_t* cookie);
HRESULT unadvise(IUnknown* source, const IID& eventIid, std::uint32_t cookie);

}  // namespace platform::com
