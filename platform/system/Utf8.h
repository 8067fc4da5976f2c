#pragma once
// Checking UTF-8 text and cutting it without splitting a character.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform::system {

// True when the text is well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view text);

// The text without the byte order mark that may start it.
std::string_view withoutByteOrderMark(std::string_view text);

// The longest start of the text that has at most this many characters.
std::string firstCharacters(std::string_view text, std::size_t maxCharacters);

// The longest start of the text that has at most this many bytes and ends on
// a character boundary.
std::string firstBytes(std::string_view text, std::size_t maxBytes);

}  // namespace platform::system
