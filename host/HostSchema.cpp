#include "host/HostSchema.h"

#include "host/HostErrors.h"

#include "platform/sqlite/Transaction.h"

#include <string>

namespace host {

namespace {

namespace sqlite = platform::sqlite;

// "BHST": marks the file as a host database for whoever opens it.
constexpr std::int64_t kApplicationId = 0x42485354;
constexpr std::int64_t kSchemaVersion = 1;

constexpr const char* kTables = R"sql(
CREATE TABLE users(
    id INTEGER PRIMARY KEY,
    initials TEXT NOT NULL,
    name TEXT NOT NULL);
CREATE TABLE user_module_data(
    user_id INTEGER NOT NULL REFERENCES users(id),
    module_id INTEGER NOT NULL,
    data BLOB NOT NULL,
    PRIMARY KEY(user_id, module_id));
CREATE TABLE clients(
    id INTEGER PRIMARY KEY,
    first_name TEXT NOT NULL,
    middle_name TEXT NOT NULL,
    last_name TEXT NOT NULL,
    client_no TEXT NOT NULL,
    birth_date REAL);
CREATE TABLE sessions(
    id INTEGER PRIMARY KEY,
    client_id INTEGER NOT NULL REFERENCES clients(id),
    number INTEGER NOT NULL,
    date REAL NOT NULL,
    UNIQUE(client_id, number));
CREATE TABLE actions(
    id INTEGER PRIMARY KEY,
    session_id INTEGER NOT NULL REFERENCES sessions(id),
    number INTEGER NOT NULL,
    data_type_code INTEGER NOT NULL,
    data_format INTEGER NOT NULL,
    public_data BLOB,
    private_data BLOB,
    date_created REAL NOT NULL,
    last_modified REAL NOT NULL,
    time_stamp REAL NOT NULL,
    creator_module_id INTEGER NOT NULL,
    description TEXT NOT NULL,
    user_initials TEXT NOT NULL,
    revision INTEGER NOT NULL DEFAULT 0,
    UNIQUE(session_id, number));
CREATE TABLE action_links(
    action_id INTEGER NOT NULL REFERENCES actions(id),
    linked_action_id INTEGER NOT NULL REFERENCES actions(id),
    position INTEGER NOT NULL,
    PRIMARY KEY(action_id, linked_action_id));
CREATE TABLE module_categories(
    number INTEGER PRIMARY KEY,
    name TEXT NOT NULL);
CREATE TABLE modules(
    id INTEGER PRIMARY KEY,
    maker TEXT NOT NULL,
    name TEXT NOT NULL,
    clsid TEXT NOT NULL,
    print_handler TEXT NOT NULL,
    manufacturer_id INTEGER NOT NULL,
    local_id INTEGER NOT NULL,
    show INTEGER NOT NULL,
    category INTEGER REFERENCES module_categories(number),
    logo_path TEXT NOT NULL,
    help_file_path TEXT NOT NULL,
    UNIQUE(manufacturer_id, local_id));
CREATE TABLE module_data_types(
    module_id INTEGER NOT NULL REFERENCES modules(id) ON DELETE CASCADE,
    role TEXT NOT NULL CHECK(role IN ('make', 'show')),
    position INTEGER NOT NULL,
    code INTEGER NOT NULL,
    format INTEGER NOT NULL);
CREATE TABLE module_replacements(
    module_id INTEGER NOT NULL REFERENCES modules(id) ON DELETE CASCADE,
    position INTEGER NOT NULL,
    replaced_module_id INTEGER NOT NULL);
CREATE TABLE action_converters(
    data_type_code INTEGER NOT NULL,
    from_format INTEGER NOT NULL,
    to_format INTEGER NOT NULL,
    reserved INTEGER NOT NULL,
    converter_clsid TEXT NOT NULL,
    PRIMARY KEY(data_type_code, from_format, to_format));
INSERT INTO module_categories(number, name) VALUES (1, 'Fitting'), (2, 'Measurement'), (3, 'Other');
)sql";

std::int64_t pragma(sqlite::Connection& connection, const char* name)
{
    auto statement = connection.prepare(std::string("PRAGMA ") + name);
    return statement.step() ? statement.integer(0) : 0;
}

bool isEmpty(sqlite::Connection& connection)
{
    auto statement = connection.prepare("SELECT count(*) FROM sqlite_master");
    return statement.step() && statement.integer(0) == 0;
}

[[noreturn]] void refuse(const sqlite::Connection& connection, const std::string& why)
{
    raise(errors::DatabaseDamaged,
          "The host database " + connection.file().string() + " " + why + "; nothing was changed.");
}

void checkIntegrity(sqlite::Connection& connection)
{
    auto statement = connection.prepare("PRAGMA quick_check");
    if (statement.step() && statement.text(0) != "ok")
        refuse(connection, "is damaged (" + statement.text(0) + ")");
}

// Checks what the file holds; true when it is still empty.
bool checkExisting(sqlite::Connection& connection)
{
    checkIntegrity(connection);
    const std::int64_t application = pragma(connection, "application_id");
    if (application == 0 && isEmpty(connection)) return true;
    if (application != kApplicationId) refuse(connection, "is not a host database");
    if (pragma(connection, "user_version") > kSchemaVersion)
        refuse(connection, "was written by a newer version of the host");
    return false;
}

bool actionsHaveRevisions(sqlite::Connection& connection)
{
    auto statement = connection.prepare("SELECT count(*) FROM pragma_table_info('actions') WHERE name = 'revision'");
    return statement.step() && statement.integer(0) > 0;
}

// A file made before actions counted their changes gets the counter, at 0.
// Older hosts go on using the file: they name every column they read and
// write, so they leave the counter as it is (their changes go uncounted).
void addActionRevisions(sqlite::Connection& connection)
{
    if (actionsHaveRevisions(connection)) return;
    sqlite::Transaction transaction(connection);
    if (!actionsHaveRevisions(connection))
        connection.execute("ALTER TABLE actions ADD COLUMN revision INTEGER NOT NULL DEFAULT 0");
    transaction.commit();
}

}  // namespace

void prepareSchema(sqlite::Connection& connection)
{
    if (checkExisting(connection)) {
        // Another process may create the tables at the same moment: look
        // again once the write lock is ours.
        sqlite::Transaction transaction(connection);
        if (checkExisting(connection)) {
            connection.execute(kTables);
            connection.execute("PRAGMA application_id = " + std::to_string(kApplicationId));
            connection.execute("PRAGMA user_version = " + std::to_string(kSchemaVersion));
        }
        transaction.commit();
    }
    addActionRevisions(connection);
    connection.execute("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON");
}

}  // namespace host
