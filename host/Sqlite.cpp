#include "host/Sqlite.h"

#include "host/HostErrors.h"

#include <sqlite3.h>

#include <utility>

namespace host::sqlite {

namespace {

// Long enough for another process to finish any one write of ours.
constexpr int kBusyTimeoutMs = 10000;

bool isDamage(int code)
{
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

}  // namespace

Connection::Connection(const std::filesystem::path& file) : m_file(file)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    const int code = sqlite3_open_v2(file.c_str(), &m_db, flags, nullptr);
    if (code != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
        sqlite3_close(m_db);
        m_db = nullptr;
        raise(errors::DatabaseFailure, "The host database " + file.string() + " cannot be opened: " + message);
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
}

Connection::~Connection()
{
    sqlite3_close(m_db);
}

void Connection::fail(int code) const
{
    const std::string message = sqlite3_errmsg(m_db);
    if (isDamage(code))
        raise(errors::DatabaseDamaged, "The host database " + m_file.string() + " is damaged (" + message +
                                           "); nothing was changed. Restore it from a backup.");
    raise(errors::DatabaseFailure, "The host database " + m_file.string() + " failed: " + message);
}

void Connection::execute(std::string_view sql)
{
    const std::string text(sql);
    const int code = sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) fail(code);
}

Statement Connection::prepare(std::string_view sql)
{
    sqlite3_stmt* statement = nullptr;
    const int code = sqlite3_prepare_v2(m_db, sql.data(), static_cast<int>(sql.size()), &statement, nullptr);
    if (code != SQLITE_OK) fail(code);
    return Statement(*this, statement);
}

void Connection::rollback() noexcept
{
    // A failed rollback leaves SQLite to roll back when the connection closes.
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

std::int64_t Connection::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int Connection::changes() const
{
    return sqlite3_changes(m_db);
}

Statement::~Statement()
{
    sqlite3_finalize(m_statement);
}

Statement::Statement(Statement&& other) noexcept
    : m_connection(other.m_connection), m_statement(std::exchange(other.m_statement, nullptr))
{
}

Statement& Statement::bind(int index, std::int64_t value)
{
    if (const int code = sqlite3_bind_int64(m_statement, index, value); code != SQLITE_OK) m_connection->fail(code);
    return *this;
}

Statement& Statement::bind(int index, double value)
{
    if (const int code = sqlite3_bind_double(m_statement, index, value); code != SQLITE_OK) m_connection->fail(code);
    return *this;
}

Statement& Statement::bind(int index, std::string_view value)
{
    const int code = sqlite3_bind_text64(m_statement, index, value.data(), value.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    if (code != SQLITE_OK) m_connection->fail(code);
    return *this;
}

Statement& Statement::bind(int index, const std::optional<Bytes>& value)
{
    // An empty array is still a value, never NULL: zeroblob keeps it apart.
    const int code = !value           ? sqlite3_bind_null(m_statement, index)
                     : value->empty() ? sqlite3_bind_zeroblob(m_statement, index, 0)
                                      : sqlite3_bind_blob64(m_statement, index, value->data(), value->size(),
                                                            SQLITE_TRANSIENT);
    if (code != SQLITE_OK) m_connection->fail(code);
    return *this;
}

Statement& Statement::bind(int index, const std::optional<double>& value)
{
    return value ? bind(index, *value) : bindNull(index);
}

Statement& Statement::bindNull(int index)
{
    if (const int code = sqlite3_bind_null(m_statement, index); code != SQLITE_OK) m_connection->fail(code);
    return *this;
}

bool Statement::step()
{
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW) return true;
    if (code == SQLITE_DONE) return false;
    m_connection->fail(code);
}

void Statement::run()
{
    while (step()) {
    }
}

std::int64_t Statement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double Statement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

std::string Statement::text(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column))) : std::string();
}

std::optional<Bytes> Statement::blob(int column) const
{
    if (sqlite3_column_type(m_statement, column) == SQLITE_NULL) return std::nullopt;
    const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(m_statement, column));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column));
    return data ? Bytes(data, data + size) : Bytes();
}

std::optional<double> Statement::optionalReal(int column) const
{
    if (sqlite3_column_type(m_statement, column) == SQLITE_NULL) return std::nullopt;
    return real(column);
}

std::optional<std::int64_t> Statement::optionalInteger(int column) const
{
    if (sqlite3_column_type(m_statement, column) == SQLITE_NULL) return std::nullopt;
    return integer(column);
}

Transaction::Transaction(Connection& connection) : m_connection(connection)
{
    m_connection.execute("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (m_open) m_connection.rollback();
}

void Transaction::commit()
{
    m_connection.execute("COMMIT");
    m_open = false;
}

}  // namespace host::sqlite
