// Printing the report of the shown group from the document: File > Print
// through the print dialog, the toolbar's Print on the default printer.

#include "module/document/docAudiogramModule.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/ProgramTitle.h"
#include "module/core/StoreSelection.h"
#include "module/core/TextResources.h"
#include "module/document/ReportPlacement.h"
#include "module/report/CPrinter.h"
#include "module/report/CReport.h"
#include "module/report/ReportContents.h"
#include "module/views/CSpeech.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/print/PrintDialog.h"
#include "platform/ui/MessageBox.h"

#include <QAction>

#include <optional>
#include <utility>

namespace brisance {

namespace {

namespace gfx = platform::gfx;
namespace print = platform::print;

// Return a device context, collate ticked, no selection choice, no
// print-to-file box.
constexpr std::uint32_t kPrintDialogFlags =
    print::PD_RETURNDC | print::PD_COLLATE | print::PD_NOSELECTION | print::PD_HIDEPRINTTOFILE;

// A printer context that is deleted unless it was handed on to the report,
// which then runs the job on it and deletes it itself.
class PrinterContext {
public:
    explicit PrinterContext(gfx::DcHandle dc) : m_dc(dc) {}
    ~PrinterContext()
    {
        if (m_dc) gfx::deleteDc(m_dc);
    }
    PrinterContext(const PrinterContext&) = delete;
    PrinterContext& operator=(const PrinterContext&) = delete;

    gfx::DcHandle get() const { return m_dc; }
    gfx::DcHandle release() { return std::exchange(m_dc, 0); }

private:
    gfx::DcHandle m_dc;
};

// The chosen printer's name and settings blocks, freed when the print has
// ended, whichever way.
class ChosenPrinterBlocks {
public:
    explicit ChosenPrinterBlocks(print::PrinterBlocks blocks) : m_blocks(blocks) {}
    ~ChosenPrinterBlocks()
    {
        for (const print::BlockHandle block : {m_blocks.names, m_blocks.mode})
            if (block) print::freeBlock(block);
    }
    ChosenPrinterBlocks(const ChosenPrinterBlocks&) = delete;
    ChosenPrinterBlocks& operator=(const ChosenPrinterBlocks&) = delete;

private:
    print::PrinterBlocks m_blocks;
};

ReportPlacement PlacementOnPrinter(gfx::DcHandle dc)
{
    return PlaceReportOnPage(gfx::getDeviceCaps(dc, gfx::PHYSICALOFFSETX), gfx::getDeviceCaps(dc, gfx::LOGPIXELSX),
                             gfx::getDeviceCaps(dc, gfx::PHYSICALOFFSETY), gfx::getDeviceCaps(dc, gfx::LOGPIXELSY));
}

}  // namespace

void docAudiogramModule::ConnectPrintCommands()
{
    connect(m_menus.mnuFilePrint, &QAction::triggered, this, [this] { Guarded([this] { mnuFilePrint_Click(); }); });
}

void docAudiogramModule::mnuFilePrint_Click()
{
    PrintAudiogram(true);
}

void docAudiogramModule::PrintAudiogram(bool ShowDialog)
{
    std::optional<ChosenPrinterBlocks> blocks;
    gfx::DcHandle dc = 0;
    if (ShowDialog) {
        const print::PrintDialogResult chosen = print::printDialog(kPrintDialogFlags, this);
        if (chosen.outcome == print::PrintDialogOutcome::Cancelled)
            return;
        blocks.emplace(chosen.blocks);
        dc = chosen.dc;
    } else {
        dc = CPrinter().GetDefaultDC();
    }
    // Without a printer, or with one that gave no context, there is nothing
    // the report could be drawn on.
    if (dc == 0) {
        ShowNoPrinterMessage();
        return;
    }
    PrinterContext printer(dc);

    try {
        CReport report;
        {
            // Printing changes nothing in the document, not even the notes
            // store's selection that later reads rely on.
            const StoreSelectionKeeper selection(*m_notes);
            FillReport(report, {.symbols = *ModuleGlobals::Symbols(),
                                .curvePrefs = ModuleGlobals::CurvePrefs(),
                                .data = m_data,
                                .texts = ModuleGlobals::UiTextLoader(),
                                .server = ModServ().get(),
                                .notes = *m_notes,
                                .saved = static_cast<bool>(m_oGroupActions[0])});
        }

        const ReportPlacement placement = PlacementOnPrinter(printer.get());
        const std::int32_t version = m_oSpeech->Mode() != 0 ? ReportVersion_Europe : ReportVersion_US;
        report.PrintReport(printer.release(), placement.X, placement.Y, placement.W, placement.H, version, true,
                           ModuleGlobals::PreferenceStore());
    } catch (const platform::runtime::RuntimeError& error) {
        // The report has ended its own job on the way out.
        ShowError(error);
    }
}

void docAudiogramModule::ShowNoPrinterMessage()
{
    platform::ui::messageBox(this,
                             ModuleGlobals::UiTextLoader()->LoadResString(
                                 TR_CANNOT_PRINT_BECAUSE_THERE_IS_NO_PRINTER_INSTALLED),
                             ModuleMessageTitle(), platform::ui::MB_ICONSTOP | platform::ui::MB_SETFOREGROUND);
}

}  // namespace brisance
