#pragma once
// The pure-tone average of one curve over the frequencies of a mask
// (kAverageFrequencies), those of a second mask counted twice.

#include "vellum/AudiogramContent.h"

#include <cstdint>

namespace vellum {

// The weighted mean level, in tenths of dB rounded half to even, of the
// curve's measured thresholds at the frequencies of mask; a frequency of
// doubleMask counts twice when mask holds it too (bits of doubleMask alone
// count nothing). -32767 when mask names no frequency, or when a frequency it
// names has no measured threshold (no point there, no level, or a no-response
// or unmeasurable mark): an average over fewer frequencies than asked for
// would be taken for one that is not.
std::int16_t pureToneAverage(const PureToneCurve& curve, std::int32_t mask, std::int32_t doubleMask);

}  // namespace vellum
