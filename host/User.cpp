#include "host/User.h"

#include "host/HostDatabase.h"
#include "host/HostErrors.h"

namespace host {

UserRecord User::record() const
{
    auto stored = m_database->user(m_id);
    if (!stored) raise(errors::NotFound, "The user is no longer in the host database");
    return std::move(*stored);
}

Bytes User::moduleData(std::int32_t moduleId) const
{
    auto data = m_database->moduleData(m_id, moduleId);
    if (!data) raise(errors::NoModuleData, "No module data is stored for this user");
    return std::move(*data);
}

void User::setModuleData(std::int32_t moduleId, const Bytes& data) const
{
    m_database->setModuleData(m_id, moduleId, data);
}

}  // namespace host
