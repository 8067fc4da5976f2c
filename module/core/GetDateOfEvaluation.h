#pragma once
// The date of evaluation of the open document, kept as text under
// "DateOfEval" in category 0, section 0 of its notes store.

#include "vellum/IVellumKeyedStore.h"

#include "platform/runtime/Variant.h"

#include <optional>

namespace brisance {

// Selects category 0, section 0 of the notes store and leaves it selected.
// A document without a date gets today's, written as an ISO text
// ("2026-12-10") that reads back in any locale; a stored text in ISO form or
// in the locale's short or long date form (older documents) reads as that
// day. A text that is no date is no date (nullopt): it is left as it is and
// raises nothing, so that saving, printing or the date panel never fail on
// it, and only a day the user confirms replaces it. Failures of the store are
// raised.
std::optional<platform::runtime::Date> GetDateOfEvaluation(vellum::IVellumKeyedStore& oNotes);

// Writes the day as that ISO text, selecting category 0, section 0 and
// leaving it selected.
void SetDateOfEvaluation(vellum::IVellumKeyedStore& oNotes, platform::runtime::Date day);

}  // namespace brisance
