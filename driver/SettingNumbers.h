#pragma once
// Numbers inside the settings' texts: baud rates and interrupts in decimal,
// port addresses and card segments as "0x" and up to four hexadecimal digits.

#include <optional>
#include <string>
#include <string_view>

namespace marlet {

// The leading decimal number after optional blanks and sign ("9600", "4").
std::optional<long> readDecimal(std::string_view text);
// "0x" (or "0X") and one to four hexadecimal digits, blanks after them allowed.
std::optional<unsigned> readHexWord(std::string_view text);
// "0x" and four upper-case digits: 0x3f8 is "0x03F8".
std::string hexWordText(unsigned value);

}  // namespace marlet
