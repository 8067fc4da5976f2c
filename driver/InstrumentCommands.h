#pragma once
// The command lines the driver sends to an audiometer: acknowledgements,
// resend requests and requests for a record, which differ by model.

#include "driver/SerialPort.h"
#include "marlet/DriverExports.h"

#include <optional>
#include <string>
#include <string_view>

namespace marlet {

// The line for a command character ('0' resend, '8' send your set-up, '9'
// acknowledge, ...), or none when the model has no line for it. Command '4'
// is never sent.
std::optional<std::string> audiometerCommandLine(ModelIndex model, char command);

// Writes the line with a 10 ms pause before and after, which the instruments
// need between a record and its answer. True when every byte was written.
bool sendLine(SerialPort& port, std::string_view line);

}  // namespace marlet
