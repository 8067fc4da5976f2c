#pragma once
// _ISonvaleControllerEvents: the controller's events, a dispatch interface.
// Each event is invoked as a method on every connected sink, in the order
// they connected, with its arguments as variants: the enumerations and long
// values as Long, short values as Integer, BOOL values as Boolean, texts as
// String. What a sink returns is ignored.

#include "platform/com/DispatchIds.h"
#include "platform/com/Guid.h"

namespace pelmsonvale {

inline constexpr platform::com::IID kSonvaleControllerEventsIid =
    platform::com::makeGuid("{CD9E230D-CDB9-419B-95AD-B679F81B1E58}");

// The events by DISPID, with their arguments.
enum SonvaleControllerEvent : platform::com::DISPID {
    // CurveType, Ear, PointType, PointStatus, Freq1, Intensity1, Freq2, Intensity2
    PlotPoint = 1,
    // CurveType, Ear, Freq1, Intensity1
    MoveCursor = 2,
    // CurveType, Ear, Freq1
    DeletePoint = 3,
    // CurveType, Ear
    DeleteCurve = 4,
    DeleteAllCurves = 5,
    // The instrument has finished; the handler may call Stop.
    MeasurementComplete = 6,
    // frError: a failure while measuring
    SonvaleError = 7,
    // After every stop of a driver.
    ShutdownComplete = 8,
    // strManufacturerID: a newly installed driver joined the list.
    SetupDone = 9,
    // ModelName, ProbeSerialNumber, PointType, ActionType, Ear, GradientStatus, Pressure, Pressure1,
    // Pressure2, CanalVolume, GradientVal, GradientVal1, GradientVal2, PeakCompliance,
    // PeakCompliance1, PeakCompliance2, ValidTest, ValidTest1, ValidTest2, ProbeTone
    ImpedancePoint = 10,
    // ModelName, ProbeSerialNumber, TestNumber, Ear, Threshold, ValidReflexPoint, SignalType,
    // IsReflexScreenPoint, ReflexTestType
    ReflexPoint = 11,
    // ModelName, ProbeSerialNumber, Ear, DecayDetected, SignalType, ReflexTestType
    DecayPoint = 12,
};

}  // namespace pelmsonvale
