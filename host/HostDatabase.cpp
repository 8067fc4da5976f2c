#include "host/HostDatabase.h"

#include "host/HostErrors.h"
#include "host/HostSchema.h"

#include "platform/machine/MachineRoot.h"
#include "platform/sqlite/Transaction.h"

#include <array>
#include <filesystem>
#include <system_error>
#include <utility>

namespace host {

namespace {

namespace sqlite = platform::sqlite;

const std::string kSelectAction =
    "SELECT id, session_id, number, data_type_code, data_format, public_data, private_data, date_created, "
    "last_modified, time_stamp, creator_module_id, description, user_initials, revision FROM actions";

ActionRecord readAction(const sqlite::Statement& row)
{
    ActionRecord action;
    action.id = row.integer(0);
    action.sessionId = row.integer(1);
    action.index = static_cast<int>(row.integer(2));
    action.dataTypeCode = static_cast<int>(row.integer(3));
    action.dataFormat = static_cast<int>(row.integer(4));
    action.publicData = row.optionalBytes(5);
    action.privateData = row.optionalBytes(6);
    action.dateCreated = row.real(7);
    action.lastModified = row.real(8);
    action.timeStamp = row.real(9);
    action.creatorModuleId = static_cast<std::int32_t>(row.integer(10));
    action.description = row.text(11);
    action.userInitials = row.text(12);
    action.revision = row.integer(13);
    return action;
}

const std::string kSelectSession = "SELECT id, client_id, number, date FROM sessions";

SessionRecord readSession(const sqlite::Statement& row)
{
    return SessionRecord{row.integer(0), row.integer(1), static_cast<int>(row.integer(2)), row.real(3)};
}

const std::string kSelectClient = "SELECT id, first_name, middle_name, last_name, client_no, birth_date FROM clients";
const std::string kSelectUser = "SELECT id, initials, name FROM users";

ClientRecord readClient(const sqlite::Statement& row)
{
    return ClientRecord{row.integer(0), row.text(1), row.text(2), row.text(3), row.text(4), row.optionalReal(5)};
}

// Binds the client's fields to ?2 to ?6.
void bindClient(sqlite::Statement& statement, const ClientRecord& client)
{
    statement.bind(2, client.firstName)
        .bind(3, client.middleName)
        .bind(4, client.lastName)
        .bind(5, client.clientNo)
        .bind(6, client.birthDate);
}

UserRecord readUser(const sqlite::Statement& row)
{
    return UserRecord{row.integer(0), row.text(1), row.text(2)};
}

// Runs a query with its parameters (?1, ?2, ... in order) and reads each row.
template <class Read, class... Parameters>
auto query(sqlite::Connection& connection, const std::string& sql, Read read, const Parameters&... parameters)
{
    auto statement = connection.prepare(sql);
    int index = 0;
    (statement.bind(++index, parameters), ...);
    std::vector<decltype(read(statement))> rows;
    while (statement.step()) rows.push_back(read(statement));
    return rows;
}

// The first row of such a query, if any.
template <class Read, class... Parameters>
auto queryOne(sqlite::Connection& connection, const std::string& sql, Read read, const Parameters&... parameters)
{
    auto rows = query(connection, sql, read, parameters...);
    using Row = typename decltype(rows)::value_type;
    return rows.empty() ? std::optional<Row>() : std::optional<Row>(std::move(rows.front()));
}

RowId readId(const sqlite::Statement& row)
{
    return row.integer(0);
}

constexpr std::array<std::pair<ActionField, const char*>, 10> kActionFieldColumns{{
    {ActionField::DataTypeCode, "data_type_code"},
    {ActionField::DataFormat, "data_format"},
    {ActionField::PublicData, "public_data"},
    {ActionField::PrivateData, "private_data"},
    {ActionField::DateCreated, "date_created"},
    {ActionField::LastModified, "last_modified"},
    {ActionField::TimeStamp, "time_stamp"},
    {ActionField::CreatorModuleId, "creator_module_id"},
    {ActionField::Description, "description"},
    {ActionField::UserInitials, "user_initials"},
}};

std::string columnOf(ActionField field)
{
    for (const auto& [known, column] : kActionFieldColumns)
        if (known == field) return column;
    raise(errors::InvalidCall, "An action has no such field");
}

// The file, unless it is there without a byte: a host database always holds
// its tables, so an empty file is what is left of a damaged one (or of a copy
// that failed), never a new database. Only where no file is at all does a
// new one begin.
const std::filesystem::path& unlessEmpty(const std::filesystem::path& file)
{
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error) && std::filesystem::file_size(file, error) == 0 && !error)
        raise(errors::DatabaseDamaged,
              "The host database " + file.string() + " is damaged (the file is empty); nothing was changed.");
    return file;
}

}  // namespace

