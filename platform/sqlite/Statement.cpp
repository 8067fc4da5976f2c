#include "platform/sqlite/Statement.h"

#include "platform/sqlite/Connection.h"

#include <sqlite3.h>

#include <utility>

namespace platform::sqlite {

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
    if (const int code = sqlite3_bind_int64(m_statement, index, value); code != SQLITE_OK)
        m_connection->fail(Operation::Bind, code);
    return *this;
}

Statement& Statement::bind(int index, double value)
{
    if (const int code = sqlite3_bind_double(m_statement, index, value); code != SQLITE_OK)
        m_connection->fail(Operation::Bind, code);
    return *this;
}

Statement& Statement::bind(int index, std::string_view value)
{
    // A null pointer would bind NULL: an empty view may have one.
    const char* text = value.empty() ? "" : value.data();
    const int code = sqlite3_bind_text64(m_statement, index, text, value.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    if (code != SQLITE_OK) m_connection->fail(Operation::Bind, code);
    return *this;
}

Statement& Statement::bind(int index, std::span<const std::uint8_t> value)
{
    // zeroblob keeps an empty array a value: a null pointer would bind NULL.
    const int code = value.empty()
        ? sqlite3_bind_zeroblob(m_statement, index, 0)
        : sqlite3_bind_blob64(m_statement, index, value.data(), value.size(), SQLITE_TRANSIENT);
    if (code != SQLITE_OK) m_connection->fail(Operation::Bind, code);
    return *this;
}

Statement& Statement::bindNull(int index)
{
    if (const int code = sqlite3_bind_null(m_statement, index); code != SQLITE_OK)
        m_connection->fail(Operation::Bind, code);
    return *this;
}

bool Statement::step()
{
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW) return true;
    if (code == SQLITE_DONE) return false;
    m_connection->fail(Operation::Step, code);
}

void Statement::run()
{
    while (step()) {
    }
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
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
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)))
                : std::string();
}

std::vector<std::uint8_t> Statement::bytes(int column) const
{
    const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(m_statement, column));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column));
    return data ? std::vector<std::uint8_t>(data, data + size) : std::vector<std::uint8_t>();
}

std::optional<std::int64_t> Statement::optionalInteger(int column) const
{
    if (isNull(column)) return std::nullopt;
    return integer(column);
}

std::optional<double> Statement::optionalReal(int column) const
{
    if (isNull(column)) return std::nullopt;
    return real(column);
}

std::optional<std::vector<std::uint8_t>> Statement::optionalBytes(int column) const
{
    if (isNull(column)) return std::nullopt;
    return bytes(column);
}

}  // namespace platform::sqlite
