#include "tools/instrument-sim/AudiometerRecords.h"

#include "tools/instrument-sim/Fields.h"

#include <algorithm>
#include <stdexcept>

namespace instrument_sim {

namespace {

// Entry frequencies of the threshold table; entry 0 is not used.
constexpr int kTableFrequencies[] = {0, 2000, 3000, 4000, 6000, 8000, 1000, 500};

void putTable(Frame& frame, std::size_t base, const std::map<int, int>& levels)
{
    for (const auto& entry : levels) {
        if (entry.first == 0 || std::ranges::find(kTableFrequencies, entry.first) == std::end(kTableFrequencies))
            throw std::invalid_argument(std::to_string(entry.first) + " Hz has no place in a threshold table");
    }
    for (std::size_t entry = 0; entry < std::size(kTableFrequencies); ++entry) {
        const auto found = levels.find(kTableFrequencies[entry]);
        frame.put(base + 6 * entry, level3(found != levels.end() ? std::optional(found->second) : std::nullopt));
    }
}

std::string earFlags(bool rightEar)
{
    return hex(rightEar ? 0x02 : 0x01, 2);
}

void putCurve(Frame& frame, std::size_t base, const std::array<CurveValues, 13>& entries)
{
    constexpr std::size_t kEntries = 21;
    for (std::size_t e = 0; e < kEntries; ++e) {
        const CurveValues values = e < entries.size() ? entries[e] : CurveValues{};
        const std::optional<int> fields[] = {values.air, values.airMasking, values.bone, values.boneMasking,
                                             values.soundField};
        for (std::size_t v = 0; v < std::size(fields); ++v)
            frame.put(base + 20 * e + 4 * v, halfDb4(fields[v]));
    }
}

}  // namespace

Frame tonePoint(const TonePoint& point)
{
    if (point.type != '1' && point.type != '2' && point.type != '5')
        throw std::invalid_argument("a tone point is of type '1', '2' or '5'");
    Frame frame = Frame::colon(point.type);
    frame.put(2, point.testType)
        .put(3, point.modeA)
        .put(9, point.modeB)
        .put(10, hex(point.transducerPair, 1))
        .put(11, hex(point.routingPair, 1))
        .put(19, level4(point.levelA))
        .put(23, point.maskedB ? '1' : '0')
        .put(24, level4(point.levelB))
        .put(28, point.maskedA ? '1' : '0')
        .put(29, decimal(point.frequency, 5));
    return frame;
}

Frame thresholdTable(const ThresholdTable& table)
{
    Frame frame = Frame::colon('3');
    frame.put(2, table.testType).put(3, table.modeA).put(9, table.modeB).put(10, hex(table.transducerPair, 1));
    putTable(frame, 40, table.left);
    putTable(frame, 88, table.right);
    return frame;
}

Frame errorReport(int code)
{
    return Frame::colon('4').put(2, decimal(code, 2));
}

Frame accepted()
{
    return Frame::colon('7');
}

Frame instrumentSetup(bool earInsertPhones, bool boneVibratorOnForehead)
{
    return Frame::colon('8').put(4, earInsertPhones ? '0' : '1').put(7, boneVibratorOnForehead ? '0' : '1');
}

Frame acCurve(bool rightEar, const std::array<std::optional<int>, 11>& levels)
{
    Frame frame = Frame::colon('y');
    frame.put(10, earFlags(rightEar));
    for (std::size_t i = 0; i < levels.size(); ++i)
        frame.put(12 + 4 * i, halfDb4(levels[i]));
    return frame;
}

Frame wholeCurve(const std::array<CurveValues, 13>& left, const std::array<CurveValues, 13>& right)
{
    Frame frame = Frame::colon('6');
    putCurve(frame, 2, left);
    putCurve(frame, 816, right);
    return frame;
}

Frame tympanogram(const Tympanogram& t)
{
    if (t.type != 'x' && t.type != 'z')
        throw std::invalid_argument("a tympanogram is of type 'x' or 'z'");
    if (t.reflexes.size() > 4)
        throw std::invalid_argument("a tympanogram carries at most four screening reflexes");
    const bool x = t.type == 'x';
    Frame frame = Frame::colon(t.type);
    frame.put(2, hex(t.testNumber, 1))
        .put(10, earFlags(t.rightEar))
        .put(12, hex(t.volume, 4))
        .put(16, hex(t.compliance, 4))
        .put(20, hex(t.pressure, 4))
        .put(24, t.gradient ? hex(*t.gradient, 4) : std::string("FFFF"))
        .put(x ? 212 : 1632, hex(t.reflexCount.value_or(static_cast<int>(t.reflexes.size())), 2));
    const std::size_t first = x ? 216 : 1634;
    for (std::size_t k = 0; k < t.reflexes.size(); ++k) {
        const ScreeningReflex& r = t.reflexes[k];
        const int byte = (r.contralateral ? 0x40 : 0) | ((r.stimulus & 3) << 4) | ((r.resultClass & 3) << 2) |
                         (r.levelCode & 3);
        frame.put(first + 50 * k, hex(byte, 2));
    }
    return frame;
}

}  // namespace instrument_sim
