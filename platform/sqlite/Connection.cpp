#include "platform/sqlite/Connection.h"

#include <sqlite3.h>

#include <exception>
#include <string>
#include <utility>

namespace platform::sqlite {

namespace {

// Long enough for another process to finish any one write of its own, short
// enough that a stuck peer is reported rather than waited for without end.
constexpr int kBusyTimeoutMs = 10000;

bool isDamage(int code)
{
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

bool isFull(int code)
{
    return (code & 0xFF) == SQLITE_FULL;
}

[[noreturn]] void report(FailureHandler onFailure, const Failure& failure)
{
    onFailure(failure);
    // The code after every failure takes it that the handler threw: carrying
    // on would use a statement or a connection that failed.
    std::terminate();
}

}  // namespace

Connection::Connection(const std::filesystem::path& file, FailureHandler onFailure)
    : m_file(file), m_onFailure(onFailure)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    const int code = sqlite3_open_v2(file.c_str(), &m_db, flags, nullptr);
    if (code != SQLITE_OK) {
        std::string message = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
        sqlite3_close(m_db);
        m_db = nullptr;
        report(m_onFailure, Failure{m_file, Operation::Open, code, std::move(message), isDamage(code), isFull(code)});
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
}

Connection::~Connection()
{
    sqlite3_close(m_db);
}

void Connection::fail(Operation operation, int code) const
{
    report(m_onFailure, Failure{m_file, operation, code, sqlite3_errmsg(m_db), isDamage(code), isFull(code)});
}

void Connection::execute(std::string_view sql)
{
    const std::string text(sql);
    const int code = sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) fail(Operation::Execute, code);
}

Statement Connection::prepare(std::string_view sql)
{
    sqlite3_stmt* statement = nullptr;
    const int code = sqlite3_prepare_v2(m_db, sql.data(), static_cast<int>(sql.size()), &statement, nullptr);
    if (code != SQLITE_OK) fail(Operation::Prepare, code);
    return Statement(*this, statement);
}

std::int64_t Connection::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int Connection::changes() const
{
    return sqlite3_changes(m_db);
}

bool Connection::inTransaction() const
{
    return sqlite3_get_autocommit(m_db) == 0;
}

void Connection::rollback() noexcept
{
    // A failed rollback leaves SQLite to roll back when the connection closes.
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Connection::rollbackTo(std::string_view savepoint) noexcept
{
    // Fails only where SQLite already ended the whole transaction, taking the
    // savepoint's changes with it.
    const std::string name(savepoint);
    sqlite3_exec(m_db, ("ROLLBACK TO " + name + "; RELEASE " + name).c_str(), nullptr, nullptr, nullptr);
}

}  // namespace platform::sqlite
