#include "RecordDecoding.h"

#include "PelmSonvale/SonvaleTypes.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace pelmsonvale {

namespace {

// Entry `index` of a table, or nothing when the index lies outside it.
template <typename Entry, std::size_t Size>
std::optional<Entry> entryAt(const Entry (&table)[Size], std::int64_t index)
{
    if (index < 0 || index >= static_cast<std::int64_t>(Size))
        return std::nullopt;
    return table[index];
}

// --- Point records -------------------------------------------------------

struct CurveAndEar {
    std::int32_t curveType;
    std::int32_t ear;
};

// By curve and ear code 1 to 12 (odd left, even right).
constexpr CurveAndEar kCurves[] = {
    {TAudiCurveType_AC, TAudiEar_LEFT},        {TAudiCurveType_AC, TAudiEar_RIGHT},
    {TAudiCurveType_BC, TAudiEar_LEFT},        {TAudiCurveType_BC, TAudiEar_RIGHT},
    {TAudiCurveType_MCL, TAudiEar_LEFT},       {TAudiCurveType_MCL, TAudiEar_RIGHT},
    {TAudiCurveType_UCL, TAudiEar_LEFT},       {TAudiCurveType_UCL, TAudiEar_RIGHT},
    {TAudiCurveType_SpeechSRT, TAudiEar_LEFT}, {TAudiCurveType_SpeechSRT, TAudiEar_RIGHT},
    {TAudiCurveType_SF, TAudiEar_LEFT},        {TAudiCurveType_SF, TAudiEar_RIGHT},
};

// By point code 0 to 5.
constexpr std::int32_t kPointTypes[] = {
    TAudiPointType_MeasurementPoint, TAudiPointType_CursorPoint,     TAudiPointType_DeletePoint,
    TAudiPointType_DeleteCurve,      TAudiPointType_DeleteAllCurves, TAudiPointType_MeasurementComplete,
};

// Marks the second value pair of a point as absent.
constexpr std::int16_t kNoValue = -32767;

constexpr std::uint32_t bit(int number) { return std::uint32_t{1} << number; }

std::int32_t pointStatus(std::uint32_t typeWord)
{
    if (typeWord & bit(17))
        return TAudiPointStatus_NoResponse;
    if (typeWord & bit(19))
        return TAudiPointStatus_Unmeasureable;
    return TAudiPointStatus_Normal;
}

// Only measured points and cursor positions carry a status and a second pair.
bool carriesStatus(std::int32_t pointType)
{
    return pointType == TAudiPointType_MeasurementPoint || pointType == TAudiPointType_CursorPoint;
}

// --- Test blocks ---------------------------------------------------------

// Which stimulus codes a kind of block carries.
enum class Stimuli { None, Reflex, Decay, Screening };

struct BlockKind {
    std::int32_t impPointType;
    std::int32_t impEar;
    std::int32_t reflexTestType;
    std::int32_t isReflexScreenPoint;
    Stimuli stimuli;
};

// By record kind 1 to 14.
constexpr BlockKind kBlockKinds[] = {
    {TImpPointType_Reflex, TImpedanceEar_LEFT, TReflexTestType_CONTRA, 0, Stimuli::Reflex},
    {TImpPointType_Reflex, TImpedanceEar_RIGHT, TReflexTestType_CONTRA, 0, Stimuli::Reflex},
    {TImpPointType_Reflex, TImpedanceEar_LEFT, TReflexTestType_IPSI, 0, Stimuli::Reflex},
    {TImpPointType_Reflex, TImpedanceEar_RIGHT, TReflexTestType_IPSI, 0, Stimuli::Reflex},
    {TImpPointType_TYMP, TImpedanceEar_LEFT, TReflexTestType_UNKNOWN, 0, Stimuli::None},
    {TImpPointType_TYMP, TImpedanceEar_RIGHT, TReflexTestType_UNKNOWN, 0, Stimuli::None},
    {TImpPointType_Decay, TImpedanceEar_LEFT, TReflexTestType_CONTRA, 0, Stimuli::Decay},
    {TImpPointType_Decay, TImpedanceEar_RIGHT, TReflexTestType_CONTRA, 0, Stimuli::Decay},
    {TImpPointType_Decay, TImpedanceEar_LEFT, TReflexTestType_IPSI, 0, Stimuli::Decay},
    {TImpPointType_Decay, TImpedanceEar_RIGHT, TReflexTestType_IPSI, 0, Stimuli::Decay},
    {TImpPointType_Reflex, TImpedanceEar_LEFT, TReflexTestType_CONTRA, 1, Stimuli::Screening},
    {TImpPointType_Reflex, TImpedanceEar_RIGHT, TReflexTestType_CONTRA, 1, Stimuli::Screening},
    {TImpPointType_Reflex, TImpedanceEar_LEFT, TReflexTestType_IPSI, 1, Stimuli::Screening},
    {TImpPointType_Reflex, TImpedanceEar_RIGHT, TReflexTestType_IPSI, 1, Stimuli::Screening},
};

constexpr std::int32_t kAnyModel = -1;

// Stimulus codes first to last become code + offset.
struct StimulusRule {
    Stimuli stimuli;
    std::int32_t model;
    std::int32_t first;
    std::int32_t last;
    std::int32_t offset;
};

// The first rule that matches applies; a code that no rule covers is unknown.
// Only the Quorrel tympanometers report reflex stimuli the link understands,
// and the first version has no 250 Hz activator.
constexpr StimulusRule kStimulusRules[] = {
    {Stimuli::Reflex, gmQUORREL, 0, 7, 1},
    {Stimuli::Reflex, gmQUORRELv1, 1, 7, 1},
    {Stimuli::Decay, kAnyModel, 1, 7, 1},
    {Stimuli::Screening, kAnyModel, 0, 3, 2},
};

std::int32_t signalType(Stimuli stimuli, std::int32_t model, std::int32_t code)
{
    for (const StimulusRule& rule : kStimulusRules) {
        if (rule.stimuli != stimuli || (rule.model != kAnyModel && rule.model != model))
            continue;
        return code >= rule.first && code <= rule.last ? code + rule.offset : TActivatorStimulus_Unknown;
    }
    return TActivatorStimulus_Unknown;
}

// By action 0 to 5.
constexpr std::int32_t kActionTypes[] = {
    TImpActionType_MeasurementPoint, TImpActionType_CursorPoint,     TImpActionType_DeletePoint,
    TImpActionType_DeleteCurve,      TImpActionType_DeleteAllCurves, TImpActionType_MeasurementComplete,
};

// By probe-tone code 0 to 2, in Hz; any other code is the usual 226 Hz.
constexpr std::int16_t kProbeTones[] = {226, 678, 1000};

constexpr std::int32_t kGradientStatuses[] = {TGradientStatus_OFF, TGradientStatus_TYMP_WIDTH_daPa,
                                              TGradientStatus_RATIO_ml};

// Where the values of tympanogram summary k go.
struct SummaryFields {
    std::int16_t CPointInformation::*peakCompliance;
    std::int16_t CPointInformation::*gradient;
    std::int16_t CPointInformation::*pressure;
    bool CPointInformation::*valid;
};

constexpr SummaryFields kSummaryFields[marlet::kSummaryCount] = {
    {&CPointInformation::PeakCompliance, &CPointInformation::GradientVal, &CPointInformation::Pressure,
     &CPointInformation::ValidTest},
    {&CPointInformation::PeakCompliance1, &CPointInformation::GradientVal1, &CPointInformation::Pressure1,
     &CPointInformation::ValidTest1},
    {&CPointInformation::PeakCompliance2, &CPointInformation::GradientVal2, &CPointInformation::Pressure2,
     &CPointInformation::ValidTest2},
};

// The serial number's characters (the low byte of each slot, up to the first
// NUL) read as a decimal number: leading white space and a sign allowed,
// reading stops at the first other character, no digits give 0. Nine
// characters cannot overflow 32 bits.
std::int32_t probeSerialNumber(const std::int16_t (&characters)[marlet::kSerialLength])
{
    std::string text;
    for (const std::int16_t slot : characters) {
        const char character = static_cast<char>(slot & 0xFF);
        if (character == '\0')
            break;
        text += character;
    }
    std::string_view rest(text);
    rest.remove_prefix(std::min(rest.find_first_not_of(" \t\n\v\f\r"), rest.size()));
    const bool negative = !rest.empty() && rest.front() == '-';
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+'))
        rest.remove_prefix(1);
    // Unsigned, so that a second sign is not taken as part of the number.
    std::uint32_t number = 0;
    std::from_chars(rest.data(), rest.data() + rest.size(), number);
    const auto value = static_cast<std::int32_t>(number);
    return negative ? -value : value;
}

void decodeSummaries(const marlet::DriverTestBlock& block, CPointInformation& information)
{
    for (std::size_t k = 0; k < marlet::kSummaryCount; ++k) {
        const marlet::DriverTympanogramSummary& summary = block.*marlet::kSummaries[k];
        const SummaryFields& fields = kSummaryFields[k];
        information.*fields.peakCompliance = summary.PeakCompliance;
        information.*fields.gradient = summary.Gradient;
        information.*fields.pressure = summary.Pressure;
        information.*fields.valid = summary.Valid == 1;
    }
    // Canal volume, gradient status and probe tone come from the first only.
    information.CanalVolume = block.Summary0.Volume;
    information.GradientStatus =
        entryAt(kGradientStatuses, block.Summary0.GradientStatus).value_or(TGradientStatus_OFF);
    information.ProbeTone = entryAt(kProbeTones, block.Summary0.ProbeTone).value_or(kProbeTones[0]);
}

std::int32_t modelName(std::int32_t model)
{
    return model >= gmTessil && model <= gmPyrel ? model : ModelName_Unknown;
}

}  // namespace

