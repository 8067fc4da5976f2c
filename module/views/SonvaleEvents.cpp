#include "module/views/SonvaleEvents.h"

#include "PelmSonvale/ISonvaleControllerEvents.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/DispatchSink.h"
#include "platform/com/Failure.h"
#include "platform/runtime/RuntimeError.h"

#include <QPointer>

#include <span>

namespace brisance {

namespace com = platform::com;
using platform::runtime::Variant;
namespace link = pelmsonvale;

namespace {

constexpr const char* kSource = "SonvaleEvents";

// How many arguments each event carries.
std::size_t argumentCount(com::DISPID event)
{
    switch (event) {
    case link::PlotPoint: return 8;
    case link::MoveCursor: return 4;
    case link::DeletePoint: return 3;
    case link::DeleteCurve: return 2;
    case link::SonvaleError: return 1;
    case link::SetupDone: return 1;
    case link::ImpedancePoint: return 20;
    case link::ReflexPoint: return 9;
    case link::DecayPoint: return 6;
    default: return 0;
    }
}

ImpedancePointArgs impedancePoint(std::span<const Variant> a)
{
    ImpedancePointArgs args;
    args.ModelName = a[0].toLong();
    args.ProbeSerialNumber = a[1].toLong();
    args.PointType = a[2].toLong();
    args.ActionType = a[3].toLong();
    args.Ear = a[4].toLong();
    args.GradientStatus = a[5].toLong();
    for (std::size_t k = 0; k < 3; ++k) {
        args.Pressure[k] = a[6 + k].toInteger();
        args.GradientVal[k] = a[10 + k].toInteger();
        args.PeakCompliance[k] = a[13 + k].toInteger();
        args.ValidTest[k] = a[16 + k].toBoolean();
    }
    args.CanalVolume = a[9].toInteger();
    args.ProbeTone = a[19].toInteger();
    return args;
}

ReflexPointArgs reflexPoint(std::span<const Variant> a)
{
    return {a[0].toLong(), a[1].toLong(),    a[2].toInteger(), a[3].toLong(), a[4].toLong(),
            a[5].toBoolean(), a[6].toLong(), a[7].toBoolean(), a[8].toLong()};
}

DecayPointArgs decayPoint(std::span<const Variant> a)
{
    return {a[0].toLong(), a[1].toLong(), a[2].toLong(), a[3].toBoolean(), a[4].toLong(), a[5].toLong()};
}

}  // namespace

// The advised sink's way back to its subscription, cut when the subscription
// goes: a controller may still call a sink it took before the unadvise.
struct SonvaleEvents::Sink {
    SonvaleEvents* owner;

    // The signal an event raises, its arguments read now; none for an event
    // the views do not take or one that does not carry its arguments.
    std::function<void()> signalOf(com::DISPID event, std::span<const Variant> a) const
    {
        if (a.size() != argumentCount(event))
            return {};
        SonvaleEvents* events = owner;
        switch (event) {
        case link::PlotPoint: {
            const std::int32_t curve = a[0].toLong(), ear = a[1].toLong(), type = a[2].toLong(),
                               status = a[3].toLong();
            const std::int16_t f1 = a[4].toInteger(), i1 = a[5].toInteger(), f2 = a[6].toInteger(),
                               i2 = a[7].toInteger();
            return [=] { emit events->PlotPoint(curve, ear, type, status, f1, i1, f2, i2); };
        }
        case link::MoveCursor: {
            const std::int32_t curve = a[0].toLong(), ear = a[1].toLong();
            const std::int16_t f1 = a[2].toInteger(), i1 = a[3].toInteger();
            return [=] { emit events->MoveCursor(curve, ear, f1, i1); };
        }
        case link::DeletePoint: {
            const std::int32_t curve = a[0].toLong(), ear = a[1].toLong();
            const std::int16_t f1 = a[2].toInteger();
            return [=] { emit events->DeletePoint(curve, ear, f1); };
        }
        case link::DeleteCurve: {
            const std::int32_t curve = a[0].toLong(), ear = a[1].toLong();
            return [=] { emit events->DeleteCurve(curve, ear); };
        }
        case link::DeleteAllCurves: return [=] { emit events->DeleteAllCurves(); };
        case link::MeasurementComplete: return [=] { emit events->MeasurementComplete(); };
        case link::SonvaleError: return [=, result = a[0].toLong()] { emit events->SonvaleError(result); };
        case link::ShutdownComplete: return [=] { emit events->ShutdownComplete(); };
        case link::SetupDone: return [=, id = a[0].toString()] { emit events->SetupDone(id); };
        case link::ImpedancePoint: return [=, args = impedancePoint(a)] { emit events->ImpedancePoint(args); };
        case link::ReflexPoint: return [=, args = reflexPoint(a)] { emit events->ReflexPoint(args); };
        case link::DecayPoint: return [=, args = decayPoint(a)] { emit events->DecayPoint(args); };
        default: return {};
        }
    }

    com::HRESULT received(com::DISPID event, std::span<Variant> arguments) const
    {
        if (!owner)
            return com::S_OK;
        std::function<void()> signal;
        try {
            signal = signalOf(event, arguments);
        } catch (const platform::runtime::RuntimeError&) {
            // An argument of a type that does not convert: the event is not ours to read.
            return com::DISP_E_TYPEMISMATCH;
        }
        if (!signal)
            return com::S_OK;
        owner->m_pending.push_back(std::move(signal));
        if (!owner->m_delivering)
            owner->deliver();
        return com::S_OK;
    }
};

SonvaleEvents::SonvaleEvents(com::ComPtr<link::ISonvaleController> controller, QObject* parent)
    : QObject(parent), m_controller(std::move(controller)), m_sink(std::make_shared<Sink>(Sink{this}))
{
    auto sink = com::make<com::DispatchSink>(
        link::kSonvaleControllerEventsIid,
        [target = m_sink](com::DISPID event, std::span<Variant> arguments) { return target->received(event, arguments); });
    com::raiseOnFailure(com::advise(m_controller.get(), link::kSonvaleControllerEventsIid, sink.get(), &m_cookie),
                        kSource);
}

SonvaleEvents::~SonvaleEvents()
{
    m_sink->owner = nullptr;
    com::unadvise(m_controller.get(), link::kSonvaleControllerEventsIid, m_cookie);
}

void SonvaleEvents::deliver()
{
    const QPointer<SonvaleEvents> alive(this);
    m_delivering = true;
    while (!m_pending.empty()) {
        const std::function<void()> signal = std::move(m_pending.front());
        m_pending.pop_front();
        signal();
        // A handler may have ended the subscription.
        if (!alive)
            return;
    }
    m_delivering = false;
}

}  // namespace brisance
