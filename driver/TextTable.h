#pragma once
// Text(id): the driver's texts, each of ids 5000 to 5999 replaceable by a line
// of "translate.txt". A line is a number and a text: "5601 Fehler am Port".
// Lines that do not start with a digit are skipped (";" starts a comment); a
// number alone, or outside 5000-5999, is ignored; when a number comes twice,
// the first line wins. A file that is larger than kLargestTranslationFile, or
// anything but a regular file, is passed over as if it were missing.

#include <cstddef>
#include <filesystem>
#include <istream>
#include <map>
#include <string>
#include <vector>

namespace marlet {

inline constexpr const char* kTranslationFile = "translate.txt";
// Far above a file that replaces each of the 1000 replaceable texts with a
// long one (the texts are captions and messages of a line or two).
inline constexpr std::size_t kLargestTranslationFile = 1 << 20;

class TextTable {
public:
    // The replacement when one is loaded for `id`, else the string table's
    // text (empty when it has none).
    std::string text(int id) const;

    // Replaces the loaded replacements with those of "translate.txt" in the
    // first of `folders` that has one; none found leaves the list empty.
    void loadReplacements(const std::vector<std::filesystem::path>& folders);
    void readReplacements(std::istream& lines);
    void freeReplacements();

private:
    std::map<int, std::string> m_replacements;
};

}  // namespace marlet
