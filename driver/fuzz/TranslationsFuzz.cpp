// The driver's translate.txt on any bytes. Every replacement it gives is one
// line, and writing the replacements out as "id text" lines and reading those
// gives the same texts.

#include "driver/TextTable.h"

#include "platform/testing/FuzzExpect.h"

#include <cstdint>
#include <sstream>
#include <string>

using marlet::TextTable;
using platform::testing::fuzzExpect;

namespace {

constexpr int kFirstReplaceable = 5000;
constexpr int kLastReplaceable = 5999;

TextTable tableOf(const std::string& lines)
{
    TextTable table;
    std::istringstream in(lines);
    table.readReplacements(in);
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TextTable builtIn;
    const TextTable table = tableOf(std::string(reinterpret_cast<const char*>(data), size));
    std::string written;
    for (int id = kFirstReplaceable; id <= kLastReplaceable; ++id) {
        const std::string text = table.text(id);
        if (text == builtIn.text(id))
            continue;
        fuzzExpect(text.find('\n') == std::string::npos, "a replacement is one line");
        written += std::to_string(id) + " " + text + "\n";
    }
    const TextTable again = tableOf(written);
    for (int id = kFirstReplaceable; id <= kLastReplaceable; ++id)
        fuzzExpect(again.text(id) == table.text(id), "the texts written out read back the same");
    return 0;
}
