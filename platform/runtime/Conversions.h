#pragma once
// The runtime's number helpers: Val's leading-number parsing, Str's text with
// a leading blank, and the rounding conversions to 16- and 32-bit integers.

#include "platform/runtime/Variant.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::runtime {

// The number at the start of text: blanks, tabs and line feeds are skipped
// anywhere, "." is the decimal point, an exponent (E or D) may follow, "&H" and
// "&O" start hexadecimal and octal numbers; reading stops at the first
// character that does not continue the number. No number gives 0. Raises 6
// when the number is too large for a Double.
double Val(std::string_view text);
// The number that Val reads at the start of text; nullopt when the text does
// not start with one. Raises 6 as Val does.
std::optional<double> leadingNumber(std::string_view text);

// The text of a number with a leading blank when it is not negative and no
// zero before the decimal point (" 5", "-5", " .5"). Strings are read as
// numbers (13 when they are not); Null raises 94.
std::string Str(const Variant& number);

// The text a value gives when joined to a string ("" & value): "" for Null
// and Empty, the value's CStr text otherwise.
std::string joinedText(const Variant& value);

// Round half to even ("banker's rounding"), as the runtime rounds to integers.
double roundHalfEven(double value);

// CInt and CLng of a number: rounded half to even; 6 (overflow) outside the
// type's range or for a value that is not a number.
std::int16_t CInt(double value);
std::int32_t CLng(double value);

// A whole text as a number, as the conversions read strings: blanks around it,
// a sign, digits with "." and an exponent, or "&H"/"&O" forms. Nothing else may
// follow. nullopt when it is not a number; raises 6 when it is too large.
std::optional<double> parseNumber(std::string_view text);

// The runtime's general text of a number (CStr): at most the given number of
// significant digits (15 for Double, 7 for Single), no trailing zeros, an
// exponent ("1E+20", "1.5E-07") outside the plain range.
std::string numberText(double value, int significantDigits = 15);

}  // namespace platform::runtime
