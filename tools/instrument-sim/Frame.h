#pragma once
// One instrument record being composed: the start character (':' for an
// audiometer, '|' for a tympanometer) at position 0, the type character at 1,
// fields from 2, then two checksum characters and CR LF. Positions count from
// the start character, as the record layouts give them.

#include "tools/instrument-sim/Checksum.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace instrument_sim {

// The longest tympanometer record, CR LF included.
inline constexpr std::size_t kPipeRecordLimit = 458;

// The body length of an audiometer record type, its two checksum characters
// included; none for a type the instruments do not send.
std::optional<std::size_t> colonBodyLength(char type);

// `text` with its checksum and CR LF appended.
std::string withChecksum(std::string_view text, ChecksumKind kind);

class Frame {
public:
    // An audiometer record of the type's fixed length, its fields all '0'.
    // std::invalid_argument for an unknown type.
    static Frame colon(char type);
    // A tympanometer record whose checksum sits at `checksumPosition`, its
    // fields all '0'. std::invalid_argument when it would exceed the limit.
    static Frame pipe(char type, std::size_t checksumPosition);

    // Writes a field; std::out_of_range when it would reach the checksum.
    Frame& put(std::size_t position, std::string_view field);
    Frame& put(std::size_t position, char field) { return put(position, std::string_view(&field, 1)); }

    // Start character, type and fields, without checksum.
    const std::string& text() const { return m_text; }
    // The record as sent.
    std::string bytes(ChecksumKind kind = ChecksumKind::Plain) const { return withChecksum(m_text, kind); }

private:
    explicit Frame(std::string text) : m_text(std::move(text)) {}

    std::string m_text;
};

}  // namespace instrument_sim
