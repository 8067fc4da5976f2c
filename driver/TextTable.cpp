#include "driver/TextTable.h"

#include "driver/StringTable.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/system/WholeFile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace marlet {

namespace {

constexpr int kFirstReplaceable = 5000;
constexpr int kLastReplaceable = 5999;

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool isBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The line without its terminator, whether the file was written with CR LF or LF.
std::string_view withoutTerminator(std::string_view line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

}  // namespace

std::string TextTable::text(int id) const
{
    if (id >= kFirstReplaceable && id <= kLastReplaceable) {
        if (const auto found = m_replacements.find(id); found != m_replacements.end())
            return found->second;
    }
    return std::string(stringTableText(id));
}

void TextTable::loadReplacements(const std::vector<std::filesystem::path>& folders)
{
    m_replacements.clear();
    for (const auto& folder : folders) {
        std::vector<std::uint8_t> bytes;
        try {
            bytes = platform::system::readWholeFile((folder / kTranslationFile).string(), kLargestTranslationFile);
        } catch (const platform::runtime::RuntimeError&) {
            continue;  // missing, unreadable, too large or no file at all
        }
        std::istringstream lines(std::string(bytes.begin(), bytes.end()));
        readReplacements(lines);
        return;
    }
}

void TextTable::readReplacements(std::istream& lines)
{
    std::string raw;
    while (std::getline(lines, raw)) {
        std::string_view line = withoutTerminator(raw);
        if (line.empty() || !isDigit(line.front()))
            continue;
        // Any id longer than four digits is out of range; stop counting there
        // so that a long run of digits cannot overflow.
        long id = 0;
        std::size_t digits = 0;
        for (; digits < line.size() && isDigit(line[digits]); ++digits)
            id = std::min(id * 10 + (line[digits] - '0'), 100000L);
        std::string_view rest = line.substr(digits);
        while (!rest.empty() && isBlank(rest.front()))
            rest.remove_prefix(1);
        if (rest.empty() || id < kFirstReplaceable || id > kLastReplaceable)
            continue;
        m_replacements.emplace(static_cast<int>(id), std::string(rest));
    }
}

void TextTable::freeReplacements()
{
    m_replacements.clear();
}

}  // namespace marlet
