#pragma once
// A prepared statement of a Connection: parameters in, rows out. Every SQLite
// failure goes to the connection's failure handler.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;

namespace platform::sqlite {

class Connection;

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
    // Empty text and empty bytes are values, never NULL.
    Statement& bind(int index, std::string_view value);
    Statement& bind(int index, std::span<const std::uint8_t> value);
    // NULL for nullopt.
    template <class T>
    Statement& bind(int index, const std::optional<T>& value)
    {
        return value ? bind(index, *value) : bindNull(index);
    }
    Statement& bindNull(int index);

    // Steps once; true when a row is ready.
    bool step();
    // Steps to the end of a statement that returns no rows.
    void run();

    // Columns are numbered from 0. A NULL reads as 0, empty text or no bytes;
    // the optional readers tell it apart.
    std::int64_t integer(int column) const;
    double real(int column) const;
    std::string text(int column) const;
    std::vector<std::uint8_t> bytes(int column) const;
    std::optional<std::int64_t> optionalInteger(int column) const;
    std::optional<double> optionalReal(int column) const;
    std::optional<std::vector<std::uint8_t>> optionalBytes(int column) const;

private:
    bool isNull(int column) const;

    Connection* m_connection;
    sqlite3_stmt* m_statement;
};

}  // namespace platform::sqlite
