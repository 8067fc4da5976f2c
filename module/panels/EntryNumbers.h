#pragma once
// Reading the numbers that users type into the module's entry cells and boxes.
// "." is the decimal point whatever the locale. Nothing here raises: a number
// too large to read or to convert is reported as such, so that a key or text
// handler can read whatever was typed or pasted.

#include <cstdint>
#include <optional>
#include <string_view>

namespace brisance {

// Whether the whole text is a number (blanks around it allowed), one too large
// for a Double included: "12", "-4.5", " 7 ", "1e999"; not "", "-", "5x".
bool isNumberText(std::string_view text);

// The whole text as a number (blanks around it allowed); nullopt when it is
// not one, or one too large for a Double.
std::optional<double> numberValue(std::string_view text);

// The number at the start of the text (Val: 0 when there is none), rounded
// half to even to a 32-bit whole number; nullopt when it is too large to read
// ("1e999") or to convert ("99999999999").
std::optional<std::int32_t> leadingWholeNumber(std::string_view text);

}  // namespace brisance
