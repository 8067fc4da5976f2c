#pragma once
// The description that the audiogram action of a document carries.

#include "host/HostInterfaces.h"
#include "vellum/IVellumKeyedStore.h"

#include <cstdint>
#include <string>

namespace brisance {

// A description that the user typed keeps its place; otherwise the text says
// what the document is. Texts come from the UI text loader:
// - "CustomDescription" set in the notes store: customDescription when it is
//   not empty, else the description of the audiogram action (none: "");
// - a date of evaluation that is another day than today: the transcription text with
//   "xx/xx/xxxx" replaced by that date in the locale's short form, cut to 64
//   characters;
// - else the changed-audiogram text, or in mode 0 (new) the new-audiogram
//   text without its "&".
// Leaves category 0, section 0 of the notes store selected.
std::string BuildActionDescription(std::int32_t mode, vellum::IVellumKeyedStore& notes,
                                   const std::string& customDescription, host::IAction* audiogram);

// Whether the document is a transcription: its date of evaluation is a day
// before or after today (no date is none). Leaves category 0, section 0 of
// the notes store selected.
bool IsTranscription(vellum::IVellumKeyedStore& notes);

// The UI text of a transcription description with every "xx/xx/xxxx"
// replaced by the date of evaluation in the locale's short form (the store
// may keep it as an ISO text), cut to 64 characters. Leaves category 0,
// section 0 of the notes store selected.
std::string TranscriptionDescription(std::int32_t textId, vellum::IVellumKeyedStore& notes);

// Marks the notes store's description as the user's own ("CustomDescription"
// True in category 0, section 0).
void MarkCustomDescription(vellum::IVellumKeyedStore& notes);

}  // namespace brisance
