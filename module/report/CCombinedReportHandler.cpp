#include "module/report/CCombinedReportHandler.h"

#include "module/core/ActionGroup.h"
#include "module/core/CCurvePrefs.h"
#include "module/core/CLangLoader.h"
#include "module/core/CLanguages.h"
#include "module/core/CSymbols.h"
#include "module/core/EnumerateLanguages.h"
#include "module/core/LanguageChoice.h"
#include "module/core/LoadActionsIntoModule.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ModulePaths.h"
#include "module/core/PreferenceValues.h"
#include "module/core/UserPreferences.h"
#include "module/report/CReport.h"
#include "module/report/ReportContents.h"
#include "module/report/ReportPrintArea.h"

#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"

#include "platform/com/Creation.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/runtime/RuntimeError.h"

#include <memory>
#include <optional>
#include <string>

namespace brisance {
namespace {

namespace com = platform::com;
namespace runtime = platform::runtime;

constexpr const char* kSource = "CCombinedReportHandler";
// The report stays this much narrower than the host's rectangle.
constexpr float kWidthAllowance = 0.25f;
// The profiles of the preference store: category 0, one section each.

using M = com::DispatchMember<host::IModulePrint>;
constexpr M kMembers[] = {M::valueMethod<&host::IModulePrint::Print>("Print", 1)};

template <class T>
com::ComPtr<T> createByClassId(const com::CLSID& clsid)
{
    com::ComPtr<T> object;
    if (const com::HRESULT hr = com::createInstance(clsid, object); com::failed(hr))
        com::raiseCreationFailure(hr, clsid);
    return object;
}

// The host's device context and its rectangle for the report, in
// centimetres from the context's origin.
struct PrintArea {
    platform::gfx::DcHandle hdc = 0;
    ReportArea cm;
};

PrintArea printAreaOf(com::IDispatch* pDispTavoPrint)
{
    const auto tavoPrint = com::ComPtr<com::IDispatch>(pDispTavoPrint).as<host::TavoPrint>();
    if (!tavoPrint) runtime::raise(runtime::errors::ObjectRequired, "The host handed over no print object", kSource);
    std::int32_t hdc = 0, left = 0, top = 0, right = 0, bottom = 0;
    tavoPrint->GetPrintArea(&hdc, &left, &top, &right, &bottom);
    if (hdc == 0) runtime::raise(runtime::errors::InvalidProcedureCall, "The host supplied no device context", kSource);
    return {hdc, PrintAreaInCentimetres(left, top, right, bottom, platform::gfx::getDeviceCaps(hdc, platform::gfx::LOGPIXELSX),
                                        platform::gfx::getDeviceCaps(hdc, platform::gfx::LOGPIXELSY))};
}

// The action the host prints, with its siblings of the same time stamp.
ActionGroup printedGroup(host::IModuleServer& server)
{
    host::ComPtr<host::IAction> action;
    server.GetPrintAction(kModuleIdentity, nullptr, action.put());
    return GroupOfAction(action);
}

// Opens the loader on the library of the host's language (the user's when the
// host says 0). With no library for it and no fallback library, the loader is
// given the folder alone, which names no library, and printing goes on.
void openLanguage(CLangLoader& loader, host::IModuleServer& server)
{
    const std::string& folder = GetModulePaths().languageFolder;
    CLanguages languages;
    EnumerateLanguages(languages, folder);
    const std::string file = ChooseLanguageFile(languages, LanguageIdForChoice(server.get_LanguageID()));
    if (!loader.OpenResourceLibrary(folder + file) && !file.empty())
        runtime::raise(runtime::errors::FileNotFound, folder + file + " is not found!", kSource);
}

// Puts the module-wide text of the last undefined speech test back as it was.
class MissingTestTextKeeper {
public:
    MissingTestTextKeeper() : m_text(ModuleGlobals::MissingTestText()) {}
    ~MissingTestTextKeeper() { ModuleGlobals::SetMissingTestText(m_text); }
    MissingTestTextKeeper(const MissingTestTextKeeper&) = delete;
    MissingTestTextKeeper& operator=(const MissingTestTextKeeper&) = delete;

private:
    std::string m_text;
};

}  // namespace

std::span<const M> combinedReportHandlerMembers()
{
    return kMembers;
}

void CCombinedReportHandler::Print(com::IDispatch* pDispTavoPrint)
{
    const auto server = createByClassId<host::IModuleServer>(host::kModuleServerClsid);
    const CSymbols symbols;
    const auto notes = createByClassId<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
    const auto data = createByClassId<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
    CReport report;
    const auto curvePrefs = std::make_shared<CCurvePrefs>();
    const auto preferences = createByClassId<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
    const auto texts = std::make_shared<CLangLoader>();

    const ActionGroup actions = printedGroup(*server);
    openLanguage(*texts, *server);
    // The shared routines that the report reaches read these module-wide.
    const ModuleGlobals::ScopedTextLoaders scopedTexts(texts);
    const ModuleGlobals::ScopedCurvePrefs scopedTests(curvePrefs);
    const MissingTestTextKeeper missingTestText;

    std::optional<runtime::RuntimeError> failure;
    if (!LoadActionsIntoModule(actions, *data, *notes, &failure) && failure) throw *failure;

    const PrintArea area = printAreaOf(pDispTavoPrint);

    LoadUserPreferences(server, preferences);
    curvePrefs->LoadFromPreferences(*preferences);

    FillReport(report, {.symbols = symbols,
                        .curvePrefs = curvePrefs,
                        .data = data,
                        .texts = texts,
                        .server = server.get(),
                        .notes = *notes,
                        .saved = static_cast<bool>(actions[0])});

    // The layout follows the flag where loading left the store; no profile
    // is chosen for it.
    const std::int32_t version = PreferenceFlag(*preferences, "SPShowGraph") ? ReportVersion_Europe : ReportVersion_US;

    report.PrintReport(area.hdc, area.cm.X, area.cm.Y, area.cm.W - kWidthAllowance, area.cm.H, version, false,
                       preferences);
}

}  // namespace brisance
