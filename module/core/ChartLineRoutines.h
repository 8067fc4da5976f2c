#pragma once
// Drawing measured curves onto chart lines with their test's look.
//
// A curve's line on a chart is named by its test and ear: the test's CurveID
// for the left ear (3), minus CurveID for the right ear (2), CurveID + 1000
// for binaural (4). Line 0 of the speech chart is its row of level labels.
// A point's chart symbol is the test's symbol number for the point's ear and
// symbol index, minus 1 (the chart counts images from 0).
//
// A failing chart call is raised to the caller as the runtime's error.

#include "vellum/IVellumDataLayer.h"

#include "PelmTolvaneChart/IChart.h"
#include "platform/com/ComPtr.h"
#include "platform/gfx/Types.h"

#include <cstdint>
#include <optional>
#include <string>

namespace brisance {

class CCurvePref;

// The grey of back lines: an earlier result drawn behind the current ones.
inline constexpr lumenplot::OLE_COLOR kBackLineColour =
    static_cast<lumenplot::OLE_COLOR>(platform::gfx::rgb(190, 190, 190));

// The line id of the test's curve of that ear; none for any other ear.
std::optional<std::int32_t> ChartLineID(const CCurvePref& oPref, std::int32_t lngEar);

// The chart's BackLines when blnBackLines, else its Lines.
platform::com::ComPtr<lumenplot::ILines> ChartLines(lumenplot::IChart& oChart, bool blnBackLines = false);

// The line of this id in the collection: the existing one as it is, or a new
// one in the test's look for the ear (colour, line style and width; another
// ear keeps the chart's defaults). *blnAdded, when given, says which.
platform::com::ComPtr<lumenplot::ILine> CurveLine(lumenplot::ILines& oLines, std::int32_t lngLineID,
                                                  const CCurvePref& oPref, std::int32_t lngEar,
                                                  bool* blnAdded = nullptr);

// The test's symbol number (counted from 1) for the ear and symbol index
// (0 to 5); 0, which draws no symbol, for another ear or index.
std::int32_t SymbolNumber(const CCurvePref& oPref, std::int32_t lngEar, std::int32_t intSymbolIndex);

// Replaces the line's point at x by one at (x, y) with the test's symbol for
// the ear and symbol index (0 to 5). Thresholds (index 0 and 3) are joined by
// the line, no-response and unmeasurable marks stand alone. Another ear or
// index only removes the point. The chart is not repainted.
void PlotPointOnLine(lumenplot::ILine& oLine, std::int32_t lngX, std::int32_t lngY, std::int32_t intSymbolIndex,
                     std::int32_t lngEar, const CCurvePref& oPref);

// Draws a speech curve as its line of the speech chart (a back line in grey
// when blnAsBackLine), x the level in dB and y 100 minus the score in percent.
// A new line takes the look of the curve's test for its ear; an existing one
// keeps its look and gains or replaces points. A curve whose test is not
// among the module's tests draws nothing and makes the module-wide
// missing-test text the words of its curve type, word list and condition
// (unless its curve type is 0); a curve of no known ear draws nothing.
void BuildSpeechChartLines(lumenplot::IChart& oChart, vellum::IVellumSpeechCurve& oCurve, bool blnAsBackLine);

// The words of a measured speech curve whose test is missing: its curve
// type, transducer, word list and condition, joined by ",", in the view text
// loader's language.
std::string MissingTestWords(vellum::IVellumMeasurement& oMeas);

// Adds the speech chart's row of level labels (line 0) once: labels 0, 10,
// 20, ... up to XMax - 5, at height 55, with no line between them.
void AddXAxisLabelLine(lumenplot::IChart& oChart);

// Shows or hides a line when the collection has it.
void SetChartLineVisible(lumenplot::ILines& oLines, std::int32_t lngLineID, bool blnVisible);

}  // namespace brisance