std::filesystem::path HostDatabase::defaultFile()
{
    return platform::machine::root() / "Host.sqlite";
}

HostDatabase::HostDatabase(const std::filesystem::path& file)
    : m_connection(unlessEmpty(file), raiseDatabaseFailure)
{
    prepareSchema(m_connection);
}

// Drops changes still held: they were never committed.
HostDatabase::~HostDatabase() = default;

void HostDatabase::beginChanges()
{
    if (m_changes) raise(errors::InvalidCall, "The host database already holds changes that are not stored yet");
    m_changes = std::make_unique<sqlite::Transaction>(m_connection);
}

void HostDatabase::commitChanges()
{
    const std::unique_ptr<sqlite::Transaction> changes = std::move(m_changes);
    if (!changes) raise(errors::InvalidCall, "The host database holds no changes to store");
    // A commit that fails leaves the transaction to its destructor, which
    // takes the changes back.
    changes->commit();
}

void HostDatabase::rollbackChanges() noexcept
{
    m_changes.reset();
}

void HostDatabase::provokeWriteFailures(std::int32_t number, std::string description, int count, int after)
{
    m_provoked = ProvokedFailure{number, std::move(description), count, after};
}

void HostDatabase::beforeWrite()
{
    // SQLite ends a transaction itself after some failures (a full disk):
    // a write after that would be stored on its own, outside the changes.
    if (m_changes && !m_connection.inTransaction())
        raise(errors::DatabaseFailure, "The host database " + file().string() +
                                           " dropped the changes after a failure; nothing of them was stored");
    if (m_provoked.remaining <= 0) return;
    if (m_provoked.passing > 0) {
        --m_provoked.passing;
        return;
    }
    --m_provoked.remaining;
    raise(m_provoked.number, m_provoked.description);
}

RowId HostDatabase::addUser(const UserRecord& user)
{
    beforeWrite();
    m_connection.prepare("INSERT INTO users(initials, name) VALUES (?1, ?2)")
        .bind(1, user.initials)
        .bind(2, user.name)
        .run();
    return m_connection.lastInsertRowId();
}

std::vector<UserRecord> HostDatabase::users()
{
    return query(m_connection, kSelectUser + " ORDER BY id", readUser);
}

std::optional<UserRecord> HostDatabase::user(RowId id)
{
    return queryOne(m_connection, kSelectUser + " WHERE id = ?1", readUser, id);
}

std::optional<Bytes> HostDatabase::moduleData(RowId user, std::int32_t moduleId)
{
    return queryOne(
        m_connection, "SELECT data FROM user_module_data WHERE user_id = ?1 AND module_id = ?2",
        [](const sqlite::Statement& row) { return row.bytes(0); }, user, moduleId);
}

void HostDatabase::setModuleData(RowId user, std::int32_t moduleId, const Bytes& data)
{
    beforeWrite();
    m_connection
        .prepare("INSERT INTO user_module_data(user_id, module_id, data) VALUES (?1, ?2, ?3) "
                 "ON CONFLICT(user_id, module_id) DO UPDATE SET data = excluded.data")
        .bind(1, user)
        .bind(2, moduleId)
        .bind(3, std::optional<Bytes>(data))
        .run();
}

RowId HostDatabase::addClient(const ClientRecord& client)
{
    beforeWrite();
    auto statement = m_connection.prepare(
        "INSERT INTO clients(first_name, middle_name, last_name, client_no, birth_date) VALUES (?2, ?3, ?4, ?5, ?6)");
    bindClient(statement, client);
    statement.run();
    return m_connection.lastInsertRowId();
}

void HostDatabase::updateClient(const ClientRecord& client)
{
    beforeWrite();
    auto statement = m_connection.prepare(
        "UPDATE clients SET first_name = ?2, middle_name = ?3, last_name = ?4, client_no = ?5, birth_date = ?6 "
        "WHERE id = ?1");
    bindClient(statement, client);
    statement.bind(1, client.id).run();
}

std::vector<ClientRecord> HostDatabase::clients()
{
    return query(m_connection, kSelectClient + " ORDER BY last_name, first_name, id", readClient);
}

