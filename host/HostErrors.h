#pragma once
// The errors that the host's objects raise, as the runtime's raised error:
// a number, as a component-object result code the way a caller of a host
// object sees it, and a description that says what failed and what it
// concerns.

#include "platform/com/HResult.h"

#include <cstdint>
#include <string>

namespace platform::sqlite {
struct Failure;
}

namespace host {

namespace errors {
using platform::com::hresult;
// A database operation failed (disk full, locked too long, read-only file).
inline constexpr std::int32_t DatabaseFailure = hresult(0x80040201);
// The database file is damaged or is not a host database; nothing was changed.
inline constexpr std::int32_t DatabaseDamaged = hresult(0x80040202);
// The user has no module data stored for the module that asks.
inline constexpr std::int32_t NoModuleData = hresult(0x80040203);
// A position, id or key names nothing that exists.
inline constexpr std::int32_t NotFound = hresult(0x80040204);
// A call that the object's state does not allow (adding a stored action again).
inline constexpr std::int32_t InvalidCall = hresult(0x80040205);
// The printer refused a step of a print job.
inline constexpr std::int32_t PrintFailure = hresult(0x80040206);
// A write found no room: the disk that holds the host database is full
// (kDiskFullError of HostInterfaces.h, which modules see).
inline constexpr std::int32_t DiskFull = hresult(0x80040207);
}  // namespace errors

// The source that host errors name.
inline constexpr const char* kErrorSource = "Host";

// Raises platform::runtime::RuntimeError with the number and the description.
[[noreturn]] void raise(std::int32_t number, std::string description);

// Raises a failure of the host database file: DatabaseDamaged when SQLite
// finds the file damaged, DiskFull when a write found no room,
// DatabaseFailure for anything else.
[[noreturn]] void raiseDatabaseFailure(const platform::sqlite::Failure& failure);

}  // namespace host
