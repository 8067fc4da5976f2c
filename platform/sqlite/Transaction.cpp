#include "platform/sqlite/Transaction.h"

#include "platform/sqlite/Connection.h"

#include <string>

namespace platform::sqlite {

namespace {

constexpr const char* kSavepoint = "nested";

}  // namespace

Transaction::Transaction(Connection& connection)
    : m_connection(connection), m_nested(connection.inTransaction())
{
    m_connection.execute(m_nested ? std::string("SAVEPOINT ") + kSavepoint : std::string("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (!m_open) return;
    if (m_nested)
        m_connection.rollbackTo(kSavepoint);
    else
        m_connection.rollback();
}

void Transaction::commit()
{
    m_connection.execute(m_nested ? std::string("RELEASE ") + kSavepoint : std::string("COMMIT"));
    m_open = false;
}

}  // namespace platform::sqlite
