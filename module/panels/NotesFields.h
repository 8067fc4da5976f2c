#pragma once
// The notes fields of a view in the document's notes store: one string value
// per note type ("Make", "CalibDate", "Method", "Reliability", "User1Val",
// "User2Val", "Comments" for note types 0 to 6) and the names of the two user
// fields ("User1", "User2"). Both routines work at the category and section
// that the caller selected: category 0 and the view's section (0 pure tone, 1
// speech, 2 impedance).

#include "vellum/IVellumKeyedStore.h"

#include <cstdint>

namespace brisance {

class INotes;

// Writes the panel's field of NoteType (no field for a note type outside 0 to
// 6) and always both user-field names, from the labels of note types 4 and 5.
// A failure reaches the caller.
void SaveNotesField(INotes& panel, vellum::IVellumKeyedStore& notes, std::int32_t NoteType);

// Fills the panel's fields from the store, the make before the calibration
// date (so the stored date replaces the audiometer list's), then the stored
// user-field names that are not empty. A missing value sets "". A step that
// fails is skipped and the next one runs.
void LoadNotesPanel(INotes& panel, vellum::IVellumKeyedStore& notes);

}  // namespace brisance