std::optional<ClientRecord> HostDatabase::client(RowId id)
{
    return queryOne(m_connection, kSelectClient + " WHERE id = ?1", readClient, id);
}

RowId HostDatabase::addSession(RowId client, Date date)
{
    beforeWrite();
    sqlite::Transaction transaction(m_connection);
    m_connection
        .prepare("INSERT INTO sessions(client_id, number, date) "
                 "VALUES (?1, (SELECT coalesce(max(number), 0) + 1 FROM sessions WHERE client_id = ?1), ?2)")
        .bind(1, client)
        .bind(2, date)
        .run();
    const RowId id = m_connection.lastInsertRowId();
    transaction.commit();
    return id;
}

std::vector<SessionRecord> HostDatabase::sessions(RowId client)
{
    return query(m_connection, kSelectSession + " WHERE client_id = ?1 ORDER BY number", readSession, client);
}

std::optional<SessionRecord> HostDatabase::session(RowId id)
{
    return queryOne(m_connection, kSelectSession + " WHERE id = ?1", readSession, id);
}

std::optional<SessionRecord> HostDatabase::sessionAt(RowId client, int index)
{
    return queryOne(m_connection, kSelectSession + " WHERE client_id = ?1 AND number = ?2", readSession, client, index);
}

RowId HostDatabase::addAction(RowId session, const ActionRecord& action)
{
    beforeWrite();
    sqlite::Transaction transaction(m_connection);
    m_connection
        .prepare("INSERT INTO actions(session_id, number, data_type_code, data_format, public_data, private_data, "
                 "date_created, last_modified, time_stamp, creator_module_id, description, user_initials) "
                 "VALUES (?1, (SELECT coalesce(max(number), 0) + 1 FROM actions WHERE session_id = ?1), "
                 "?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)")
        .bind(1, session)
        .bind(2, action.dataTypeCode)
        .bind(3, action.dataFormat)
        .bind(4, action.publicData)
        .bind(5, action.privateData)
        .bind(6, action.dateCreated)
        .bind(7, action.lastModified)
        .bind(8, action.timeStamp)
        .bind(9, action.creatorModuleId)
        .bind(10, action.description)
        .bind(11, action.userInitials)
        .run();
    const RowId id = m_connection.lastInsertRowId();
    transaction.commit();
    return id;
}

std::vector<ActionRecord> HostDatabase::actions(RowId session)
{
    return query(m_connection, kSelectAction + " WHERE session_id = ?1 ORDER BY number", readAction, session);
}

int HostDatabase::actionCount(RowId session)
{
    return static_cast<int>(
        *queryOne(m_connection, "SELECT count(*) FROM actions WHERE session_id = ?1", readId, session));
}

std::optional<ActionRecord> HostDatabase::action(RowId id)
{
    return queryOne(m_connection, kSelectAction + " WHERE id = ?1", readAction, id);
}

std::optional<ActionRecord> HostDatabase::actionAt(RowId session, int index)
{
    return queryOne(m_connection, kSelectAction + " WHERE session_id = ?1 AND number = ?2", readAction, session, index);
}

void HostDatabase::setActionField(RowId action, ActionField field, const FieldValue& value, Date modifiedAt)
{
    beforeWrite();
    const std::string column = columnOf(field);
    const std::string touch = field == ActionField::LastModified ? "" : ", last_modified = ?3";
    auto statement = m_connection.prepare("UPDATE actions SET " + column + " = ?2" + touch +
                                          ", revision = revision + 1 WHERE id = ?1");
    statement.bind(1, action);
    std::visit([&](const auto& given) { statement.bind(2, given); }, value);
    if (field != ActionField::LastModified) statement.bind(3, modifiedAt);
    statement.run();
    if (m_connection.changes() == 0) raise(errors::NotFound, "The action is no longer in the host database");
}

void HostDatabase::linkActions(RowId from, RowId to)
{
    beforeWrite();
    m_connection
        .prepare("INSERT OR IGNORE INTO action_links(action_id, linked_action_id, position) "
                 "VALUES (?1, ?2, (SELECT coalesce(max(position), 0) + 1 FROM action_links WHERE action_id = ?1))")
        .bind(1, from)
        .bind(2, to)
        .run();
}

std::vector<RowId> HostDatabase::linkedActions(RowId from)
{
    return query(m_connection, "SELECT linked_action_id FROM action_links WHERE action_id = ?1 ORDER BY position",
                 readId, from);
}

}  // namespace host
