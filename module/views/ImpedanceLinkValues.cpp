#include "module/views/ImpedanceLinkValues.h"

#include "PelmSonvale/SonvaleTypes.h"
#include "platform/runtime/Conversions.h"

#include <utility>

namespace brisance {

namespace link = pelmsonvale;

namespace {

constexpr std::int16_t kGradientNotMeasured = 11565;

// Thousandths of a millilitre in the hundredths the data stores; no value stays none.
std::int32_t hundredths(std::int16_t thousandths)
{
    if (thousandths == vellum::kNoValue)
        return vellum::kNoValue;
    return static_cast<std::int32_t>(platform::runtime::roundHalfEven(thousandths / 10.0));
}

}  // namespace

std::optional<std::int32_t> earOfImpedanceEar(std::int32_t impedanceEar)
{
    switch (impedanceEar) {
    case link::TImpedanceEar_LEFT: return vellum::kEarLeft;
    case link::TImpedanceEar_RIGHT: return vellum::kEarRight;
    default: return std::nullopt;
    }
}

std::optional<std::int32_t> stimulusCodeOf(std::int32_t activatorStimulus)
{
    constexpr std::pair<std::int32_t, std::int32_t> kStimuli[] = {
        {link::TActivatorStimulus_250Hz, 250},     {link::TActivatorStimulus_500Hz, 500},
        {link::TActivatorStimulus_1KHz, 1000},     {link::TActivatorStimulus_2KHz, 2000},
        {link::TActivatorStimulus_4KHz, 4000},     {link::TActivatorStimulus_LBNoise, 32767},
        {link::TActivatorStimulus_HBNoise, 32766}, {link::TActivatorStimulus_BBNoise, 32765},
        {link::TActivatorStimulus_Unknown, 7000},
    };
    for (const auto& [stimulus, code] : kStimuli)
        if (stimulus == activatorStimulus)
            return code;
    return std::nullopt;
}

std::vector<std::size_t> validTympanograms(const ImpedancePointArgs& event)
{
    std::vector<std::size_t> valid;
    for (std::size_t k = 0; k < event.ValidTest.size(); ++k)
        if (event.ValidTest[k])
            valid.push_back(k);
    return valid;
}

TympanogramRecord tympanogramFromLink(const ImpedancePointArgs& event, std::size_t k, const TympanogramRecord& stored)
{
    TympanogramRecord record = stored;
    record.PeakPressure = event.Pressure[k];
    const std::int16_t compliance = event.PeakCompliance[k];
    record.StaticCompliance = compliance == kNoPeakCompliance ? kNoPeakCompliance : hundredths(compliance);
    record.PeakHeight = record.StaticCompliance;
    record.EarCanalVolume = event.CanalVolume == kNoPeakCompliance ? vellum::kNoValue : hundredths(event.CanalVolume);
    record.Gradient = event.GradientVal[k] == kGradientNotMeasured ? vellum::kNoValue : event.GradientVal[k];
    record.GradientStatus = event.GradientStatus;
    record.ProbeToneFrequency = event.ProbeTone;
    return record;
}

}  // namespace brisance
