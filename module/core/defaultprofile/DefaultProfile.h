#pragma once
// The content of the host's shared default profile that ships with the
// module: what a new host user gets at the first document start.

#include "vellum/IVellumKeyedStore.h"

namespace brisance {

// Stores the default profile into an empty preference store: profile 0
// "Standard" (the default), the global options and the fourteen tests.
void FillDefaultProfile(vellum::IVellumKeyedStore& store);

}  // namespace brisance
