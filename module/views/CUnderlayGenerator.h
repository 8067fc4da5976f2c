#pragma once
// Writes the pictures that lie under the pure-tone ear charts: the severity
// of loss, the speech spectrum and the audibility-index dots, each as an
// enhanced metafile that the charts stretch over their grid.
//
// Each picture is recorded on the chart's own plane, for the profile's
// "PTGraphOptions" (frequency range, level range): x the chart's X, y the
// level in dB growing downward, both scaled by one constant factor. Its frame
// is the rectangle from the first to the last X grid line and from the first
// to the last level grid line, exactly the rectangle that the chart stretches
// the picture over, so that every band and dot lands on its own frequency
// and level. A frequency between two octave ticks stands log2(f / tick)
// octaves right of the tick below it.
//
// Each method reads the profile's values from the preference store at the
// position it is given (the profile's category and section), writes the file
// whole or not at all (a chart reads it at every paint and never meets half
// a file), and answers whether it was written. A failure shows nothing: an
// existing file then stays as it was.

#include "vellum/IVellumKeyedStore.h"

#include <string>

namespace brisance {

class CUnderlayGenerator {
public:
    // The bands of "SeverityOfLossConfig" (bit i: band i of 0 to 6), each
    // across the whole width between its limits, the i-th pieces of
    // "SeverityOfLossLows" and "SeverityOfLossHighs" (their leading numbers,
    // dB), in grey 235 - 20 i. A band reaches half a dB beyond its limits, so
    // that limits written in whole dB (-10 to 15, then 16 to 25) meet; limits
    // in the wrong order are taken the other way round; a band whose limit
    // holds no number is left out.
    bool GenerateSeverityOfLossUnderlay(vellum::IVellumKeyedStore& oPrefs, const std::string& strFile) const;
    // The area of average conversational speech (SpeechIntelligibilityBands.h)
    // as one light shape with a thin darker outline.
    bool GenerateSpeechSpectrumUnderlay(vellum::IVellumKeyedStore& oPrefs, const std::string& strFile) const;
    // The 100 dots of the count-the-dots audiogram, small, round at the
    // audiogram's proportion (one octave across is 20 dB down), black.
    bool GenerateAudibilityIndexUnderlay(vellum::IVellumKeyedStore& oPrefs, const std::string& strFile) const;
};

}  // namespace brisance
