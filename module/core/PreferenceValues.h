#pragma once
// The one way preference values are read back from the keyed store. Values
// come from older versions, imports and hand edits, so a value that a reading
// cannot take reads as if the key were absent: one bad value never stops a
// page, a dialog or the document from opening.

#include "platform/runtime/Variant.h"
#include "vellum/IVellumKeyedStore.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace brisance {

// A number: the leading number of the value's text, rounded half to even to
// 32 bits. Absent, no number, beyond 32 bits or an array: 0.
std::int32_t PreferenceNumber(const platform::runtime::Variant& value);

// A flag: False when absent, otherwise the value as a Boolean. A value that
// is no Boolean (a text such as "abc", an array) reads False.
bool PreferenceFlag(const platform::runtime::Variant& value);

// A text: the value joined to an empty text; "" when absent or an array.
std::string PreferenceText(const platform::runtime::Variant& value);

// The same readings of a key of the store's selected category and section.
std::int32_t PreferenceNumber(vellum::IVellumKeyedStore& store, std::string_view key);
bool PreferenceFlag(vellum::IVellumKeyedStore& store, std::string_view key);
std::string PreferenceText(vellum::IVellumKeyedStore& store, std::string_view key);

}  // namespace brisance
