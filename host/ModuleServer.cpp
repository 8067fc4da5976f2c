#include "host/ModuleServer.h"

#include "host/HostContext.h"

namespace host {

namespace {

// A choice of the host that still names a stored row.
template <class Object, class Lookup>
std::optional<Object> chosen(const std::shared_ptr<HostDatabase>& database, const std::optional<RowId>& id,
                             Lookup lookup)
{
    if (!id || !((*database).*lookup)(*id)) return std::nullopt;
    return Object(database, *id);
}

}  // namespace

ModuleServer::ModuleServer() : m_database(HostContext::current().database()) {}

std::optional<Client> ModuleServer::currentClient() const
{
    return chosen<Client>(m_database, HostContext::current().client, &HostDatabase::client);
}

std::optional<User> ModuleServer::currentUser() const
{
    return chosen<User>(m_database, HostContext::current().user, &HostDatabase::user);
}

std::optional<Session> ModuleServer::currentSession() const
{
    const HostContext& context = HostContext::current();
    if (!context.session && context.sessionToOpen && context.client) return Session(m_database, kSessionToOpen);
    return chosen<Session>(m_database, context.session, &HostDatabase::session);
}

std::int32_t ModuleServer::languageId() const
{
    return HostContext::current().languageId;
}

std::optional<Action> ModuleServer::getShowAction(std::int32_t moduleId)
{
    m_moduleId = moduleId;
    return chosen<Action>(m_database, HostContext::current().showAction, &HostDatabase::action);
}

std::optional<Action> ModuleServer::getPrintAction(std::int32_t moduleId)
{
    m_moduleId = moduleId;
    return chosen<Action>(m_database, HostContext::current().printAction, &HostDatabase::action);
}

std::int32_t ModuleServer::moduleId() const
{
    return m_moduleId != 0 ? m_moduleId : HostContext::current().runningModule;
}

void ModuleServer::beginTransaction()
{
    m_database->beginChanges();
    const HostContext& context = HostContext::current();
    m_visitBeforeTransaction = VisitChoice{context.session, context.sessionToOpen};
}

void ModuleServer::commitTransaction()
{
    try {
        m_database->commitChanges();
    } catch (...) {
        rollbackTransaction();
        throw;
    }
    m_visitBeforeTransaction.reset();
}

void ModuleServer::rollbackTransaction() noexcept
{
    if (!m_visitBeforeTransaction) return;
    m_database->rollbackChanges();
    HostContext& context = HostContext::current();
    context.session = m_visitBeforeTransaction->session;
    context.sessionToOpen = m_visitBeforeTransaction->sessionToOpen;
    m_visitBeforeTransaction.reset();
    // What shows the client's record may have shown the dropped writes.
    context.tellActionsWritten();
}

}  // namespace host
