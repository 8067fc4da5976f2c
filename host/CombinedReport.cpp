#include "host/CombinedReport.h"

#include "host/HostContext.h"
#include "host/HostErrors.h"
#include "host/HostInterfaces.h"
#include "host/ModuleCatalog.h"
#include "host/ModuleClass.h"

#include "platform/com/DispatchTable.h"
#include "platform/com/Object.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Objects.h"
#include "platform/gfx/Text.h"
#include "platform/print/PrintJob.h"
#include "platform/print/Printers.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <optional>

namespace host {

namespace {

using platform::com::ComPtr;
namespace gfx = platform::gfx;
namespace print = platform::print;

using TavoPrintMember = platform::com::DispatchMember<TavoPrint>;
constexpr TavoPrintMember kTavoPrintMembers[] = {
    TavoPrintMember::valueMethod<&TavoPrint::GetPrintArea>("GetPrintArea", 1),
};
std::span<const TavoPrintMember> tavoPrintMembers() { return kTavoPrintMembers; }

// The host's print object: where the module draws its part of the page.
class TavoPrintObject final : public platform::com::Object<platform::com::Dispatched<TavoPrint, tavoPrintMembers>> {
public:
    TavoPrintObject(gfx::DcHandle dc, gfx::Rect area) : m_dc(dc), m_area(area) {}

    void GetPrintArea(std::int32_t* hdc, std::int32_t* left, std::int32_t* top, std::int32_t* right,
                      std::int32_t* bottom) override
    {
        if (!hdc || !left || !top || !right || !bottom) raise(platform::com::E_POINTER, "GetPrintArea needs five results");
        *hdc = m_dc;
        *left = m_area.left;
        *top = m_area.top;
        *right = m_area.right;
        *bottom = m_area.bottom;
    }

private:
    gfx::DcHandle m_dc;
    gfx::Rect m_area;
};

ModuleRecord printingModule(ModuleCatalog& catalog, const ActionRecord& action)
{
    if (auto creator = catalog.module(action.creatorModuleId); creator && !creator->printHandler.empty())
        return std::move(*creator);
    const DataTypeRecord type{action.dataTypeCode, action.dataFormat};
    for (ModuleRecord& module : catalog.modules())
        if (!module.printHandler.empty() && std::ranges::find(module.canShow, type) != module.canShow.end())
            return std::move(module);
    raise(errors::NotFound, "No registered module prints actions of data type " + std::to_string(type.code) +
                                ", format " + std::to_string(type.format));
}

ComPtr<IModulePrint> createHandler(const ModuleRecord& module)
{
    ComPtr<IModulePrint> handler;
    if (const platform::com::HRESULT hr = createModuleObject(module.printHandler, handler); platform::com::failed(hr))
        raise(hr, module.name + " cannot print its report: its print handler " + whyNotCreated(hr) + ".");
    return handler;
}

// The client's name and number, and the date of the action, as the heading says them.
std::string headingOf(const ClientRecord& client, const ActionRecord& action)
{
    std::string heading = "Combined report: " + client.lastName;
    if (!client.firstName.empty()) heading += ", " + client.firstName;
    if (!client.clientNo.empty()) heading += " (" + client.clientNo + ")";
    return heading + ", " + platform::runtime::shortDateText(platform::runtime::Date{action.dateCreated});
}

// A printer context for one report, deleted (aborting an unfinished job) at the end.
class PrinterContext {
public:
    explicit PrinterContext(const std::string& printerName)
        : m_dc(print::createPrinterDc(printerName.empty() ? print::defaultPrinterName() : printerName))
    {
        if (m_dc == 0) raise(errors::NotFound, "There is no printer \"" + printerName + "\"");
    }
    ~PrinterContext() { gfx::deleteDc(m_dc); }
    PrinterContext(const PrinterContext&) = delete;
    PrinterContext& operator=(const PrinterContext&) = delete;

    gfx::DcHandle dc() const { return m_dc; }

private:
    gfx::DcHandle m_dc;
};

// A job call that failed: the file it could not write and why, where the
// printer knows them.
void check(bool succeeded, gfx::DcHandle dc, const char* what)
{
    if (succeeded) return;
    if (const std::optional<print::JobFailure> failure = print::jobFailure(dc))
        raise(errors::PrintFailure,
              "The report could not be written to \"" + failure->file + "\": " + failure->cause.message());
    raise(errors::PrintFailure, std::string("The printer failed to ") + what);
}

// Draws the heading; gives the rectangle left for the module.
gfx::Rect drawHeading(gfx::DcHandle dc, const std::string& heading)
{
    const int margin = gfx::getDeviceCaps(dc, gfx::LOGPIXELSX) / 2;
    const gfx::ObjectHandle font =
        gfx::createFont({.face = "Arial", .height = -gfx::getDeviceCaps(dc, gfx::LOGPIXELSY) / 5, .weight = 700});
    const gfx::ObjectHandle previous = gfx::selectObject(dc, font);
    gfx::Size extent;
    gfx::textOut(dc, margin, margin, heading);
    gfx::getTextExtentPoint(dc, heading, &extent);
    gfx::selectObject(dc, previous);
    gfx::deleteObject(font);
    return {margin, margin + extent.cy + margin / 2, gfx::getDeviceCaps(dc, gfx::HORZRES) - margin,
            gfx::getDeviceCaps(dc, gfx::VERTRES) - margin};
}

// Runs the handler; its failure is raised again, saying whose it is.
void runHandler(IModulePrint* handler, TavoPrint* tavoPrint, const ModuleRecord& module)
{
    try {
        handler->Print(tavoPrint);
    } catch (const platform::runtime::RuntimeError& error) {
        raise(error.number(), module.name + " could not print its report: " + error.description());
    }
}

// Points the host's print action at the action for the time of the report.
class PrintChoice {
public:
    PrintChoice(RowId action, RowId client) : m_context(HostContext::current()), m_previous(m_context.printAction)
    {
        m_context.printAction = action;
        m_context.client = client;
    }
    ~PrintChoice() { m_context.printAction = m_previous; }
    PrintChoice(const PrintChoice&) = delete;
    PrintChoice& operator=(const PrintChoice&) = delete;

private:
    HostContext& m_context;
    std::optional<RowId> m_previous;
};

}  // namespace

std::string printCombinedReport(RowId actionId, const std::string& printerName, const std::string& outputFile)
{
    HostDatabase& database = *HostContext::current().database();
    const auto action = database.action(actionId);
    if (!action) raise(errors::NotFound, "There is no action " + std::to_string(actionId));
    const auto client = database.client(database.session(action->sessionId)->clientId);
    ModuleCatalog catalog(database);
    const ModuleRecord module = printingModule(catalog, *action);
    const ComPtr<IModulePrint> handler = createHandler(module);

    const PrintChoice choice(actionId, client->id);
    const PrinterContext printer(printerName);
    const gfx::DcHandle dc = printer.dc();
    check(print::startDoc(dc, "Combined report", outputFile) > 0, dc, "start the report");
    check(print::startPage(dc) > 0, dc, "start the page");
    const gfx::Rect area = drawHeading(dc, headingOf(*client, *action));
    runHandler(handler.get(), ComPtr<TavoPrint>(platform::com::make<TavoPrintObject>(dc, area)).get(), module);
    check(print::endPage(dc) > 0, dc, "end the page");
    check(print::endDoc(dc) > 0, dc, "finish the report");
    // Known for sure only now: a free name taken meanwhile moves it on.
    return print::outputFile(dc);
}

}  // namespace host
