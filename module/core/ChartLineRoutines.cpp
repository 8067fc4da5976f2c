#include "module/core/ChartLineRoutines.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CodeTable.h"
#include "module/core/CurveKeys.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/VocabularyTexts.h"

#include "platform/com/Failure.h"
#include "platform/com/VariantEnumerator.h"
#include "platform/gfx/Types.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <algorithm>

namespace brisance {

namespace {

using lumenplot::VARIANT_FALSE;
using lumenplot::VARIANT_TRUE;
using platform::com::ComPtr;
using platform::com::raiseOnFailure;
using platform::runtime::roundHalfEven;

constexpr const char* kChartSource = "Chart";

// What an ear's curve looks like on a chart, and where its line is.
struct EarLook {
    std::int32_t lineSign;
    std::int32_t lineOffset;
    platform::gfx::ColorRef CCurvePref::*colour;
    std::int16_t CCurvePref::*style;
    std::int16_t CCurvePref::*width;
    const SymbolFields* symbols;
};

constexpr CodeEntry<EarLook> kEarLooks[] = {
    {vellum::kEarLeft,
     {1, 0, &CCurvePref::LeftColor, &CCurvePref::LeftLineStyle, &CCurvePref::LeftLineWidth, &kLeftSymbolFields}},
    {vellum::kEarRight,
     {-1, 0, &CCurvePref::RightColor, &CCurvePref::RightLineStyle, &CCurvePref::RightLineWidth, &kRightSymbolFields}},
    {vellum::kEarBinaural,
     {1, 1000, &CCurvePref::BinauralColor, &CCurvePref::BinauralLineStyle, &CCurvePref::BinauralLineWidth,
      &kBinauralSymbolFields}},
};

std::optional<EarLook> LookOf(std::int32_t ear)
{
    return LookUpCode(kEarLooks, ear, std::optional<EarLook>{});
}

// Symbol indexes whose points the line joins: measured thresholds, masked or not.
constexpr std::int32_t kJoinedSymbols[] = {0, 3};
constexpr std::int32_t kUnmaskedSymbol = 0;
constexpr std::int32_t kMaskedSymbol = 3;
constexpr std::int16_t kSpeechNotMasked = -3276;

constexpr std::int32_t kLabelLineID = 0;
constexpr std::int32_t kNoLine = 5;
constexpr double kLabelHeight = 55.0;
constexpr std::int32_t kLabelStep = 10;
constexpr double kLabelEndBeforeXMax = 5.0;
constexpr std::int32_t kTextInsteadOfSymbol = -1;

bool HasLine(lumenplot::ILines& lines, std::int32_t id)
{
    lumenplot::VARIANT_BOOL exists = VARIANT_FALSE;
    raiseOnFailure(lines.ItemExist(id, &exists), kChartSource);
    return exists != VARIANT_FALSE;
}

}  // namespace

std::string MissingTestWords(vellum::IVellumMeasurement& oMeas)
{
    const std::int32_t curveType = oMeas.get_CurveType();
    return TestTypeText(curveType, true) + "," + TransducerText(curveType, true) + "," +
           WordListText(oMeas.get_WordList(), true) + "," + ConditionText(oMeas.get_Condition(), true);
}

std::int32_t SymbolNumber(const CCurvePref& oPref, std::int32_t lngEar, std::int32_t intSymbolIndex)
{
    const auto look = LookOf(lngEar);
    if (!look || intSymbolIndex < 0 || intSymbolIndex >= static_cast<std::int32_t>(look->symbols->size()))
        return 0;
    return oPref.*(*look->symbols)[static_cast<std::size_t>(intSymbolIndex)];
}

ComPtr<lumenplot::ILines> ChartLines(lumenplot::IChart& oChart, bool blnBackLines)
{
    ComPtr<lumenplot::ILines> lines;
    raiseOnFailure(blnBackLines ? oChart.get_BackLines(lines.put()) : oChart.get_Lines(lines.put()), kChartSource);
    return lines;
}

ComPtr<lumenplot::ILine> CurveLine(lumenplot::ILines& oLines, std::int32_t lngLineID, const CCurvePref& oPref,
                                   std::int32_t lngEar, bool* blnAdded)
{
    ComPtr<lumenplot::ILine> line;
    const bool exists = HasLine(oLines, lngLineID);
    if (blnAdded)
        *blnAdded = !exists;
    if (exists) {
        raiseOnFailure(oLines.Item(lngLineID, line.put()), kChartSource);
        return line;
    }
    raiseOnFailure(oLines.Add(lngLineID, line.put()), kChartSource);
    if (const auto look = LookOf(lngEar)) {
        raiseOnFailure(line->put_LineColor(static_cast<lumenplot::OLE_COLOR>(oPref.*look->colour)), kChartSource);
        raiseOnFailure(line->put_LineStyle(oPref.*look->style), kChartSource);
        raiseOnFailure(line->put_LineWidth(oPref.*look->width), kChartSource);
    }
    return line;
}

std::optional<std::int32_t> ChartLineID(const CCurvePref& oPref, std::int32_t lngEar)
{
    const auto look = LookOf(lngEar);
    if (!look)
        return std::nullopt;
    return look->lineSign * oPref.CurveID + look->lineOffset;
}

void PlotPointOnLine(lumenplot::ILine& oLine, std::int32_t lngX, std::int32_t lngY, std::int32_t intSymbolIndex,
                     std::int32_t lngEar, const CCurvePref& oPref)
{
    raiseOnFailure(oLine.RemovePoint(lngX), kChartSource);
    if (!LookOf(lngEar) || intSymbolIndex < 0 || intSymbolIndex >= static_cast<std::int32_t>(kLeftSymbolFields.size()))
        return;
    const std::int32_t symbol = SymbolNumber(oPref, lngEar, intSymbolIndex) - 1;
    const bool joined = std::ranges::find(kJoinedSymbols, intSymbolIndex) != std::end(kJoinedSymbols);
    raiseOnFailure(oLine.AddPoint(lngX, lngY, symbol, joined ? VARIANT_TRUE : VARIANT_FALSE, {}), kChartSource);
}

void BuildSpeechChartLines(lumenplot::IChart& oChart, vellum::IVellumSpeechCurve& oCurve, bool blnAsBackLine)
{
    const auto measurement = oCurve.get_Measurement();
    const std::string key = SpeechCurveKey(*measurement);
    const auto tests = ModuleGlobals::CurvePrefs();
    if (!tests)
        platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
    if (!tests->ItemExist(key)) {
        if (measurement->get_CurveType() != 0)
            ModuleGlobals::SetMissingTestText(MissingTestWords(*measurement));
        return;
    }

    const CCurvePref& test = *tests->Item(key);
    const std::int32_t ear = measurement->get_Ear();
    if (!LookOf(ear))
        return;  // its points would land on another line
    const auto lines = ChartLines(oChart, blnAsBackLine);
    bool added = false;
    const auto line = CurveLine(*lines, *ChartLineID(test, ear), test, ear, &added);
    if (added && blnAsBackLine)
        raiseOnFailure(line->put_LineColor(kBackLineColour), kChartSource);

    const auto points = oCurve.get_Points()->get__NewEnum();
    platform::runtime::Variant item;
    while (points->Next(1, &item, nullptr) == platform::com::S_OK) {
        const auto point = item.toObject().as<vellum::IVellumSpeechPoint>();
        const auto x = static_cast<std::int32_t>(roundHalfEven(point->get_Level() / 10.0));
        const auto y = 100 - static_cast<std::int32_t>(roundHalfEven(point->get_Score() / 100.0));
        const std::int32_t symbol = point->get_MaskingLevel() != kSpeechNotMasked ? kMaskedSymbol : kUnmaskedSymbol;
        PlotPointOnLine(*line, x, y, symbol, ear, test);
    }
}

void AddXAxisLabelLine(lumenplot::IChart& oChart)
{
    const auto lines = ChartLines(oChart, false);
    if (HasLine(*lines, kLabelLineID))
        return;
    ComPtr<lumenplot::ILine> line;
    raiseOnFailure(lines->Add(kLabelLineID, line.put()), kChartSource);
    raiseOnFailure(line->put_LineStyle(kNoLine), kChartSource);
    double xMax = 0;
    raiseOnFailure(oChart.get_XMax(&xMax), kChartSource);
    const std::int32_t last = platform::runtime::CLng(xMax - kLabelEndBeforeXMax);
    for (std::int32_t x = 0; x <= last; x += kLabelStep) {
        raiseOnFailure(line->AddPoint(x, kLabelHeight, kTextInsteadOfSymbol, VARIANT_FALSE,
                                      platform::runtime::Str(platform::runtime::Variant(x))),
                       kChartSource);
    }
}

void SetChartLineVisible(lumenplot::ILines& oLines, std::int32_t lngLineID, bool blnVisible)
{
    if (!HasLine(oLines, lngLineID))
        return;
    ComPtr<lumenplot::ILine> line;
    raiseOnFailure(oLines.Item(lngLineID, line.put()), kChartSource);
    raiseOnFailure(line->put_Visible(blnVisible ? VARIANT_TRUE : VARIANT_FALSE), kChartSource);
}

}  // namespace brisance
