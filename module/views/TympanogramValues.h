#pragma once
// A tympanogram's fields on their three sides, and the one set of conversions
// between them that the tympanometry panel, the impedance view and its
// tympanogram choice dialog share:
//
// - stored in the audiogram data (IVellumTympanogram): whole numbers, peak
//   pressure and gradient unscaled, ear-canal volume, static compliance and
//   peak height in hundredths; -32767 no value, 405 no peak pressure, 30811
//   no peak compliance or height;
// - passed through the panel's interface as texts: the stored numbers as
//   they are ("-32767" included) and "NP" for no peak;
// - shown in the panel's boxes: volume, compliance and height in whole units
//   ("1.5" for 150, "." whatever the locale), empty for no value, "--" for no
//   gradient.
//
// Nothing here raises, whatever text it is given.

#include "vellum/VellumValues.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vellum {
class IVellumTympanogram;
}

namespace brisance {

enum class TympanogramField { PeakPressure, EarCanalVolume, StaticCompliance, PeakHeight, Gradient, ProbeTone };

inline constexpr std::int32_t kNoPeakPressure = 405;
inline constexpr std::int32_t kNoPeakCompliance = 30811;
inline constexpr std::string_view kNoPeakText = "NP";

// One ear's tympanogram as stored; a new one holds no value anywhere.
struct TympanogramRecord {
    std::int32_t PeakPressure = vellum::kNoValue;
    std::int32_t EarCanalVolume = vellum::kNoValue;
    std::int32_t StaticCompliance = vellum::kNoValue;
    std::int32_t PeakHeight = vellum::kNoValue;
    std::int32_t Gradient = vellum::kNoValue;
    std::int32_t GradientStatus = 0;
    std::int32_t ProbeToneFrequency = vellum::kNoValue;
    std::int32_t TympType = vellum::kNoValue;

    std::int32_t& operator[](TympanogramField field);
    std::int32_t operator[](TympanogramField field) const;
    bool operator==(const TympanogramRecord&) const = default;
};

TympanogramRecord readTympanogram(vellum::IVellumTympanogram& tympanogram);
void writeTympanogram(vellum::IVellumTympanogram& tympanogram, const TympanogramRecord& record);

// The panel's side.
// The text a box shows for an interface value (the field's let).
std::string shownText(TympanogramField field, std::string_view value);
// The interface value of a box's text (the field's get). A text that is no
// number (nor "", "NP" or "--" where they mean something) comes back as it
// is, so that the view does not take it for a value.
std::string valueOfShown(TympanogramField field, std::string_view shown);
// A typed text whose number is above 32767 cut to its first four characters;
// a gradient's "--" and every probe tone stay as they are.
std::string withinInputBound(TympanogramField field, std::string_view text);

// The view's side.
// The interface value of a stored number.
std::string panelValue(TympanogramField field, std::int32_t stored);
// The text a box shows for a stored number.
std::string shownStoredText(TympanogramField field, std::int32_t stored);
// What the panel's interface value makes of the stored number: the stored
// number itself while the panel still shows it, else the value read, or the
// stored number again when the value cannot be stored (no number, or outside
// -32767 to 32767 as stored).
std::int32_t storedAfterEdit(TympanogramField field, std::int32_t stored, std::string_view value);

// Type codes: 1 "A", 2 "A(d)", 3 "A(s)", 4 to 7 "B" to "E", 0 other. The type
// lists show the seven texts in this order and the "other" entry eighth.
inline constexpr std::array<std::string_view, 7> kTympanogramTypeTexts = {"A", "A(s)", "A(d)", "B", "C", "D", "E"};
// The 0-based list position that a code selects: the eighth entry for an
// unknown code, none (-1) for no value, so that a type the clinician never
// chose does not show as "other".
int typeListPosition(std::int32_t code);
// The code of a shown type text: 0 for anything but the seven types.
std::int32_t typeCode(std::string_view shown);
// What the panel's type code makes of the stored one: the stored code while
// the panel still shows it (a type never chosen stays no value).
std::int32_t typeAfterEdit(std::int32_t stored, std::int32_t shownCode);

}  // namespace brisance
