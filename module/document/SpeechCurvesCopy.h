#pragma once
// Copying the speech curves of one audiogram data object into another.

#include "vellum/IVellumDataLayer.h"

namespace brisance {

// Adds a copy of every speech curve of from (keys, descriptions and points)
// to to. to's own curves stay; a curve of the same keys gets the copied points.
void CopySpeechCurves(vellum::IVellumSpeechCurves& from, vellum::IVellumSpeechCurves& to);

}  // namespace brisance
