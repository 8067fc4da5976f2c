#pragma once
// A preference store's whole content as text, one value a line, so that a
// change to a profile file shows as a change of lines.

#include "platform/runtime/Variant.h"

#include <string>

namespace brisance {

// Lines of "category<TAB>section<TAB>key<TAB>variant type<TAB>value", ordered
// by category, section and key. storeData is a store's Data (a Byte array);
// data that is no store content raises the store's error 5.
std::string ProfileListing(const platform::runtime::Variant& storeData);

}  // namespace brisance
