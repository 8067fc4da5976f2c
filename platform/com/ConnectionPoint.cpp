#include "platform/com/ConnectionPoint.h"

#include <algorithm>

namespace platform::com {

HRESULT ConnectionPoint::GetConnectionInterface(IID* eventIid)
{
    if (!eventIid) return E_POINTER;
    *eventIid = m_eventIid;
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, std::uint32_t* cookie)
{
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    ComPtr<IUnknown> events;
    if (failed(sink->QueryInterface(m_eventIid, events.putVoid()))) return CONNECT_E_CANNOTCONNECT;
    const std::lock_guard lock(m_mutex);
    *cookie = ++m_lastCookie;
    m_sinks.emplace_back(*cookie, std::move(events));
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(std::uint32_t cookie)
{
    ComPtr<IUnknown> released;  // released after the lock, in case the sink's end calls back
    const std::lock_guard lock(m_mutex);
    const auto found = std::find_if(m_sinks.begin(), m_sinks.end(), [cookie](const auto& entry) { return entry.first == cookie; });
    if (found == m_sinks.end()) return CONNECT_E_NOCONNECTION;
    released = std::move(found->second);
    m_sinks.erase(found);
    return S_OK;
}

std::vector<ComPtr<IUnknown>> ConnectionPoint::sinks() const
{
    const std::lock_guard lock(m_mutex);
    std::vector<ComPtr<IUnknown>> result;
    result.reserve(m_sinks.size());
    for (const auto& entry : m_sinks) result.push_back(entry.second);
    return result;
}

HRESULT ConnectionPoints::FindConnectionPoint(const IID& eventIid, IConnectionPoint** point)
{
    if (!point) return E_POINTER;
    *point = nullptr;
    const auto found = m_points.find(eventIid);
    if (found == m_points.end()) return CONNECT_E_NOCONNECTION;
    *point = ComPtr<IConnectionPoint>(found->second).detach();
    return S_OK;
}

void ConnectionPoints::addConnectionPoint(const IID& eventIid)
{
    m_points.try_emplace(eventIid, make<ConnectionPoint>(eventIid));
}

void ConnectionPoints::fire(const IID& eventIid, const std::function<HRESULT(IUnknown* sink)>& call)
{
    const auto found = m_points.find(eventIid);
    if (found == m_points.end()) return;
    const ComPtr<IConnectionPointContainer> keepAlive(this);
    const ComPtr<ConnectionPoint> point = found->second;
    for (const ComPtr<IUnknown>& sink : point->sinks()) call(sink.get());
}

void ConnectionPoints::fire(const IID& eventIid, DISPID dispid, std::span<Variant> args)
{
    fire(eventIid, [&](IUnknown* sink) {
        ComPtr<IDispatch> dispatch;
        if (failed(sink->QueryInterface(IDispatch::iid, dispatch.putVoid()))) return E_NOINTERFACE;
        return dispatch->Invoke(dispid, DISPATCH_METHOD, args, nullptr);
    });
}

namespace {

HRESULT findPoint(IUnknown* source, const IID& eventIid, ComPtr<IConnectionPoint>& point)
{
    if (!source) return E_POINTER;
    ComPtr<IConnectionPointContainer> container;
    if (const HRESULT hr = source->QueryInterface(IConnectionPointContainer::iid, container.putVoid()); failed(hr)) return hr;
    return container->FindConnectionPoint(eventIid, point.put());
}

}  // namespace

HRESULT advise(IUnknown* source, const IID& eventIid, IUnknown* sink, std::uint32_t* cookie)
{
    if (cookie) *cookie = 0;
    ComPtr<IConnectionPoint> point;
    if (const HRESULT hr = findPoint(source, eventIid, point); failed(hr)) return hr;
    return point->Advise(sink, cookie);
}

HRESULT unadvise(IUnknown* source, const IID& eventIid, std::uint32_t cookie)
{
    ComPtr<IConnectionPoint> point;
    if (const HRESULT hr = findPoint(source, eventIid, point); failed(hr)) return hr;
    return point->Unadvise(cookie);
}

}  // namespace platform::com
