#include "host/HostErrors.h"

namespace host {

HostError::HostError(std::int32_t number, std::string description)
    : std::runtime_error(description), m_number(number), m_description(std::move(description))
{
}

void raise(std::int32_t number, std::string description)
{
    throw HostError(number, std::move(description));
}

}  // namespace host
