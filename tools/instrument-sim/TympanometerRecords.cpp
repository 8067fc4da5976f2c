#include "tools/instrument-sim/TympanometerRecords.h"

#include "tools/instrument-sim/Fields.h"

#include <stdexcept>

namespace instrument_sim {

namespace {

// Every '|1' record is sent at this length: room for the farthest field of
// any sub-type.
constexpr std::size_t kChecksumPosition = 420;

char testNumberCharacter(int number)
{
    if (number < 0 || number > 35)
        throw std::invalid_argument("test number " + std::to_string(number) + " is not 0-35");
    return static_cast<char>(number < 10 ? '0' + number : 'A' + (number - 10));
}

Frame probeFrame(const ProbeRecord& probe, int subType)
{
    if (probe.serial.size() != 9)
        throw std::invalid_argument("a probe serial number has nine characters");
    Frame frame = Frame::pipe('1', kChecksumPosition);
    frame.put(184, probe.serial)
        .put(212, decimal(subType, 2))
        .put(214, testNumberCharacter(probe.testNumber))
        .put(215, probe.rightEar ? 'R' : 'L');
    return frame;
}

std::string compliance(const std::optional<int>& value)
{
    return value ? decimal(*value, 6) : std::string(6, '-');
}

std::string pressure(const std::optional<int>& value)
{
    return value ? decimal(*value, 4) : std::string(4, '-');
}

std::string reflexResult(ReflexThreshold::Result result)
{
    switch (result) {
    case ReflexThreshold::Result::Invalid: return "--";
    case ReflexThreshold::Result::Threshold: return "01";
    case ReflexThreshold::Result::NoReflex: return "00";
    }
    return "--";
}

}  // namespace

Frame multiTympanogram(const MultiTympanogram& record)
{
    if (record.summaries.size() > 3)
        throw std::invalid_argument("a tympanogram carries at most three summaries");
    Frame frame = probeFrame(record.probe, 0);
    frame.put(217, decimal(record.probeTone, 2))
        .put(224, decimal(record.gradientStatus, 1))
        .put(225, decimal(record.volume, 6));
    for (std::size_t k = 0; k < record.summaries.size(); ++k) {
        const std::size_t b = 238 + 25 * k;
        const TympanogramSummary& summary = record.summaries[k];
        frame.put(b, decimal(static_cast<int>(k) + 1, 2))
            .put(b + 11, compliance(summary.compliance))
            .put(b + 17, pressure(summary.pressure))
            .put(b + 22, decimal(summary.gradient, 3));
    }
    return frame;
}

Frame screeningTympanogram(const ScreeningTympanogram& record)
{
    Frame frame = probeFrame(record.probe, 1);
    frame.put(216, decimal(record.probeTone, 2))
        .put(223, record.gradientStatus)
        .put(224, decimal(record.volume, 6))
        .put(248, compliance(record.compliance))
        .put(254, pressure(record.pressure))
        .put(259, decimal(record.gradient, 3))
        .put(262, record.mode)
        .put(263, record.stimulus1)
        .put(264, record.stimulus2)
        .put(266, record.result1)
        .put(267, record.result2);
    return frame;
}

// The thresholds sit in a table of nine-character entries: entry a = 0 at 279
// holds the first block's result; the second block's result entry is chosen
// one further on. Both thresholds point into free entries of their tables.
Frame reflexThresholds(const ProbeRecord& probe, const std::optional<ReflexThreshold>& first,
                       const std::optional<ReflexThreshold>& second)
{
    constexpr std::size_t q = 279;
    Frame frame = probeFrame(probe, 2);
    frame.put(277, '0');
    if (first) {
        frame.put(231, "01")
            .put(240, first->ipsilateral ? '0' : '1')
            .put(266, decimal(first->stimulus, 2))
            .put(q + 2, "02")
            .put(q + 4, reflexResult(first->result))
            .put(279 + 9 * 2, decimal(first->threshold, 3));
    }
    if (second) {
        constexpr std::size_t e = 335 + 9 * 1;
        frame.put(q + 8, "02")
            .put(q + 17, second->ipsilateral ? '0' : '1')
            .put(q + 43, decimal(second->stimulus, 2))
            .put(q + 54, '1')
            .put(e + 2, "03")
            .put(e + 4, reflexResult(second->result))
            .put(335 + 9 * 3, decimal(second->threshold, 3));
    }
    return frame;
}

Frame reflexDecays(const ProbeRecord& probe, const std::optional<ReflexDecay>& first,
                   const std::optional<ReflexDecay>& second)
{
    Frame frame = probeFrame(probe, 6);
    const auto putBlock = [&](std::size_t offset, int number, const ReflexDecay& decay) {
        frame.put(231 + offset, decimal(number, 2))
            .put(240 + offset, decay.ipsilateral ? '0' : '1')
            .put(254 + offset, decimal(decay.stimulus, 2))
            .put(276 + offset, decimal(decay.decay, 5));
    };
    if (first)
        putBlock(0, 1, *first);
    if (second)
        putBlock(65, 2, *second);
    return frame;
}

Frame probeRecord(const ProbeRecord& probe, int subType)
{
    return probeFrame(probe, subType);
}

}  // namespace instrument_sim
