#pragma once
// The host's office database: users, clients, their sessions and actions,
// links between actions and each user's module data, in one SQLite file.
//
// Several connections, in this process or in others, may use the file at
// once: it runs in write-ahead-log mode, a writer waits for another's lock,
// and every write that touches more than one row is one transaction. A
// caller may hold several writes in one transaction of its own
// (beginChanges), so that they are stored all together or not at all.
// Every failure raises a host error (HostErrors.h). A damaged file, or one
// that is not a host database, is refused when opened and never changed.

#include "host/Records.h"

#include "platform/sqlite/Connection.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace platform::sqlite {
class Transaction;
}

namespace host {

class HostDatabase {
public:
    // "Host.sqlite" in the machine root.
    static std::filesystem::path defaultFile();

    // Opens the file, creating an empty host database when it does not exist.
    // Raises DatabaseDamaged for a file that is not a sound host database, an
    // empty (0-byte) file among them.
    explicit HostDatabase(const std::filesystem::path& file = defaultFile());
    ~HostDatabase();

    const std::filesystem::path& file() const { return m_connection.file(); }

    RowId addUser(const UserRecord& user);
    std::vector<UserRecord> users();
    std::optional<UserRecord> user(RowId id);
    // The user's stored data for the module, or nullopt while none is stored.
    std::optional<Bytes> moduleData(RowId user, std::int32_t moduleId);
    void setModuleData(RowId user, std::int32_t moduleId, const Bytes& data);

    RowId addClient(const ClientRecord& client);
    void updateClient(const ClientRecord& client);
    std::vector<ClientRecord> clients();
    std::optional<ClientRecord> client(RowId id);

    // Appends a session to the client; its index is the next position.
    RowId addSession(RowId client, Date date);
    std::vector<SessionRecord> sessions(RowId client);
    std::optional<SessionRecord> session(RowId id);
    std::optional<SessionRecord> sessionAt(RowId client, int index);

    // Appends the action to the session; its id, session and index are given
    // here, every other field is stored as passed.
    RowId addAction(RowId session, const ActionRecord& action);
    std::vector<ActionRecord> actions(RowId session);
    int actionCount(RowId session);
    std::optional<ActionRecord> action(RowId id);
    std::optional<ActionRecord> actionAt(RowId session, int index);

    using FieldValue = std::variant<std::int64_t, Date, std::string, std::optional<Bytes>>;
    // Changes one field of a stored action and counts the change in its
    // revision. Every field but LastModified itself also sets LastModified
    // to `modifiedAt`.
    void setActionField(RowId action, ActionField field, const FieldValue& value, Date modifiedAt);

    // Records that `from` refers to `to`; links keep the order they are made in.
    void linkActions(RowId from, RowId to);
    std::vector<RowId> linkedActions(RowId from);

    // Holds every write that follows, through this object or its
    // connection, in one transaction, with the write lock taken now:
    // commitChanges stores them all at once; rollbackChanges, a failed
    // commit, or the end of the process before the commit drops them all.
    // One at a time: a second begin raises InvalidCall.
    void beginChanges();
    void commitChanges();
    void rollbackChanges() noexcept;

    // For tests: after `after` more writes have gone through, the next `count`
    // writes through this object fail with this number and description, and
    // change nothing.
    void provokeWriteFailures(std::int32_t number, std::string description, int count = 1, int after = 0);

    // For the other stores that share the file (ModuleCatalog).
    platform::sqlite::Connection& connection() { return m_connection; }
    // Every write calls this first; it raises a provoked failure.
    void beforeWrite();

private:
    platform::sqlite::Connection m_connection;
    std::unique_ptr<platform::sqlite::Transaction> m_changes;
    struct ProvokedFailure {
        std::int32_t number = 0;
        std::string description;
        int remaining = 0;
        int passing = 0;
    } m_provoked;
};

}  // namespace host
