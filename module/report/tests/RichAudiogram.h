#pragma once
// Data for printed reports, shared by the report's tests and its benchmark:
// the tests that a report looks its notations up in, and a rich audiogram
// with something in every section of both layouts.

#include "module/core/CCurvePrefs.h"
#include "module/core/SymbolCatalogue.h"

#include "vellum/IVellumDataLayer.h"
#include "vellum/VellumValues.h"

#include "platform/gfx/Types.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace brisance::testing {

inline constexpr platform::gfx::ColorRef kRed = platform::gfx::rgb(255, 0, 0);
inline constexpr platform::gfx::ColorRef kBlue = platform::gfx::rgb(0, 0, 255);

// The tests of the symbol legend's eight notations plus two speech tests:
//   "1-1-1-" AC, "1-2-1-" BC, "2-3-1-" MCL, "3-1-1-" UCL, "1-3-1-" SF,
//   "1-3-2-" SFA (all with their standard symbols), "1-1-10-1-" WRS (right
//   red, left blue) and "7-1-2-1-" MCLS.
inline void AddReportTests(CCurvePrefs& tests)
{
    const auto add = [&](const char* key, const char* label, std::int32_t type, std::int32_t condition) {
        const auto test = tests.Add(key);
        test->Label = label;
        test->TestType = type;
        test->Condition = condition;
        test->RightColor = kRed;
        test->LeftColor = kBlue;
        test->BinauralColor = kRed;
        test->LeftLineWidth = test->RightLineWidth = test->BinauralLineWidth = 1;
        const TestSymbols symbols = expandSymbols(*findStandardSymbolSet(key));
        for (std::size_t i = 0; i < 6; ++i) {
            test.get()->*kRightSymbolFields[i] = symbols.right[i];
            test.get()->*kLeftSymbolFields[i] = symbols.left[i];
            test.get()->*kBinauralSymbolFields[i] = symbols.binaural[i];
        }
    };
    add("1-1-1-", "AC", 1, 2);
    add("1-2-1-", "BC", 2, 2);
    add("2-3-1-", "MCL", 5, 2);
    add("3-1-1-", "UCL", 6, 2);
    add("1-3-1-", "SF", 3, 2);
    add("1-3-2-", "SFA", 3, 3);
    add("1-1-10-1-", "WRS", 10, 2);
    add("7-1-2-1-", "MCLS", 26, 2);
}

