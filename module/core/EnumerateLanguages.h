#pragma once
// The folder scan that finds the language libraries.

#include "module/core/CLanguages.h"

#include <string>

namespace brisance {

// Adds every library ("*.so") of the language folder to the list, in the order
// in which the file system lists them: its ID from the leading number of its
// text 24000 (0 when there is none), its Filename and key the file's name, and
// the language ids of its text 24001. Files that do not load as libraries are
// skipped, and so is a file whose name differs from one this scan listed
// only in letter case; a missing folder adds nothing. The list is not emptied
// first, so a second scan into the same list raises the duplicate-key error
// (457) at the first file.
void EnumerateLanguages(CLanguages& languages, const std::string& languageFolder);

}  // namespace brisance
