#pragma once
// The module's print handler for the host's combined report: the host creates
// it by the class id the installer registered as the module's print handler
// and calls Print once per combined report, with the page already started.
// Print draws the audiogram report of the action the host prints into the
// host's device context and rectangle.
//
// It never touches an open document: for each call it makes its own host
// module server, data objects, preference store, curve preferences, symbol
// images and text loader, and lets go of them all on every exit. While it
// prints, its curve preferences and its text loader are the module-wide ones
// (the report's shared routines read them); the previous ones come back
// afterwards. Every failure reaches the host as the failure of Print, and no
// failure of loading the action shows a message box.

#include "host/HostInterfaces.h"

#include "platform/com/DispatchTable.h"
#include "platform/com/Object.h"

#include <span>

namespace brisance {

std::span<const platform::com::DispatchMember<host::IModulePrint>> combinedReportHandlerMembers();

class CCombinedReportHandler final
    : public platform::com::Object<platform::com::Dispatched<host::IModulePrint, combinedReportHandlerMembers>> {
public:
    static constexpr platform::com::CLSID kClsid = platform::com::makeGuid("{2BCA38E7-CD67-4D41-9BCD-249677DC3E70}");

    // pDispTavoPrint: the host's print object (TavoPrint), which gives the
    // device context and the rectangle in device pixels.
    void Print(platform::com::IDispatch* pDispTavoPrint) override;
};

}  // namespace brisance
