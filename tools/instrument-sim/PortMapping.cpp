#include "tools/instrument-sim/PortMapping.h"

#include "platform/registry/Key.h"
#include "platform/serial/PortNames.h"

#include <stdexcept>

namespace instrument_sim {

namespace {

using namespace platform::registry;

}  // namespace

PortMapping::PortMapping(std::string portName, const std::string& devicePath) : m_portName(std::move(portName))
{
    Key ports;
    if (createKey(Root::LocalMachine, platform::serial::kPortMapKey, Access::Write, ports) != Result::Success ||
        ports.setString(m_portName, devicePath) != Result::Success)
        throw std::runtime_error("the port map refuses " + m_portName + " for " + devicePath);
}

PortMapping::~PortMapping()
{
    try {
        Key ports;
        if (openKey(Root::LocalMachine, platform::serial::kPortMapKey, Access::Write, ports) == Result::Success)
            ports.deleteValue(m_portName);
    } catch (const RegistryError&) {
        // The mapping stays behind in a registry that can no longer be written.
    }
}

}  // namespace instrument_sim
