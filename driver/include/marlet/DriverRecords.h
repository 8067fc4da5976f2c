#pragma once
// The two result records that cross from the driver to the link server in
// caller-supplied buffers: one audiometric point, and one tympanometry, reflex
// or decay result. Both are little-endian and byte-exact; every offset is
// checked below, so a change that moves a field does not compile.

#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "the driver records are little-endian and are read in place");

namespace marlet {

// One audiometric point: 12 bytes.
struct DriverPointRecord {
    std::int32_t TypeWord;   // bits 0-7 curve and ear, 8-15 point code, 16-31 status
    std::int32_t Frequency;  // Hz
    std::int32_t Level;      // whole dB
};

// Curve and ear codes (TypeWord bits 0-7): odd left, even right.
enum CurveCode : std::int32_t {
    CurveAirLeft = 1,
    CurveAirRight = 2,
    CurveBoneLeft = 3,
    CurveBoneRight = 4,
    CurveMostComfortableLeft = 5,
    CurveMostComfortableRight = 6,
    CurveUncomfortableLeft = 7,
    CurveUncomfortableRight = 8,
    CurveSpeechReceptionLeft = 9,
    CurveSpeechReceptionRight = 10,
    CurveSoundFieldLeft = 11,
    CurveSoundFieldRight = 12,
};

// Point codes (TypeWord bits 8-15).
enum PointCode : std::int32_t {
    PointMeasurement = 0,
    PointCursor = 1,
    PointDelete = 2,
    PointDeleteCurve = 3,
    PointDeleteAllCurves = 4,
    PointMeasurementComplete = 5,
};

// Status bits of the TypeWord.
inline constexpr std::int32_t kStatusNoResponse = 1 << 17;
inline constexpr std::int32_t kStatusMasked = 1 << 18;
inline constexpr std::int32_t kStatusUnmeasurable = 1 << 19;

constexpr std::int32_t makeTypeWord(std::int32_t curve, std::int32_t pointCode, std::int32_t status)
{
    return (curve & 0xFF) | ((pointCode & 0xFF) << 8) | status;
}

// One summary of a tympanogram. Summaries lie 1540 bytes apart in the block;
// only their first 36 bytes carry fields.
struct DriverTympanogramSummary {
    std::int16_t PeakCompliance;     // +0; 30811 = no peak
    std::int16_t Reserved2;
    std::int16_t CompliancePresent;  // +4
    std::int16_t Reserved6;
    std::int16_t Volume;             // +8
    std::int16_t Reserved10;
    std::int16_t VolumePresent;      // +12
    std::int16_t Reserved14;
    std::int16_t Gradient;           // +16; -32767 none, 11565 not measured
    std::int16_t Reserved18;
    std::int16_t GradientStatus;     // +20
    std::int16_t Pressure;           // +22; daPa, 405 = none
    std::uint8_t Reserved24[8];
    std::int16_t ProbeTone;          // +32; 0 226 Hz, 1 678 Hz, 2 1000 Hz
    std::int16_t Valid;              // +34
};

// One reflex entry. Entries lie 798 bytes apart; only their first 26 bytes
// carry fields.
struct DriverReflexEntry {
    std::int16_t Result;    // +0; threshold in dB or a result code, decay 1/0
    std::int16_t Reserved2;
    std::int16_t Stimulus;  // +4
    std::uint8_t Reserved6[18];
    std::int16_t Valid;     // +24
};

inline constexpr std::int16_t kNoPeak = 30811;
inline constexpr std::int16_t kGradientNone = -32767;
inline constexpr std::int16_t kGradientNotMeasured = 11565;
inline constexpr std::int16_t kPressureNone = 405;
inline constexpr std::int16_t kReflexNotAvailable = 400;
inline constexpr std::int16_t kReflexNotTested = 401;
inline constexpr std::int16_t kReflexNone = 402;
inline constexpr std::int16_t kReflexPresent = 403;
inline constexpr std::int16_t kReflexNoneThreshold = 404;

// Record kinds (byte 22734): odd left, even right.
enum BlockKind : std::uint8_t {
    KindContraReflexLeft = 1,
    KindContraReflexRight = 2,
    KindIpsiReflexLeft = 3,
    KindIpsiReflexRight = 4,
    KindTympanogramLeft = 5,
    KindTympanogramRight = 6,
    KindContraDecayLeft = 7,
    KindContraDecayRight = 8,
    KindIpsiDecayLeft = 9,
    KindIpsiDecayRight = 10,
    KindContraScreeningLeft = 11,
    KindContraScreeningRight = 12,
    KindIpsiScreeningLeft = 13,
    KindIpsiScreeningRight = 14,
};

inline constexpr std::size_t kSummaryCount = 3;
inline constexpr std::size_t kReflexEntryCount = 4;
inline constexpr std::size_t kSerialLength = 9;

// One tympanometry, reflex or decay result: 22,756 bytes, written from a block
// of zero bytes. The kind and the action form one 16-bit value as the driver
// writes it, so the action is always 0 from this driver.
struct DriverTestBlock {
    std::uint8_t Unused[1504];
    DriverTympanogramSummary Summary0;
    std::uint8_t AfterSummary0[1540 - sizeof(DriverTympanogramSummary)];
    DriverTympanogramSummary Summary1;
    std::uint8_t AfterSummary1[1540 - sizeof(DriverTympanogramSummary)];
    DriverTympanogramSummary Summary2;
    std::uint8_t AfterSummary2[5392 - 4584 - sizeof(DriverTympanogramSummary)];
    DriverReflexEntry Reflex0;
    std::uint8_t AfterReflex0[798 - sizeof(DriverReflexEntry)];
    DriverReflexEntry Reflex1;
    std::uint8_t AfterReflex1[798 - sizeof(DriverReflexEntry)];
    DriverReflexEntry Reflex2;
    std::uint8_t AfterReflex2[798 - sizeof(DriverReflexEntry)];
    DriverReflexEntry Reflex3;
    std::uint8_t AfterReflex3[22734 - 7786 - sizeof(DriverReflexEntry)];
    std::uint8_t Kind;    // BlockKind
    std::uint8_t Action;
    std::int16_t Serial[kSerialLength];  // probe serial number, one character each
    std::int16_t TestNumber;
};

// Summary k (0-2) and reflex entry k (0-3) by index.
inline constexpr DriverTympanogramSummary DriverTestBlock::*kSummaries[kSummaryCount] = {
    &DriverTestBlock::Summary0, &DriverTestBlock::Summary1, &DriverTestBlock::Summary2};
inline constexpr DriverReflexEntry DriverTestBlock::*kReflexEntries[kReflexEntryCount] = {
    &DriverTestBlock::Reflex0, &DriverTestBlock::Reflex1, &DriverTestBlock::Reflex2,
    &DriverTestBlock::Reflex3};

// Layout checks: every field where the link server reads it.
static_assert(sizeof(DriverPointRecord) == 12);
static_assert(offsetof(DriverPointRecord, TypeWord) == 0);
static_assert(offsetof(DriverPointRecord, Frequency) == 4);
static_assert(offsetof(DriverPointRecord, Level) == 8);

static_assert(sizeof(DriverTympanogramSummary) == 36);
static_assert(offsetof(DriverTympanogramSummary, PeakCompliance) == 0);
static_assert(offsetof(DriverTympanogramSummary, CompliancePresent) == 4);
static_assert(offsetof(DriverTympanogramSummary, Volume) == 8);
static_assert(offsetof(DriverTympanogramSummary, VolumePresent) == 12);
static_assert(offsetof(DriverTympanogramSummary, Gradient) == 16);
static_assert(offsetof(DriverTympanogramSummary, GradientStatus) == 20);
static_assert(offsetof(DriverTympanogramSummary, Pressure) == 22);
static_assert(offsetof(DriverTympanogramSummary, ProbeTone) == 32);
static_assert(offsetof(DriverTympanogramSummary, Valid) == 34);

static_assert(sizeof(DriverReflexEntry) == 26);
static_assert(offsetof(DriverReflexEntry, Result) == 0);
static_assert(offsetof(DriverReflexEntry, Stimulus) == 4);
static_assert(offsetof(DriverReflexEntry, Valid) == 24);

static_assert(sizeof(DriverTestBlock) == 22756);
static_assert(alignof(DriverTestBlock) == 2);
static_assert(offsetof(DriverTestBlock, Summary0) == 1504);
static_assert(offsetof(DriverTestBlock, Summary1) == 1504 + 1540);
static_assert(offsetof(DriverTestBlock, Summary2) == 1504 + 2 * 1540);
static_assert(offsetof(DriverTestBlock, Reflex0) == 5392);
static_assert(offsetof(DriverTestBlock, Reflex1) == 5392 + 798);
static_assert(offsetof(DriverTestBlock, Reflex2) == 5392 + 2 * 798);
static_assert(offsetof(DriverTestBlock, Reflex3) == 5392 + 3 * 798);
static_assert(offsetof(DriverTestBlock, Kind) == 22734);
static_assert(offsetof(DriverTestBlock, Action) == 22735);
static_assert(offsetof(DriverTestBlock, Serial) == 22736);
static_assert(offsetof(DriverTestBlock, TestNumber) == 22754);

}  // namespace marlet
