#pragma once
// One decoded driver result on its way from the measuring worker to the
// client's thread, where its fields become the arguments of one link event.
// It travels as the payload of a posted message, so it has one owner at a
// time and a message that cannot be delivered frees it.
// A fresh record is all zero; a decoder sets only the fields of the events
// that its record feeds, so the others stay 0.

#include "platform/system/MessageWindow.h"

#include <cstdint>

namespace pelmsonvale {

class CPointInformation : public platform::system::Payload {
public:
    ~CPointInformation() override = default;

    // Audiometer points (TAudiCurveType, TAudiEar, TAudiPointType, TAudiPointStatus).
    std::int32_t CurveType = 0;
    std::int32_t Ear = 0;
    std::int32_t PointType = 0;
    std::int32_t PointStatus = 0;
    std::int16_t Freq1 = 0;
    std::int16_t Intensity1 = 0;
    std::int16_t Freq2 = 0;
    std::int16_t Intensity2 = 0;

    // First tympanogram.
    std::int16_t Pressure = 0;
    std::int16_t CanalVolume = 0;
    std::int16_t GradientVal = 0;
    // Reflex threshold or result code; reaches the client widened without sign.
    std::uint16_t Threshold = 0;
    std::int16_t PeakCompliance = 0;
    std::int16_t ProbeTone = 0;  // Hz

    // Second and third tympanogram.
    std::int16_t Pressure1 = 0;
    std::int16_t Pressure2 = 0;
    std::int16_t GradientVal1 = 0;
    std::int16_t GradientVal2 = 0;
    std::int16_t PeakCompliance1 = 0;
    std::int16_t PeakCompliance2 = 0;

    bool ValidTest = false;
    bool ValidTest1 = false;
    bool ValidTest2 = false;

    std::int32_t ProbeSerialNumber = 0;
    // Reaches the client widened without sign.
    std::uint16_t TestNumber = 0;

    std::int32_t ModelName = 0;            // TePelmModel
    std::int32_t ValidReflexPoint = 0;     // 0 or 1
    std::int32_t ReflexTestType = 0;       // TReflexTestType
    std::int32_t IsReflexScreenPoint = 0;  // 0 or 1
    std::int32_t DecayDetected = 0;        // 0 or 1

    std::int32_t ImpPointType = 0;    // TImpPointType
    std::int32_t ImpActionType = 0;   // TImpActionType
    std::int32_t ImpEar = 0;          // TImpedanceEar
    std::int32_t GradientStatus = 0;  // TGradientStatus
    std::int32_t SignalType = 0;      // TActivatorStimulus
};

static_assert(sizeof(bool) == 1, "the validity flags are 8-bit booleans");

}  // namespace pelmsonvale
