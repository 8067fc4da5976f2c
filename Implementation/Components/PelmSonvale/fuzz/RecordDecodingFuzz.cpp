// The link server's record decoding on raw driver records: the input is the
// model the driver names (one signed byte), a 12-byte point record and a test
// block (the rest, zero-filled or cut to its 22,756 bytes). A record is refused
// exactly when its codes are unknown, and what a decoder gives names only
// values the link's events know.

#include "RecordDecoding.h"

#include "testing/FakeDriverControl.h"
#include "PelmSonvale/SonvaleTypes.h"
#include "platform/testing/FuzzExpect.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

using namespace pelmsonvale;
using platform::testing::fuzzExpect;

namespace {

struct Driver {
    pelmsonvale::testing::FakeDriverControl control{FAKE_DRIVER};
    CVendorDriverWrapper binding;
    Driver() { fuzzExpect(binding.Load(FAKE_DRIVER), "the fake driver loads"); }
};

Driver& driver()
{
    static Driver loaded;
    return loaded;
}

template <typename Record>
Record recordFrom(const std::uint8_t* data, std::size_t size)
{
    Record record{};
    std::memcpy(&record, data, std::min(size, sizeof record));
    return record;
}

bool oneOf(std::int32_t value, std::initializer_list<std::int32_t> known)
{
    return std::find(known.begin(), known.end(), value) != known.end();
}

void decodePoint(const marlet::DriverPointRecord& record)
{
    CPointInformation information;
    const bool decoded = DecodePointRecord(record, information);
    const auto pointCode = (static_cast<std::uint32_t>(record.TypeWord) >> 8) & 0xFF;
    fuzzExpect(decoded == (pointCode <= 5), "a point record is refused for its point code only");
    fuzzExpect(oneOf(information.Ear, {0, TAudiEar_LEFT, TAudiEar_RIGHT}), "a point names a known ear");
    fuzzExpect(information.PointStatus >= TAudiPointStatus_None &&
                   information.PointStatus <= TAudiPointStatus_Unmeasureable,
               "a point has a known status");
}

void decodeBlock(const marlet::DriverTestBlock& block, std::int32_t model)
{
    driver().control.script("Model", model);
    CPointInformation information;
    const bool decoded = DecodeTestBlock(block, driver().binding, information);
    driver().control.takeCalls();
    fuzzExpect(decoded == (block.Kind >= 1 && block.Kind <= 14 && block.Action <= 5),
               "a test block is refused for its kind or action only");
    fuzzExpect(information.ModelName >= gmTessil && information.ModelName <= ModelName_Unknown,
               "a test block names a known model");
    fuzzExpect(oneOf(information.ProbeTone, {226, 678, 1000}), "a test block names a known probe tone");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kPointSize = sizeof(marlet::DriverPointRecord);
    if (size < 1 + kPointSize)
        return 0;
    decodePoint(recordFrom<marlet::DriverPointRecord>(data + 1, kPointSize));
    decodeBlock(recordFrom<marlet::DriverTestBlock>(data + 1 + kPointSize, size - 1 - kPointSize),
                static_cast<std::int8_t>(data[0]));
    return 0;
}
