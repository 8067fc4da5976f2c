#pragma once
// One connection to an SQLite file, shared by the stores that keep their data
// in SQLite. The connection knows nothing of its caller's errors: every
// failure goes, with what SQLite said about it, to a function that the caller
// gives, which raises the caller's own error.

#include "platform/sqlite/Statement.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

struct sqlite3;

namespace platform::sqlite {

// What was being done when SQLite failed.
enum class Operation { Open, Execute, Prepare, Bind, Step };

struct Failure {
    std::filesystem::path file;
    Operation operation = Operation::Open;
    int code = 0;         // SQLite's extended result code
    std::string message;  // SQLite's own account of what went wrong
    bool damaged = false; // the file is corrupt or is no database at all
    bool full = false;    // the disk, or the file's size limit, left no room for the write
    int systemError = 0;  // the errno of the failed system call, 0 when none
};

// The cause of a failure in words that tell the user what to mend: "the file
// is damaged", "the disk is full", "the file or its folder is read-only";
// empty when it is none of these.
std::string causeOf(const Failure& failure);

// Raises the caller's error for a failure. It must not return: a handler that
// does ends the program.
using FailureHandler = void (*)(const Failure& failure);

class Connection {
public:
    // Opens (creating when missing) the file. A lock that another connection
    // or process holds is waited for up to a busy time-out, then reported.
    // A database that this process may not write to is opened for reading
    // only; every write to it then fails as read-only.
    Connection(const std::filesystem::path& file, FailureHandler onFailure);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs one or more statements that take no parameters.
    void execute(std::string_view sql);
    Statement prepare(std::string_view sql);
    std::int64_t lastInsertRowId() const;
    // Rows changed by the last statement.
    int changes() const;
    // True between a BEGIN and its COMMIT or ROLLBACK. SQLite itself may end
    // a transaction after some failures (a full disk among them).
    bool inTransaction() const;
    // Ends the open transaction without its changes; never fails.
    void rollback() noexcept;
    // Takes back the changes since the savepoint and lets it go; never fails.
    void rollbackTo(std::string_view savepoint) noexcept;
    const std::filesystem::path& file() const { return m_file; }

private:
    friend class Statement;
    // Hands the failure that SQLite reported with `code` to the caller's handler.
    [[noreturn]] void fail(Operation operation, int code) const;

    std::filesystem::path m_file;
    FailureHandler m_onFailure;
    sqlite3* m_db = nullptr;
};

}  // namespace platform::sqlite
