#pragma once
// A port name ("COM3") pointed at a device through the machine's port map,
// for as long as the object lives: the driver then opens the device by the
// port name its settings give.

#include <string>

namespace instrument_sim {

class PortMapping {
public:
    // std::runtime_error when the registry refuses the mapping.
    PortMapping(std::string portName, const std::string& devicePath);
    ~PortMapping();
    PortMapping(const PortMapping&) = delete;
    PortMapping& operator=(const PortMapping&) = delete;

    const std::string& portName() const { return m_portName; }

private:
    std::string m_portName;
};

}  // namespace instrument_sim
