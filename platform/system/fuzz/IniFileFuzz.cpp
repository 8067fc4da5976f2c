// INI reading on any file. The input is a buffer size byte, then the section
// and the key, each ended by a NUL byte, then the file. What holds:
// - the value fits the buffer and is the start of the value a larger buffer
//   gives, cut on a character boundary;
// - a value of one line, looked up under plain names, reads back the same from
//   a file that holds only it, quoted.

#include "platform/system/IniFile.h"
#include "platform/system/Utf8.h"
#include "platform/testing/FuzzExpect.h"
#include "platform/testing/TemporaryFolder.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

using platform::system::readIniString;
using platform::testing::fuzzExpect;

namespace {

constexpr char kDefault[] = "\x01 default";
constexpr std::size_t kLargeBuffer = std::size_t{1} << 20;

const std::string& iniPath()
{
    static const platform::testing::TemporaryFolder folder;
    static const std::string path = (folder.path() / "fuzz.ini").string();
    return path;
}

void writeFile(std::string_view bytes)
{
    std::ofstream(iniPath(), std::ios::binary | std::ios::trunc).write(bytes.data(), std::ssize(bytes));
}

// A name that a written "[name]" or "name=" line gives back unchanged.
bool plainName(std::string_view name)
{
    const auto special = [](char c) {
        return c == '[' || c == ']' || c == '=' || c == ';' || c == '\n' || c == '\r' || c == ' ' || c == '\t' ||
               c == '\0';
    };
    return !name.empty() && std::none_of(name.begin(), name.end(), special);
}

bool oneLine(std::string_view value)
{
    return value.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t bufferSize = data[0];
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t sectionEnd = input.find('\0');
    const std::size_t keyEnd = input.find('\0', sectionEnd + 1);
    if (sectionEnd == std::string_view::npos || keyEnd == std::string_view::npos)
        return 0;
    const std::string section(input.substr(0, sectionEnd));
    const std::string key(input.substr(sectionEnd + 1, keyEnd - sectionEnd - 1));
    writeFile(input.substr(keyEnd + 1));

    const std::string full = readIniString(iniPath(), section, key, kDefault, kLargeBuffer);
    const std::string cut = readIniString(iniPath(), section, key, kDefault, bufferSize);
    fuzzExpect(bufferSize == 0 ? cut.empty() : cut.size() < bufferSize, "the value fits the buffer");
    fuzzExpect(cut == platform::system::firstBytes(full, bufferSize == 0 ? 0 : bufferSize - 1),
               "a small buffer holds the start of the value, cut on a character boundary");

    if (full != kDefault && plainName(section) && plainName(key) && oneLine(full)) {
        writeFile("[" + section + "]\n" + key + "=\"" + full + "\"\n");
        fuzzExpect(readIniString(iniPath(), section, key, kDefault, kLargeBuffer) == full,
                   "a value written under its names reads back the same");
    }
    return 0;
}
