#pragma once
// Average speech on the audiogram, band by band: what the speech-spectrum
// and audibility-index underlays draw.
//
// The data are the one-third-octave procedure of the Speech Intelligibility
// Index standard, ANSI S3.5-1997: for each band its importance, the speech
// spectrum level of average speech at normal vocal effort (U) and the
// reference internal noise (X). On the audiogram, band i's speech sits
// around U - X dB HL and spans the standard's 30-dB dynamic range of speech,
// 15 dB either side.
//
// The count-the-dots audiogram (after Mueller and Killion, revised on the
// Speech Intelligibility Index) gives band i importance x 100 of 100 dots,
// rounded by largest remainder, spread evenly over its speech area: the dots
// under a flat threshold line count the audible share of speech.

#include <array>
#include <cstdint>
#include <vector>

namespace brisance {

struct SpeechBand {
    std::int32_t Frequency;  // centre, Hz
    double Importance;
    double SpeechSpectrumLevel;  // U, dB
    double InternalNoise;        // X, dB
};

inline constexpr std::array<SpeechBand, 18> kSpeechBands = {{
    {160, 0.0083, 32.41, 0.60},    {200, 0.0095, 34.48, -1.70},   {250, 0.0150, 34.75, -3.90},
    {315, 0.0289, 33.98, -6.10},   {400, 0.0440, 34.59, -8.20},   {500, 0.0578, 34.27, -9.70},
    {630, 0.0653, 32.06, -10.80},  {800, 0.0711, 28.30, -11.90},  {1000, 0.0818, 25.01, -12.50},
    {1250, 0.0844, 23.00, -13.50}, {1600, 0.0882, 20.15, -15.40}, {2000, 0.0898, 17.32, -17.70},
    {2500, 0.0868, 13.18, -21.20}, {3150, 0.0844, 11.55, -24.20}, {4000, 0.0771, 9.33, -25.90},
    {5000, 0.0527, 5.31, -23.60},  {6300, 0.0364, 2.59, -15.80},  {8000, 0.0185, 1.13, -7.10},
}};

// Half the dynamic range of speech, dB.
inline constexpr double kSpeechHalfRange = 15.0;
inline constexpr int kAudibilityDots = 100;

// The middle of the band's speech area, U - X, in dB HL.
double SpeechAreaCentre(const SpeechBand& band);

// The dots of each band, in band order: importance x 100 rounded by largest
// remainder, 100 in all.
std::array<int, kSpeechBands.size()> AudibilityDotCounts();

// The levels of a band's dots, dB HL: c - 15 + 30 (k + 0.5) / n for
// k = 0 ... n - 1, c the area's centre and n the band's dot count.
std::vector<double> AudibilityDotLevels(const SpeechBand& band, int dots);

}  // namespace brisance
