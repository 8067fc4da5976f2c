#pragma once
// String tables: texts kept by integer id in a library.
//
// A library carries a string table by exporting
//     extern "C" const char* brisance_string_table_lookup(unsigned id);
// which gives the UTF-8 text of an id, or nullptr when it has none. Libraries
// get that function from a text file at build time, through the CMake
// functions brisance_add_language_library() and brisance_add_string_table()
// (cmake/LanguageLibrary.cmake), which also describes the file's form.

#include "platform/system/Library.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform::system {

inline constexpr const char* kStringTableLookupName = "brisance_string_table_lookup";

// The text of this id in the library's string table, cut to at most
// maxCharacters characters (whole UTF-8 characters, never half of one).
// Empty when the library is not loaded, has no string table or no text under
// this id.
std::string loadString(const Library& library, std::uint32_t id, std::size_t maxCharacters);

}  // namespace platform::system
