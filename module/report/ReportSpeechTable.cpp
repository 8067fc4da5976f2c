// The speech box of the report: the thresholds with their masking, the most
// comfortable and uncomfortable levels, and word recognition in quiet and in
// noise, for the right ear, the left ear and the sound field.
#include "module/core/CLangLoader.h"
#include "module/core/ProgramTitle.h"
#include "module/core/TextResources.h"
#include "module/report/CCurveFinder.h"
#include "module/report/CPrinter.h"
#include "module/report/CReport.h"
#include "module/report/ReportNumberText.h"

#include "vellum/VellumValues.h"

#include "platform/ui/MessageBox.h"

#include <array>
#include <initializer_list>
#include <string>
#include <utility>

namespace brisance {
namespace {

constexpr float kCellWidth = 0.9f;
constexpr float kCellHeight = 0.5f;

using SpeechPoint = CCurveFinder::SpeechPoint;
using Finder = bool (CCurveFinder::*)(vellum::IVellumDataLayer&, std::int32_t, SpeechPoint&) const;

// The rows of every block, top to bottom: right ear, left ear, sound field.
struct EarRow {
    std::int32_t ear;
    TextResources label;
};
constexpr std::array<EarRow, 3> kEarRows = {{
    {vellum::kEarRight, TR_R},
    {vellum::kEarLeft, TR_L},
    {vellum::kEarBinaural, TR_SF_ABBREV},
}};

// The texts of a speech point's values; empty when it has none.
std::string levelText(vellum::IVellumSpeechPoint& point)
{
    const std::int32_t level = point.get_Level();
    return level == vellum::kNoValue ? std::string() : ReportNumberText(level / 10.0);
}

std::string scoreText(vellum::IVellumSpeechPoint& point)
{
    const std::int16_t score = point.get_Score();
    return score == vellum::kNoValue ? std::string() : ReportNumberText(score / 100.0);
}

std::string maskingText(vellum::IVellumSpeechPoint& point)
{
    const std::int16_t masking = point.get_MaskingLevel();
    if (masking == vellum::kNoSpeechMasking || masking == vellum::kNoValue) return {};
    return std::to_string(masking);
}

// A column of a block: its left edge and header text.
struct Column {
    float left;
    std::string header;
};

// A value of the point that a finder gives, and the column it goes into.
struct ValueCell {
    float left;
    std::string (*text)(vellum::IVellumSpeechPoint&);
};

// Draws a block's frame: the row labels, then column by column its header
// and its three empty boxes.
void printBlockFrame(CPrinter& out, const CLangLoader& texts, float labelsLeft, float headerTop,
                     std::initializer_list<Column> columns)
{
    float top = headerTop + kCellHeight;
    for (const EarRow& row : kEarRows) {
        out.RenderCellAndContents(labelsLeft, top, kCellWidth, kCellHeight, false, texts.LoadResString(row.label));
        top += kCellHeight;
    }
    for (const Column& column : columns) {
        out.RenderCellAndContents(column.left, headerTop, kCellWidth, kCellHeight, false, column.header);
        for (int row = 1; row <= 3; ++row)
            out.PrintRectangle(column.left, headerTop + row * kCellHeight, kCellWidth, kCellHeight);
    }
}

// Draws, ear by ear, the values of the point that the finder gives; a missing
// point or value leaves its box empty.
void printBlockValues(CPrinter& out, vellum::IVellumDataLayer& data, Finder find, float headerTop,
                      std::initializer_list<ValueCell> cells)
{
    const CCurveFinder finder;
    float top = headerTop + kCellHeight;
    for (const EarRow& row : kEarRows) {
        SpeechPoint point;
        if ((finder.*find)(data, row.ear, point) && point) {
            for (const ValueCell& cell : cells) {
                const std::string text = cell.text(*point);
                if (!text.empty()) out.RenderCellAndContents(cell.left, top, kCellWidth, kCellHeight, true, text);
            }
        }
        top += kCellHeight;
    }
}

}  // namespace

void CReport::PrintSpeechTable(float X, float Y, float W, float H)
{
    CPrinter& out = printer();
    vellum::IVellumDataLayer& data = dataLayer();

    out.PrintRectangle(X, Y, W, H);
    out.SetFont("Arial", 9, false);
    if (!m_languageLoader) {
        const CLangLoader unopened;
        platform::ui::messageBox(nullptr, "m_oLang is empty :o)", ProgramTitle(unopened), platform::ui::MB_OK);
    }
    const CLangLoader& texts = languageLoader();
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_SPEECH_AUDIOMETRY), X + W / 2, Y + 0.1f, false);
    out.SetFont("Arial", 7, false);

    // Thresholds, with a gap before each of the two comfort columns.
    const float thresholdsTop = Y + 0.6f;
    const float srt = X + 1.1f, srtMask = X + 2.0f, comfortable = X + 3.2f, uncomfortable = X + 4.25f;
    printBlockFrame(out, texts, X + 0.2f, thresholdsTop,
                    {{srt, texts.LoadResString(TR_SRT)},
                     {srtMask, texts.LoadResString(TR_MASK)},
                     {comfortable, SpeechTestLabel(0)},
                     {uncomfortable, SpeechTestLabel(1)}});
    printBlockValues(out, data, &CCurveFinder::GetSRTPoint, thresholdsTop, {{srt, levelText}, {srtMask, maskingText}});
    printBlockValues(out, data, &CCurveFinder::GetMCLPoint, thresholdsTop, {{comfortable, levelText}});
    printBlockValues(out, data, &CCurveFinder::GetUCLPoint, thresholdsTop, {{uncomfortable, levelText}});

    out.PrintLine(X, Y + 2.8f, X + W, Y + 2.8f);
    out.SetFont("Arial", 9, false);
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_WORD_RECOGNITION), X + W / 2, Y + 2.9f, false);
    out.SetFont("Arial", 7, false);

    // Word recognition in quiet and in noise, centred on four cells' width.
    const float L = X + (W - 3.6f) / 2;
    const float score = L + kCellWidth, stimulus = L + 2 * kCellWidth, masking = L + 3 * kCellWidth;
    const float quietTop = Y + 3.3f;
    printBlockFrame(out, texts, L, quietTop,
                    {{score, "%"}, {stimulus, texts.LoadResString(TR_STIMULUS)}, {masking, texts.LoadResString(TR_MASK)}});
    printBlockValues(out, data, &CCurveFinder::GetWordRecognitionPoint, quietTop,
                     {{score, scoreText}, {stimulus, levelText}, {masking, maskingText}});

    const float noiseTop = Y + 5.55f;
    printBlockFrame(out, texts, L, noiseTop,
                    {{score, "%"}, {stimulus, texts.LoadResString(TR_STIMULUS)}, {masking, texts.LoadResString(TR_NOISE)}});
    printBlockValues(out, data, &CCurveFinder::GetWordRecognitionWithNoisePoint, noiseTop,
                     {{score, scoreText}, {stimulus, levelText}, {masking, maskingText}});
}

}  // namespace brisance
