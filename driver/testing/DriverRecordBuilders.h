#pragma once
// Driver records for tests, built as the driver writes them: a point record
// from its parts, a test block from a block of zero bytes with only the named
// fields set. Shared by the driver's tests and the link server's.

#include "marlet/DriverRecords.h"

#include <cstdint>
#include <string_view>

namespace marlet::testing {

constexpr DriverPointRecord pointRecord(std::int32_t curve, std::int32_t pointCode, std::int32_t status,
                                        std::int32_t frequency, std::int32_t level)
{
    return {makeTypeWord(curve, pointCode, status), frequency, level};
}

// The fields of a tympanogram summary that the link server reads.
struct Tympanogram {
    std::int16_t peakCompliance = 0;
    std::int16_t volume = 0;
    std::int16_t gradient = 0;
    std::int16_t gradientStatus = 0;
    std::int16_t pressure = 0;
    std::int16_t probeTone = 0;
    std::int16_t valid = 1;
};

class TestBlockBuilder {
public:
    explicit TestBlockBuilder(std::uint8_t kind = 0) { m_block.Kind = kind; }

    TestBlockBuilder& action(std::uint8_t action)
    {
        m_block.Action = action;
        return *this;
    }
    // Tympanogram summary k (0 to 2).
    TestBlockBuilder& summary(std::size_t k, const Tympanogram& tympanogram)
    {
        DriverTympanogramSummary& summary = m_block.*kSummaries[k];
        summary.PeakCompliance = tympanogram.peakCompliance;
        summary.Volume = tympanogram.volume;
        summary.Gradient = tympanogram.gradient;
        summary.GradientStatus = tympanogram.gradientStatus;
        summary.Pressure = tympanogram.pressure;
        summary.ProbeTone = tympanogram.probeTone;
        summary.Valid = tympanogram.valid;
        return *this;
    }
    // Reflex entry 0, marked valid.
    TestBlockBuilder& reflex(std::int16_t result, std::int16_t stimulus)
    {
        m_block.Reflex0.Result = result;
        m_block.Reflex0.Stimulus = stimulus;
        m_block.Reflex0.Valid = 1;
        return *this;
    }
    // One character a slot, zero-extended; at most nine.
    TestBlockBuilder& serial(std::string_view characters)
    {
        for (std::size_t i = 0; i < kSerialLength; ++i)
            m_block.Serial[i] = i < characters.size() ? static_cast<std::uint8_t>(characters[i]) : 0;
        return *this;
    }
    TestBlockBuilder& testNumber(std::int16_t number)
    {
        m_block.TestNumber = number;
        return *this;
    }

    const DriverTestBlock& block() const { return m_block; }

private:
    DriverTestBlock m_block{};
};

}  // namespace marlet::testing
