#pragma once
// The machine's registry: a tree of keys under three roots, each key holding
// typed values. It is kept in one SQLite file, "registry.db" in the machine
// root (platform/machine/MachineRoot.h), shared by every process of this
// machine: a write by one process is seen by the next read of any other, and
// each write is all-or-nothing.
//
// Names of keys and values are case-preserving and compare without regard to
// the case of the letters A-Z; other characters compare exactly. The empty
// value name is the key's default value.
//
// Subkeys and values enumerate in the order they were created. Setting a value
// that exists keeps its place and the case of its name.
//
// Outcomes that callers act on are returned as a Result, numbered as the
// platform's own error codes so that callers can hand them on unchanged. A
// registry file that cannot be used (damaged, not a registry, unreadable, not
// writable) throws RegistryError naming the file; nothing is ever replaced or
// emptied to recover from it.
//
// On first use, a fresh file is seeded with what a new machine has:
// HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\Windows\CurrentVersion" value
// "CommonFilesDir" naming the machine's "Common Files" folder.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

// HKEY_CLASSES_ROOT is a root of its own here, not a view of other keys.
enum class Root { LocalMachine, CurrentUser, ClassesRoot };

// "HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT".
std::string_view rootName(Root root);
// The full names above or "HKLM", "HKCU", "HKCR", in any case.
std::optional<Root> rootFromName(std::string_view name);

// Write access includes read access.
enum class Access { Read, Write };

// The platform's type numbers.
enum class ValueType : std::uint32_t {
    Sz = 1,        // text, stored as UTF-8 with a terminating zero
    ExpandSz = 2,  // the same, holding %VARIABLE% references (never expanded here)
    Binary = 3,    // bytes
    Dword = 4,     // a 32-bit number, four bytes little-endian
    MultiSz = 7,   // texts, each with a terminating zero, then one more zero
};

// "REG_SZ", "REG_EXPAND_SZ", "REG_BINARY", "REG_DWORD", "REG_MULTI_SZ".
std::string_view typeName(ValueType type);
std::optional<ValueType> typeFromName(std::string_view name);

enum class Result : std::int32_t {
    Success = 0,
    NotFound = 2,            // no such key or value
    AccessDenied = 5,        // a change through a key opened for reading, or to a root
    InvalidParameter = 87,   // a malformed key path or name, or data that does not fit its type
    MoreData = 234,          // the caller's buffer is too small; the size says what is needed
    NoMoreItems = 259,       // enumeration is past the last item
    KeyDeleted = 1018,       // the key behind the handle has been deleted
    WrongType = 1630,        // the value exists with another type than asked for
};

// A short English text for the result, for messages ("not found", ...).
std::string_view describe(Result result);

struct Value {
    ValueType type = ValueType::Binary;
    std::vector<std::uint8_t> data;

    bool operator==(const Value&) const = default;
};

class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace platform::registry
