#pragma once
// The buffers that one ReadAudiMeas fills: ten point records and ten test
// blocks, zeroed before every read. Behind each lies as much room again,
// filled with a guard pattern, so that a driver that writes more than it may
// spoils the guard and not the worker's memory; a read whose counts are out
// of range or whose guard is spoiled is refused whole.

#include "marlet/DriverRecords.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pelmsonvale {

class DriverReadBuffers {
public:
    // The most records of each kind that one read may hand out.
    static constexpr std::int32_t kMaximum = 10;

    DriverReadBuffers();

    // Zeroes the records and the counts and lays the guard again.
    void Clear();

    marlet::DriverPointRecord* Points() { return m_points.data(); }
    marlet::DriverTestBlock* Blocks() { return m_blocks.data(); }
    std::int32_t* PointCount() { return &m_pointCount; }
    std::int32_t* BlockCount() { return &m_blockCount; }

    // True when both counts lie within 0 to kMaximum and the guard is whole.
    bool IsIntact() const;

    // The records that the last read handed out; only for an intact read.
    std::span<const marlet::DriverPointRecord> ReadPoints() const;
    std::span<const marlet::DriverTestBlock> ReadBlocks() const;

private:
    std::vector<marlet::DriverPointRecord> m_points;
    std::vector<marlet::DriverTestBlock> m_blocks;
    std::int32_t m_pointCount = 0;
    std::int32_t m_blockCount = 0;
};

}  // namespace pelmsonvale
