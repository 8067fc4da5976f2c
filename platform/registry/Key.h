#pragma once
// An open registry key, the handle through which keys and values are read and
// written (see Registry.h for the store's guarantees).
//
// A Key is opened by openKey or createKey, closed when it goes or by close(),
// and may be moved but not copied. Paths are relative, with components
// separated by "\"; one trailing "\" is allowed; the empty path names the key
// itself. A component is 1 to 255 characters long.
//
// A key opened with Access::Read refuses every change through it with
// Result::AccessDenied. Calls on a key whose stored key was deleted (by any
// process) give Result::KeyDeleted. Calls on a closed key give
// Result::InvalidParameter. Keys may be used from any thread.
//
// Every call may throw RegistryError when the registry file cannot be used.

#include "platform/registry/Registry.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

class Store;

class Key {
public:
    Key();
    ~Key();
    Key(Key&& other) noexcept;
    Key& operator=(Key&& other) noexcept;
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    bool isOpen() const;
    void close();
    Access access() const;

    // Opens an existing key below this one: NotFound when any part is missing.
    Result openKey(std::string_view path, Access access, Key& key) const;
    // Opens the key below this one, creating it and any missing parents (needs
    // write access on this key).
    Result createKey(std::string_view path, Access access, Key& key) const;
    // Deletes the key below this one with all its subkeys and values (needs
    // write access on this key). The empty path is refused with AccessDenied:
    // a key does not delete itself, and roots are never deleted.
    Result deleteKey(std::string_view path) const;

    // The name of the subkey or value at the 0-based position, NoMoreItems past
    // the last one.
    Result enumKey(std::uint32_t index, std::string& name) const;
    Result enumValue(std::uint32_t index, std::string& name, ValueType* type = nullptr) const;

    // Queries a value into the caller's buffer of *size bytes. On Success *size
    // is the number of bytes written; with a null buffer it is the size needed.
    // MoreData when the buffer is too small, with *size set to the size needed
    // and the buffer untouched. When `required` is given and the value has
    // another type, WrongType (checked before the size). *type, when asked
    // for, gets the value's type whenever the value exists.
    Result queryValue(std::string_view name, ValueType* type, void* data, std::uint32_t* size,
                      std::optional<ValueType> required = std::nullopt) const;
    Result queryValue(std::string_view name, Value& value) const;

    // Sets a value from raw data: a Dword must be four bytes.
    Result setValue(std::string_view name, ValueType type, const void* data, std::uint32_t size) const;
    Result setValue(std::string_view name, const Value& value) const;
    Result deleteValue(std::string_view name) const;

    // Typed access. getString takes Sz and ExpandSz values, up to the first
    // zero; every getter gives WrongType for a value of another type.
    Result getString(std::string_view name, std::string& text) const;
    Result getDword(std::string_view name, std::uint32_t& number) const;
    Result getBinary(std::string_view name, std::vector<std::uint8_t>& bytes) const;
    Result getMultiString(std::string_view name, std::vector<std::string>& texts) const;

    // setString takes Sz or ExpandSz. A text holding a zero character, or a
    // multi-string list holding an empty text, cannot be stored as it is and
    // gives InvalidParameter.
    Result setString(std::string_view name, std::string_view text, ValueType type = ValueType::Sz) const;
    Result setDword(std::string_view name, std::uint32_t number) const;
    Result setBinary(std::string_view name, std::span<const std::uint8_t> bytes) const;
    Result setMultiString(std::string_view name, const std::vector<std::string>& texts) const;

private:
    friend Key rootKey(Root root);
    Key(std::shared_ptr<Store> store, std::int64_t id, Access access);
    Result usable() const;
    Result writable() const;

    std::shared_ptr<Store> m_store;
    std::int64_t m_id = 0;
    Access m_access = Access::Read;
};

// The root itself, open for writing, in the registry of the current machine root.
Key rootKey(Root root);

// The same operations from a root.
Result openKey(Root root, std::string_view path, Access access, Key& key);
Result createKey(Root root, std::string_view path, Access access, Key& key);
Result deleteKey(Root root, std::string_view path);
bool keyExists(Root root, std::string_view path);

}  // namespace platform::registry
