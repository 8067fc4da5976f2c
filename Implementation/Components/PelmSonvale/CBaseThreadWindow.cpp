#include "CBaseThreadWindow.h"

#include "CPointInformation.h"
#include "CSonvaleController.h"
#include "LinkMessages.h"

#include <vector>

namespace pelmsonvale {

namespace {

using platform::runtime::Variant;
using Arguments = std::vector<Variant>;

Arguments plotPoint(const CPointInformation& r)
{
    return {r.CurveType, r.Ear, r.PointType, r.PointStatus, r.Freq1, r.Intensity1, r.Freq2, r.Intensity2};
}

Arguments moveCursor(const CPointInformation& r)
{
    return {r.CurveType, r.Ear, r.Freq1, r.Intensity1};
}

Arguments deletePoint(const CPointInformation& r)
{
    return {r.CurveType, r.Ear, r.Freq1};
}

Arguments deleteCurve(const CPointInformation& r)
{
    return {r.CurveType, r.Ear};
}

Arguments impedancePoint(const CPointInformation& r)
{
    return {r.ModelName,   r.ProbeSerialNumber, r.ImpPointType,    r.ImpActionType,   r.ImpEar,
            r.GradientStatus, r.Pressure,       r.Pressure1,       r.Pressure2,       r.CanalVolume,
            r.GradientVal, r.GradientVal1,      r.GradientVal2,    r.PeakCompliance,  r.PeakCompliance1,
            r.PeakCompliance2, r.ValidTest,     r.ValidTest1,      r.ValidTest2,      r.ProbeTone};
}

Arguments reflexPoint(const CPointInformation& r)
{
    return {r.ModelName,
            r.ProbeSerialNumber,
            static_cast<std::int32_t>(r.TestNumber),
            r.ImpEar,
            static_cast<std::int32_t>(r.Threshold),
            r.ValidReflexPoint != 0,
            r.SignalType,
            r.IsReflexScreenPoint != 0,
            r.ReflexTestType};
}

Arguments decayPoint(const CPointInformation& r)
{
    return {r.ModelName, r.ProbeSerialNumber, r.ImpEar, r.DecayDetected != 0, r.SignalType, r.ReflexTestType};
}

// The messages that carry a record, with the event each fires.
struct RecordEvent {
    MessageId message;
    SonvaleControllerEvent event;
    Arguments (*arguments)(const CPointInformation&);
};

constexpr RecordEvent kRecordEvents[] = {
    {WM_LINK_PLOTPOINT, PlotPoint, plotPoint},
    {WM_LINK_MOVECURSOR, MoveCursor, moveCursor},
    {WM_LINK_DELETEPOINT, DeletePoint, deletePoint},
    {WM_LINK_DELETECURVE, DeleteCurve, deleteCurve},
    {WM_LINK_IMPEDANCEPOINT, ImpedancePoint, impedancePoint},
    {WM_LINK_REFLEXPOINT, ReflexPoint, reflexPoint},
    {WM_LINK_DECAYPOINT, DecayPoint, decayPoint},
};

struct Firing {
    SonvaleControllerEvent event;
    Arguments arguments;
};

// The event that a message from the worker fires; nothing for a message that
// fires none (or a record message without its record).
std::optional<Firing> firingOf(const platform::system::Message& message)
{
    if (message.id == WM_LINK_ERROR)
        return Firing{SonvaleError, {static_cast<std::int32_t>(static_cast<std::intptr_t>(message.wParam))}};
    if (message.id == WM_LINK_DELETEALLCURVES)
        return Firing{DeleteAllCurves, {}};
    const auto* record = dynamic_cast<const CPointInformation*>(message.payload.get());
    if (!record)
        return std::nullopt;
    for (const RecordEvent& entry : kRecordEvents) {
        if (entry.message == message.id)
            return Firing{entry.event, entry.arguments(*record)};
    }
    return std::nullopt;
}

}  // namespace

CBaseThreadWindow::CBaseThreadWindow(CSonvaleController* controller) : m_controller(controller)
{
    m_window = platform::system::createMessageWindow(
        [this](platform::system::Message& message) { return handleMessage(message); });
}

CBaseThreadWindow::~CBaseThreadWindow()
{
    platform::system::destroyMessageWindow(m_window);
}

void CBaseThreadWindow::DeliverQueued()
{
    platform::system::pumpMessagesFor(m_window);
}

std::intptr_t CBaseThreadWindow::handleMessage(platform::system::Message& message)
{
    // WM_LINK_WORKER_HWND needs nothing: a stop request finds the worker's
    // window in the startup record, which does not wait for this window's
    // messages to be delivered.
    if (message.id == WM_LINK_MEASUREMENTCOMPLETE) {
        // Fired from the controller's window, since a handler that stops the
        // measurement destroys this one.
        m_controller->TriggerSignalThread();
        return 0;
    }
    std::optional<Firing> firing = firingOf(message);
    if (!firing)
        return 0;
    // A handler may stop the measurement, which deletes this object: nothing
    // of it is touched after the fire.
    m_controller->FireEvent(firing->event, firing->arguments);
    return 0;
}

}  // namespace pelmsonvale
