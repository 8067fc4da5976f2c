#include "host/Client.h"

#include "host/HostDatabase.h"
#include "host/HostErrors.h"

namespace host {

ClientRecord Client::record() const
{
    auto stored = m_database->client(m_id);
    if (!stored) raise(errors::NotFound, "The client is no longer in the host database");
    return std::move(*stored);
}

}  // namespace host
