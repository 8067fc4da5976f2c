#include "host/HostContext.h"

namespace host {

HostContext& HostContext::current()
{
    static HostContext context;
    return context;
}

std::shared_ptr<HostDatabase> HostContext::database()
{
    if (!m_database) m_database = std::make_shared<HostDatabase>();
    return m_database;
}

void HostContext::setDatabase(std::shared_ptr<HostDatabase> database)
{
    m_database = std::move(database);
}

void HostContext::reset()
{
    *this = HostContext();
}

}  // namespace host
