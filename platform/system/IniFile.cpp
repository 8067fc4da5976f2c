#include "platform/system/IniFile.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/system/Utf8.h"
#include "platform/system/WholeFile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

namespace platform::system {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string_view unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::optional<std::string> findValue(std::istream& in, std::string_view section, std::string_view key)
{
    bool inSection = false;
    bool firstLine = true;
    for (std::string raw; std::getline(in, raw); firstLine = false) {
        const std::string_view line = trimmed(firstLine ? withoutByteOrderMark(raw) : std::string_view(raw));
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            if (inSection)
                return std::nullopt;  // only the first section of that name counts
            const std::size_t close = line.find(']');
            inSection = sameName(trimmed(line.substr(1, close == std::string_view::npos ? close : close - 1)), section);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inSection && equals != std::string_view::npos && sameName(trimmed(line.substr(0, equals)), key))
            return std::string(unquoted(trimmed(line.substr(equals + 1))));
    }
    return std::nullopt;
}

}  // namespace

std::string readIniString(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& defaultValue, std::size_t bufferSize)
{
    if (bufferSize == 0)
        return {};
    std::optional<std::string> value;
    try {
        const std::vector<std::uint8_t> bytes = readWholeFile(path, kLargestIniFile);
        std::istringstream in(std::string(bytes.begin(), bytes.end()));
        value = findValue(in, section, key);
    } catch (const runtime::RuntimeError&) {
        // Missing, unreadable, too large or no file at all: the default.
    }
    return firstBytes(value.value_or(defaultValue), bufferSize - 1);
}

}  // namespace platform::system
