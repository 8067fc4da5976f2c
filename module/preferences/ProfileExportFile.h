#pragma once
// The ".profile" file that carries one profile, with the global options, from
// one store to another: the 22-character header "TAVO AM PROFILE EXPORT",
// the version 100 (32-bit, little-endian), then the profile's section data
// and the global options' category data as two variant records, each a
// one-dimensional Byte array as the store gives them.

#include "platform/runtime/Variant.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace brisance {

inline constexpr char kProfileExportHeader[] = "TAVO AM PROFILE EXPORT";
inline constexpr std::int32_t kProfileExportVersion = 100;
// The largest export file that is read: far above one profile with the
// global options (a few kilobytes each).
inline constexpr std::size_t kLargestProfileExport = 1 << 20;

// The whole file for a profile's section data and the global options'
// category data. Raises what the record writer raises.
std::vector<std::uint8_t> ProfileExportBytes(const platform::runtime::Variant& profile,
                                             const platform::runtime::Variant& globalOptions);

enum class ProfileExportError { None, NotExportFile, VersionUnreadable };

struct ProfileExportContent {
    ProfileExportError error = ProfileExportError::None;
    platform::runtime::Variant profile;
    platform::runtime::Variant globalOptions;
};

// Reads a whole file. A wrong header, a file that ends early, a damaged record or a record that is no
// Byte array gives NotExportFile, another version VersionUnreadable; the
// values are then empty. Bytes after the second record are ignored.
ProfileExportContent ReadProfileExport(std::span<const std::uint8_t> file);

// The text the user sees for an error that is not None.
const char* ProfileExportErrorText(ProfileExportError error);

}  // namespace brisance
