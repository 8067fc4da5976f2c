#pragma once
// Reading initialisation files ("[section]" lines and "key=value" lines).
//
// Section and key names match without regard to case (ASCII letters); the
// first matching section and the first matching key in it count. Names and
// values are trimmed of blanks, and a value wholly inside a pair of double or
// single quotes loses them. Lines starting with ';' are comments.

#include <cstddef>
#include <string>

namespace platform::system {

// The largest file that is read: far above any set-up file of a few sections.
inline constexpr std::size_t kLargestIniFile = 1 << 20;

// The value of the key in the section of the file at this path, or
// `defaultValue` when the file cannot be read (anything but a regular file of
// at most kLargestIniFile bytes is not read) or has no such key. The result
// is cut to bufferSize - 1 bytes (whole UTF-8 characters), as if read into a
// buffer of that size with its terminator; a bufferSize of 0 gives "".
std::string readIniString(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& defaultValue, std::size_t bufferSize = 256);

}  // namespace platform::system
