#include "module/views/TympanogramValues.h"

#include "module/panels/EntryNumbers.h"
#include "platform/runtime/Conversions.h"
#include "vellum/IVellumDataLayer.h"

#include <algorithm>
#include <optional>

namespace brisance {

namespace runtime = platform::runtime;

namespace {

constexpr std::string_view kNoGradientText = "--";
constexpr std::string_view kNoValueText = "-32767";
// The largest number a box takes as typed, and the range of a stored field.
constexpr std::int32_t kInputBound = 32767;
constexpr std::int32_t kLowestStored = -32767;
constexpr std::int32_t kHighestStored = 32767;
constexpr std::size_t kCutLength = 4;
constexpr int kOtherTypePosition = 7;

bool isHundredths(TympanogramField field)
{
    return field == TympanogramField::EarCanalVolume || field == TympanogramField::StaticCompliance
        || field == TympanogramField::PeakHeight;
}

// The stored code of "NP" in this field, if it has one.
std::optional<std::int32_t> noPeakCode(TympanogramField field)
{
    switch (field) {
    case TympanogramField::PeakPressure: return kNoPeakPressure;
    case TympanogramField::StaticCompliance:
    case TympanogramField::PeakHeight: return kNoPeakCompliance;
    default: return std::nullopt;
    }
}

bool isNoValue(std::string_view value)
{
    return numberValue(value) == vellum::kNoValue;
}

}  // namespace

std::int32_t& TympanogramRecord::operator[](TympanogramField field)
{
    switch (field) {
    case TympanogramField::PeakPressure: return PeakPressure;
    case TympanogramField::EarCanalVolume: return EarCanalVolume;
    case TympanogramField::StaticCompliance: return StaticCompliance;
    case TympanogramField::PeakHeight: return PeakHeight;
    case TympanogramField::Gradient: return Gradient;
    case TympanogramField::ProbeTone: break;
    }
    return ProbeToneFrequency;
}

std::int32_t TympanogramRecord::operator[](TympanogramField field) const
{
    return const_cast<TympanogramRecord&>(*this)[field];
}

TympanogramRecord readTympanogram(vellum::IVellumTympanogram& tympanogram)
{
    return {tympanogram.get_PeakPressure(),    tympanogram.get_EarCanalVolume(), tympanogram.get_StaticCompliance(),
            tympanogram.get_PeakHeight(),      tympanogram.get_Gradient(),       tympanogram.get_GradientStatus(),
            tympanogram.get_ProbeToneFrequency(), tympanogram.get_TympType()};
}

void writeTympanogram(vellum::IVellumTympanogram& tympanogram, const TympanogramRecord& record)
{
    tympanogram.put_PeakPressure(record.PeakPressure);
    tympanogram.put_EarCanalVolume(record.EarCanalVolume);
    tympanogram.put_StaticCompliance(record.StaticCompliance);
    tympanogram.put_PeakHeight(record.PeakHeight);
    tympanogram.put_Gradient(record.Gradient);
    tympanogram.put_GradientStatus(record.GradientStatus);
    tympanogram.put_ProbeToneFrequency(record.ProbeToneFrequency);
    tympanogram.put_TympType(record.TympType);
}

std::string shownText(TympanogramField field, std::string_view value)
{
    if (noPeakCode(field) && value == kNoPeakText)
        return std::string(kNoPeakText);
    if (isNoValue(value))
        return field == TympanogramField::Gradient ? std::string(kNoGradientText) : std::string();
    if (isHundredths(field)) {
        if (const std::optional<double> hundredths = numberValue(value))
            return runtime::numberText(*hundredths / 100);
    }
    return std::string(value);
}

std::string valueOfShown(TympanogramField field, std::string_view shown)
{
    if (field == TympanogramField::PeakPressure || field == TympanogramField::ProbeTone)
        return std::string(shown);
    if (noPeakCode(field) && shown == kNoPeakText)
        return std::string(kNoPeakText);
    const bool noGradient = field == TympanogramField::Gradient && shown == kNoGradientText;
    const std::optional<double> number = shown.empty() || noGradient ? 0.0 : numberValue(shown);
    if (!number)
        return std::string(shown);
    // A zero in any of these fields is taken for no value.
    if (*number == 0)
        return std::string(kNoValueText);
    return isHundredths(field) ? runtime::numberText(*number * 100) : std::string(shown);
}

std::string withinInputBound(TympanogramField field, std::string_view text)
{
    if (field == TympanogramField::ProbeTone || (field == TympanogramField::Gradient && text == kNoGradientText))
        return std::string(text);
    // A number too large to read is above the bound too.
    const std::optional<std::int32_t> number = leadingWholeNumber(text);
    if (number && *number <= kInputBound)
        return std::string(text);
    return std::string(text.substr(0, kCutLength));
}

std::string panelValue(TympanogramField field, std::int32_t stored)
{
    if (noPeakCode(field) == stored)
        return std::string(kNoPeakText);
    return std::to_string(stored);
}

std::string shownStoredText(TympanogramField field, std::int32_t stored)
{
    return shownText(field, panelValue(field, stored));
}

std::int32_t storedAfterEdit(TympanogramField field, std::int32_t stored, std::string_view value)
{
    if (value == valueOfShown(field, shownStoredText(field, stored)))
        return stored;
    if (value.empty())
        return vellum::kNoValue;
    if (const std::optional<std::int32_t> code = noPeakCode(field); code && value == kNoPeakText)
        return *code;
    if (!isNumberText(value))
        return stored;
    const std::optional<std::int32_t> number = leadingWholeNumber(value);
    if (!number || *number < kLowestStored || *number > kHighestStored)
        return stored;
    return *number;
}

int typeListPosition(std::int32_t code)
{
    switch (code) {
    case vellum::kNoValue: return -1;
    case 1: return 0;
    case 2: return 2;
    case 3: return 1;
    case 4:
    case 5:
    case 6:
    case 7: return code - 1;
    default: return kOtherTypePosition;
    }
}

std::int32_t typeCode(std::string_view shown)
{
    const auto found = std::find(kTympanogramTypeTexts.begin(), kTympanogramTypeTexts.end(), shown);
    if (found == kTympanogramTypeTexts.end())
        return 0;
    const int position = static_cast<int>(found - kTympanogramTypeTexts.begin());
    return position == 1 ? 3 : position == 2 ? 2 : position + 1;
}

std::int32_t typeAfterEdit(std::int32_t stored, std::int32_t shownCode)
{
    const std::int32_t storedShows = stored >= 1 && stored <= 7 ? stored : 0;
    return shownCode == storedShows ? stored : shownCode;
}

}  // namespace brisance
