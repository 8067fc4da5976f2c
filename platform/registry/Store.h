#pragma once
// The registry file of one machine root: keys by number, values by key. Every
// call is one read or one all-or-nothing write; calls from several threads take
// turns.

#include "platform/registry/Registry.h"
#include "platform/sqlite/Connection.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

class Store {
public:
    // The store of the current machine root, opened once per root and process.
    static std::shared_ptr<Store> current();
    static std::int64_t rootId(Root root);

    // Opens the file, creating it when missing and seeding it when new.
    Store(const std::filesystem::path& file, const std::filesystem::path& commonFilesDir);

    using Names = std::vector<std::string_view>;

    // KeyDeleted when `from` is gone; NotFound when a name on the way is missing.
    Result find(std::int64_t from, const Names& names, std::int64_t& id);
    Result create(std::int64_t from, const Names& names, std::int64_t& id);
    Result remove(std::int64_t from, const Names& names);

    Result keyAt(std::int64_t key, std::uint32_t index, std::string& name);
    Result valueAt(std::int64_t key, std::uint32_t index, std::string& name, ValueType& type);
    Result value(std::int64_t key, std::string_view name, Value& value);
    Result setValue(std::int64_t key, std::string_view name, const Value& value);
    Result removeValue(std::int64_t key, std::string_view name);

private:
    int format();
    bool isEmpty();
    void checkIntact();
    void initialise(const std::filesystem::path& commonFilesDir);
    bool exists(std::int64_t key);
    Result walk(std::int64_t from, const Names& names, std::int64_t& id);
    std::int64_t createPath(std::int64_t from, const Names& names);
    void putValue(std::int64_t key, std::string_view name, const Value& value);
    Result absentResult(std::int64_t key, Result whenAlive);
    // Throws what is wrong with the file's content.
    [[noreturn]] void reject(std::string_view what) const;

    std::mutex m_mutex;
    sqlite::Connection m_db;
};

}  // namespace platform::registry
