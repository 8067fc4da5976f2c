#include "platform/system/Utf8.h"

namespace platform::system {

namespace {

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The number of bytes of a well-formed character starting at `at`, 0 when
// none starts there.
std::size_t characterLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t offset) { return static_cast<unsigned char>(text[at + offset]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    // Per lead byte: the length and the range allowed for the second byte,
    // which rules out overlong forms, surrogates and values past U+10FFFF.
    struct Form {
        unsigned char firstLead, lastLead;
        std::size_t length;
        unsigned char secondLow, secondHigh;
    };
    static constexpr Form kForms[] = {
        {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
        {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
        {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
    };
    for (const Form& form : kForms) {
        if (lead < form.firstLead || lead > form.lastLead)
            continue;
        if (at + form.length > text.size() || byte(1) < form.secondLow || byte(1) > form.secondHigh)
            return 0;
        for (std::size_t offset = 2; offset < form.length; ++offset) {
            if (!isContinuationByte(text[at + offset]))
                return 0;
        }
        return form.length;
    }
    return 0;
}

}  // namespace

bool isValidUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = characterLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::string_view withoutByteOrderMark(std::string_view text)
{
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    return text.substr(0, byteOrderMark.size()) == byteOrderMark ? text.substr(byteOrderMark.size()) : text;
}

std::string firstCharacters(std::string_view text, std::size_t maxCharacters)
{
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!isContinuationByte(text[at]) && characters++ == maxCharacters)
            return std::string(text.substr(0, at));
    }
    return std::string(text);
}

std::string firstBytes(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return std::string(text);
    std::size_t end = maxBytes;
    while (end > 0 && isContinuationByte(text[end]))
        --end;
    return std::string(text.substr(0, end));
}

}  // namespace platform::system
