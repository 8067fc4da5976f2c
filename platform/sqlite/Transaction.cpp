#include "platform/sqlite/Transaction.h"

#include "platform/sqlite/Connection.h"

namespace platform::sqlite {

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

}  // namespace platform::sqlite
