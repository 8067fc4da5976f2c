#pragma once
// A thin layer over SQLite for the host database: a connection, prepared
// statements and immediate transactions. Every SQLite failure is raised as a
// host error; a damaged file is told apart from other failures.

#include "host/Records.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace host::sqlite {

class Statement;

class Connection {
public:
    // Opens (creating when missing) the database file. Waits up to the busy
    // time-out for a lock held by another connection or process.
    explicit Connection(const std::filesystem::path& file);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs one or more statements that take no parameters.
    void execute(std::string_view sql);
    Statement prepare(std::string_view sql);
    std::int64_t lastInsertRowId() const;
    // Rows changed by the last statement.
    int changes() const;
    // Ends the open transaction without its changes; never fails.
    void rollback() noexcept;
    const std::filesystem::path& file() const { return m_file; }

    // Raises the failure that SQLite reported with result code `code`.
    [[noreturn]] void fail(int code) const;

private:
    std::filesystem::path m_file;
    sqlite3* m_db = nullptr;
};

class Statement {
public:
    Statement(Connection& connection, sqlite3_stmt* statement) : m_connection(&connection), m_statement(statement) {}
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& operator=(Statement&&) = delete;

    // Parameters are numbered from 1, as in the SQL text (?1, ?2, ...).
    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, int value) { return bind(index, std::int64_t{value}); }
    Statement& bind(int index, double value);
    Statement& bind(int index, std::string_view value);
    Statement& bind(int index, const std::optional<Bytes>& value);
    Statement& bind(int index, const std::optional<double>& value);
    Statement& bindNull(int index);

    // Steps once; true when a row is ready.
    bool step();
    // Steps to the end of a statement that returns no rows.
    void run();

    // Columns are numbered from 0.
    std::int64_t integer(int column) const;
    double real(int column) const;
    std::string text(int column) const;
    std::optional<Bytes> blob(int column) const;
    std::optional<double> optionalReal(int column) const;
    std::optional<std::int64_t> optionalInteger(int column) const;

private:
    Connection* m_connection;
    sqlite3_stmt* m_statement;
};

// BEGIN IMMEDIATE on construction: the write lock is taken at once, so two
// processes never both read a state that only one of them may extend.
// Rolled back on destruction unless committed.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Connection& m_connection;
    bool m_open = true;
};

}  // namespace host::sqlite
