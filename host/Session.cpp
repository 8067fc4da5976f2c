#include "host/Session.h"

#include "host/HostDatabase.h"
#include "host/HostErrors.h"

namespace host {

SessionRecord Session::record() const
{
    auto stored = m_database->session(m_id);
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
