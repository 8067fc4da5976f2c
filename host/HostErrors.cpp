#include "host/HostErrors.h"

#include "platform/runtime/RuntimeError.h"

namespace host {

void raise(std::int32_t number, std::string description)
{
    platform::runtime::raise(number, std::move(description), kErrorSource);
}

}  // namespace host
