// The variant record reader on any bytes: a record that reads gives a value
// whose own record reads back to the same record; a refused one leaves the
// offset where it was.

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/VariantRecord.h"
#include "platform/testing/FuzzExpect.h"

#include <cstdint>
#include <span>
#include <vector>

using namespace platform::runtime;
using platform::testing::fuzzExpect;

namespace {

std::vector<std::uint8_t> recordOf(const Variant& value)
{
    std::vector<std::uint8_t> record;
    writeVariantRecord(record, value);
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::size_t offset = 0;
    Variant value;
    try {
        value = readVariantRecord(std::span(data, size), offset);
    } catch (const RuntimeError&) {
        fuzzExpect(offset == 0, "a refused record leaves the offset alone");
        return 0;
    }
    fuzzExpect(offset > 0 && offset <= size, "a record that reads ends inside the data");
    const std::vector<std::uint8_t> record = recordOf(value);
    std::size_t again = 0;
    const Variant copy = readVariantRecord(record, again);
    fuzzExpect(again == record.size(), "a written record reads to its end");
    fuzzExpect(recordOf(copy) == record, "a written record reads back to the same record");
    return 0;
}
