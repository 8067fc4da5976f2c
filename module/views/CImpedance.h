#pragma once
// The impedance view of the audiogram document: the tympanometry panel and
// the notes panel side by side on top, the ipsilateral and the contralateral
// acoustic-reflex panels below them. It shows the immittance results of the
// document's audiogram data object and notes, takes edits typed and clicked
// into its panels and results from the instrument link, and writes them into
// the data object, raising SaveState before each change so that the
// document can take its undo snapshot. It keeps no measurements of its own.
//
// Stored form (what the report prints): one tympanogram per ear (3 left, 2
// right); reflex thresholds as pure-tone curves 8 (ipsilateral) and 9
// (contralateral) and decay results as curves 30 and 31, all of condition 2,
// their points keyed by the reflex stimulus code, thresholds and result codes
// (400 to 404) in tenths, decays 0 absent and 1 present.
//
// Sizes and positions are in twips. Handlers of the panels and of the link
// catch the data object's errors and show them to the user.

#include "module/panels/UserControl.h"

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "PelmSonvale/ISonvaleController.h"
#include "module/core/CLangLoader.h"
#include "module/panels/CMRUList.h"
#include "module/views/EditUndoSteps.h"
#include "module/views/TympanogramValues.h"
#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"
#endif

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace brisance {

class INotes;
class NotesChangeHandler;
class SonvaleEvents;
class ctlARTView;
class ctlTympanometry;
struct DecayPointArgs;
struct ImpedancePointArgs;
struct ReflexPointArgs;

class CImpedance final : public UserControl {
    Q_OBJECT

public:
    explicit CImpedance(QWidget* parent = nullptr);
    ~CImpedance() override;

    // Each Show let shows or hides its panel and lays the view out again.
    bool ShowNotes() const { return m_showNotes; }
    void ShowNotes(bool show);
    bool ShowIpsi() const { return m_showIpsi; }
    void ShowIpsi(bool show);
    bool ShowContra() const { return m_showContra; }
    void ShowContra(bool show);
    bool ShowTymp() const { return m_showTymp; }
    void ShowTymp(bool show);
    // True shows the right ear on the left of every panel; the panels are
    // filled again.
    void RightOnLeft(bool rightOnLeft);

    // Set by the view when an edit changed the data; the document clears it
    // after saving.
    bool DataNeedsSaved() const { return m_dataNeedsSaved; }
    void DataNeedsSaved(bool needsSaved) { m_dataNeedsSaved = needsSaved; }

    const vellum::ComPtr<vellum::IVellumDataLayer>& DataLayer() const { return m_dataLayer; }
    void DataLayer(vellum::ComPtr<vellum::IVellumDataLayer> data) { m_dataLayer = std::move(data); }
    void NotesLayer(vellum::ComPtr<vellum::IVellumKeyedStore> notes) { m_notesLayer = std::move(notes); }
    // The loader of every caption and message text; setting it loads nothing.
    void LanguageLoader(std::shared_ptr<CLangLoader> loader) { m_texts = std::move(loader); }
    // The user preference store (the recent probe tones).
    void Prefs(vellum::ComPtr<vellum::IVellumKeyedStore> store) { m_prefs = std::move(store); }
    // Subscribes to the link controller's events (none for null), ending the
    // subscription to a controller set before.
    void Sonvale(vellum::ComPtr<pelmsonvale::ISonvaleController> controller);

    INotes* Notes() const { return notImpedance; }
    ctlARTView* IpsilateralReflexTable() const { return oART[kIpsilateral]; }
    ctlARTView* ContralateralReflexTable() const { return oART[kContralateral]; }

    // Unit selectors: pressure in daPa when non-zero (else mmH2O), volume in
    // ml when non-zero (else cc), gradient in the volume unit when non-zero
    // (else the pressure unit). A changed value captions the panel again.
    void Pressure(std::int32_t unit);
    void Volume(std::int32_t unit);
    void Gradient(std::int32_t unit);

    // The height that the shown panels need, and the width: the larger of
    // the width available and the widest row of shown panels.
    std::int32_t HeightNeeded() const;
    std::int32_t WidthNeeded(std::int32_t available) const;
    // Sets every caption, the type and probe-tone lists (with the recent probe
    // tones of the preference store).
    void LoadStrings();
    // Empties every panel.
    void Clear();
    // Shows the data object's tympanograms, reflexes and decays, and the notes.
    void ShowDataInDataLayer();
    // Adds the shown probe tone (unless empty) to the recent probe tones and
    // stores them in the preference store.
    void SaveMostRecentlyUsedProbeTones();

signals:
    void SaveState(const std::string& ActionUndoDescription, const std::string& ActionRedoDescription);
    // A result of the instrument link reached the view while it is read-only
    // (disabled): take() takes it, and does so only when the view has been
    // enabled by then.
    void ReadOnlyResult(const std::function<void()>& take);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr std::size_t kIpsilateral = 0;
    static constexpr std::size_t kContralateral = 1;

    struct TympanometryCaptions;

    std::string text(std::int32_t id) const;
    TympanometryCaptions tympanometryCaptions() const;
    void SetTympanometryCaptions();
    void layOut();
    // The height of the top row: the taller of the shown tympanometry and
    // notes panels, with the gap below it.
    std::int32_t topRowHeight() const;

    // Filling the panels, their events off.
    void fillPanels();
    void showTympanogram(std::int32_t ear);
    void showProbeTone();
    void showReflexes(std::size_t panel);

    // Edits from the panels.
    void tympanometryChanged(std::int32_t ear);
    void probeToneChanged();
    void reflexEdited(std::size_t panel, std::int32_t code, std::int32_t threshold, std::int32_t decay,
                      std::int32_t ear);

    // SaveState before a change of the data, once for all the entries of a
    // panel's edit (m_panelEdits).
    void saveStateBeforeEdit(const std::string& undo, const std::string& redo);

    // Writing the data: each raises SaveState and marks the view dirty only
    // when something changes, and tells whether it did.
    bool storeTympanogram(std::int32_t ear, const TympanogramRecord& record, const std::string& undo);
    // A threshold (dB or result code; -32767 none) and a decay (0 absent, 1
    // present, -32767 none) at a stimulus; either may be left as it is.
    bool storeReflex(std::size_t panel, std::int32_t ear, std::int32_t code, std::optional<std::int32_t> threshold,
                     std::optional<std::int32_t> decay);
    std::optional<TympanogramRecord> storedTympanogram(std::int32_t ear) const;

    // Results from the link.
    void linkImpedancePoint(const ImpedancePointArgs& event);
    void linkReflexPoint(const ReflexPointArgs& event);
    void linkDecayPoint(const DecayPointArgs& event);
    std::optional<std::size_t> chooseTympanogram(std::int32_t ear, const ImpedancePointArgs& event);

    bool m_showNotes = false;
    bool m_showIpsi = false;
    bool m_showContra = false;
    bool m_showTymp = false;
    bool m_rightOnLeft = false;
    bool m_dataNeedsSaved = false;
    std::int32_t m_pressureUnit = 0;
    std::int32_t m_volumeUnit = 0;
    std::int32_t m_gradientUnit = 0;
    // The changes typed or clicked into a panel run as entries of its
    // edits (EditBegins to EditBegins), each edit one undo step.
    EditUndoSteps m_panelEdits;
    // The message about an unmarked threshold shows once per measurement.
    bool m_unmarkedThresholdShown = false;

    vellum::ComPtr<vellum::IVellumDataLayer> m_dataLayer;
    vellum::ComPtr<vellum::IVellumKeyedStore> m_notesLayer;
    vellum::ComPtr<vellum::IVellumKeyedStore> m_prefs;
    std::shared_ptr<CLangLoader> m_texts;
    std::unique_ptr<CMRUList> m_probeTones;
    std::unique_ptr<SonvaleEvents> m_link;

    ctlTympanometry* oTymp;
    std::array<ctlARTView*, 2> oART;
    INotes* notImpedance;
    NotesChangeHandler* m_notesHandler;
};

}  // namespace brisance
