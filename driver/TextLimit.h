#pragma once
// Texts kept in fixed-size fields: the last error, the settings records.

#include <cstddef>
#include <string>

namespace marlet {

// At most `limit` bytes, never ending inside a UTF-8 sequence.
inline std::string truncated(std::string text, std::size_t limit)
{
    if (text.size() <= limit)
        return text;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    text.resize(end);
    return text;
}

}  // namespace marlet
