#include "platform/registry/Store.h"

#include "platform/machine/MachineRoot.h"
#include "platform/registry/ValueData.h"
#include "platform/sqlite/Transaction.h"

#include <array>
#include <map>
#include <utility>

namespace platform::registry {

namespace {

constexpr int kFormat = 1;
constexpr const char* kFileName = "registry.db";

// Keys and values are numbered in creation order, which is also their order of
// enumeration; AUTOINCREMENT never reuses a number, so a handle to a deleted key
// never finds a newer one. NOCASE folds A-Z only.
constexpr const char* kSchema = R"(
CREATE TABLE keys (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    parent INTEGER,
    name TEXT NOT NULL COLLATE NOCASE,
    UNIQUE (parent, name));
CREATE TABLE vals (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    key INTEGER NOT NULL,
    name TEXT NOT NULL COLLATE NOCASE,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    UNIQUE (key, name));
INSERT INTO keys (id, parent, name) VALUES
    (1, NULL, 'HKEY_LOCAL_MACHINE'), (2, NULL, 'HKEY_CURRENT_USER'), (3, NULL, 'HKEY_CLASSES_ROOT');
)";

constexpr std::array<std::pair<Root, std::int64_t>, 3> kRootIds{{
    {Root::LocalMachine, 1},
    {Root::CurrentUser, 2},
    {Root::ClassesRoot, 3},
}};

// The values and then the keys of the subtree whose top key is parameter 1.
constexpr const char* kDeleteTreeValues =
    "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id) "
    "DELETE FROM vals WHERE key IN tree";
constexpr const char* kDeleteTreeKeys =
    "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id) "
    "DELETE FROM keys WHERE id IN tree";

// What could not be done with the file, by the step that failed.
constexpr std::array<std::pair<sqlite::Operation, const char*>, 5> kFailures{{
    {sqlite::Operation::Open, "cannot be opened"},
    {sqlite::Operation::Execute, "cannot be used"},
    {sqlite::Operation::Prepare, "cannot be read"},
    {sqlite::Operation::Bind, "cannot take a parameter"},
    {sqlite::Operation::Step, "cannot be read or written"},
}};

[[noreturn]] void throwError(const std::filesystem::path& file, std::string_view what)
{
    throw RegistryError("registry file \"" + file.string() + "\": " + std::string(what));
}

// Throws what went wrong with the file, with the cause where it is one the
// user can mend, and SQLite's own account of it.
[[noreturn]] void fail(const sqlite::Failure& failure)
{
    std::string what;
    for (const auto& [operation, text] : kFailures) {
        if (operation == failure.operation)
            what = text;
    }
    if (const std::string cause = sqlite::causeOf(failure); !cause.empty())
        what += ": " + cause;
    throwError(failure.file, what + " (" + failure.message + ")");
}

}  // namespace

std::shared_ptr<Store> Store::current()
{
    static std::mutex mutex;
    static std::map<std::filesystem::path, std::shared_ptr<Store>> stores;
    try {
        const std::filesystem::path root = machine::root();
        std::lock_guard lock(mutex);
        std::shared_ptr<Store>& store = stores[root];
        if (!store)
            store = std::make_shared<Store>(root / kFileName, machine::commonFilesDir());
        return store;
    } catch (const std::filesystem::filesystem_error& error) {
        // The folder and the system's own word for the cause: "Read-only file
        // system", "Permission denied", "No space left on device".
        throw RegistryError("the machine root cannot be used: the folder \"" + error.path1().string() +
                            "\" cannot be made: " + error.code().message());
    }
}

std::int64_t Store::rootId(Root root)
{
    for (const auto& [each, id] : kRootIds) {
        if (each == root)
            return id;
    }
    return 0;
}

Store::Store(const std::filesystem::path& file, const std::filesystem::path& commonFilesDir)
    : m_db(file, fail)
{
    // Everything is checked before anything is written, so that a file that is
    // not a usable registry stays exactly as it was.
    checkIntact();
    int found = format();
    if (found == 0 && !isEmpty()) {
        // Another program's database, or one that another process has made a
        // registry just now.
        found = format();
        if (found == 0)
            reject("is not a registry file");
    }
    if (found != 0 && found != kFormat)
        reject("has an unknown format (" + std::to_string(found) + ")");
    // Readers and one writer of several processes work side by side. With the
    // write-ahead log, a power cut may lose the last writes but never leaves
    // one half done, as with the platform's own lazily flushed registry.
    m_db.execute("PRAGMA journal_mode = WAL");
    m_db.execute("PRAGMA synchronous = NORMAL");
    if (found == 0)
        initialise(commonFilesDir);
}

void Store::reject(std::string_view what) const
{
    throwError(m_db.file(), what);
}

int Store::format()
{
    auto version = m_db.prepare("PRAGMA user_version");
    version.step();
    return static_cast<int>(version.integer(0));
}

bool Store::isEmpty()
{
    auto objects = m_db.prepare("SELECT count(*) FROM sqlite_master");
    objects.step();
    return objects.integer(0) == 0;
}

void Store::checkIntact()
{
    // SQLite reports a damaged file as a heading line and one line per fault;
    // the first few say enough.
    constexpr int kFindingsShown = 3;
    auto check = m_db.prepare("PRAGMA quick_check");
    std::string findings;
    for (int shown = 0; shown < kFindingsShown && check.step(); ++shown) {
        const std::string finding = check.text(0);
        if (finding == "ok")
            return;
        findings += (findings.empty() ? "" : " ") + finding;
    }
    reject("is damaged: " + findings);
}

