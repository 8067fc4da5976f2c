#pragma once
// The notation key of a measured curve, which finds the test that the curve
// belongs to, and the symbol index of a measured point.
//
// A notation key is the test's codes, each followed by "-": test type,
// transducer, word list (speech only) and aided condition ("1-1-1-" air
// conduction unaided, "1-1-10-1-" a discrimination test with word list 10).
// Codes outside the known ones give "0-0-" for the curve and "1-" for the
// condition, never an error; a failing call on a record is raised to the
// caller.

#include "vellum/IVellumDataLayer.h"

#include <cstdint>
#include <string>

namespace brisance {

// The key of a pure-tone curve (curve types 1 to 9) from its curve type and
// the record's aided condition (2 unaided, 3 and 4 aided, written 1, 2, 3).
std::string PureToneCurveKey(vellum::IVellumMeasurement& oMeas);
// The key of a speech curve (curve types 10 to 29): curve part, word-list
// code, condition part.
std::string SpeechCurveKey(vellum::IVellumMeasurement& oMeas);

// The symbol index of a measured pure-tone point: 0 unmasked, 1 no response,
// 2 unmeasurable, 3 to 5 the same masked.
std::int32_t SymbolIndexFromPoint(vellum::IVellumPureTonePoint& oPoint);

// True for the speech curve types measured in noise (13, 14, 18, 19).
bool IsSpeechInNoiseTest(std::int32_t lngCurveType);

}  // namespace brisance
