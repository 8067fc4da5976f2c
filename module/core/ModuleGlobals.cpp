#include "module/core/ModuleGlobals.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CPaletteItems.h"
#include "module/core/CSymbols.h"

#include "platform/com/Creation.h"
#include "platform/runtime/RuntimeError.h"

#include <utility>

namespace brisance {

namespace {

struct Holder {
    int documents = 0;
    bool created = false;
    std::shared_ptr<CLangLoader> uiTextLoader;
    std::shared_ptr<CLangLoader> viewTextLoader;
    platform::com::ComPtr<vellum::IVellumKeyedStore> preferenceStore;
    std::shared_ptr<CSymbols> symbols;
    std::shared_ptr<CCurvePrefs> curvePrefs;
    std::shared_ptr<CPaletteItems> pureTonePaletteItems;
    std::shared_ptr<CPaletteItems> speechPaletteItems;
    std::string userInitials;
    std::string missingTestText;
    bool preferencesReset = false;
};

// Never destroyed: the objects may belong to libraries that are gone by the
// time the process runs its static destructors.
Holder& holder()
{
    static Holder* const instance = new Holder;
    return *instance;
}

}  // namespace

void CreateModuleGlobals()
{
    Holder& h = holder();
    ++h.documents;
    if (h.created)
        return;
    h.uiTextLoader = std::make_shared<CLangLoader>();
    h.viewTextLoader = std::make_shared<CLangLoader>();
    h.preferenceStore = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
    h.symbols = std::make_shared<CSymbols>();
    h.curvePrefs = std::make_shared<CCurvePrefs>();
    h.pureTonePaletteItems = std::make_shared<CPaletteItems>();
    h.speechPaletteItems = std::make_shared<CPaletteItems>();
    h.created = true;
}

void ReleaseModuleGlobals()
{
    Holder& h = holder();
    if (h.documents == 0 || --h.documents > 0)
        return;
    h.created = false;
    h.uiTextLoader.reset();
    h.viewTextLoader = std::make_shared<CLangLoader>();
    h.preferenceStore.reset();
    h.symbols.reset();
    h.curvePrefs.reset();
    h.pureTonePaletteItems.reset();
    h.speechPaletteItems.reset();
}

std::shared_ptr<CLangLoader> ModuleGlobals::UiTextLoader() { return holder().uiTextLoader; }
std::shared_ptr<CLangLoader> ModuleGlobals::ViewTextLoader() { return holder().viewTextLoader; }
platform::com::ComPtr<vellum::IVellumKeyedStore> ModuleGlobals::PreferenceStore() { return holder().preferenceStore; }
std::shared_ptr<CSymbols> ModuleGlobals::Symbols() { return holder().symbols; }
std::shared_ptr<CCurvePrefs> ModuleGlobals::CurvePrefs() { return holder().curvePrefs; }
std::shared_ptr<CPaletteItems> ModuleGlobals::PureTonePaletteItems() { return holder().pureTonePaletteItems; }
std::shared_ptr<CPaletteItems> ModuleGlobals::SpeechPaletteItems() { return holder().speechPaletteItems; }

std::shared_ptr<CLangLoader> ModuleGlobals::TextLoader(bool useViewLoader)
{
    auto loader = useViewLoader ? ViewTextLoader() : UiTextLoader();
    if (!loader)
        platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
    return loader;
}

const std::string& ModuleGlobals::UserInitials() { return holder().userInitials; }
void ModuleGlobals::SetUserInitials(std::string initials) { holder().userInitials = std::move(initials); }
const std::string& ModuleGlobals::MissingTestText() { return holder().missingTestText; }
void ModuleGlobals::SetMissingTestText(std::string text) { holder().missingTestText = std::move(text); }
bool ModuleGlobals::PreferencesReset() { return holder().preferencesReset; }
void ModuleGlobals::SetPreferencesReset(bool reset) { holder().preferencesReset = reset; }

ModuleGlobals::ScopedCurvePrefs::ScopedCurvePrefs(std::shared_ptr<CCurvePrefs> replacement)
    : m_previous(std::exchange(holder().curvePrefs, std::move(replacement)))
{
}

ModuleGlobals::ScopedCurvePrefs::~ScopedCurvePrefs()
{
    holder().curvePrefs = std::move(m_previous);
}

ModuleGlobals::ScopedTextLoaders::ScopedTextLoaders(std::shared_ptr<CLangLoader> replacement)
    : m_previousUi(std::exchange(holder().uiTextLoader, replacement)),
      m_previousView(std::exchange(holder().viewTextLoader, std::move(replacement)))
{
}

ModuleGlobals::ScopedTextLoaders::~ScopedTextLoaders()
{
    holder().uiTextLoader = std::move(m_previousUi);
    holder().viewTextLoader = std::move(m_previousView);
}

}  // namespace brisance