// Both ears' air conduction (the right masked from 2 kHz on, a no-response
// point at 8 kHz on the left) and bone conduction (masked), sound field
// unaided and aided, the speech tests that the speech table finds (threshold,
// comfortable levels, word recognition in quiet and in noise), both
// tympanograms, and ipsilateral and contralateral reflexes with decay.
inline void FillRichAudiogram(vellum::IVellumDataLayer& data)
{
    using Levels = std::initializer_list<std::pair<std::int32_t, std::int16_t>>;  // Hz, dB
    const auto pureTone = [&](std::int32_t type, std::int32_t ear, std::int32_t condition, Levels levels,
                              std::int16_t maskingFrom = 0, std::int16_t masking = 0) {
        const auto curve = data.get_PureToneCurves()->Add(type, ear, condition);
        for (const auto& [frequency, level] : levels) {
            const auto point = curve->get_Points()->Add(frequency);
            point->put_Level(static_cast<std::int16_t>(level * 10));
            if (maskingFrom != 0 && frequency >= maskingFrom)
                point->put_MaskingLevel(static_cast<std::int16_t>(masking + frequency / 1000));
        }
        return curve;
    };
    pureTone(1, vellum::kEarRight, 2,
             {{250, 15}, {500, 20}, {1000, 25}, {2000, 40}, {3000, 50}, {4000, 55}, {6000, 60}, {8000, 65}}, 2000, 50);
    const auto leftAir =
        pureTone(1, vellum::kEarLeft, 2, {{250, 10}, {500, 10}, {1000, 15}, {2000, 20}, {4000, 30}, {8000, 90}});
    leftAir->get_Points()->Item(8000)->put_Status(vellum::kStatusNoResponse);
    pureTone(2, vellum::kEarRight, 2, {{500, 15}, {1000, 20}, {2000, 35}, {4000, 50}}, 500, 40);
    pureTone(2, vellum::kEarLeft, 2, {{500, 5}, {1000, 10}, {2000, 15}, {4000, 25}}, 1000, 30);
    pureTone(3, vellum::kEarBinaural, 2, {{500, 35}, {1000, 40}, {2000, 45}});
    pureTone(3, vellum::kEarBinaural, 3, {{500, 20}, {1000, 20}, {2000, 25}});
    constexpr std::int32_t k500To2000Hz = 0b1010100;
    data.put_AverageFrequenciesLeft(k500To2000Hz);
    data.put_AverageFrequenciesRight(k500To2000Hz);

    const auto speech = [&](std::int32_t type, std::int32_t ear, std::int32_t wordList, std::int32_t level,
                            std::int16_t score, std::int16_t masking) {
        const auto point = data.get_SpeechCurves()->Add(type, ear, 2, wordList)->get_Points()->Add(level);
        point->put_Score(score);
        point->put_MaskingLevel(masking);
    };
    speech(15, vellum::kEarRight, 8, 300, vellum::kNoValue, 45);
    speech(15, vellum::kEarLeft, 8, 150, vellum::kNoValue, vellum::kNoSpeechMasking);
    speech(26, vellum::kEarRight, 2, 650, vellum::kNoValue, vellum::kNoSpeechMasking);
    speech(26, vellum::kEarLeft, 2, 550, vellum::kNoValue, vellum::kNoSpeechMasking);
    speech(28, vellum::kEarRight, 2, 1000, vellum::kNoValue, vellum::kNoSpeechMasking);
    speech(10, vellum::kEarRight, 10, 700, 8800, 50);
    speech(10, vellum::kEarLeft, 10, 550, 9600, vellum::kNoSpeechMasking);
    speech(10, vellum::kEarBinaural, 10, 600, 9250, vellum::kNoSpeechMasking);
    speech(14, vellum::kEarRight, 10, 700, 7200, 65);

    const auto tympanogram = [&](std::int32_t ear, std::int32_t type, std::int32_t volume, std::int32_t pressure,
                                 std::int32_t height, std::int32_t gradient) {
        const auto t = data.get_Tympanograms()->Add(ear);
        t->put_TympType(type);
        t->put_EarCanalVolume(volume);
        t->put_PeakPressure(pressure);
        t->put_PeakHeight(height);
        t->put_Gradient(gradient);
        t->put_ProbeToneFrequency(226);
    };
    tympanogram(vellum::kEarRight, 1, 140, -15, 85, 75);
    tympanogram(vellum::kEarLeft, 4, 95, 405, 30811, vellum::kNoValue);

    const auto reflex = [&](std::int32_t type, std::int32_t ear, Levels levels) {
        const auto curve = data.get_PureToneCurves()->Add(type, ear, 2);
        for (const auto& [stimulus, level] : levels) curve->get_Points()->Add(stimulus)->put_Level(level);
    };
    const auto decay = [&](std::int32_t type, std::int32_t ear, Levels results) {
        const auto curve = data.get_PureToneCurves()->Add(type, ear, 2);
        for (const auto& [stimulus, result] : results) curve->get_Points()->Add(stimulus)->put_Decay(result);
    };
    reflex(vellum::kCurveIpsilateralReflex, vellum::kEarRight, {{500, 900}, {1000, 950}, {2000, 4020}, {32765, 800}});
    reflex(vellum::kCurveIpsilateralReflex, vellum::kEarLeft, {{500, 850}, {1000, 900}, {4000, 4030}});
    reflex(vellum::kCurveContralateralReflex, vellum::kEarRight, {{500, 1000}, {1000, 1050}, {32767, 4010}});
    reflex(vellum::kCurveContralateralReflex, vellum::kEarLeft, {{500, 950}, {1000, 1000}, {32766, 850}});
    decay(vellum::kCurveContralateralDecay, vellum::kEarRight, {{500, 0}, {1000, 1}});
    decay(vellum::kCurveIpsilateralDecay, vellum::kEarLeft, {{1000, 10}});
}

}  // namespace brisance::testing
