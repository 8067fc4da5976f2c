// Storing and loading a large audiogram: what every save, load and undo
// snapshot of the document costs.

#include "vellum/AudiogramFormat.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vellum;

// Every curve type for three ears and three conditions, with the points a
// dense measurement gives: pure-tone curves at 16 frequencies, speech curves
// at 12 levels, and both tympanograms.
AudiogramContent largeAudiogram()
{
    AudiogramContent content;
    for (std::int32_t curveType = 1; curveType <= 9; ++curveType)
        for (std::int32_t ear : {kEarRight, kEarLeft, kEarBinaural})
            for (std::int32_t condition = 2; condition <= 4; ++condition) {
                auto curve = std::make_shared<PureToneCurve>();
                curve->measurement = {ear, curveType, condition, 0, "aided condition", "insert phones", ""};
                for (std::int32_t i = 0; i < 16; ++i) {
                    auto point = std::make_shared<PureTonePoint>();
                    point->frequency = 125 + 500 * i;
                    point->level = static_cast<std::int16_t>(10 * i);
                    point->maskingLevel = static_cast<std::int16_t>(i % 2 ? 40 : kNoValue);
                    curve->points.emplace(point->frequency, point);
                }
                content.pureToneCurves.push_back(curve);
            }
    for (std::int32_t curveType = 10; curveType <= 29; ++curveType)
        for (std::int32_t ear : {kEarRight, kEarLeft, kEarBinaural}) {
            auto curve = std::make_shared<SpeechCurve>();
            curve->measurement = {ear, curveType, 2, 10, "", "free field", "phonetically balanced"};
            for (std::int32_t i = 0; i < 12; ++i) {
                auto point = std::make_shared<SpeechPoint>();
                point->level = 100 * i;
                point->score = static_cast<std::int16_t>(800 * i);
                point->numberOfWords = 25;
                curve->points.emplace(point->level, point);
            }
            content.speechCurves.push_back(curve);
        }
    for (std::int32_t ear : {kEarRight, kEarLeft}) {
        auto tympanogram = std::make_shared<Tympanogram>();
        tympanogram->ear = ear;
        content.tympanograms.push_back(tympanogram);
    }
    return content;
}

void BM_StoreLargeAudiogram(benchmark::State& state)
{
    const AudiogramContent content = largeAudiogram();
    for (auto _ : state) benchmark::DoNotOptimize(writeAudiogram(content, kFormatCurrent));
}
BENCHMARK(BM_StoreLargeAudiogram);

void BM_LoadLargeAudiogram(benchmark::State& state)
{
    const std::vector<std::uint8_t> stored = writeAudiogram(largeAudiogram(), kFormatCurrent);
    for (auto _ : state) benchmark::DoNotOptimize(readAudiogram(stored));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stored.size()));
}
BENCHMARK(BM_LoadLargeAudiogram);

}  // namespace
