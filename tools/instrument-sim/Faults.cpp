#include "tools/instrument-sim/Faults.h"

#include "tools/instrument-sim/Fields.h"
#include "tools/instrument-sim/Frame.h"

#include <stdexcept>

namespace instrument_sim {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The position of the first checksum character of a finished record.
std::size_t checksumPosition(std::string_view record)
{
    if (record.size() < 6 || !record.ends_with(kLineEnd))
        throw std::invalid_argument("not a finished record: it must end with two checksum characters and CR LF");
    return record.size() - 4;
}

}  // namespace

std::string withBadChecksum(std::string_view record)
{
    const std::size_t at = checksumPosition(record);
    const auto value = static_cast<std::uint8_t>(std::stoi(std::string(record.substr(at, 2)), nullptr, 16) + 1);
    std::string changed(record);
    changed.replace(at, 2, hex(value, 2));
    return changed;
}

std::string withType(std::string_view record, char type)
{
    checksumPosition(record);
    std::string changed(record);
    changed[1] = type;
    return changed;
}

std::string withoutCarriageReturn(std::string_view record)
{
    const std::size_t at = checksumPosition(record);
    std::string changed(record);
    changed.erase(at + 2, 1);
    return changed;
}

std::string withHighBits(std::string_view record)
{
    std::string changed(record);
    for (std::size_t i = 0; i < checksumPosition(record); ++i)
        changed[i] = static_cast<char>(changed[i] | 0x80);
    return changed;
}

Transmission splitRecord(std::string_view record, std::size_t splitAt, std::chrono::milliseconds gap)
{
    if (splitAt == 0 || splitAt >= record.size())
        throw std::invalid_argument("a record is split inside itself");
    return {{std::chrono::milliseconds(0), std::string(record.substr(0, splitAt))},
            {gap, std::string(record.substr(splitAt))}};
}

std::string overLongPipeLine(char type, std::size_t length)
{
    if (length < 4)
        throw std::invalid_argument("a line holds at least its start, type and checksum");
    return withChecksum(std::string{'|', type} + std::string(length - 4, '0'), ChecksumKind::Plain);
}

std::string strayCharacters(std::size_t count)
{
    static constexpr std::string_view kPrintable = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ?#";
    std::string strays;
    for (std::size_t i = 0; i < count; ++i)
        strays += kPrintable[i % kPrintable.size()];
    return strays;
}

}  // namespace instrument_sim
