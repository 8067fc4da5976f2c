#include "DriverReadBuffers.h"

#include <cstring>

namespace pelmsonvale {

namespace {

constexpr std::uint8_t kGuard = 0xA5;
constexpr std::size_t kMaximum = DriverReadBuffers::kMaximum;

// The record bytes zeroed and the room behind them guarded.
template <typename Record>
void lay(std::vector<Record>& records)
{
    auto* const bytes = reinterpret_cast<std::uint8_t*>(records.data());
    std::memset(bytes, 0, kMaximum * sizeof(Record));
    std::memset(bytes + kMaximum * sizeof(Record), kGuard, (records.size() - kMaximum) * sizeof(Record));
}

// Checked after every read: the guard is whole when its first byte is the
// pattern and every byte equals the one before it, which memcmp checks at
// the speed of memory instead of a byte at a time.
template <typename Record>
bool guardIsWhole(const std::vector<Record>& records)
{
    const auto* const guard = reinterpret_cast<const std::uint8_t*>(records.data() + kMaximum);
    const std::size_t size = (records.size() - kMaximum) * sizeof(Record);
    return guard[0] == kGuard && std::memcmp(guard, guard + 1, size - 1) == 0;
}

bool inRange(std::int32_t count)
{
    return count >= 0 && count <= DriverReadBuffers::kMaximum;
}

}  // namespace

DriverReadBuffers::DriverReadBuffers() : m_points(2 * kMaximum), m_blocks(2 * kMaximum)
{
    Clear();
}

void DriverReadBuffers::Clear()
{
    lay(m_points);
    lay(m_blocks);
    m_pointCount = 0;
    m_blockCount = 0;
}

bool DriverReadBuffers::IsIntact() const
{
    return inRange(m_pointCount) && inRange(m_blockCount) && guardIsWhole(m_points) && guardIsWhole(m_blocks);
}

std::span<const marlet::DriverPointRecord> DriverReadBuffers::ReadPoints() const
{
    return {m_points.data(), static_cast<std::size_t>(m_pointCount)};
}

std::span<const marlet::DriverTestBlock> DriverReadBuffers::ReadBlocks() const
{
    return {m_blocks.data(), static_cast<std::size_t>(m_blockCount)};
}

}  // namespace pelmsonvale
