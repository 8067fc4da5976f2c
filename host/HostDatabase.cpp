#include "host/HostDatabase.h"

#include "host/HostErrors.h"
#include "host/HostSchema.h"

#include "platform/machine/MachineRoot.h"

#include <array>
#include <utility>

namespace host {

namespace {

constexpr const char* kActionColumns =
    "id, session_id, number, data_type_code, data_format, public_data, private_data, date_created, "
    "last_modified, time_stamp, creator_module_id, description, user_initials";

ActionRecord readAction(const sqlite::Statement& row)
{
    ActionRecord action;
    action.id = row.integer(0);
    action.sessionId = row.integer(1);
    action.index = static_cast<int>(row.integer(2));
    action.dataTypeCode = static_cast<int>(row.integer(3));
    action.dataFormat = static_cast<int>(row.integer(4));
    action.publicData = row.blob(5);
    action.privateData = row.blob(6);
    action.dateCreated = row.real(7);
    action.lastModified = row.real(8);
    action.timeStamp = row.real(9);
    action.creatorModuleId = static_cast<std::int32_t>(row.integer(10));
    action.description = row.text(11);
    action.userInitials = row.text(12);
    return action;
}

constexpr const char* kSessionColumns = "id, client_id, number, date";

SessionRecord readSession(const sqlite::Statement& row)
{
    return SessionRecord{row.integer(0), row.integer(1), static_cast<int>(row.integer(2)), row.real(3)};
}

constexpr const char* kClientColumns = "id, first_name, middle_name, last_name, client_no, birth_date";

ClientRecord readClient(const sqlite::Statement& row)
{
    return ClientRecord{row.integer(0), row.text(1), row.text(2), row.text(3), row.text(4), row.optionalReal(5)};
}

UserRecord readUser(const sqlite::Statement& row)
{
    return UserRecord{row.integer(0), row.text(1), row.text(2)};
}

template <class Record, class Read>
std::vector<Record> readAll(sqlite::Statement& statement, Read read)
{
    std::vector<Record> records;
    while (statement.step()) records.push_back(read(statement));
    return records;
}

template <class Record, class Read>
std::optional<Record> readOne(sqlite::Statement& statement, Read read)
{
    if (!statement.step()) return std::nullopt;
    return read(statement);
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

}  // namespace

std::filesystem::path HostDatabase::defaultFile()
{
    return platform::machine::root() / "Host.sqlite";
}

HostDatabase::HostDatabase(const std::filesystem::path& file) : m_connection(file)
{
    prepareSchema(m_connection);
}

void HostDatabase::provokeWriteFailures(std::int32_t number, std::string description, int count)
{
    m_provoked = ProvokedFailure{number, std::move(description), count};
}

void HostDatabase::beforeWrite()
{
    if (m_provoked.remaining <= 0) return;
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
    auto statement = m_connection.prepare("SELECT id, initials, name FROM users ORDER BY id");
    return readAll<UserRecord>(statement, readUser);
}

std::optional<UserRecord> HostDatabase::user(RowId id)
{
    auto statement = m_connection.prepare("SELECT id, initials, name FROM users WHERE id = ?1");
    statement.bind(1, id);
    return readOne<UserRecord>(statement, readUser);
}

std::optional<Bytes> HostDatabase::moduleData(RowId user, std::int32_t moduleId)
{
    auto statement = m_connection.prepare("SELECT data FROM user_module_data WHERE user_id = ?1 AND module_id = ?2");
    statement.bind(1, user).bind(2, moduleId);
    if (!statement.step()) return std::nullopt;
    return statement.blob(0);
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
    m_connection
        .prepare("INSERT INTO clients(first_name, middle_name, last_name, client_no, birth_date) "
                 "VALUES (?1, ?2, ?3, ?4, ?5)")
        .bind(1, client.firstName)
        .bind(2, client.middleName)
        .bind(3, client.lastName)
        .bind(4, client.clientNo)
        .bind(5, client.birthDate)
        .run();
    return m_connection.lastInsertRowId();
}

void HostDatabase::updateClient(const ClientRecord& client)
{
    beforeWrite();
    m_connection
        .prepare("UPDATE clients SET first_name = ?2, middle_name = ?3, last_name = ?4, client_no = ?5, "
                 "birth_date = ?6 WHERE id = ?1")
        .bind(1, client.id)
        .bind(2, client.firstName)
        .bind(3, client.middleName)
        .bind(4, client.lastName)
        .bind(5, client.clientNo)
        .bind(6, client.birthDate)
        .run();
}

std::vector<ClientRecord> HostDatabase::clients()
{
    auto statement = m_connection.prepare(std::string("SELECT ") + kClientColumns +
                                          " FROM clients ORDER BY last_name, first_name, id");
    return readAll<ClientRecord>(statement, readClient);
}

std::optional<ClientRecord> HostDatabase::client(RowId id)
{
    auto statement = m_connection.prepare(std::string("SELECT ") + kClientColumns + " FROM clients WHERE id = ?1");
    statement.bind(1, id);
    return readOne<ClientRecord>(statement, readClient);
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
    auto statement = m_connection.prepare(std::string("SELECT ") + kSessionColumns +
                                          " FROM sessions WHERE client_id = ?1 ORDER BY number");
    statement.bind(1, client);
    return readAll<SessionRecord>(statement, readSession);
}

std::optional<SessionRecord> HostDatabase::session(RowId id)
{
    auto statement = m_connection.prepare(std::string("SELECT ") + kSessionColumns + " FROM sessions WHERE id = ?1");
    statement.bind(1, id);
    return readOne<SessionRecord>(statement, readSession);
}

std::optional<SessionRecord> HostDatabase::sessionAt(RowId client, int index)
{
    auto statement = m_connection.prepare(std::string("SELECT ") + kSessionColumns +
                                          " FROM sessions WHERE client_id = ?1 AND number = ?2");
    statement.bind(1, client).bind(2, index);
    return readOne<SessionRecord>(statement, readSession);
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
    auto statement = m_connection.prepare(std::string("SELECT ") + kActionColumns +
                                          " FROM actions WHERE session_id = ?1 ORDER BY number");
    statement.bind(1, session);
    return readAll<ActionRecord>(statement, readAction);
}

int HostDatabase::actionCount(RowId session)
{
    auto statement = m_connection.prepare("SELECT count(*) FROM actions WHERE session_id = ?1");
    statement.bind(1, session);
    return statement.step() ? static_cast<int>(statement.integer(0)) : 0;
}

std::optional<ActionRecord> HostDatabase::action(RowId id)
{
    auto statement = m_connection.prepare(std::string("SELECT ") + kActionColumns + " FROM actions WHERE id = ?1");
    statement.bind(1, id);
    return readOne<ActionRecord>(statement, readAction);
}

std::optional<ActionRecord> HostDatabase::actionAt(RowId session, int index)
{
    auto statement = m_connection.prepare(std::string("SELECT ") + kActionColumns +
                                          " FROM actions WHERE session_id = ?1 AND number = ?2");
    statement.bind(1, session).bind(2, index);
    return readOne<ActionRecord>(statement, readAction);
}

void HostDatabase::setActionField(RowId action, ActionField field, const FieldValue& value, Date modifiedAt)
{
    beforeWrite();
    const std::string column = columnOf(field);
    const std::string touch = field == ActionField::LastModified ? "" : ", last_modified = ?3";
    auto statement = m_connection.prepare("UPDATE actions SET " + column + " = ?2" + touch + " WHERE id = ?1");
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
    auto statement = m_connection.prepare(
        "SELECT linked_action_id FROM action_links WHERE action_id = ?1 ORDER BY position");
    statement.bind(1, from);
    return readAll<RowId>(statement, [](const sqlite::Statement& row) { return row.integer(0); });
}

}  // namespace host
