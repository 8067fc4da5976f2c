#pragma once
// Little-endian byte writing and bounds-checked reading for the stored forms
// of the data objects. A reader never reads past its data: a field that would
// run past the end, or a count that the remaining bytes cannot hold, raises a
// clear error (runtime error 5) that names what was being read.

#include "platform/runtime/Variant.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vellum {

// The largest stored form that a put accepts. An audiogram or a preference
// store takes kilobytes; anything near this size is not one of ours.
inline constexpr std::size_t kMaxStoredSize = 64u * 1024u * 1024u;

// Raises runtime error 5 "<subject> <problem>", source "Vellum".
[[noreturn]] void raiseInvalidData(std::string_view subject, std::string_view problem);

// The bytes of a stored form handed over as a variant; runtime error 13
// "<subject> must be a byte array" for any other value.
std::vector<std::uint8_t> storedBytes(const platform::runtime::Variant& value, std::string_view subject);

class ByteWriter {
public:
    void u8(std::uint8_t value) { m_bytes.push_back(value); }
    void i16(std::int16_t value) { u16(static_cast<std::uint16_t>(value)); }
    void u16(std::uint16_t value);
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void u32(std::uint32_t value);
    void count(std::size_t value);
    // A 32-bit byte length, then the UTF-8 bytes.
    void text(std::string_view value);
    void bytes(std::span<const std::uint8_t> value) { m_bytes.insert(m_bytes.end(), value.begin(), value.end()); }

    std::vector<std::uint8_t>& result() { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

class ByteReader {
public:
    // subject names the data in error texts ("Audiogram data").
    ByteReader(std::span<const std::uint8_t> data, std::string_view subject);

    std::uint8_t u8();
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::uint16_t u16();
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::uint32_t u32();
    // A count of items that each take at least minItemSize bytes; a count the
    // rest of the data cannot hold is corrupt.
    std::size_t count(std::size_t minItemSize);
    std::string text();
    // The next n bytes, which must be there.
    std::span<const std::uint8_t> take(std::size_t n);
    // Reads the 4-byte tag and raises when it is not expected.
    void expectTag(std::string_view expected);
    // Raises when bytes are left over.
    void expectEnd() const;

    std::span<const std::uint8_t> rest() const { return m_data.subspan(m_offset); }
    void skip(std::size_t n) { take(n); }
    [[noreturn]] void corrupt(std::string_view problem) const;

private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_offset = 0;
    std::string m_subject;
};

}  // namespace vellum
