#pragma once
// What every document of this process shares: the module-wide objects and the
// process-wide values. Only the user-interface thread uses them.
//
// The first document's CreateModuleGlobals creates the objects and later
// documents reuse them; each ReleaseModuleGlobals undoes one
// CreateModuleGlobals, and the last one releases them, so that closing one of
// two documents takes nothing from the other.

#include "module/core/CLangLoader.h"

#include "vellum/IVellumKeyedStore.h"

#include "platform/com/ComPtr.h"

#include <memory>
#include <string>

namespace brisance {

class CCurvePrefs;
class CPaletteItems;
class CSymbols;

// Counts one more document. With no objects held yet, creates, in this order,
// the UI text loader, the view text loader (both unopened until the document
// opens a language), the preference store (by class id), the symbol images,
// the curve preferences and the pure-tone and speech palette items. A failed creation raises; the call still counts, so
// that the document's ReleaseModuleGlobals balances it, and the next call
// creates the objects anew.
void CreateModuleGlobals();

// Counts one document less; the last one releases the objects, leaving a
// fresh, unopened view text loader. Without a document counted it does
// nothing.
void ReleaseModuleGlobals();

class ModuleGlobals {
public:
    // The module-wide objects: null while none are held (before the first
    // document, after the last), but the view text loader, which stays.
    static std::shared_ptr<CLangLoader> UiTextLoader();
    static std::shared_ptr<CLangLoader> ViewTextLoader();
    static platform::com::ComPtr<vellum::IVellumKeyedStore> PreferenceStore();
    static std::shared_ptr<CSymbols> Symbols();
    static std::shared_ptr<CCurvePrefs> CurvePrefs();
    // The palette items that a profile's view settings are loaded into, one
    // collection for the pure-tone palette and one for the speech palette,
    // beside each view's own.
    static std::shared_ptr<CPaletteItems> PureTonePaletteItems();
    static std::shared_ptr<CPaletteItems> SpeechPaletteItems();
    // The view text loader when useViewLoader is true, else the UI text
    // loader; raises 91 (object not set) while there is none.
    static std::shared_ptr<CLangLoader> TextLoader(bool useViewLoader);

    // The initials of the host's current user, set by document initialisation.
    static const std::string& UserInitials();
    static void SetUserInitials(std::string initials);
    // The words of the last speech curve drawn whose test the user has not
    // defined; the speech view clears it before drawing and shows it after.
    static const std::string& MissingTestText();
    static void SetMissingTestText(std::string text);
    // Set when the profile manager resets the preferences; the document's
    // initialisation clears it.
    static bool PreferencesReset();
    static void SetPreferencesReset(bool reset);

    // Makes another collection the module-wide curve preferences for the life
    // of the object, and puts the previous one back when it goes, on every
    // exit, errors included.
    class ScopedCurvePrefs {
    public:
        explicit ScopedCurvePrefs(std::shared_ptr<CCurvePrefs> replacement);
        ~ScopedCurvePrefs();
        ScopedCurvePrefs(const ScopedCurvePrefs&) = delete;
        ScopedCurvePrefs& operator=(const ScopedCurvePrefs&) = delete;

    private:
        std::shared_ptr<CCurvePrefs> m_previous;
    };

    // Makes one loader both the UI and the view text loader for the life of
    // the object, and puts the previous ones back when it goes, on every
    // exit, errors included.
    class ScopedTextLoaders {
    public:
        explicit ScopedTextLoaders(std::shared_ptr<CLangLoader> replacement);
        ~ScopedTextLoaders();
        ScopedTextLoaders(const ScopedTextLoaders&) = delete;
        ScopedTextLoaders& operator=(const ScopedTextLoaders&) = delete;

    private:
        std::shared_ptr<CLangLoader> m_previousUi;
        std::shared_ptr<CLangLoader> m_previousView;
    };
};

}  // namespace brisance
