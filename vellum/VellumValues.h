#pragma once
// The codes and units of the audiogram data objects, shared by the objects and
// their callers.
//
// Levels (thresholds, speech presentation levels) are in tenths of dB,
// masking levels in whole dB, speech scores in hundredths of a percent,
// frequencies in Hz; tympanometry ear-canal volume, static compliance and
// peak height in hundredths, pressure and gradient unscaled.

#include <array>
#include <cstdint>

namespace vellum {

// No value: a level, masking level, score, tympanogram field or average that
// was not measured.
inline constexpr std::int16_t kNoValue = -32767;
// No masking (or noise) level in a speech point.
inline constexpr std::int16_t kNoSpeechMasking = -3276;

// Ear codes.
inline constexpr std::int32_t kEarRight = 2;
inline constexpr std::int32_t kEarLeft = 3;
inline constexpr std::int32_t kEarBinaural = 4;

// Status of a pure-tone point.
inline constexpr std::int16_t kStatusMeasured = 1;
inline constexpr std::int16_t kStatusNoResponse = 3;
inline constexpr std::int16_t kStatusUnmeasurable = 4;

// Curve types of the immittance results, stored as pure-tone curves keyed by
// the reflex stimulus code: thresholds of the ipsilateral and contralateral
// reflexes, and the decay results at the same stimuli.
inline constexpr std::int32_t kCurveIpsilateralReflex = 8;
inline constexpr std::int32_t kCurveContralateralReflex = 9;
inline constexpr std::int32_t kCurveIpsilateralDecay = 30;
inline constexpr std::int32_t kCurveContralateralDecay = 31;

// Layouts of the whole content (IVellumDataLayer.DataFormat).
inline constexpr std::int32_t kFormatCurrent = 200;
inline constexpr std::int32_t kFormatEarlier = 100;

// The frequencies of a pure-tone average mask: bit n stands for
// kAverageFrequencies[n]; higher bits stand for nothing.
inline constexpr std::array<std::int32_t, 11> kAverageFrequencies = {125,  250,  500,  750,  1000, 1500,
                                                                     2000, 3000, 4000, 6000, 8000};

}  // namespace vellum
