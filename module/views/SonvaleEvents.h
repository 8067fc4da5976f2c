#pragma once
// A view's subscription to the instrument link: for as long as it lives, a
// sink advised on a link controller's events that hands each event on as a Qt
// signal with typed arguments. Destroying it unadvises the sink; an event
// that the controller was already firing then reaches nobody.
//
// The controller fires on the thread that created it, the views' thread, and
// the signals are raised there. They are raised one at a time, in the order
// the events came: an event that comes while a handler of an earlier one
// still runs (a message box or dialog of that handler lets the link go on
// delivering) waits until that handler has returned, so that no handler runs
// inside another. Handlers must not raise.
//
// A view holds one for the controller its Sonvale set gave it:
//
//     m_link = std::make_unique<SonvaleEvents>(controller);
//     connect(m_link.get(), &SonvaleEvents::ReflexPoint, this, &CView::LinkReflexPoint);
//
// The arguments are those of _ISonvaleControllerEvents (SonvaleTypes.h for
// the enumerations): 16-bit values as std::int16_t, Booleans as bool.

#include <QObject>

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "PelmSonvale/ISonvaleController.h"
#include "platform/com/ComPtr.h"
#endif

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

namespace brisance {

// Up to three tympanograms of one ear.
struct ImpedancePointArgs {
    std::int32_t ModelName = 0;  // TePelmModel
    std::int32_t ProbeSerialNumber = 0;
    std::int32_t PointType = 0;       // TImpPointType
    std::int32_t ActionType = 0;      // TImpActionType
    std::int32_t Ear = 0;             // TImpedanceEar
    std::int32_t GradientStatus = 0;  // TGradientStatus
    // Tympanograms 0, 1 and 2 (Pressure, Pressure1, Pressure2, and so on).
    std::array<std::int16_t, 3> Pressure{};
    std::int16_t CanalVolume = 0;
    std::array<std::int16_t, 3> GradientVal{};
    std::array<std::int16_t, 3> PeakCompliance{};
    std::array<bool, 3> ValidTest{};
    std::int16_t ProbeTone = 0;  // Hz
};

// One reflex threshold (a dB value or a result code 400 to 404).
struct ReflexPointArgs {
    std::int32_t ModelName = 0;
    std::int32_t ProbeSerialNumber = 0;
    std::int16_t TestNumber = 0;
    std::int32_t Ear = 0;  // TImpedanceEar
    std::int32_t Threshold = 0;
    bool ValidReflexPoint = false;
    std::int32_t SignalType = 0;  // TActivatorStimulus
    bool IsReflexScreenPoint = false;
    std::int32_t ReflexTestType = 0;  // TReflexTestType
};

// One reflex decay result.
struct DecayPointArgs {
    std::int32_t ModelName = 0;
    std::int32_t ProbeSerialNumber = 0;
    std::int32_t Ear = 0;  // TImpedanceEar
    bool DecayDetected = false;
    std::int32_t SignalType = 0;      // TActivatorStimulus
    std::int32_t ReflexTestType = 0;  // TReflexTestType
};

class SonvaleEvents final : public QObject {
    Q_OBJECT

public:
    // Advises the sink on the controller's events; raises the failure (its
    // HRESULT as the error number) when the controller refuses it.
    explicit SonvaleEvents(platform::com::ComPtr<pelmsonvale::ISonvaleController> controller,
                           QObject* parent = nullptr);
    const platform::com::ComPtr<pelmsonvale::ISonvaleController>& Controller() const { return m_controller; }
    ~SonvaleEvents() override;
    SonvaleEvents(const SonvaleEvents&) = delete;
    SonvaleEvents& operator=(const SonvaleEvents&) = delete;

signals:
    // CurveType, Ear, PointType, PointStatus: TAudiCurveType, TAudiEar,
    // TAudiPointType, TAudiPointStatus; the second pair is the masking channel.
    void PlotPoint(std::int32_t CurveType, std::int32_t Ear, std::int32_t PointType, std::int32_t PointStatus,
                   std::int16_t Freq1, std::int16_t Intensity1, std::int16_t Freq2, std::int16_t Intensity2);
    void MoveCursor(std::int32_t CurveType, std::int32_t Ear, std::int16_t Freq1, std::int16_t Intensity1);
    void DeletePoint(std::int32_t CurveType, std::int32_t Ear, std::int16_t Freq1);
    void DeleteCurve(std::int32_t CurveType, std::int32_t Ear);
    void DeleteAllCurves();
    void MeasurementComplete();
    // A failure while measuring: the driver's failed read result (polling
    // has ended) or -15 for a record the link could not use.
    void SonvaleError(std::int32_t frError);
    void ShutdownComplete();
    // A newly installed driver joined the controller's list, which has been
    // read again: the drivers' indexes may have changed.
    void SetupDone(const std::string& strManufacturerID);
    void ImpedancePoint(const brisance::ImpedancePointArgs& args);
    void ReflexPoint(const brisance::ReflexPointArgs& args);
    void DecayPoint(const brisance::DecayPointArgs& args);

private:
    struct Sink;

    void deliver();

    platform::com::ComPtr<pelmsonvale::ISonvaleController> m_controller;
    std::shared_ptr<Sink> m_sink;
    std::uint32_t m_cookie = 0;
    // Signals not yet raised, in the order their events came.
    std::deque<std::function<void()>> m_pending;
    bool m_delivering = false;
};

// The slot for a link event that writes into a view's data. An enabled view
// takes the result at once. A read-only (disabled) view raises its
// ReadOnlyResult with the result to take instead, so that its document can ask
// the user first; the result then goes in only when the view has been enabled
// by the time it is taken.
template <class View, class... Args>
auto WhenTaken(View* view, void (View::*handler)(Args...))
{
    return [view, handler](Args... args) {
        if (view->Enabled()) {
            (view->*handler)(args...);
            return;
        }
        emit view->ReadOnlyResult([view, handler, args...] {
            if (view->Enabled())
                (view->*handler)(args...);
        });
    };
}

}  // namespace brisance
