#pragma once
// The class ids of the instrument-link server's library, by which clients
// create its objects without linking it.

#include "platform/com/Guid.h"

namespace pelmsonvale {

using platform::com::makeGuid;

// The link controller ("PelmSonvale.SonvaleController.1"); a client makes one per document.
inline constexpr platform::com::CLSID kSonvaleControllerClsid = makeGuid("{69804A71-C2FA-4E28-93AF-CBCA24AB573F}");
// The list of registered drivers ("PelmSonvale.SonvaleDrivers.1").
inline constexpr platform::com::CLSID kSonvaleDriversClsid = makeGuid("{123BEBBD-1A65-4D40-B4AE-D7C3D4BC9695}");
// One registered driver ("PelmSonvale.SonvaleDriver.1").
inline constexpr platform::com::CLSID kSonvaleDriverClsid = makeGuid("{DC684A88-254F-48BB-82D0-7226347EBD4F}");

// The library's type library, PELMSONVALELib 1.0 ("PelmSonvale 1.0 Type Library").
inline constexpr platform::com::Guid kTypeLibId = makeGuid("{EFA127F0-F05A-483C-850B-93AFE5B4B598}");

}  // namespace pelmsonvale
