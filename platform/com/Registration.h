#pragma once
// Registration of a library's classes under HKEY_CLASSES_ROOT, which creation
// by class id and by ProgID reads. For each class of the table:
//
//     CLSID\{clsid}                               = description
//     CLSID\{clsid}\InprocServer32                = the library's path, "ThreadingModel" = threading model
//     CLSID\{clsid}\ProgID                        = ProgID
//     CLSID\{clsid}\VersionIndependentProgID      = version-independent ProgID
//     CLSID\{clsid}\<extra key>                   = its value
//     <ProgID>                                    = description, \CLSID = {clsid}
//     <version-independent ProgID>                = description, \CLSID = {clsid}, \CurVer = ProgID
//
// A library's DllRegisterServer and DllUnregisterServer (made by
// BRISANCE_COM_SERVER) call these with its own table and path.

#include "platform/com/InprocServer.h"

#include <filesystem>
#include <span>
#include <string>

namespace platform::com {

// Writes the keys of every class; when the registry holds them all already,
// writes nothing, so that registered classes serve from a registry that
// cannot be written. SELFREG_E_CLASS when the registry refuses a write, the
// table's classes are then unregistered again, so that no half registration
// stays behind; `failure`, when given, then says why, naming the registry file
// or key and the cause (read-only, disk full, damaged) where it is known.
HRESULT registerClasses(std::span<const ClassEntry> classes, const std::filesystem::path& library,
                        std::string* failure = nullptr);

// Removes exactly the keys that registerClasses writes: each class's key with
// everything below it, and each ProgID key that still names this class (a
// ProgID taken over by another class since is left alone). Keys already gone
// are no failure.
HRESULT unregisterClasses(std::span<const ClassEntry> classes);

}  // namespace platform::com
