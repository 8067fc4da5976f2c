#pragma once
// The record of a variant as the runtime writes it to a binary file: a 16-bit
// type code, then the value in its binary form, little-endian, no padding.
//
//   Integer, Boolean (-1/0)    2 bytes      Long, Single, Error    4 bytes
//   Double, Date, Currency     8 bytes      Byte                   1 byte
//   String    16-bit length, then the bytes (UTF-8 here)
//   Empty, Null                nothing more
//   Array     type code with kArrayFlag, 16-bit dimension count, for each
//             dimension a 32-bit element count and a 32-bit lower bound, then
//             the elements, first index fastest: values of the element type
//             in the form above, or whole records for a Variant array.
//
// Objects have no record.

#include "platform/runtime/Variant.h"

#include <cstdint>
#include <span>
#include <vector>

namespace platform::runtime {

// Appends the record of value. Raises 458 for an object (alone, in an array
// or inside an array's element) and 6 for a string longer than 65535 bytes;
// out is then unchanged.
void writeVariantRecord(std::vector<std::uint8_t>& out, const Variant& value);

// Reads the record that starts at offset and moves offset past it. Input that
// ends inside the record raises 62 (input past end of file); an unknown type
// code raises 458 and an impossible array descriptor 59 (bad record length).
// Never reads past the end of data, and allocates no more than the data can
// hold; offset is unchanged after an error.
Variant readVariantRecord(std::span<const std::uint8_t> data, std::size_t& offset);

}  // namespace platform::runtime
