#include "host/HostErrors.h"

#include "host/HostInterfaces.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/sqlite/Connection.h"

#include <utility>

namespace host {

static_assert(errors::DiskFull == kDiskFullError, "modules tell a full disk apart by this number");

void raise(std::int32_t number, std::string description)
{
    platform::runtime::raise(number, std::move(description), kErrorSource);
}

void raiseDatabaseFailure(const platform::sqlite::Failure& failure)
{
    const std::string database = "The host database " + failure.file.string();
    if (failure.operation == platform::sqlite::Operation::Open)
        raise(errors::DatabaseFailure, database + " cannot be opened: " + failure.message);
    if (failure.damaged)
        raise(errors::DatabaseDamaged,
              database + " is damaged (" + failure.message + "); nothing was changed. Restore it from a backup.");
    if (failure.full)
        raise(errors::DiskFull, database + " failed: no space is left on its disk (" + failure.message + ")");
    raise(errors::DatabaseFailure, database + " failed: " + failure.message);
}

}  // namespace host
