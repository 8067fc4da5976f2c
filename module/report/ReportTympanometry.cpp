// The tympanometry box of the report: type, ear-canal volume, peak pressure,
// peak height and gradient of each ear's tympanogram, under a title that
// names the probe tone.
#include "module/core/CLangLoader.h"
#include "module/core/TextResources.h"
#include "module/core/VocabularyTexts.h"
#include "module/report/CPrinter.h"
#include "module/report/CReport.h"
#include "module/report/ReportNumberText.h"

#include "vellum/VellumValues.h"

#include "platform/runtime/RuntimeError.h"

#include <array>
#include <string>

namespace brisance {
namespace {

constexpr float kRowHeight = 0.65f;
// Peak pressure and peak height of a tympanogram without a peak.
constexpr std::int32_t kNoPeakPressure = 405;
constexpr std::int32_t kNoPeakHeight = 30811;

using Tympanogram = vellum::ComPtr<vellum::IVellumTympanogram>;
using Field = std::int32_t (vellum::IVellumTympanogram::*)();

// A field of the ear's tympanogram; an ear without one reads as not
// measured. The report never adds a tympanogram to the audiogram.
std::int32_t fieldOf(const Tympanogram& tympanogram, Field field)
{
    return tympanogram ? ((*tympanogram).*field)() : vellum::kNoValue;
}

std::string wholeText(std::int32_t value)
{
    return value == vellum::kNoValue ? std::string() : std::to_string(value);
}

std::string hundredthsText(std::int32_t value)
{
    return value == vellum::kNoValue ? std::string() : ReportNumberText(value / 100.0);
}

std::string typeText(const Tympanogram& tympanogram)
{
    return TympTypeText(fieldOf(tympanogram, &vellum::IVellumTympanogram::get_TympType));
}

std::string volumeText(const Tympanogram& tympanogram)
{
    return hundredthsText(fieldOf(tympanogram, &vellum::IVellumTympanogram::get_EarCanalVolume));
}

std::string pressureText(const Tympanogram& tympanogram)
{
    const std::int32_t pressure = fieldOf(tympanogram, &vellum::IVellumTympanogram::get_PeakPressure);
    return pressure == kNoPeakPressure ? "NP" : wholeText(pressure);
}

std::string heightText(const Tympanogram& tympanogram)
{
    const std::int32_t height = fieldOf(tympanogram, &vellum::IVellumTympanogram::get_PeakHeight);
    return height == kNoPeakHeight ? "NP" : hundredthsText(height);
}

std::string gradientText(const Tympanogram& tympanogram)
{
    return wholeText(fieldOf(tympanogram, &vellum::IVellumTympanogram::get_Gradient));
}

// The five rows, top to bottom: the value of each.
constexpr std::array<std::string (*)(const Tympanogram&), 5> kRowValues = {
    typeText, volumeText, pressureText, heightText, gradientText,
};

Tympanogram tympanogramOf(vellum::IVellumDataLayer& data, std::int32_t ear)
{
    Tympanogram tympanogram;
    if (!data.get_Tympanograms()->Find(ear, tympanogram)) return nullptr;
    return tympanogram;
}

}  // namespace

void CReport::PrintTympanometry(float X, float Y, float W, float H)
{
    CPrinter& out = printer();
    const CLangLoader& texts = languageLoader();
    vellum::IVellumDataLayer& data = dataLayer();
    const Tympanogram left = tympanogramOf(data, vellum::kEarLeft);
    const Tympanogram right = tympanogramOf(data, vellum::kEarRight);

    out.PrintRectangle(X, Y, W, H);
    out.SetFont("Arial", 9, false);
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_TYMPANOMETRY), X + W / 2, Y + 0.1f, false);

    out.SetFont("Arial", 7, false);
    // Only the left ear's probe tone is named.
    if (const std::int32_t probe = fieldOf(left, &vellum::IVellumTympanogram::get_ProbeToneFrequency);
        probe != vellum::kNoValue) {
        std::string line = texts.LoadResString(TR_X_HZ_PROBE);
        const std::string frequency = std::to_string(probe);
        for (auto at = line.find('X'); at != std::string::npos; at = line.find('X', at + frequency.size()))
            line.replace(at, 1, frequency);
        out.PrintTextCenteredOnPoint("(" + line + ")", X + W / 2, out.CurrentY(), false);
    }

    const float left0 = X + 0.1f;
    const float usable = W - 0.2f;
    const float labelWidth = 0.55f * usable;
    const float earWidth = 0.225f * usable;
    const float headerTop = Y + 0.8f;
    const std::string labels[] = {
        texts.LoadResString(TR_TYPE),
        texts.LoadResString(TR_EAR_CANAL) + "\r\n" + texts.LoadResString(TR_VOLUME) + " (cc)",
        texts.LoadResString(TR_PEAK_PRESSURE) + "\r\n(mmH20)",
        texts.LoadResString(TR_PEAK_HEIGHT) + "\r\n(cc)",
        texts.LoadResString(TR_GRADIENT) + "\r\n(mmH20)",
    };
    float top = headerTop + kRowHeight;
    for (const std::string& label : labels) {
        out.RenderCellAndContents(left0, top, labelWidth, kRowHeight, true, label);
        top += kRowHeight;
    }

    const float rightColumn = left0 + labelWidth;
    out.SetFont("Arial", 9, false);
    out.RenderCellAndContents(rightColumn, headerTop, earWidth, kRowHeight, false, texts.LoadResString(TR_R));
    out.SetFont("Arial", 7, false);

    // From here on a step that fails (a field that cannot be read, a text
    // that cannot be made) prints the TR_OTHER text in its cell, and the
    // table goes on.
    const auto guarded = [&](float cellLeft, float cellTop, auto step) {
        try {
            step();
        } catch (const platform::runtime::RuntimeError&) {
            out.RenderCellAndContents(cellLeft, cellTop, earWidth, kRowHeight, true, texts.LoadResString(TR_OTHER));
        }
    };
    const auto printValues = [&](float column, const Tympanogram& tympanogram) {
        float cellTop = headerTop + kRowHeight;
        for (const auto value : kRowValues) {
            guarded(column, cellTop, [&] {
                out.RenderCellAndContents(column, cellTop, earWidth, kRowHeight, true, value(tympanogram));
            });
            cellTop += kRowHeight;
        }
    };
    printValues(rightColumn, right);

    const float leftColumn = rightColumn + earWidth;
    guarded(leftColumn, headerTop, [&] {
        out.SetFont("Arial", 9, false);
        out.RenderCellAndContents(leftColumn, headerTop, earWidth, kRowHeight, false, texts.LoadResString(TR_L));
        out.SetFont("Arial", 7, false);
    });
    printValues(leftColumn, left);
}

}  // namespace brisance
