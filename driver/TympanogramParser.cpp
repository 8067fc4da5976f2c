#include "driver/TympanogramParser.h"

#include <algorithm>
#include <cmath>

namespace marlet {

namespace {

struct Layout {
    std::int16_t probeTone;
    double volumeCap;      // ml
    double complianceCap;  // ml
    double complianceFloor;
    std::size_t countPosition;
    std::size_t firstReflex;
};

constexpr Layout kLow{0, 5.0, 4.0, 0.1, 212, 216};     // 'x'
constexpr Layout kHigh{2, 20.0, 15.0, 0.2, 1632, 1634};  // 'z'

// The body holds four screening entries at most, whatever the count says.
constexpr std::uint32_t kMaxReflexes = 4;
constexpr std::size_t kReflexWidth = 50;

// A value in 1/64 ml as thousandths of a millilitre, a multiple of 100 (0.1 ml).
// 30811 (no peak) when it falls below the floor.
std::int16_t millilitres(std::uint32_t raw, double cap, double floor)
{
    double ml = std::round(raw / 64.0 * 10.0) / 10.0 + 0.000001;
    ml = std::min(ml, cap);
    if (ml < floor)
        return kNoPeak;
    return static_cast<std::int16_t>(static_cast<int>(ml * 1000.0) / 100 * 100);
}

// Reflex thresholds in dB by side, stimulus code and level code.
constexpr std::int16_t kIpsilateralLevels[4][3] = {{80, 90, 100}, {85, 95, 105}, {85, 95, 105}, {80, 90, 100}};
constexpr std::int16_t kContralateralLevels[3] = {90, 100, 110};

std::int16_t screeningResult(std::uint32_t entry, bool contralateral, std::uint32_t stimulus)
{
    const std::uint32_t outcome = (entry >> 2) & 3;
    const std::uint32_t level = entry & 3;
    if (outcome == 0 || outcome == 3)
        return kReflexNotTested;
    if (outcome == 2)
        return kReflexNone;
    if (level == 3)
        return kReflexPresent;
    return contralateral ? kContralateralLevels[level] : kIpsilateralLevels[stimulus][level];
}

DriverTestBlock screeningBlock(std::uint32_t entry, bool rightEar, std::int16_t testNumber)
{
    DriverTestBlock block{};
    const bool contralateral = (entry & 0x40) != 0;
    const std::uint32_t stimulus = (entry >> 4) & 3;
    block.Kind = static_cast<std::uint8_t>(
        onEar(contralateral ? KindContraScreeningLeft : KindIpsiScreeningLeft, rightEar));
    block.Reflex0.Result = screeningResult(entry, contralateral, stimulus);
    block.Reflex0.Stimulus = static_cast<std::int16_t>(stimulus);
    block.Reflex0.Valid = 1;
    block.TestNumber = testNumber;
    return block;
}

}  // namespace

ParseResult parseTympanogram(const RecordFields& record)
{
    const Layout& layout = record.at(1) == 'z' ? kHigh : kLow;
    const bool rightEar = (record.hex(10, 2) & 2) != 0;
    const auto testNumber = static_cast<std::int16_t>(record.hex(2, 1));

    ParseResult result;
    DriverTestBlock& block = result.blocks.emplace_back();
    block.Kind = static_cast<std::uint8_t>(onEar(KindTympanogramLeft, rightEar));
    block.TestNumber = testNumber;
    DriverTympanogramSummary& summary = block.Summary0;
    summary.Volume = millilitres(record.hex(12, 4), layout.volumeCap, 0.0);
    summary.PeakCompliance = millilitres(record.hex(16, 4), layout.complianceCap, layout.complianceFloor);
    // Pressures below 0 daPa come in two's complement.
    summary.Pressure = summary.PeakCompliance == kNoPeak
                           ? kPressureNone
                           : static_cast<std::int16_t>(roundToStepOf50(record.signedHex4(20) * 10) / 10);
    const std::uint32_t gradient = record.hex(24, 4);
    summary.Gradient = gradient == 0xFFFF ? kGradientNone : static_cast<std::int16_t>(gradient);
    summary.CompliancePresent = 1;
    summary.VolumePresent = 1;
    summary.GradientStatus = 1;
    summary.ProbeTone = layout.probeTone;
    summary.Valid = 1;

    const std::uint32_t count = std::min(record.hex(layout.countPosition, 2), kMaxReflexes);
    for (std::uint32_t k = 0; k < count; ++k) {
        const std::uint32_t entry = record.hex(layout.firstReflex + kReflexWidth * k, 2);
        result.blocks.push_back(screeningBlock(entry, rightEar, testNumber));
    }
    return result;
}

}  // namespace marlet
