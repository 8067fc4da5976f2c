#pragma once
// Files read and written whole. A read takes only a regular file, of at most
// the size its kind can have; a write replaces its target whole or not at
// all: a reader, or a crash in the middle, never meets half a file.
//
// Failures raise the runtime's file errors with the path as their source:
// 53 file not found, 76 path not found, 70 permission denied, 61 disk full,
// 75 path/file access error for any other.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace platform::system {

// The runtime's file error for a system error number (errno), as above.
std::int32_t fileErrorNumber(int error);

// Every byte of the file, which may hold at most `largest` bytes, a limit that
// fits what the caller reads. A larger file is refused before any of it is
// read: 7 (out of memory), whose description names the file and both sizes.
// Anything but a regular file (a FIFO, a device, a folder) is refused without
// waiting on it: 75, whose description names the path and what is there.
std::vector<std::uint8_t> readWholeFile(const std::string& path, std::size_t largest);

// Writes the bytes to a temporary file in the target's folder, flushes it to
// the disk and renames it over the target. On a failure the temporary file is
// removed and an existing target is left as it was.
void writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

// The same for a file that another writer makes by its path: write fills the
// temporary file whose path it is given and returns false when it could not.
// A false or a raised error leaves an existing target as it was (75 for a
// false).
void writeWholeFileThrough(const std::string& path, const std::function<bool(const std::string&)>& write);

}  // namespace platform::system
