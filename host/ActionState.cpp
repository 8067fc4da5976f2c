#include "host/ActionState.h"

#include "host/HostErrors.h"

namespace host::detail {

ActionRecord ActionState::read() const
{
    if (!database) return record;
    auto stored = database->action(record.id);
    if (!stored) raise(errors::NotFound, "The action is no longer in the host database");
    return std::move(*stored);
}

}  // namespace host::detail
