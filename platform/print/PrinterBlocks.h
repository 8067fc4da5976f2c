#pragma once
// The printer-name and device-mode blocks that the print dialog hands out
// with a chosen printer: integer handles that, while alive, resolve to the
// printer's driver, device and port names and to its settings, and from
// which a printer device context can be made. Whoever receives a block frees
// it once; a freed handle resolves to nothing and is never handed out again.
// Used on the user-interface thread only.

#include "platform/gfx/Types.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace platform::print {

using BlockHandle = std::int32_t;

// Which printer: the driver that serves it, its name and where its output goes.
struct DeviceNames {
    std::string driver;
    std::string device;
    std::string port;
    friend bool operator==(const DeviceNames&, const DeviceNames&) = default;
};

// The settings the printer is to print with.
struct DeviceMode {
    std::string deviceName;
    int copies = 1;
    bool collate = false;
    friend bool operator==(const DeviceMode&, const DeviceMode&) = default;
};

// The blocks describing the named printer; 0 each when there is no such printer.
struct PrinterBlocks {
    BlockHandle names = 0;
    BlockHandle mode = 0;
};
PrinterBlocks allocPrinterBlocks(const std::string& printerName, int copies, bool collate);

// What a live block holds; nothing for 0, a freed handle or a block of the other kind.
std::optional<DeviceNames> deviceNames(BlockHandle block);
std::optional<DeviceMode> deviceMode(BlockHandle block);

// Frees a block of either kind; false for 0, an unknown or an already freed handle.
bool freeBlock(BlockHandle block);

// How many blocks are alive: for checks that every block handed out is freed.
std::size_t liveBlocks();

// A printer device context for the printer the names name, printing the
// copies of the mode where the printer takes them (Printers.h); 0 when the
// names name no printer of this machine. The caller deletes it with
// gfx::deleteDc.
gfx::DcHandle createDc(const DeviceNames& names, const std::optional<DeviceMode>& mode = std::nullopt);

}  // namespace platform::print
