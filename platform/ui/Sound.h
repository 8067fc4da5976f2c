#pragma once
// System sounds by their alias names.

#include <string>

namespace platform::ui {

// Starts the system sound of the alias ("SystemQuestion", "SystemExclamation",
// "SystemAsterisk", "SystemHand", "SystemDefault", ".Default") and returns at
// once. False for an unknown alias. With a test responder installed the sound
// is recorded, not played.
bool playSystemSound(const std::string& alias);

}  // namespace platform::ui
