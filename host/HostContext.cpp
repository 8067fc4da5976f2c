#include "host/HostContext.h"

#include "host/HostErrors.h"

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

RowId HostContext::openSession()
{
    if (session) return *session;
    if (!sessionToOpen || !client) raise(errors::NotFound, "The host has no session open for the module");
    session = database()->addSession(*client, *sessionToOpen);
    sessionToOpen.reset();
    return *session;
}

void HostContext::tellActionsWritten() const
{
    if (actionsWritten) actionsWritten();
}

void HostContext::reset()
{
    *this = HostContext();
}

}  // namespace host
