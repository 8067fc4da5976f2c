#include "driver/AudiometerParsers.h"

#include "driver/FieldReaders.h"
#include "driver/SinglePointParser.h"
#include "driver/TympanogramParser.h"
#include "driver/WholeCurveParser.h"

namespace marlet {

namespace {

constexpr int kErrorCodeNeedsPause = 10;
constexpr std::chrono::milliseconds kErrorPause{2000};

// The instrument's own error: its code is recorded and shown, and it is asked
// to go on. After code 10 it needs a moment first.
ParseResult parseErrorReport(const RecordFields& record)
{
    ParseResult result = protocolError(record.decimal(2, 2));
    result.showError = true;
    if (result.error == kErrorCodeNeedsPause)
        result.pause = kErrorPause;
    result.command = '0';
    return result;
}

ParseResult parseSetup(const RecordFields& record)
{
    ParseResult result;
    result.setup = InstrumentSetup{record.at(7) == '0' ? "Forehead" : "Mastoid", record.at(4) == '0' ? "EAR" : "Danavox"};
    return result;
}

// A curve level the instrument marks as "no response" carries the level of
// the last stimulus above an offset.
constexpr int kNoResponseLow = 1400;
constexpr int kNoResponseHigh = 2500;
constexpr int kNoResponseOffset = 1250;
constexpr int kAirCurveFrequencies = 11;

ParseResult parseAirCurve(const RecordFields& record, const ParseContext& context)
{
    const std::uint32_t flags = record.hex(10, 2);
    const bool rightEar = (flags & 1) == 0 || (flags & 2) != 0;
    const std::int32_t curve = airCurve(context.acCurve, rightEar);
    ParseResult result;
    for (int i = 0; i < kAirCurveFrequencies; ++i) {
        int level = record.halfDb4(12 + 4 * static_cast<std::size_t>(i));
        if (level == kLevelNone)
            continue;
        std::int32_t status = 0;
        if (level >= kNoResponseLow && level <= kNoResponseHigh) {
            level -= kNoResponseOffset;
            status = kStatusNoResponse;
        }
        result.points.push_back({makeTypeWord(curve, PointMeasurement, status), kTestFrequencies[i], level});
    }
    return result;
}

ParseResult dispatch(const RecordFields& record, const ParseContext& context)
{
    switch (record.at(1)) {
    case '1':
    case '2':
    case '5': return parseSinglePoint(record, context);
    case '3': return parseThresholdTable(record, context);
    case '4': return parseErrorReport(record);
    case '6': return parseWholeCurve(record, context);
    case '8': return parseSetup(record);
    case 'x':
    case 'z': return parseTympanogram(record);
    case 'y': return parseAirCurve(record, context);
    default: return {};
    }
}

}  // namespace

ParseResult parseAudiometerRecord(std::string_view record, const ParseContext& context)
{
    if (record.empty())
        return noRecord();
    const RecordFields fields(record);
    ParseResult result = dispatch(fields, context);
    // A record too short for its fields must not push what it never said.
    if (fields.overrun())
        return protocolError(ErrorLostCharacters);
    return result;
}

}  // namespace marlet
