#include "tools/demo/DemoAudiograms.h"

#include "vellum/VellumValues.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace demo {

namespace {

using Levels = std::initializer_list<std::pair<std::int32_t, int>>;  // Hz, dB HL

constexpr std::int32_t kAirConduction = 1;
constexpr std::int32_t kBoneConduction = 2;
constexpr std::int32_t kUnaided = 2;
constexpr std::int32_t k500To2000Hz = 0b1010100;

// Masked from this frequency on, with this noise level.
struct Masking {
    std::int32_t fromHz;
    std::int16_t level;
};

vellum::ComPtr<vellum::IVellumPureToneCurve> pureTone(vellum::IVellumDataLayer& data, const Visit& visit,
                                                      std::int32_t type, std::int32_t ear, Levels levels,
                                                      Masking masking = {})
{
    const auto curve = data.get_PureToneCurves()->Add(type, ear, kUnaided);
    for (const auto& [frequency, level] : levels) {
        const int shifted = level + (frequency >= 2000 ? visit.highFrequencyDb : 0);
        const auto point = curve->get_Points()->Add(frequency);
        point->put_Level(static_cast<std::int16_t>(shifted * 10));
        if (masking.fromHz != 0 && frequency >= masking.fromHz) point->put_MaskingLevel(masking.level);
    }
    return curve;
}

// Speech levels in tenths of dB, scores in hundredths of a per cent.
void speech(vellum::IVellumDataLayer& data, std::int32_t type, std::int32_t ear, std::int32_t wordList,
            std::int32_t level, std::int16_t score, std::int16_t masking = vellum::kNoSpeechMasking)
{
    const auto point = data.get_SpeechCurves()->Add(type, ear, kUnaided, wordList)->get_Points()->Add(level);
    point->put_Score(score);
    point->put_MaskingLevel(masking);
}

void tympanogram(vellum::IVellumDataLayer& data, std::int32_t ear, std::int32_t volume, std::int32_t pressure,
                 std::int32_t compliance)
{
    const auto shown = data.get_Tympanograms()->Add(ear);
    shown->put_TympType(1);  // "A"
    shown->put_EarCanalVolume(volume);
    shown->put_PeakPressure(pressure);
    shown->put_PeakHeight(compliance);
    shown->put_StaticCompliance(compliance);
    shown->put_ProbeToneFrequency(226);
}

// Reflex thresholds in tenths of dB by stimulus frequency.
void reflexes(vellum::IVellumDataLayer& data, std::int32_t type, std::int32_t ear, Levels levels)
{
    const auto curve = data.get_PureToneCurves()->Add(type, ear, kUnaided);
    for (const auto& [stimulus, level] : levels) curve->get_Points()->Add(stimulus)->put_Level(static_cast<std::int16_t>(level));
}

}  // namespace

void fillVisit(vellum::IVellumDataLayer& data, const Visit& visit)
{
    using vellum::kEarLeft;
    using vellum::kEarRight;
    pureTone(data, visit, kAirConduction, kEarRight,
             {{250, 15}, {500, 20}, {1000, 25}, {2000, 40}, {3000, 50}, {4000, 55}, {6000, 60}, {8000, 65}},
             {.fromHz = 2000, .level = 60});
    const auto leftAir = pureTone(data, visit, kAirConduction, kEarLeft,
                                  {{250, 10}, {500, 15}, {1000, 15}, {2000, 25}, {3000, 35}, {4000, 45}, {6000, 60},
                                   {8000, 80}});
    leftAir->get_Points()->Item(8000)->put_Status(vellum::kStatusNoResponse);
    pureTone(data, visit, kBoneConduction, kEarRight, {{500, 15}, {1000, 20}, {2000, 35}, {4000, 50}},
             {.fromHz = 500, .level = 45});
    pureTone(data, visit, kBoneConduction, kEarLeft, {{500, 10}, {1000, 10}, {2000, 20}, {4000, 40}},
             {.fromHz = 1000, .level = 40});
    data.put_AverageFrequenciesLeft(k500To2000Hz);
    data.put_AverageFrequenciesRight(k500To2000Hz);

    constexpr std::int32_t kSpeechThreshold = 15;
    constexpr std::int32_t kComfortableLevel = 26;
    constexpr std::int32_t kWordRecognition = 10;
    speech(data, kSpeechThreshold, kEarRight, 8, 300, vellum::kNoValue, 45);
    speech(data, kSpeechThreshold, kEarLeft, 8, 200, vellum::kNoValue);
    speech(data, kComfortableLevel, kEarRight, 2, 650, vellum::kNoValue);
    speech(data, kComfortableLevel, kEarLeft, 2, 600, vellum::kNoValue);
    speech(data, kWordRecognition, kEarRight, 10, 700, static_cast<std::int16_t>(9200 - 400 * visit.highFrequencyDb / 5), 50);
    speech(data, kWordRecognition, kEarLeft, 10, 600, 9600);

    tympanogram(data, kEarRight, 140, -15, 85);
    tympanogram(data, kEarLeft, 120, 10, 70);
    reflexes(data, vellum::kCurveIpsilateralReflex, kEarRight, {{500, 900}, {1000, 950}, {2000, 1000}});
    reflexes(data, vellum::kCurveIpsilateralReflex, kEarLeft, {{500, 850}, {1000, 900}, {2000, 950}});
    reflexes(data, vellum::kCurveContralateralReflex, kEarRight, {{500, 1000}, {1000, 1050}, {2000, 1100}});
    reflexes(data, vellum::kCurveContralateralReflex, kEarLeft, {{500, 950}, {1000, 1000}, {2000, 1050}});
}

}  // namespace demo
