#pragma once
// A preference store's whole content in a file: one variant record holding
// the store's Data (a Byte array), as the runtime writes a variant to a
// binary file. The host's shared default profile has this form, and so has
// the profile manager's developer export.

#include "vellum/IVellumKeyedStore.h"

#include "platform/runtime/Variant.h"

#include <cstddef>
#include <string>

namespace brisance {

// Writes the store's whole Data to the file as one variant record, whole or
// not at all (platform/system/WholeFile.h, whose errors it raises).
void WriteStoreSnapshot(vellum::IVellumKeyedStore& store, const std::string& path);

// The largest snapshot file that is read: far above a store with every
// profile and the global options (some hundred kilobytes).
inline constexpr std::size_t kLargestStoreSnapshot = 4 << 20;

// The one variant record at the start of the file; bytes after it are not
// read. Raises the file errors of platform/system/WholeFile.h (a file larger
// than kLargestStoreSnapshot, or no regular file, among them), and the record
// reader's 62, 458 or 59 for damaged content.
platform::runtime::Variant ReadStoreSnapshot(const std::string& path);

}  // namespace brisance
