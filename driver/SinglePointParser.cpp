#include "driver/SinglePointParser.h"

#include <optional>
#include <utility>

namespace marlet {

namespace {

// Transducer pairs (channel A, channel B) by the hex digit at position 10.
constexpr std::pair<int, int> kTransducerPairs[16] = {
    {0, 3}, {5, 5}, {2, 2}, {2, 3}, {5, 3}, {3, 3}, {5, 2}, {5, 0},
    {2, 5}, {2, 0}, {3, 5}, {3, 2}, {3, 0}, {0, 5}, {0, 2}, {0, 3},
};

// Routing pairs (channel A, channel B) by the hex digit at position 11. The
// three digits beyond the table route nowhere, as the first entry does.
constexpr std::pair<int, int> kRoutingPairs[13] = {
    {3, 3}, {1, 0}, {0, 1}, {1, 1}, {0, 0}, {2, 2}, {1, 2}, {0, 2}, {2, 1}, {2, 0}, {3, 1}, {3, 0}, {1, 3},
};

constexpr int kTransducerSoundField = 2;
constexpr int kTransducerForehead = 5;
constexpr int kTransducerMastoid = 6;

bool testing(char mode)
{
    return mode >= '2' && mode <= '4';
}

// The channel whose level a record carries, and where it lies.
struct TestChannel {
    bool channelB;
    bool hasOther;
    std::size_t levelPosition;
    std::optional<std::size_t> maskPosition;
};

TestChannel testChannel(char modeA, char modeB)
{
    if (testing(modeB))
        return {false, true, 19, 28};
    if (testing(modeA))
        return {true, true, 24, 23};
    if (modeA == '5')
        return {true, false, 24, std::nullopt};
    return {false, false, 19, std::nullopt};
}

// Both channels' transducers and routings as the audiometer's set-up makes them.
struct Channels {
    int transducer[2];
    int routing[2];
};

Channels channels(const RecordFields& record, const ModelSettings& settings)
{
    const auto transducers = kTransducerPairs[record.hex(10, 1)];
    const std::uint32_t routingIndex = record.hex(11, 1);
    const auto routings = routingIndex < std::size(kRoutingPairs) ? kRoutingPairs[routingIndex] : kRoutingPairs[0];
    Channels result{{transducers.first, transducers.second}, {routings.first, routings.second}};
    for (int c = 0; c < 2; ++c) {
        int& transducer = result.transducer[c];
        if (transducer == 0 || transducer == 1)
            transducer = settings.insertPhoneType == "EAR" ? 1 : 0;
        else if (transducer == kTransducerForehead || transducer == kTransducerMastoid)
            transducer = settings.boneVibratorCalibration == "Mastoid" ? kTransducerMastoid : kTransducerForehead;
        // A vibrator on the forehead reaches both ears: its channel is routed
        // by the other channel's masking.
        if (transducer == kTransducerForehead && (result.routing[c] == 0 || result.routing[c] == 1))
            result.routing[c] = 2;
    }
    return result;
}

bool leftEar(char modeA, char modeB, const Channels& ch)
{
    const int a = ch.routing[0];
    const int b = ch.routing[1];
    if (modeA == '1' && modeB == '1')
        return a == 1 || (a == 2 && b == 1) || (a == 3 && b == 0);
    const TestChannel t = testChannel(modeA, modeB);
    const int tested = ch.routing[t.channelB ? 1 : 0];
    const int other = ch.routing[t.channelB ? 0 : 1];
    if (tested == 1)
        return true;
    if (tested != 2 && tested != 3)
        return false;
    if ((t.hasOther && other == 1) || (modeA == '5' && a == 1) || (modeB == '5' && b == 1))
        return false;
    return (t.hasOther && other == 0) || (modeA == '5' && a == 0) || (modeB == '5' && b == 0);
}

// The curve of a value measured with this transducer, and whether a masked
// record makes it masked.
struct Curve {
    std::int32_t code;
    bool maskable;
};

Curve curveOf(int transducer, AcCurve acCurve, bool rightEar)
{
    if (transducer == kTransducerForehead || transducer == kTransducerMastoid)
        return {onEar(CurveBoneLeft, rightEar), true};
    if (transducer == kTransducerSoundField)
        return {onEar(CurveSoundFieldLeft, rightEar), false};
    return {airCurve(acCurve, rightEar), acCurve == AcCurve::Htl};
}

// Entry frequencies of the threshold table; entry 0 carries none.
constexpr std::int32_t kTableFrequencies[] = {0, 2000, 3000, 4000, 6000, 8000, 1000, 500};
constexpr std::size_t kTableEntryWidth = 6;

void readTableEar(const RecordFields& record, std::size_t base, std::int32_t curve, ParseResult& result)
{
    for (std::size_t i = 1; i < std::size(kTableFrequencies); ++i) {
        const int level = record.level3(base + kTableEntryWidth * i);
        if (level != kLevelNone)
            result.points.push_back({makeTypeWord(curve, PointMeasurement, 0), kTableFrequencies[i], level});
    }
}

}  // namespace

ParseResult parseSinglePoint(const RecordFields& record, const ParseContext& context)
{
    const char modeA = record.at(3);
    const char modeB = record.at(9);
    const bool oneOfEach = (modeA == '1' && modeB == '5') || (modeA == '5' && modeB == '1');
    const char testType = oneOfEach ? '0' : record.at(2);
    if (testType != '0' || (modeA != '1' && modeB != '1'))
        return protocolError(ErrorNotTone);

    const TestChannel t = testChannel(modeA, modeB);
    const int level = record.level4(t.levelPosition);
    if (level == kLevelNone && record.at(1) != '5') {
        ParseResult result = protocolError(ErrorLevelFlashing);
        result.showError = true;
        result.command = '0';
        return result;
    }
    const std::int32_t frequency = record.decimal(29, 5);
    if (!isTestFrequency(frequency))
        return protocolError(ErrorFrequencyNotSupported);

    const Channels ch = channels(record, context.settings);
    const bool right = !leftEar(modeA, modeB, ch);
    const Curve curve = curveOf(ch.transducer[t.channelB ? 1 : 0], context.acCurve, right);
    const bool masked = curve.maskable && t.maskPosition && record.at(*t.maskPosition) == '1';
    const std::int32_t pointCode = context.cursorNext ? PointCursor : PointMeasurement;

    ParseResult result;
    result.points.push_back({makeTypeWord(curve.code, pointCode, masked ? kStatusMasked : 0), frequency, level});
    result.cursorNext = false;
    return result;
}

ParseResult parseThresholdTable(const RecordFields& record, const ParseContext& context)
{
    if (record.at(2) != '6')
        return protocolError(ErrorNotAutomaticThreshold);
    const TestChannel t = testChannel(record.at(3), record.at(9));
    const int transducer = channels(record, context.settings).transducer[t.channelB ? 1 : 0];
    ParseResult result;
    readTableEar(record, 40, curveOf(transducer, context.acCurve, false).code, result);
    readTableEar(record, 88, curveOf(transducer, context.acCurve, true).code, result);
    return result;
}

}  // namespace marlet