void Store::initialise(const std::filesystem::path& commonFilesDir)
{
    sqlite::Transaction transaction(m_db);
    // Another process may have done it while this one waited for the lock.
    if (format() == 0) {
        if (!isEmpty())
            reject("is not a registry file");
        m_db.execute(kSchema);
        const std::int64_t id = createPath(rootId(Root::LocalMachine),
                                           {"SOFTWARE", "Microsoft", "Windows", "CurrentVersion"});
        putValue(id, "CommonFilesDir", Value{ValueType::Sz, textData(commonFilesDir.string())});
        m_db.execute("PRAGMA user_version = 1");
    }
    transaction.commit();
}

bool Store::exists(std::int64_t key)
{
    auto found = m_db.prepare("SELECT 1 FROM keys WHERE id = ?1");
    found.bind(1, key);
    return found.step();
}

Result Store::absentResult(std::int64_t key, Result whenAlive)
{
    return exists(key) ? whenAlive : Result::KeyDeleted;
}

Result Store::walk(std::int64_t from, const Names& names, std::int64_t& id)
{
    if (!exists(from))
        return Result::KeyDeleted;
    std::int64_t at = from;
    for (const std::string_view name : names) {
        auto child = m_db.prepare("SELECT id FROM keys WHERE parent = ?1 AND name = ?2");
        child.bind(1, at).bind(2, name);
        if (!child.step())
            return Result::NotFound;
        at = child.integer(0);
    }
    id = at;
    return Result::Success;
}

std::int64_t Store::createPath(std::int64_t from, const Names& names)
{
    std::int64_t at = from;
    for (const std::string_view name : names) {
        auto child = m_db.prepare("SELECT id FROM keys WHERE parent = ?1 AND name = ?2");
        child.bind(1, at).bind(2, name);
        if (child.step()) {
            at = child.integer(0);
            continue;
        }
        auto insert = m_db.prepare("INSERT INTO keys (parent, name) VALUES (?1, ?2) RETURNING id");
        insert.bind(1, at).bind(2, name);
        insert.step();
        at = insert.integer(0);
    }
    return at;
}

void Store::putValue(std::int64_t key, std::string_view name, const Value& value)
{
    auto put = m_db.prepare("INSERT INTO vals (key, name, type, data) VALUES (?1, ?2, ?3, ?4) "
                            "ON CONFLICT (key, name) DO UPDATE SET type = excluded.type, data = excluded.data");
    put.bind(1, key).bind(2, name).bind(3, static_cast<std::int64_t>(value.type)).bind(4, value.data);
    put.step();
}

Result Store::find(std::int64_t from, const Names& names, std::int64_t& id)
{
    std::lock_guard lock(m_mutex);
    return walk(from, names, id);
}

Result Store::create(std::int64_t from, const Names& names, std::int64_t& id)
{
    std::lock_guard lock(m_mutex);
    sqlite::Transaction transaction(m_db);
    if (!exists(from))
        return Result::KeyDeleted;
    id = createPath(from, names);
    transaction.commit();
    return Result::Success;
}

Result Store::remove(std::int64_t from, const Names& names)
{
    std::lock_guard lock(m_mutex);
    sqlite::Transaction transaction(m_db);
    std::int64_t id = 0;
    if (const Result found = walk(from, names, id); found != Result::Success)
        return found;
    {
        auto values = m_db.prepare(kDeleteTreeValues);
        values.bind(1, id).step();
        auto keys = m_db.prepare(kDeleteTreeKeys);
        keys.bind(1, id).step();
    }
    transaction.commit();
    return Result::Success;
}

Result Store::keyAt(std::int64_t key, std::uint32_t index, std::string& name)
{
    std::lock_guard lock(m_mutex);
    auto child = m_db.prepare("SELECT name FROM keys WHERE parent = ?1 ORDER BY id LIMIT 1 OFFSET ?2");
    child.bind(1, key).bind(2, std::int64_t{index});
    if (!child.step())
        return absentResult(key, Result::NoMoreItems);
    name = child.text(0);
    return Result::Success;
}

Result Store::valueAt(std::int64_t key, std::uint32_t index, std::string& name, ValueType& type)
{
    std::lock_guard lock(m_mutex);
    auto entry = m_db.prepare("SELECT name, type FROM vals WHERE key = ?1 ORDER BY id LIMIT 1 OFFSET ?2");
    entry.bind(1, key).bind(2, std::int64_t{index});
    if (!entry.step())
        return absentResult(key, Result::NoMoreItems);
    name = entry.text(0);
    type = static_cast<ValueType>(entry.integer(1));
    return Result::Success;
}

Result Store::value(std::int64_t key, std::string_view name, Value& value)
{
    std::lock_guard lock(m_mutex);
    auto entry = m_db.prepare("SELECT type, data FROM vals WHERE key = ?1 AND name = ?2");
    entry.bind(1, key).bind(2, name);
    if (!entry.step())
        return absentResult(key, Result::NotFound);
    value = Value{static_cast<ValueType>(entry.integer(0)), entry.bytes(1)};
    return Result::Success;
}

Result Store::setValue(std::int64_t key, std::string_view name, const Value& value)
{
    std::lock_guard lock(m_mutex);
    sqlite::Transaction transaction(m_db);
    if (!exists(key))
        return Result::KeyDeleted;
    putValue(key, name, value);
    transaction.commit();
    return Result::Success;
}

Result Store::removeValue(std::int64_t key, std::string_view name)
{
    std::lock_guard lock(m_mutex);
    sqlite::Transaction transaction(m_db);
    if (!exists(key))
        return Result::KeyDeleted;
    bool removed = false;
    {
        auto erase = m_db.prepare("DELETE FROM vals WHERE key = ?1 AND name = ?2 RETURNING id");
        erase.bind(1, key).bind(2, name);
        removed = erase.step();
    }
    if (!removed)
        return Result::NotFound;
    transaction.commit();
    return Result::Success;
}

}  // namespace platform::registry
