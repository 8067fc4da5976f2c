#pragma once
// The instruments' ASCII fields, read from one received record. Positions
// count from the start character (':' or '|' at 0, the type character at 1).
//
// Every read is checked against the bytes received: a field that reaches
// past them reads as if its missing characters were '0' and marks the record
// as overrun, so that a parser can refuse a record too short for what it
// claims instead of reading memory that was never received.

#include "driver/DriverLibrary.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace marlet {

// Rounds half away from zero to a multiple of 50: a level in tenths to 5 dB,
// a pressure in tenths to 5 daPa.
int roundToStepOf50(int tenths);

// The value of a hexadecimal digit of either case.
std::optional<int> hexDigit(char c);

class RecordFields {
public:
    explicit RecordFields(std::string_view record) : m_record(record) {}

    std::size_t size() const { return m_record.size(); }
    // True once any read reached past the received bytes.
    bool overrun() const { return m_overrun; }

    // The character at `position`; '0' past the end.
    char at(std::size_t position) const;
    // True when the `width` characters at `position` are exactly `text`.
    bool is(std::size_t position, std::string_view text) const;

    // Up to 9 characters: a '-' before any digit makes the value negative,
    // every other non-digit counts as a 0 digit.
    int decimal(std::size_t position, std::size_t width) const;
    // Up to 8 characters of either case; any other character counts as 0.
    std::uint32_t hex(std::size_t position, std::size_t width) const;
    // Four hexadecimal characters as a signed 16-bit value.
    int signedHex4(std::size_t position) const;

    // Levels in tenths of dB, rounded to 5 dB, or kLevelNone (DriverLibrary.h).
    // L4: tenths in four decimal characters, four blanks for none.
    int level4(std::size_t position) const;
    // L3: whole dB in three decimal characters, "---" for none.
    int level3(std::size_t position) const;
    // H4: half-dB steps in four hexadecimal characters, 0x8000 for none.
    int halfDb4(std::size_t position) const;

private:
    std::string_view m_record;
    mutable bool m_overrun = false;
};

}  // namespace marlet
