// The profile export reader on any bytes, as an import meets a chosen file. A
// file that reads gives two Byte arrays whose export file reads back to the
// same two values; a refused one gives its error and no values.

#include "module/preferences/ProfileExportFile.h"

#include "platform/testing/FuzzExpect.h"

#include <cstdint>
#include <span>
#include <vector>

using namespace brisance;
using platform::testing::fuzzExpect;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ProfileExportContent content = ReadProfileExport(std::span(data, size));
    if (content.error != ProfileExportError::None) {
        fuzzExpect(content.profile.isEmpty() && content.globalOptions.isEmpty(), "a refused file gives no values");
        return 0;
    }
    const std::vector<std::uint8_t> file = ProfileExportBytes(content.profile, content.globalOptions);
    fuzzExpect(file.size() <= size, "a file that reads holds at least what its values write");
    const ProfileExportContent again = ReadProfileExport(file);
    fuzzExpect(again.error == ProfileExportError::None, "an export of what was read reads again");
    fuzzExpect(again.profile == content.profile && again.globalOptions == content.globalOptions,
               "an export of what was read reads back to the same values");
    return 0;
}
