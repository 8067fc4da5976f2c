#include "platform/sqlite/Connection.h"

#include <sqlite3.h>

#include <cerrno>
#include <exception>
#include <string>
#include <system_error>
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

bool isReadOnly(int code, int systemError)
{
    const int primary = code & 0xFF;
    return primary == SQLITE_READONLY || systemError == EROFS || systemError == EACCES || systemError == EPERM;
}

bool isDiskFull(int code, int systemError)
{
    return (code & 0xFF) == SQLITE_FULL || systemError == ENOSPC || systemError == EDQUOT || systemError == EFBIG;
}

// The file as a URI that opens it as unchangeable, for reading without the
// write-ahead log's index, which a read-only folder cannot hold.
std::string unchangeableUri(const std::filesystem::path& file)
{
    std::string uri = "file:";
    for (const char c : std::filesystem::absolute(file).string()) {
        if (c == '%') uri += "%25";
        else if (c == '?') uri += "%3f";
        else if (c == '#') uri += "%23";
        else uri += c;
    }
    return uri + "?immutable=1";
}

// The errno behind a failure of a file operation; 0 for any other failure,
// for which SQLite's last errno would belong to an earlier, unrelated call.
int systemErrorOf(sqlite3* db, int code)
{
    const int primary = code & 0xFF;
    const bool fileOperation = primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN || primary == SQLITE_FULL ||
                               primary == SQLITE_READONLY;
    return db && fileOperation ? sqlite3_system_errno(db) : 0;
}

int openDatabase(const std::string& name, int flags, sqlite3** db)
{
    const int code = sqlite3_open_v2(name.c_str(), db, flags | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (code == SQLITE_OK) {
        sqlite3_extended_result_codes(*db, 1);
        sqlite3_busy_timeout(*db, kBusyTimeoutMs);
    }
    return code;
}

[[noreturn]] void report(FailureHandler onFailure, const Failure& failure)
{
    onFailure(failure);
    // The code after every failure takes it that the handler threw: carrying
    // on would use a statement or a connection that failed.
    std::terminate();
}

}  // namespace

std::string causeOf(const Failure& failure)
{
    if (failure.damaged) return "the file is damaged";
    if (isDiskFull(failure.code, failure.systemError)) return "the disk is full";
    if (isReadOnly(failure.code, failure.systemError)) return "the file or its folder is read-only";
    return {};
}

Connection::Connection(const std::filesystem::path& file, FailureHandler onFailure)
    : m_file(file), m_onFailure(onFailure)
{
    const int code = openDatabase(file.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &m_db);
    if (code != SQLITE_OK) {
        const int systemError = systemErrorOf(m_db, code);
        std::string message = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
        sqlite3_close(m_db);
        m_db = nullptr;
        report(m_onFailure,
               Failure{m_file, Operation::Open, code, std::move(message), isDamage(code),
                       isDiskFull(code, systemError), systemError});
    }
    // A write-ahead-log database in a folder that this process may not write
    // to cannot be read as usual (its log's index cannot be made), unless a
    // writer elsewhere keeps that index. It is then read as it stands, which
    // is what a read-only machine root needs to start and print. When that
    // fails too, the first use reports why the file cannot be read.
    const int reading = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) & 0xFF;
    std::error_code ignored;
    if ((reading == SQLITE_READONLY || reading == SQLITE_CANTOPEN) && std::filesystem::exists(file, ignored)) {
        sqlite3* unchangeable = nullptr;
        if (openDatabase(unchangeableUri(file), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, &unchangeable) == SQLITE_OK) {
            sqlite3_close(m_db);
            m_db = unchangeable;
        } else {
            sqlite3_close(unchangeable);
        }
    }
}

Connection::~Connection()
{
    sqlite3_close(m_db);
}

void Connection::fail(Operation operation, int code) const
{
    const int systemError = systemErrorOf(m_db, code);
    report(m_onFailure, Failure{m_file, operation, code, sqlite3_errmsg(m_db), isDamage(code),
                                isDiskFull(code, systemError), systemError});
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
