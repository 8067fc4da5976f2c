// The report's pure-tone tables: the effective masking levels of the air- and
// bone-conduction thresholds per ear, and the pure-tone average of each ear.
#include "module/core/CCurvePrefs.h"
#include "module/core/CLangLoader.h"
#include "module/core/CountBits16.h"
#include "module/core/PreferenceValues.h"
#include "module/core/StoreSelection.h"
#include "module/core/TextResources.h"
#include "module/report/CPrinter.h"
#include "module/report/CReport.h"
#include "module/views/ShowPureToneAverages.h"

#include "vellum/VellumValues.h"

#include <array>
#include <string>
#include <utility>

namespace brisance {
namespace {

constexpr std::int32_t kAirConduction = 1;
constexpr std::int32_t kBoneConduction = 2;
constexpr std::int32_t kUnaided = 2;
constexpr float kCellHeight = 0.5f;
constexpr float kHeadColumnCentre = 1.05f;

constexpr std::array<std::int32_t, 11> kMaskingFrequencies = {125,  250,  500,  750,  1000, 1500,
                                                              2000, 3000, 4000, 6000, 8000};

struct MaskingRow {
    float top;  // below the table's top
    std::int32_t curveType;
    std::int32_t ear;
};
constexpr std::array<MaskingRow, 4> kMaskingRows = {{
    {1.3f, kAirConduction, vellum::kEarLeft},
    {1.8f, kAirConduction, vellum::kEarRight},
    {2.3f, kBoneConduction, vellum::kEarLeft},
    {2.8f, kBoneConduction, vellum::kEarRight},
}};

// Bone conduction is not masked at these frequencies: their cells are
// cross-hatched, whatever the data hold.
bool isUnmaskedBoneFrequency(std::int32_t frequency)
{
    return frequency == 125 || frequency == 6000 || frequency == 8000;
}

// The masking level of the curve's point at the frequency, as printed: a
// whole number, empty when there is none, when it is 0 or not masked.
std::string maskingText(vellum::IVellumPureToneCurve* curve, std::int32_t frequency)
{
    if (!curve) return {};
    const auto points = curve->get_Points();
    if (!points->Exists(frequency)) return {};
    const std::int16_t masking = points->Item(frequency)->get_MaskingLevel();
    if (masking == 0 || masking == vellum::kNoValue) return {};
    return std::to_string(masking);
}

// The averaged frequencies of the user's global options, with which an
// audiogram stored without its own is printed, as it is shown; none without
// a preference store.
AverageMasks profileAverageMasks(const platform::com::ComPtr<platform::com::IUnknown>& preferences)
{
    constexpr std::int16_t kGlobalOptionsCategory = 100;
    constexpr std::int16_t kGlobalOptionsSection = 0;
    const auto store = preferences.as<vellum::IVellumKeyedStore>();
    if (!store) return {};
    const StoreSelectionKeeper globalOptions(*store, kGlobalOptionsCategory, kGlobalOptionsSection);
    return {PreferenceNumber(*store, "PTAvg1"), PreferenceNumber(*store, "PTAvg2")};
}

}  // namespace

void CReport::PrintMaskingTable(float X, float Y, float W, float H)
{
    CPrinter& out = printer();
    const CLangLoader& texts = languageLoader();
    vellum::IVellumDataLayer& data = dataLayer();

    out.PrintRectangle(X, Y, W, H);
    out.SetFont("Arial", 9, false);
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_EFFECTIVE_MASKING_LEVELS), X + W / 2, Y + 0.1f, false);

    const float cw = (W - 1.5f - 0.1f) / 11;
    const auto columnLeft = [&](std::size_t column) { return X + 1.5f + static_cast<float>(column) * cw; };
    out.SetFont("Arial", 7, false);
    for (std::size_t column = 0; column < kMaskingFrequencies.size(); ++column)
        out.RenderCellAndContents(columnLeft(column), Y + 0.8f, cw, kCellHeight, false,
                                  std::to_string(kMaskingFrequencies[column]));

    const auto curves = data.get_PureToneCurves();
    for (const MaskingRow& row : kMaskingRows) {
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        if (!curves->Find(row.curveType, row.ear, kUnaided, curve)) curve = nullptr;
        for (std::size_t column = 0; column < kMaskingFrequencies.size(); ++column) {
            const std::int32_t frequency = kMaskingFrequencies[column];
            const bool hatched = row.curveType == kBoneConduction && isUnmaskedBoneFrequency(frequency);
            out.RenderCellAndContents(columnLeft(column), Y + row.top, cw, kCellHeight, true,
                                      hatched ? std::string() : maskingText(curve.get(), frequency), hatched);
        }
    }

    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_NONTEST), X + kHeadColumnCentre, Y + 0.6f, false);
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_EAR), X + kHeadColumnCentre, out.CurrentY(), false);

    out.SetFont("Arial", 9, false);
    const CCurvePrefs& tests = curvePrefs();
    // The tests' names, between the two rows of each.
    for (const auto& [notation, middle] : {std::pair{std::string("1-1-1-"), 1.8f}, {std::string("1-2-1-"), 2.8f}})
        if (tests.ItemExist(notation)) out.PrintTextCenteredOnPoint(tests.Item(notation)->Label, X + 0.4f, Y + middle, true);

    for (const MaskingRow& row : kMaskingRows)
        out.PrintTextCenteredOnPoint(texts.LoadResString(row.ear == vellum::kEarLeft ? TR_L : TR_R),
                                     X + kHeadColumnCentre, Y + row.top + kCellHeight / 2, true);
}

void CReport::PrintAverageBox(float X, float Y, float W, float H)
{
    CPrinter& out = printer();
    const CLangLoader& texts = languageLoader();
    vellum::IVellumDataLayer& data = dataLayer();
    const float centre = X + W / 2;

    out.PrintRectangle(X, Y, W, H);
    out.SetFont("Arial", 9, false);
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_PURETONE), centre, Y + 0.1f, false);
    out.PrintTextCenteredOnPoint(texts.LoadResString2(TR_AVERAGE), centre, out.CurrentY(), false);
    out.SetFont("Arial", 7, false);
    const AverageMasks profile = profileAverageMasks(m_userPrefs);
    const AverageMasks leftMasks = EarAverageMasks(data, vellum::kEarLeft, profile);
    out.PrintTextCenteredOnPoint("(" + std::to_string(CountBits16(leftMasks.average)) + texts.LoadResString(TR_FREQ) +
                                     ")",
                                 centre, out.CurrentY(), false);

    // Each ear's air-conduction average.
    const auto curves = data.get_PureToneCurves();
    const std::string left = PureToneAverageText(*curves, kAirConduction, vellum::kEarLeft, leftMasks);
    const std::string right = PureToneAverageText(*curves, kAirConduction, vellum::kEarRight,
                                                  EarAverageMasks(data, vellum::kEarRight, profile));

    const float T = out.CurrentY();
    out.RenderCellAndContents(centre - 0.9f, T, 0.9f, kCellHeight, false, "R");
    out.RenderCellAndContents(centre, T, 0.9f, kCellHeight, false, "L");
    out.RenderCellAndContents(centre - 0.9f, T + kCellHeight, 0.9f, kCellHeight, true, right);
    out.RenderCellAndContents(centre, T + kCellHeight, 0.9f, kCellHeight, true, left);
}

}  // namespace brisance
