#pragma once
// A module for the host's tests: a document that says which client and action
// it shows, and a print handler that writes what it learned into its area.

#include "platform/com/Guid.h"

namespace host::testing {

inline constexpr platform::com::CLSID kTestDocumentClsid = platform::com::makeGuid("{0B4C6E1A-77D2-4F3B-9E51-6C2A8D90F3B6}");
inline constexpr platform::com::CLSID kTestPrintHandlerClsid = platform::com::makeGuid("{0B4C6E1A-77D2-4F3B-9E51-6C2A8D90F3B7}");

// The object name of the document's widget in its frame.
inline constexpr const char* kTestDocumentWidget = "testDocument";
// The description of an action whose report the handler refuses to print.
inline constexpr const char* kRefusedDescription = "refuse to print";

}  // namespace host::testing
