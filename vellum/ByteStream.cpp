#include "vellum/ByteStream.h"

#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <limits>

namespace vellum {

void raiseInvalidData(std::string_view subject, std::string_view problem)
{
    platform::runtime::raise(platform::runtime::errors::InvalidProcedureCall,
                             std::string(subject) + " " + std::string(problem), "Vellum");
}

std::vector<std::uint8_t> storedBytes(const platform::runtime::Variant& value, std::string_view subject)
{
    const auto* array = value.array();
    if (!array || array->elementType() != platform::runtime::VarType::Byte || array->dimensions() != 1)
        platform::runtime::raise(platform::runtime::errors::TypeMismatch,
                                 std::string(subject) + " must be a byte array", "Vellum");
    return value.toBytes();
}

void ByteWriter::u16(std::uint16_t value)
{
    m_bytes.push_back(static_cast<std::uint8_t>(value));
    m_bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::u32(std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) m_bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

void ByteWriter::count(std::size_t value)
{
    if (value > std::numeric_limits<std::uint32_t>::max()) raiseInvalidData("Data", "has too many items to store");
    u32(static_cast<std::uint32_t>(value));
}

void ByteWriter::text(std::string_view value)
{
    count(value.size());
    m_bytes.insert(m_bytes.end(), value.begin(), value.end());
}

ByteReader::ByteReader(std::span<const std::uint8_t> data, std::string_view subject)
    : m_data(data), m_subject(subject)
{
    if (data.size() > kMaxStoredSize) raiseInvalidData(m_subject, "is too large to be valid");
}

std::span<const std::uint8_t> ByteReader::take(std::size_t n)
{
    if (n > m_data.size() - m_offset) raiseInvalidData(m_subject, "is truncated");
    const auto taken = m_data.subspan(m_offset, n);
    m_offset += n;
    return taken;
}

std::uint8_t ByteReader::u8()
{
    return take(1)[0];
}

std::uint16_t ByteReader::u16()
{
    const auto b = take(2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t ByteReader::u32()
{
    const auto b = take(4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::size_t ByteReader::count(std::size_t minItemSize)
{
    const std::size_t n = u32();
    if (minItemSize > 0 && n > (m_data.size() - m_offset) / minItemSize)
        corrupt("claims more items than it holds");
    return n;
}

std::string ByteReader::text()
{
    const auto b = take(count(1));
    return std::string(b.begin(), b.end());
}

void ByteReader::expectTag(std::string_view expected)
{
    const auto b = take(expected.size());
    if (!std::equal(b.begin(), b.end(), expected.begin())) corrupt("is not in a known layout");
}

void ByteReader::expectEnd() const
{
    if (m_offset != m_data.size()) corrupt("has bytes after its end");
}

void ByteReader::corrupt(std::string_view problem) const
{
    raiseInvalidData(m_subject, problem);
}

}  // namespace vellum
