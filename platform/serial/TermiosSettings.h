#pragma once
// Line settings in and out of a terminal's termios record.

#include "platform/serial/SerialPort.h"

#include <termios.h>

namespace platform::serial {

// Puts the settings into the record, leaving its other flags (hardware flow
// control among them) as they are; false, with the record unchanged, when a
// setting is not supported.
bool applyLineSettings(const LineSettings& settings, termios& line);

// The settings a record holds; the defaults of LineSettings where it holds
// something they cannot express.
LineSettings lineSettingsOf(const termios& line);

}  // namespace platform::serial
