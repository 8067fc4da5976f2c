#pragma once
// What one audiogram data object holds: its curves with their points, its
// tympanograms and its average masks. Plain data; VellumDataLayer wraps it for
// its callers, AudiogramFormat stores it.
//
// Nodes are shared so that an object handed out for a curve or a point stays
// usable after its collection drops it (writes to it then reach nothing).

#include "vellum/VellumValues.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vellum {

struct Measurement {
    std::int32_t ear = 0;
    std::int32_t curveType = 0;
    std::int32_t condition = 0;
    std::int32_t wordList = 0;
    std::string conditionDescription;
    std::string transducerDescription;
    std::string wordListDescription;
};

struct PureTonePoint {
    std::int32_t frequency = 0;  // Hz, or a reflex stimulus code; the key
    std::int16_t level = kNoValue;
    std::int16_t maskingLevel = kNoValue;
    std::int16_t status = kStatusMeasured;
    std::int16_t decay = kNoValue;
};

struct SpeechPoint {
    std::int32_t level = 0;  // tenths of dB; the key
    std::int16_t score = kNoValue;
    std::int16_t maskingLevel = kNoSpeechMasking;
    std::int32_t numberOfWords = 0;
};

template <class Point>
struct Curve {
    Measurement measurement;
    std::map<std::int32_t, std::shared_ptr<Point>> points;  // by key, in key order
};
using PureToneCurve = Curve<PureTonePoint>;
using SpeechCurve = Curve<SpeechPoint>;

struct Tympanogram {
    std::int32_t ear = 0;
    std::int32_t staticCompliance = kNoValue;
    std::int32_t earCanalVolume = kNoValue;
    std::int32_t peakPressure = kNoValue;
    std::int32_t tympType = kNoValue;
    std::int32_t probeToneFrequency = kNoValue;
    std::int32_t gradient = kNoValue;
    std::int32_t peakHeight = kNoValue;
    std::int32_t gradientStatus = 0;
};

struct AverageMasks {
    std::int32_t left = 0;
    std::int32_t right = 0;
    std::int32_t doubleLeft = 0;
    std::int32_t doubleRight = 0;
};

struct AudiogramContent {
    // Each collection in the order its members were added.
    std::vector<std::shared_ptr<PureToneCurve>> pureToneCurves;
    std::vector<std::shared_ptr<SpeechCurve>> speechCurves;
    std::vector<std::shared_ptr<Tympanogram>> tympanograms;
    AverageMasks averages;
};

// The keys a curve is found by: curve type, ear, condition and, for speech
// curves, word list.
inline bool samePureToneKey(const Measurement& m, std::int32_t curveType, std::int32_t ear, std::int32_t condition)
{
    return m.curveType == curveType && m.ear == ear && m.condition == condition;
}
inline bool sameSpeechKey(const Measurement& m, std::int32_t curveType, std::int32_t ear, std::int32_t condition,
                          std::int32_t wordList)
{
    return samePureToneKey(m, curveType, ear, condition) && m.wordList == wordList;
}

}  // namespace vellum
