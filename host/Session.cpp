#include "host/Session.h"

#include "host/HostContext.h"
#include "host/HostDatabase.h"
#include "host/HostErrors.h"

namespace host {

SessionRecord Session::record() const
{
    const HostContext& context = HostContext::current();
    RowId id = m_id;
    if (id == kSessionToOpen) {
        if (!context.session && context.sessionToOpen && context.client)
            return SessionRecord{.clientId = *context.client,
                                 .index = static_cast<int>(m_database->sessions(*context.client).size()) + 1,
                                 .date = *context.sessionToOpen};
        id = context.session.value_or(kSessionToOpen);
    }
    auto stored = m_database->session(id);
    if (!stored) raise(errors::NotFound, "The session is no longer in the host database");
    return *stored;
}

int Session::index() const
{
    return record().index;
}

Date Session::date() const
{
    return record().date;
}

}  // namespace host
