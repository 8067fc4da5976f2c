#include "host/Sessions.h"

#include "host/HostDatabase.h"
#include "host/HostErrors.h"

namespace host {

int Sessions::count() const
{
    return static_cast<int>(m_database->sessions(m_client).size());
}

Session Sessions::item(int index) const
{
    const auto session = m_database->sessionAt(m_client, index);
    if (!session) raise(errors::NotFound, "The client has no session " + std::to_string(index));
    return Session(m_database, session->id);
}

std::vector<Session> Sessions::all() const
{
    std::vector<Session> sessions;
    for (const SessionRecord& record : m_database->sessions(m_client)) sessions.emplace_back(m_database, record.id);
    return sessions;
}

Session Sessions::add(Date date) const
{
    return Session(m_database, m_database->addSession(m_client, date));
}

}  // namespace host