bool DecodePointRecord(const marlet::DriverPointRecord& record, CPointInformation& information)
{
    const auto typeWord = static_cast<std::uint32_t>(record.TypeWord);
    information.PointStatus = TAudiPointStatus_None;
    information.Freq1 = static_cast<std::int16_t>(record.Frequency);
    information.Intensity1 = static_cast<std::int16_t>(record.Level);

    const CurveAndEar curve = entryAt(kCurves, std::int64_t{typeWord & 0xFF} - 1).value_or(CurveAndEar{0, 0});
    information.CurveType = curve.curveType;
    information.Ear = curve.ear;

    const std::optional<std::int32_t> pointType = entryAt(kPointTypes, (typeWord >> 8) & 0xFF);
    if (!pointType)
        return false;
    information.PointType = *pointType;

    if (carriesStatus(*pointType)) {
        information.PointStatus = pointStatus(typeWord);
        const bool masked = typeWord & bit(18);
        information.Freq2 = masked ? information.Freq1 : kNoValue;
        information.Intensity2 = masked ? 0 : kNoValue;
    }
    return true;
}

bool DecodeTestBlock(const marlet::DriverTestBlock& block, CVendorDriverWrapper& binding,
                     CPointInformation& information)
{
    decodeSummaries(block, information);
    information.ProbeSerialNumber = probeSerialNumber(block.Serial);
    information.TestNumber = static_cast<std::uint16_t>(block.TestNumber);

    const std::int32_t model = modelName(binding.InstrumentModel());
    information.ModelName = model;

    const marlet::DriverReflexEntry& reflex = block.Reflex0;
    information.Threshold = static_cast<std::uint16_t>(reflex.Result);
    information.DecayDetected = reflex.Result == 1;
    information.ValidReflexPoint = reflex.Valid == 1;

    const std::optional<BlockKind> kind = entryAt(kBlockKinds, std::int64_t{block.Kind} - 1);
    information.SignalType = signalType(kind ? kind->stimuli : Stimuli::None, model, reflex.Stimulus);
    if (!kind) {
        information.ImpPointType = TImpPointType_UNKNOWN;
        information.ImpEar = TImpedanceEar_UnknownEar;
        information.ReflexTestType = TReflexTestType_UNKNOWN;
        return false;
    }
    information.ImpPointType = kind->impPointType;
    information.ImpEar = kind->impEar;
    information.ReflexTestType = kind->reflexTestType;
    information.IsReflexScreenPoint = kind->isReflexScreenPoint;

    const std::optional<std::int32_t> action = entryAt(kActionTypes, block.Action);
    if (!action)
        return false;
    information.ImpActionType = *action;
    return true;
}

}  // namespace pelmsonvale
