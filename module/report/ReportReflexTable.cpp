// The acoustic reflex box of the report: the ipsilateral and contralateral
// reflex thresholds of both ears at nine stimuli, each with the mark of the
// reflex decay result at the same stimulus.
#include "module/core/CLangLoader.h"
#include "module/core/TextResources.h"
#include "module/report/CPrinter.h"
#include "module/report/CReport.h"

#include "vellum/VellumValues.h"

#include "platform/com/HResult.h"
#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace brisance {
namespace {

constexpr std::int32_t kUnaided = 2;
constexpr float kRowHeight = 0.65f;

// The stimulus codes of the nine columns: the tones, then broad-band,
// low-band and high-band noise.
constexpr std::array<std::int32_t, 9> kStimulusCodes = {250, 500, 1000, 2000, 4000, 6000, 32765, 32767, 32766};

// Stored levels that are result codes, not thresholds.
struct ResultCode {
    std::int16_t level;
    const char* text;
};
constexpr std::array<ResultCode, 5> kResultCodes = {{
    {4000, " NA"},
    {4010, " NT"},
    {4020, " NR"},
    {4030, " YES"},
    {4040, " NR"},
}};

std::string thresholdText(std::int16_t level)
{
    if (level <= 0) return {};  // also no value
    for (const ResultCode& code : kResultCodes)
        if (code.level == level) return code.text;
    return std::to_string(level / 10);  // whole dB, truncated
}

// The reflex block of one side: its sub-title, its thresholds and decay curve
// types, and the tops of its right and left rows below the box's top.
struct ReflexBlock {
    TextResources title;
    float titleTop;
    std::int32_t thresholds;
    std::int32_t decay;
    float rightTop;
    float leftTop;
};
constexpr ReflexBlock kIpsilateral = {TR_IPSILATERAL, 0.5f, vellum::kCurveIpsilateralReflex,
                                      vellum::kCurveIpsilateralDecay, 1.25f, 1.9f};
constexpr ReflexBlock kContralateral = {TR_CONTRALATERAL, 2.6f, vellum::kCurveContralateralReflex,
                                        vellum::kCurveContralateralDecay, 2.9f, 3.55f};

}  // namespace

void CReport::PrintReflexTable(float X, float Y, float W, float H)
{
    CPrinter& out = printer();
    const CLangLoader& texts = languageLoader();
    const auto curves = dataLayer().get_PureToneCurves();

    std::vector<std::string> captions = {"250", "500", "1000", "2000", "4000", "6000"};
    for (const TextResources noise : {TR_BBN, TR_LBN, TR_HBN}) captions.push_back(texts.LoadResString(noise));

    out.PrintRectangle(X, Y, W, H);
    out.SetFont("Arial", 9, false);
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_ACOUSTIC_REFLEX), X + W / 2, Y + 0.1f, false);
    out.SetFont("Arial", 8, false);

    const float c = (W - 0.2f) / 10;
    const float x0 = X + 0.1f;
    const float stimuliCentre = x0 + 5.5f * c;

    const auto printTitle = [&](const ReflexBlock& block) {
        out.PrintTextCenteredOnPoint(texts.LoadResString(block.title), stimuliCentre, Y + block.titleTop, false);
    };
    const auto printRows = [&](const ReflexBlock& block) {
        for (const auto& [ear, label, top] : {std::tuple{vellum::kEarRight, TR_R, block.rightTop},
                                              std::tuple{vellum::kEarLeft, TR_L, block.leftTop}}) {
            out.RenderCellAndContents(x0, Y + top, c, kRowHeight, false, texts.LoadResString(label));
            vellum::ComPtr<vellum::IVellumPureToneCurve> thresholds, decay;
            const bool thresholdsFound = curves->Find(block.thresholds, ear, kUnaided, thresholds);
            const bool decayFound = curves->Find(block.decay, ear, kUnaided, decay);
            PrintReflexRow(x0 + c, c, Y + top, kRowHeight, thresholdsFound, thresholds.get(), decayFound, decay.get(),
                           captions);
        }
    };

    // The header row of the ipsilateral block serves both blocks.
    printTitle(kIpsilateral);
    const float headerTop = Y + 0.6f;
    out.RenderCellAndContents(x0, headerTop, c, kRowHeight, false,
                              texts.LoadResString(TR_STIMULUS) + "\r\n" + texts.LoadResString(TR_EAR));
    for (std::size_t column = 0; column < captions.size(); ++column)
        out.RenderCellAndContents(x0 + static_cast<float>(column + 1) * c, headerTop, c, kRowHeight, false,
                                  captions[column]);
    printRows(kIpsilateral);
    printTitle(kContralateral);
    printRows(kContralateral);
}

void CReport::PrintReflexRow(float FirstLeft, float CellWidth, float Top, float CellHeight, bool ThresholdsFound,
                             vellum::IVellumPureToneCurve* Thresholds, bool DecayFound,
                             vellum::IVellumPureToneCurve* Decay, std::span<const std::string> Captions)
{
    // One odd point or cell never stops the report: its step is passed over.
    const auto tolerant = [](auto step) {
        try {
            step();
        } catch (const platform::runtime::RuntimeError&) {
        }
    };
    const std::size_t columns = std::min(Captions.size(), kStimulusCodes.size());
    std::array<std::optional<std::int16_t>, kStimulusCodes.size()> levels{};
    std::array<std::int32_t, kStimulusCodes.size()> indicators{};

    if (ThresholdsFound && Thresholds) {
        const auto points = Thresholds->get_Points()->get__NewEnum();
        bool more = true;
        while (more) {
            tolerant([&] {
                platform::runtime::Variant item;
                more = false;  // a collection that cannot go on ends the row's points
                more = points->Next(1, &item, nullptr) == platform::com::S_OK;
                if (!more) return;
                const auto point = item.toObject().as<vellum::IVellumPureTonePoint>();
                const std::int32_t stimulus = point->get_Frequency();
                const auto column = std::ranges::find(kStimulusCodes, stimulus) - kStimulusCodes.begin();
                if (static_cast<std::size_t>(column) >= columns) return;
                levels[column] = point->get_Level();
                if (DecayFound && Decay && Decay->get_Points()->Exists(stimulus))
                    indicators[column] = GetDecayIndicator(Decay->get_Points()->Item(stimulus)->get_Decay());
            });
        }
    }

    float left = FirstLeft;
    for (std::size_t column = 0; column < columns; ++column) {
        tolerant([&] {
            std::string text = levels[column] ? thresholdText(*levels[column]) : std::string();
            if (!text.empty() && indicators[column] == 1) text += " +";
            if (!text.empty() && indicators[column] == -1) text += " -";
            printer().RenderCellAndContents(left, Top, CellWidth, CellHeight, true, text);
        });
        left += CellWidth;
    }
}

std::int32_t CReport::GetDecayIndicator(std::int32_t DecayResult)
{
    switch (DecayResult) {
    case 0: return -1;
    case 1:
    case 10: return 1;
    default: return 0;
    }
}

}  // namespace brisance
