#pragma once
// Turning a string table's text file into the C++ source of its lookup
// function (see StringTable.h), at build time.
//
// The file is UTF-8 (a byte order mark is allowed). Each line is empty, a comment starting with '#', or an
// id and its text in double quotes:
//     5000 "Ok"
//     5321 "Multiple AC Curves transfered.\nChoose data to accept."
// Inside the quotes \n, \t, \" and \\ stand for a line break, a tab, a quote
// and a backslash; no other escape is allowed. Ids are decimal, from 0 to
// 4294967295, each at most once.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform::system {

struct StringTableEntry {
    std::uint32_t id = 0;
    std::string text;
};

// A fault in a string table file, with its line number (from 1).
class StringTableError : public std::runtime_error {
public:
    StringTableError(std::size_t line, const std::string& problem);
    std::size_t line() const { return m_line; }

private:
    std::size_t m_line;
};

// The entries of a string table file, sorted by id; throws StringTableError.
std::vector<StringTableEntry> parseStringTable(std::string_view fileText);

// The C++ source that defines the lookup function over these entries.
std::string stringTableSource(const std::vector<StringTableEntry>& entries);

}  // namespace platform::system
