#include "module/panels/NotesFields.h"

#include "module/panels/INotes.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <array>
#include <functional>
#include <string>

namespace brisance {
namespace {

using platform::runtime::joinedText;
using platform::runtime::RuntimeError;

constexpr std::array<const char*, INotes::kNoteTypeCount> kNoteKeys = {
    "Make", "CalibDate", "Method", "Reliability", "User1Val", "User2Val", "Comments"};

// The order of loading: the make first, as choosing it fills in a date.
constexpr std::array<std::int32_t, INotes::kNoteTypeCount> kLoadOrder = {0, 1, 2, 3, 6, 4, 5};

constexpr std::int32_t kUser1NoteType = 4;
constexpr std::int32_t kUser2NoteType = 5;
constexpr const char* kUser1Key = "User1";
constexpr const char* kUser2Key = "User2";

void skippingFailure(const std::function<void()>& step)
{
    try {
        step();
    } catch (const RuntimeError&) {
        // A note that cannot be read or shown leaves its field as it was.
    }
}

}  // namespace

void SaveNotesField(INotes& panel, vellum::IVellumKeyedStore& notes, std::int32_t NoteType)
{
    if (NoteType >= 0 && NoteType < INotes::kNoteTypeCount)
        notes.put_Value(kNoteKeys[NoteType], panel.GetNoteTypeText(NoteType));
    notes.put_Value(kUser1Key, panel.GetNoteTypeLabel(kUser1NoteType));
    notes.put_Value(kUser2Key, panel.GetNoteTypeLabel(kUser2NoteType));
}

void LoadNotesPanel(INotes& panel, vellum::IVellumKeyedStore& notes)
{
    for (const std::int32_t noteType : kLoadOrder)
        skippingFailure([&] { panel.SetNoteTypeText(noteType, joinedText(notes.get_Value(kNoteKeys[noteType]))); });
    for (const auto& [key, noteType] : {std::pair{kUser1Key, kUser1NoteType}, std::pair{kUser2Key, kUser2NoteType}})
        skippingFailure([&] {
            const std::string name = joinedText(notes.get_Value(key));
            if (!name.empty()) panel.SetNoteTypeLabel(noteType, name);
        });
}

}  // namespace brisance
