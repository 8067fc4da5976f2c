#include "platform/system/StringTableSource.h"

#include "platform/system/StringTable.h"
#include "platform/system/Utf8.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <map>

namespace platform::system {

namespace {

constexpr struct {
    char written;
    char meant;
} kEscapes[] = {{'n', '\n'}, {'t', '\t'}, {'"', '"'}, {'\\', '\\'}};

// The text between the quotes that start `quoted`, with escapes replaced.
std::string unescapedText(std::string_view quoted, std::size_t line)
{
    if (quoted.empty() || quoted.front() != '"')
        throw StringTableError(line, "the text must stand in double quotes after the id");
    std::string text;
    for (std::size_t at = 1; at < quoted.size(); ++at) {
        const char c = quoted[at];
        if (c == '"') {
            if (quoted.find_first_not_of(" \t\r", at + 1) != std::string_view::npos)
                throw StringTableError(line, "unexpected characters after the closing quote");
            return text;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        const char next = at + 1 < quoted.size() ? quoted[++at] : '\0';
        const auto* escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                          [next](const auto& candidate) { return candidate.written == next; });
        if (escape == std::end(kEscapes))
            throw StringTableError(line, std::string("unknown escape \\") + next);
        text += escape->meant;
    }
    throw StringTableError(line, "the closing quote is missing");
}

StringTableEntry parseEntry(std::string_view line, std::size_t number)
{
    StringTableEntry entry;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), entry.id);
    if (error != std::errc() || end == line.data())
        throw StringTableError(number, "a line must start with a decimal id from 0 to 4294967295");
    std::string_view rest = line.substr(static_cast<std::size_t>(end - line.data()));
    const std::size_t textStart = rest.find_first_not_of(" \t");
    if (textStart == 0)
        throw StringTableError(number, "a blank must separate the id from its text");
    entry.text = unescapedText(rest.substr(std::min(textStart, rest.size())), number);
    return entry;
}

// A C++ string literal of the text; every byte that is not printable ASCII
// is written as an octal escape, so that the source is plain ASCII.
std::string literal(const std::string& text)
{
    std::string result = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\' || c == '?') {
            result += '\\';
            result += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            result += c;
        } else {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", byte);
            result += octal;
        }
    }
    return result + "\"";
}

}  // namespace

StringTableError::StringTableError(std::size_t line, const std::string& problem)
    : std::runtime_error(problem), m_line(line)
{
}

std::vector<StringTableEntry> parseStringTable(std::string_view fileText)
{
    fileText = withoutByteOrderMark(fileText);
    std::vector<StringTableEntry> entries;
    std::map<std::uint32_t, std::size_t> lineOfId;
    std::size_t number = 0;
    for (std::size_t start = 0; start <= fileText.size(); ++number) {
        const std::size_t end = std::min(fileText.find('\n', start), fileText.size());
        std::string_view line = fileText.substr(start, end - start);
        start = end + 1;
        if (!isValidUtf8(line))
            throw StringTableError(number + 1, "the line is not valid UTF-8");
        line.remove_prefix(std::min(line.find_first_not_of(" \t\r"), line.size()));
        if (line.empty() || line.front() == '#')
            continue;
        StringTableEntry entry = parseEntry(line, number + 1);
        if (const auto [earlier, added] = lineOfId.emplace(entry.id, number + 1); !added)
            throw StringTableError(number + 1, "the id " + std::to_string(entry.id) + " already has a text on line " +
                                                   std::to_string(earlier->second));
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
    return entries;
}

std::string stringTableSource(const std::vector<StringTableEntry>& entries)
{
    std::string source = "// Generated from a string table file at build time; edit that file instead.\n"
                         "#include <algorithm>\n"
                         "#include <iterator>\n\n"
                         "namespace {\n"
                         "struct Entry {\n    unsigned id;\n    const char* text;\n};\n";
    if (!entries.empty()) {
        source += "constexpr Entry kEntries[] = {\n";
        for (const StringTableEntry& entry : entries)
            source += "    {" + std::to_string(entry.id) + "u, " + literal(entry.text) + "},\n";
        source += "};\n";
    }
    source += "}  // namespace\n\n"
              "extern \"C\" __attribute__((visibility(\"default\"))) const char* ";
    source += kStringTableLookupName;
    source += "(unsigned id)\n{\n";
    if (entries.empty()) {
        source += "    static_cast<void>(id);\n    return nullptr;\n";
    } else {
        source += "    const Entry* found = std::lower_bound(std::begin(kEntries), std::end(kEntries), id,\n"
                  "        [](const Entry& entry, unsigned wanted) { return entry.id < wanted; });\n"
                  "    return found != std::end(kEntries) && found->id == id ? found->text : nullptr;\n";
    }
    return source + "}\n";
}

}  // namespace platform::system
