#include "platform/print/PrinterBlocks.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/PrinterSurface.h"
#include "platform/print/Printers.h"
#include "platform/ui/TestResponder.h"

#include <gtest/gtest.h>

namespace platform::print {
namespace {

TEST(PrinterBlocks, TheDialogHandsOutBlocksThatNameThePrinterUntilFreed)
{
    const PrintDialogResult result = printDialog(0x14000C | PD_RETURNDEFAULT);
    ASSERT_EQ(result.outcome, PrintDialogOutcome::Printer);
    EXPECT_EQ(result.dc, 0) << "no context without PD_RETURNDC";
    EXPECT_EQ(liveBlocks(), 2u);

    const std::optional<DeviceNames> names = deviceNames(result.blocks.names);
    ASSERT_TRUE(names);
    EXPECT_EQ(names->device, defaultPrinterName());
    EXPECT_FALSE(names->driver.empty());
    const std::optional<DeviceMode> mode = deviceMode(result.blocks.mode);
    ASSERT_TRUE(mode);
    EXPECT_EQ(mode->deviceName, defaultPrinterName());
    EXPECT_EQ(mode->copies, 1);
    EXPECT_FALSE(deviceNames(result.blocks.mode)) << "a settings block is no names block";
    EXPECT_FALSE(deviceMode(result.blocks.names));

    const gfx::DcHandle dc = createDc(*names);
    ASSERT_NE(dc, 0);
    EXPECT_EQ(gfx::getDeviceCaps(dc, gfx::TECHNOLOGY), gfx::DT_RASPRINTER);
    gfx::deleteDc(dc);

    EXPECT_TRUE(freeBlock(result.blocks.names));
    EXPECT_FALSE(freeBlock(result.blocks.names)) << "freed once";
    EXPECT_FALSE(deviceNames(result.blocks.names)) << "a freed handle resolves to nothing";
    EXPECT_TRUE(freeBlock(result.blocks.mode));
    EXPECT_FALSE(freeBlock(0));
    EXPECT_EQ(liveBlocks(), 0u);

    const PrinterBlocks again = allocPrinterBlocks(defaultPrinterName(), 2, true);
    EXPECT_GT(again.names, result.blocks.mode) << "handles are never handed out again";
    EXPECT_EQ(deviceMode(again.mode)->copies, 2);
    freeBlock(again.names);
    freeBlock(again.mode);
}

TEST(PrinterBlocks, NoBlocksWithoutAPrinter)
{
    ui::TestResponder responder;
    responder.queue(ui::reply::Cancel{});
    EXPECT_EQ(printDialog(PD_RETURNDC).blocks.names, 0);
    const PrinterBlocks unknown = allocPrinterBlocks("No such printer", 1, false);
    EXPECT_EQ(unknown.names, 0);
    EXPECT_EQ(unknown.mode, 0);
    EXPECT_EQ(createDc(DeviceNames{"Spooler", "No such printer", ""}), 0);
    EXPECT_EQ(liveBlocks(), 0u);
}

TEST(PrinterBlocks, AContextMadeFromTheBlocksPrintsTheModesCopiesWhereThePrinterTakesThem)
{
    // The machine's printers take the copies (one stands in here, as a
    // machine without printers cannot make a context for one by name).
    detail::PrinterSurface machinePrinter(std::string{});
    machinePrinter.setCopies({3, true});
    EXPECT_EQ(machinePrinter.copies(), (PrinterCopies{3, true}));

    // The built-in printer writes one file whatever the mode asks.
    const PrinterBlocks blocks = allocPrinterBlocks(builtInPrinterSettings().name, 3, true);
    const gfx::DcHandle dc = createDc(*deviceNames(blocks.names), deviceMode(blocks.mode));
    ASSERT_NE(dc, 0);
    EXPECT_EQ(printerCopies(dc), PrinterCopies{});
    gfx::deleteDc(dc);
    freeBlock(blocks.names);
    freeBlock(blocks.mode);
}

}  // namespace
}  // namespace platform::print
