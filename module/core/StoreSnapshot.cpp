#include "module/core/StoreSnapshot.h"

#include "platform/runtime/VariantRecord.h"
#include "platform/system/WholeFile.h"

namespace brisance {

void WriteStoreSnapshot(vellum::IVellumKeyedStore& store, const std::string& path)
{
    std::vector<std::uint8_t> record;
    platform::runtime::writeVariantRecord(record, store.get_Data());
    platform::system::writeWholeFile(path, record);
}

platform::runtime::Variant ReadStoreSnapshot(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = platform::system::readWholeFile(path, kLargestStoreSnapshot);
    std::size_t offset = 0;
    return platform::runtime::readVariantRecord(bytes, offset);
}

}  // namespace brisance
