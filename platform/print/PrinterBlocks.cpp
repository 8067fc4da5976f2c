#include "platform/print/PrinterBlocks.h"

#include "platform/print/Printers.h"

#include <algorithm>
#include <map>
#include <variant>

namespace platform::print {
namespace {

// The built-in printer writes files itself; the machine's printers go through
// the system's print spooler.
constexpr std::string_view kBuiltInDriver = "Brisance";
constexpr std::string_view kSpoolerDriver = "Spooler";

using Block = std::variant<DeviceNames, DeviceMode>;

struct BlockTable {
    std::map<BlockHandle, Block> blocks;
    BlockHandle next = 1;
};

BlockTable& table()
{
    static BlockTable instance;
    return instance;
}

BlockHandle add(Block block)
{
    BlockTable& blocks = table();
    const BlockHandle handle = blocks.next++;
    blocks.blocks.emplace(handle, std::move(block));
    return handle;
}

template <class T>
std::optional<T> resolve(BlockHandle handle)
{
    const auto found = table().blocks.find(handle);
    if (found == table().blocks.end())
        return std::nullopt;
    if (const T* value = std::get_if<T>(&found->second))
        return *value;
    return std::nullopt;
}

}  // namespace

PrinterBlocks allocPrinterBlocks(const std::string& printerName, int copies, bool collate)
{
    const BuiltInPrinterSettings builtIn = builtInPrinterSettings();
    const bool isBuiltIn = !builtIn.name.empty() && printerName == builtIn.name;
    if (!isBuiltIn) {
        const std::vector<std::string> names = printerNames();
        if (printerName.empty() || std::find(names.begin(), names.end(), printerName) == names.end())
            return {};
    }
    DeviceNames names{std::string(isBuiltIn ? kBuiltInDriver : kSpoolerDriver), printerName,
                      isBuiltIn ? builtIn.folder.string() : std::string()};
    return {add(std::move(names)), add(DeviceMode{printerName, copies, collate})};
}

std::optional<DeviceNames> deviceNames(BlockHandle block) { return resolve<DeviceNames>(block); }

std::optional<DeviceMode> deviceMode(BlockHandle block) { return resolve<DeviceMode>(block); }

bool freeBlock(BlockHandle block) { return table().blocks.erase(block) == 1; }

std::size_t liveBlocks() { return table().blocks.size(); }

gfx::DcHandle createDc(const DeviceNames& names, const std::optional<DeviceMode>& mode)
{
    return createPrinterDc(names.device, mode ? PrinterCopies{mode->copies, mode->collate} : PrinterCopies{});
}

}  // namespace platform::print
