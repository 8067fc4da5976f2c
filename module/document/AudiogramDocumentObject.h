#pragma once
// The audiogram document as the component object that the host creates by
// class id and frames as a document (IDocumentObject).

#include "platform/com/ClassFactory.h"
#include "platform/com/Guid.h"

namespace brisance {

// The class id that the installer registers with the host as the module's document.
inline constexpr platform::com::CLSID kAudiogramDocumentClsid =
    platform::com::makeGuid("{95875CF3-8638-4654-9A00-158E803957F3}");

// For the class table: a new document, its controls built and initialised.
platform::com::HRESULT CreateAudiogramDocument(const platform::com::IID& iid, void** object);

}  // namespace brisance
