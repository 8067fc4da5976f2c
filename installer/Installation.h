#pragma once
// Registers the audiogram module with the host: installs the action converter
// between formats 100 and 200 of data type 1, then describes the module (its
// document class, print handler, identity 0x200001, name, data types, the
// module it replaces, category, logo and help) to the Module Installation
// Server.
//
// The steps run in a fixed order. The first that fails hands its message to
// showFailure and ends the installation. Whatever happens, every host object
// is released and the component layer uninitialised before it returns.

#include "installer/HostAccess.h"
#include "installer/SetupOptions.h"

#include <functional>
#include <string_view>

namespace installer {

// True when everything was installed.
bool installModule(const SetupOptions& options, const HostAccess& host,
                   const std::function<void(std::string_view message)>& showFailure);

}  // namespace installer
