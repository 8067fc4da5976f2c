#include "driver/WholeCurveParser.h"

namespace marlet {

namespace {

// Each ear's block holds 21 entries of five H4 values; entries 0-12 carry the
// thirteen test frequencies, the rest are unused.
constexpr std::size_t kLeftBlock = 2;
constexpr std::size_t kRightBlock = 816;
constexpr std::size_t kEntryWidth = 20;

enum Value { Air, AirMasking, Bone, BoneMasking, SoundField, ValueCount };

using Entry = std::array<int, ValueCount>;
using EarCurve = std::array<Entry, kTestFrequencies.size()>;

EarCurve readEar(const RecordFields& record, std::size_t base)
{
    EarCurve ear{};
    for (std::size_t e = 0; e < ear.size(); ++e) {
        for (std::size_t v = 0; v < ValueCount; ++v)
            ear[e][v] = record.halfDb4(base + kEntryWidth * e + 4 * v);
    }
    return ear;
}

bool present(const EarCurve& left, const EarCurve& right, Value value)
{
    for (const EarCurve* ear : {&left, &right}) {
        for (const Entry& entry : *ear) {
            if (entry[value] != kLevelNone)
                return true;
        }
    }
    return false;
}

// A threshold the instrument marks as "no response" carries the level of the
// last stimulus above an offset.
constexpr int kNoResponseLow = 1300;
constexpr int kNoResponseHigh = 2700;
constexpr int kNoResponseOffset = 1500;
constexpr int kNoResponseFloor = 1200;

bool maskedBy(int masking)
{
    return masking >= -200 && masking <= 1200;
}

void pushCurve(const EarCurve& ear, Value threshold, Value masking, std::int32_t curve, bool maskable,
               ParseResult& result)
{
    for (std::size_t e = 0; e < ear.size(); ++e) {
        int level = ear[e][threshold];
        if (level == kLevelNone)
            continue;
        std::int32_t status = 0;
        if (level >= kNoResponseLow && level <= kNoResponseHigh) {
            level = level < kNoResponseOffset ? kNoResponseFloor : level - kNoResponseOffset;
            status |= kStatusNoResponse;
        }
        if (maskable && maskedBy(ear[e][masking]))
            status |= kStatusMasked;
        result.points.push_back({makeTypeWord(curve, PointMeasurement, status), kTestFrequencies[e], level});
    }
}

// Air or sound field, when a transfer brings both; none while the user's
// answer is still to come.
std::optional<CurveChoice> chooseCurve(const ParseContext& context)
{
    if (context.settings.acCurveAsk == "YES") {
        if (context.audiometer != ModelHalvec || !context.pickCurve)
            return CurveChoice::Air;
        return context.pickCurve();
    }
    return context.settings.acCurve == "Phones/Insert" ? CurveChoice::Air : CurveChoice::SoundField;
}

}  // namespace

ParseResult parseWholeCurve(const RecordFields& record, const ParseContext& context)
{
    const EarCurve left = readEar(record, kLeftBlock);
    const EarCurve right = readEar(record, kRightBlock);
    bool air = present(left, right, Air);
    bool bone = present(left, right, Bone);
    bool soundField = present(left, right, SoundField);

    const bool comfortLevels = context.acCurve != AcCurve::Htl;
    const bool singlePoint = comfortLevels && context.settings.mclUclTransfer == "Single Point";
    if (comfortLevels)
        bone = false;
    if (singlePoint)
        air = soundField = false;
    if (air && soundField) {
        const auto choice = chooseCurve(context);
        if (!choice) {
            ParseResult pending;
            pending.curvePending = true;
            return pending;
        }
        (*choice == CurveChoice::Air ? soundField : air) = false;
    }

    ParseResult result;
    result.command = '1';
    result.cursorNext = !singlePoint;
    if (singlePoint)
        return result;
    const bool airMaskable = context.acCurve == AcCurve::Htl;
    for (const bool rightEar : {true, false}) {
        const EarCurve& ear = rightEar ? right : left;
        if (air)
            pushCurve(ear, Air, AirMasking, airCurve(context.acCurve, rightEar), airMaskable, result);
        else if (soundField)
            pushCurve(ear, SoundField, AirMasking, onEar(CurveSoundFieldLeft, rightEar), true, result);
        if (bone)
            pushCurve(ear, Bone, BoneMasking, onEar(CurveBoneLeft, rightEar), true, result);
    }
    return result;
}

}  // namespace marlet
