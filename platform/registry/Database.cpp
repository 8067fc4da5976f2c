#include "platform/registry/Database.h"

#include "platform/registry/Registry.h"

#include <sqlite3.h>

namespace platform::registry {

namespace {

// Long enough for another process's write to finish, short enough that a stuck
// peer is reported rather than waited for without end.
constexpr int kBusyTimeoutMs = 10000;

}  // namespace

Database::Database(const std::filesystem::path& file)
    : m_file(file)
{
    const int opened = sqlite3_open_v2(file.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                       nullptr);
    if (opened != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(opened);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw RegistryError("registry file \"" + m_file.string() + "\": cannot be opened (" + message + ")");
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
}

Database::~Database()
{
    sqlite3_close(m_db);
}

void Database::execute(const char* sql)
{
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail("cannot be used");
}

void Database::fail(std::string_view what) const
{
    throw RegistryError("registry file \"" + m_file.string() + "\": " + std::string(what) + " ("
                        + sqlite3_errmsg(m_db) + ")");
}

void Database::reject(std::string_view what) const
{
    throw RegistryError("registry file \"" + m_file.string() + "\": " + std::string(what));
}

Statement::Statement(Database& db, const char* sql)
    : m_db(db)
{
    if (sqlite3_prepare_v2(db.handle(), sql, -1, &m_statement, nullptr) != SQLITE_OK)
        db.fail("cannot be read");
}

Statement::~Statement()
{
    sqlite3_finalize(m_statement);
}

Statement& Statement::bind(int index, std::int64_t number)
{
    if (sqlite3_bind_int64(m_statement, index, number) != SQLITE_OK)
        m_db.fail("cannot take a parameter");
    return *this;
}

Statement& Statement::bind(int index, std::string_view text)
{
    if (sqlite3_bind_text(m_statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT)
        != SQLITE_OK)
        m_db.fail("cannot take a parameter");
    return *this;
}

Statement& Statement::bind(int index, std::span<const std::uint8_t> bytes)
{
    // An empty blob must stay a blob: a null pointer would bind NULL.
    const int bound = bytes.empty()
        ? sqlite3_bind_zeroblob(m_statement, index, 0)
        : sqlite3_bind_blob(m_statement, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    if (bound != SQLITE_OK)
        m_db.fail("cannot take a parameter");
    return *this;
}

Statement& Statement::bindNull(int index)
{
    if (sqlite3_bind_null(m_statement, index) != SQLITE_OK)
        m_db.fail("cannot take a parameter");
    return *this;
}

bool Statement::step()
{
    switch (sqlite3_step(m_statement)) {
    case SQLITE_ROW:
        return true;
    case SQLITE_DONE:
        return false;
    default:
        m_db.fail("cannot be read or written");
    }
}

std::int64_t Statement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

std::string Statement::text(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)))
                : std::string();
}

std::vector<std::uint8_t> Statement::bytes(int column) const
{
    const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(m_statement, column));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column));
    return data ? std::vector<std::uint8_t>(data, data + size) : std::vector<std::uint8_t>();
}

Transaction::Transaction(Database& db)
    : m_db(db)
{
    m_db.execute("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (!m_done)
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_db.execute("COMMIT");
    m_done = true;
}

}  // namespace platform::registry
