#include "module/panels/NotesChangeHandler.h"

#include "module/core/ShowRaisedError.h"
#include "module/core/StoreSelection.h"
#include "module/panels/INotes.h"
#include "module/panels/NotesFields.h"

#include <QScopedValueRollback>

namespace brisance {
namespace {

constexpr std::int16_t kNotesCategory = 0;

}  // namespace

NotesChangeHandler::NotesChangeHandler(INotes& panel, NotesViewHook view, QObject* parent)
    : QObject(parent), m_panel(panel), m_view(std::move(view))
{
    connect(&panel, &INotes::DataChanged, this, &NotesChangeHandler::noteChanged);
}

void NotesChangeHandler::LoadPanel()
{
    vellum::IVellumKeyedStore* notes = m_view.NotesLayer();
    if (!notes) return;
    const QScopedValueRollback filling(m_fillingPanel, true);
    const StoreSelectionKeeper viewNotes(*notes, kNotesCategory, m_view.Section);
    LoadNotesPanel(m_panel, *notes);
}

void NotesChangeHandler::ClearPanel()
{
    const QScopedValueRollback filling(m_fillingPanel, true);
    m_panel.Clear();
}

void NotesChangeHandler::noteChanged(std::int32_t NoteType)
{
    if (m_fillingPanel || m_view.ReadOnly()) return;
    vellum::IVellumKeyedStore* notes = m_view.NotesLayer();
    if (!notes) return;
    try {
        const StoreSelectionKeeper viewNotes(*notes, kNotesCategory, m_view.Section);
        SaveNotesField(m_panel, *notes, NoteType);
    } catch (const platform::runtime::RuntimeError& error) {
        ShowRaisedError(&m_panel, error);
        return;
    }
    m_view.SetDataNeedsSaved();
}

}  // namespace brisance
