#include "platform/print/PrintDialog.h"
#include "platform/print/PrinterBlocks.h"
#include "platform/print/Printers.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/registry/Key.h"
#include "platform/ui/TestResponder.h"

#include <QPrinterInfo>

#include <gtest/gtest.h>

namespace platform::print {
namespace {

constexpr std::uint32_t kDocumentFlags = 0x100114;  // return a context, collate, no selection, no print-to-file

TEST(PrintDialog, CancelIsReportedApartAndGivesNoContext)
{
    ui::TestResponder responder;
    responder.queue(ui::reply::Cancel{});
    const PrintDialogResult cancelled = printDialog(kDocumentFlags);
    EXPECT_EQ(cancelled.outcome, PrintDialogOutcome::Cancelled);
    EXPECT_EQ(cancelled.dc, 0);
    EXPECT_EQ(printDialog(kDocumentFlags).outcome, PrintDialogOutcome::Cancelled);  // closed without a choice

    ASSERT_EQ(responder.shown().size(), 2u);
    EXPECT_EQ(responder.shown()[0].kind, ui::DialogKind::Print);
    EXPECT_EQ(responder.shown()[0].style, kDocumentFlags);
    EXPECT_NE(responder.shown()[0].text.find(defaultPrinterName()), std::string::npos);
}

TEST(PrintDialog, ChosenPrinterComesWithAPrinterContext)
{
    ui::TestResponder responder;
    responder.queue(ui::reply::Printer{defaultPrinterName()});
    const PrintDialogResult chosen = printDialog(kDocumentFlags);
    EXPECT_EQ(chosen.outcome, PrintDialogOutcome::Printer);
    EXPECT_EQ(chosen.printerName, defaultPrinterName());
    EXPECT_TRUE(chosen.collate);
    ASSERT_NE(chosen.dc, 0);
    EXPECT_EQ(gfx::getDeviceCaps(chosen.dc, gfx::TECHNOLOGY), gfx::DT_RASPRINTER);
    gfx::deleteDc(chosen.dc);
    freeBlock(chosen.blocks.names);  // the caller's to free, as every caller of the dialog does
    freeBlock(chosen.blocks.mode);
}

TEST(PrintDialog, ReturnDefaultTakesTheDefaultPrinterWithoutADialog)
{
    ui::TestResponder responder;
    const PrintDialogResult result = printDialog(0x14000C | PD_RETURNDEFAULT | PD_RETURNDC);
    EXPECT_EQ(result.outcome, PrintDialogOutcome::Printer);
    EXPECT_EQ(result.printerName, defaultPrinterName());
    EXPECT_NE(result.dc, 0);
    EXPECT_TRUE(responder.shown().empty());
    gfx::deleteDc(result.dc);
    freeBlock(result.blocks.names);
    freeBlock(result.blocks.mode);
}

TEST(PrintDialog, MachineWithoutPrintersHasNoDialogAndNoDefault)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has printers of its own";
    registry::Key key;
    registry::createKey(registry::Root::LocalMachine, "SOFTWARE\\Brisance\\Printing", registry::Access::Write, key);
    key.setString("BuiltInPrinterName", "");
    ui::TestResponder responder;
    EXPECT_EQ(printDialog(kDocumentFlags).outcome, PrintDialogOutcome::NoPrinter);
    const PrintDialogResult byDefault = printDialog(0x14000C | PD_RETURNDEFAULT | PD_RETURNDC);
    EXPECT_EQ(byDefault.outcome, PrintDialogOutcome::NoPrinter);
    EXPECT_EQ(byDefault.dc, 0);
    EXPECT_TRUE(responder.shown().empty());
}

}  // namespace
}  // namespace platform::print
