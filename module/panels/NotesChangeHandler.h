#pragma once
// What a test view does when the user changes a field of its notes panel:
// writes the field into the document's notes store (category 0, the view's
// section) and marks the view as needing to be saved. One handler serves each
// view; the view hands it a hook when it connects it.
//
// The view fills and empties its panel through LoadPanel and ClearPanel, so
// that the changes the panel reports meanwhile are not taken for edits (a
// load would otherwise write the panel's user-field names over the stored
// ones before reading them). While the view is read-only nothing is written.
// A write that fails is shown to the user.

#include <QObject>

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "vellum/IVellumKeyedStore.h"
#endif

#include <cstdint>
#include <functional>

namespace brisance {

class INotes;

// The handler's view of its test view.
struct NotesViewHook {
    std::int16_t Section = 0;  // 0 pure tone, 1 speech, 2 impedance
    // The document's notes store, or null before the document has handed it over.
    std::function<vellum::IVellumKeyedStore*()> NotesLayer;
    std::function<bool()> ReadOnly;
    std::function<void()> SetDataNeedsSaved;
};

class NotesChangeHandler final : public QObject {
    Q_OBJECT

public:
    // Handles the panel's DataChanged from now on, for as long as both live.
    NotesChangeHandler(INotes& panel, NotesViewHook view, QObject* parent = nullptr);

    // LoadNotesPanel from the view's notes, the store's own category and
    // section selected again afterwards; skipped without a store.
    void LoadPanel();
    // The panel's Clear.
    void ClearPanel();

private:
    void noteChanged(std::int32_t NoteType);

    INotes& m_panel;
    NotesViewHook m_view;
    bool m_fillingPanel = false;
};

}  // namespace brisance
