#pragma once
// Loading an action group into a data object and a notes store: the document
// does it each time it shows its group, the combined report for the action it
// prints.

#include "module/core/ActionGroup.h"

#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"

#include "platform/runtime/RuntimeError.h"

#include <optional>

namespace brisance {

// Loads, in this order:
// 1. the audiogram (slot 0): its format and public data into the data object
//    (format 200 when the slot is empty); an action of this module in the
//    earlier format 100 also hands its private data to SetSecondaryData;
// 2. the left (slot 1) and right (slot 2) impedance actions, each only when
//    this module made it;
// 3. the notes store: emptied, then given slot 0's private data when this
//    module made that action and it has some.
// Failures of the secondary data and of the notes' content are ignored.
//
// Any other failure ends the loading there; what was loaded before it stays.
// With failure null the failure is shown in a message box (the description,
// a blank and the number with its leading blank; OK, no icon, the module's
// title); otherwise nothing is shown and the error is handed back in
// *failure. True when the loading ran to its end.
bool LoadActionsIntoModule(const ActionGroup& actions, vellum::IVellumDataLayer& data, vellum::IVellumKeyedStore& notes,
                           std::optional<platform::runtime::RuntimeError>* failure = nullptr);

}  // namespace brisance
