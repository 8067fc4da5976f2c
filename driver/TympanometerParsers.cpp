#include "driver/TympanometerParsers.h"

#include "driver/FieldReaders.h"

#include <algorithm>
#include <optional>

namespace marlet {

namespace {

// What every result block of a '|1' record carries.
struct Probe {
    bool rightEar;
    std::int16_t testNumber;
    std::int16_t serial[kSerialLength];
};

Probe readProbe(const RecordFields& record)
{
    Probe probe{};
    probe.rightEar = record.at(215) == 'R';
    const char number = record.at(214);
    probe.testNumber = static_cast<std::int16_t>(number > '9' ? number - 55 : number - '0');
    for (std::size_t i = 0; i < kSerialLength; ++i)
        probe.serial[i] = static_cast<std::uint8_t>(record.at(184 + i));
    return probe;
}

DriverTestBlock probeBlock(const Probe& probe, std::int32_t leftKind)
{
    DriverTestBlock block{};
    block.Kind = static_cast<std::uint8_t>(onEar(leftKind, probe.rightEar));
    std::copy(std::begin(probe.serial), std::end(probe.serial), block.Serial);
    block.TestNumber = probe.testNumber;
    return block;
}

// A pressure or compliance the instrument did not measure has '-' in its
// second character.
std::int16_t pressureAt(const RecordFields& record, std::size_t position)
{
    return record.at(position + 1) == '-' ? kPressureNone : static_cast<std::int16_t>(record.decimal(position, 4));
}

std::int16_t complianceAt(const RecordFields& record, std::size_t position)
{
    return record.at(position + 1) == '-' ? kNoPeak : static_cast<std::int16_t>(record.decimal(position, 6));
}

void parseTympanogram(const RecordFields& record, const Probe& probe, ParseResult& result)
{
    DriverTestBlock& block = result.blocks.emplace_back(probeBlock(probe, KindTympanogramLeft));
    for (std::size_t k = 0; k < kSummaryCount; ++k) {
        const std::size_t b = 238 + 25 * k;
        if (record.decimal(b, 2) != static_cast<int>(k) + 1)
            continue;
        DriverTympanogramSummary& summary = block.*kSummaries[k];
        summary.Pressure = pressureAt(record, b + 17);
        summary.PeakCompliance = complianceAt(record, b + 11);
        summary.Gradient = static_cast<std::int16_t>(record.decimal(b + 22, 3));
        summary.Valid = 1;
        summary.ProbeTone = static_cast<std::int16_t>(record.decimal(217, 2));
        summary.Volume = static_cast<std::int16_t>(record.decimal(225, 6));
        summary.GradientStatus = static_cast<std::int16_t>(record.decimal(224, 1));
    }
}

std::int16_t screeningResult(char result)
{
    switch (result) {
    case '2':
    case '5': return kReflexNone;
    case '3': return kReflexPresent;
    case '1':
    case '4':
    case '6': return kReflexNotTested;
    default: return kReflexNotAvailable;
    }
}

void pushScreening(const RecordFields& record, const Probe& probe, bool contralateral, std::size_t stimulusPosition,
                   std::size_t resultPosition, ParseResult& result)
{
    const std::int16_t outcome = screeningResult(record.at(resultPosition));
    if (record.at(stimulusPosition) == '-' || outcome == kReflexNotAvailable)
        return;
    DriverTestBlock& block = result.blocks.emplace_back(
        probeBlock(probe, contralateral ? KindContraScreeningLeft : KindIpsiScreeningLeft));
    block.Reflex0.Result = outcome;
    block.Reflex0.Stimulus = static_cast<std::int16_t>(record.decimal(stimulusPosition, 1));
}

void parseScreeningTympanogram(const RecordFields& record, const Probe& probe, ParseResult& result)
{
    DriverTestBlock& block = result.blocks.emplace_back(probeBlock(probe, KindTympanogramLeft));
    DriverTympanogramSummary& summary = block.Summary0;
    summary.Pressure = pressureAt(record, 254);
    summary.Volume = static_cast<std::int16_t>(record.decimal(224, 6));
    summary.PeakCompliance = complianceAt(record, 248);
    summary.ProbeTone = static_cast<std::int16_t>(record.decimal(216, 2));
    const char gradientStatus = record.at(223);
    summary.GradientStatus = static_cast<std::int16_t>(record.decimal(223, 1));
    if (gradientStatus == '0' || gradientStatus == '2')
        summary.Gradient = kGradientNotMeasured;
    else if (gradientStatus == '1')
        summary.Gradient = static_cast<std::int16_t>(record.decimal(259, 3));
    summary.Valid = 1;

    switch (record.at(262)) {
    case '1':
        pushScreening(record, probe, false, 263, 266, result);
        pushScreening(record, probe, false, 264, 267, result);
        break;
    case '2':
        pushScreening(record, probe, true, 263, 266, result);
        pushScreening(record, probe, true, 264, 267, result);
        break;
    case '3':
        pushScreening(record, probe, false, 263, 266, result);
        pushScreening(record, probe, true, 263, 267, result);
        break;
    default: break;
    }
}

// One reflex threshold: its result characters at `resultPosition`; `threshold`
// gives the threshold's position from the entry's two-digit index.
struct Reflex {
    bool ipsilateral;
    std::int16_t stimulus;
    std::int16_t result;
    bool valid;
};

void readReflexResult(const RecordFields& record, std::size_t entry, std::size_t thresholdTable, Reflex& reflex)
{
    if (record.is(entry + 4, "--"))
        return;
    const int code = record.decimal(entry + 4, 2);
    if (code == 1 || code == 3) {
        const std::size_t index = static_cast<std::size_t>(record.decimal(entry + 2, 2));
        reflex.result = static_cast<std::int16_t>(record.decimal(thresholdTable + 9 * index, 3));
        reflex.valid = true;
    } else if (code == 0 || code == 2) {
        reflex.result = kReflexNoneThreshold;
        reflex.valid = true;
    }
}

DriverTestBlock reflexBlock(const Probe& probe, const Reflex& reflex)
{
    DriverTestBlock block = probeBlock(probe, reflex.ipsilateral ? KindIpsiReflexLeft : KindContraReflexLeft);
    block.Reflex0.Result = reflex.result;
    block.Reflex0.Stimulus = reflex.stimulus;
    block.Reflex0.Valid = reflex.valid ? 1 : 0;
    return block;
}

// Decimal digits never make a negative index: '-' before the digits does.
std::size_t indexAt(const RecordFields& record, std::size_t position, std::size_t width)
{
    const int value = record.decimal(position, width);
    return static_cast<std::size_t>(value < 0 ? -value : value);
}

void parseReflexThresholds(const RecordFields& record, const Probe& probe, ParseResult& result)
{
    constexpr std::size_t kFirstTable = 279;
    constexpr std::size_t kSecondTable = 335;
    const std::size_t a = indexAt(record, 277, 1);
    const std::size_t q = kFirstTable + 9 * a;

    std::optional<Reflex> first;
    if (record.decimal(231, 2) == 1) {
        first = Reflex{record.at(240) == '0', static_cast<std::int16_t>(record.decimal(266, 2)), 0, false};
        readReflexResult(record, q, kFirstTable, *first);
    }
    std::optional<Reflex> second;
    if (record.decimal(q + 8, 2) == 2) {
        second = Reflex{record.at(q + 17) == '0', static_cast<std::int16_t>(record.decimal(q + 43, 2)), 0, false};
        const std::size_t e = kSecondTable + 9 * (a + indexAt(record, q + 54, 1));
        readReflexResult(record, e, kSecondTable + 9 * a, *second);
    }
    // The instrument repeats a threshold it measured twice: keep one.
    if (first && second && first->stimulus == second->stimulus && first->ipsilateral == second->ipsilateral) {
        result.blocks.push_back(reflexBlock(probe, second->valid ? *second : *first));
        return;
    }
    for (const auto& reflex : {first, second}) {
        if (reflex)
            result.blocks.push_back(reflexBlock(probe, *reflex));
    }
}

void parseReflexDecays(const RecordFields& record, const Probe& probe, ParseResult& result)
{
    constexpr std::size_t kBlockDistance = 65;
    for (std::size_t k = 0; k < 2; ++k) {
        const std::size_t offset = kBlockDistance * k;
        if (record.decimal(231 + offset, 2) != static_cast<int>(k) + 1)
            continue;
        const char mode = record.at(240 + offset);
        if (mode != '0' && mode != '1')
            continue;
        DriverTestBlock& block =
            result.blocks.emplace_back(probeBlock(probe, mode == '0' ? KindIpsiDecayLeft : KindContraDecayLeft));
        block.Reflex0.Stimulus = static_cast<std::int16_t>(record.decimal(254 + offset, 2));
        const int decay = record.decimal(276 + offset, 5);
        block.Reflex0.Result = decay >= 1000 && decay <= 54000 ? 1 : 0;
    }
}

void parseResults(const RecordFields& record, ParseResult& result)
{
    const Probe probe = readProbe(record);
    switch (record.decimal(212, 2)) {
    case 0: parseTympanogram(record, probe, result); break;
    case 1: parseScreeningTympanogram(record, probe, result); break;
    case 2: parseReflexThresholds(record, probe, result); break;
    case 6: parseReflexDecays(record, probe, result); break;
    default: break;
    }
}

}  // namespace

ParseResult parseTympanometerRecord(std::string_view record)
{
    if (record.empty())
        return noRecord();
    const RecordFields fields(record);
    ParseResult result;
    if (fields.at(1) == '1')
        parseResults(fields, result);
    // A record too short for the fields it claims must push nothing.
    if (fields.overrun())
        return protocolError(ErrorLostCharacters);
    return result;
}

}  // namespace marlet
