#include "vellum/EarImpedance.h"

#include "vellum/AudiogramFormat.h"
#include "vellum/ByteStream.h"

#include <algorithm>
#include <string>

namespace vellum {

namespace {

constexpr std::string_view kSubject = "Impedance data";

void checkEar(std::int32_t ear)
{
    if (ear != kEarLeft && ear != kEarRight)
        raiseInvalidData(kSubject, "asked for ear " + std::to_string(ear) + ", which is not 2 (right) or 3 (left)");
}

bool isImpedanceCurveOf(const Measurement& m, std::int32_t ear)
{
    constexpr std::int32_t types[] = {kCurveIpsilateralReflex, kCurveContralateralReflex, kCurveIpsilateralDecay,
                                      kCurveContralateralDecay};
    return m.ear == ear && std::ranges::find(types, m.curveType) != std::end(types);
}

// The ear's part of content; its nodes are shared with content.
AudiogramContent earPart(const AudiogramContent& content, std::int32_t ear)
{
    AudiogramContent part;
    std::ranges::copy_if(content.pureToneCurves, std::back_inserter(part.pureToneCurves),
                         [ear](const auto& curve) { return isImpedanceCurveOf(curve->measurement, ear); });
    std::ranges::copy_if(content.tympanograms, std::back_inserter(part.tympanograms),
                         [ear](const auto& t) { return t->ear == ear; });
    return part;
}

bool hasData(const AudiogramContent& part)
{
    const auto measured = [](const std::shared_ptr<Tympanogram>& t) {
        return std::ranges::any_of(std::initializer_list<std::int32_t>{t->staticCompliance, t->earCanalVolume,
                                                                        t->peakPressure, t->tympType,
                                                                        t->probeToneFrequency, t->gradient,
                                                                        t->peakHeight},
                                   [](std::int32_t value) { return value != kNoValue; });
    };
    return std::ranges::any_of(part.tympanograms, measured) ||
           std::ranges::any_of(part.pureToneCurves, [](const auto& curve) { return !curve->points.empty(); });
}

}  // namespace

EarImpedanceData splitEarImpedance(const AudiogramContent& content, std::int32_t ear, std::int32_t format)
{
    checkEar(ear);
    if (!isKnownFormat(format))
        raiseInvalidData(kSubject, "was asked for in format " + std::to_string(format) + ", which is not 100 or 200");
    const AudiogramContent part = earPart(content, ear);
    EarImpedanceData result;
    result.data = writeAudiogram(part, format);
    if (format == kFormatEarlier) result.data2 = writeDescriptions(part);
    result.hasData = hasData(part);
    return result;
}

bool mergeEarImpedance(AudiogramContent& content, std::int32_t ear, std::span<const std::uint8_t> data,
                       std::optional<std::span<const std::uint8_t>> data2)
{
    checkEar(ear);
    AudiogramContent part = readAudiogram(data).content;
    if (data2) applyDescriptions(*data2, part);
    const bool onlyThisEar =
        part.speechCurves.empty() &&
        std::ranges::all_of(part.pureToneCurves, [ear](const auto& c) { return isImpedanceCurveOf(c->measurement, ear); }) &&
        std::ranges::all_of(part.tympanograms, [ear](const auto& t) { return t->ear == ear; });
    if (!onlyThisEar) raiseInvalidData(kSubject, "holds more than the impedance results of ear " + std::to_string(ear));

    const bool earHasData = hasData(part);
    std::erase_if(content.pureToneCurves, [ear](const auto& c) { return isImpedanceCurveOf(c->measurement, ear); });
    std::erase_if(content.tympanograms, [ear](const auto& t) { return t->ear == ear; });
    std::ranges::move(part.pureToneCurves, std::back_inserter(content.pureToneCurves));
    std::ranges::move(part.tympanograms, std::back_inserter(content.tympanograms));
    return earHasData;
}

}  // namespace vellum
