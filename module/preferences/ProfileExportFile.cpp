#include "module/preferences/ProfileExportFile.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/VariantRecord.h"

#include <cstring>

namespace brisance {

namespace runtime = platform::runtime;

namespace {

constexpr std::size_t kHeaderSize = sizeof kProfileExportHeader - 1;
constexpr std::size_t kVersionSize = 4;

bool IsByteArray(const runtime::Variant& value)
{
    const runtime::VariantArray* array = value.array();
    return array && value.type() == runtime::VarType::Byte && array->dimensions() == 1;
}

ProfileExportContent Failed(ProfileExportError error)
{
    ProfileExportContent content;
    content.error = error;
    return content;
}

}  // namespace

std::vector<std::uint8_t> ProfileExportBytes(const runtime::Variant& profile, const runtime::Variant& globalOptions)
{
    std::vector<std::uint8_t> file(kProfileExportHeader, kProfileExportHeader + kHeaderSize);
    const auto version = static_cast<std::uint32_t>(kProfileExportVersion);
    for (std::size_t i = 0; i < kVersionSize; ++i)
        file.push_back(static_cast<std::uint8_t>(version >> (8 * i)));
    runtime::writeVariantRecord(file, profile);
    runtime::writeVariantRecord(file, globalOptions);
    return file;
}

ProfileExportContent ReadProfileExport(std::span<const std::uint8_t> file)
{
    if (file.size() < kHeaderSize || std::memcmp(file.data(), kProfileExportHeader, kHeaderSize) != 0)
        return Failed(ProfileExportError::NotExportFile);
    if (file.size() < kHeaderSize + kVersionSize)
        return Failed(ProfileExportError::NotExportFile);
    std::uint32_t version = 0;
    for (std::size_t i = 0; i < kVersionSize; ++i)
        version |= static_cast<std::uint32_t>(file[kHeaderSize + i]) << (8 * i);
    if (static_cast<std::int32_t>(version) != kProfileExportVersion)
        return Failed(ProfileExportError::VersionUnreadable);

    std::size_t offset = kHeaderSize + kVersionSize;
    ProfileExportContent content;
    try {
        content.profile = runtime::readVariantRecord(file, offset);
        content.globalOptions = runtime::readVariantRecord(file, offset);
    } catch (const runtime::RuntimeError&) {
        return Failed(ProfileExportError::NotExportFile);
    }
    if (!IsByteArray(content.profile) || !IsByteArray(content.globalOptions))
        return Failed(ProfileExportError::NotExportFile);
    return content;
}

const char* ProfileExportErrorText(ProfileExportError error)
{
    return error == ProfileExportError::VersionUnreadable ? "Import file version is not readable"
                                                          : "Import file is not a valid export file";
}

}  // namespace brisance
