#pragma once
// Composers of the audiometer's ':' records, one per record type, from the
// values the driver should find in them. Levels are in tenths of dB;
// std::nullopt is "no level".

#include "tools/instrument-sim/Frame.h"

#include <array>
#include <map>
#include <optional>
#include <vector>

namespace instrument_sim {

// A single tone point, types '1', '2' and '5'. The defaults give an
// air-conduction point for the left ear measured on channel A: both channels
// in tone mode, transducers (0,3), routing (1,0).
struct TonePoint {
    char type = '1';
    char testType = '0';
    char modeA = '1';
    char modeB = '1';
    int transducerPair = 0;  // index 0-15
    int routingPair = 1;     // index 0-12
    std::optional<int> levelA{};
    std::optional<int> levelB{};
    bool maskedA = false;
    bool maskedB = false;
    int frequency = 1000;
};
Frame tonePoint(const TonePoint& point);

// An automatic threshold table, type '3': whole dB by frequency for each ear.
// Frequencies other than 500, 1000, 2000, 3000, 4000, 6000 and 8000 Hz cannot be sent.
struct ThresholdTable {
    char testType = '6';
    char modeA = '1';
    char modeB = '1';
    int transducerPair = 0;
    std::map<int, int> left{};
    std::map<int, int> right{};
};
Frame thresholdTable(const ThresholdTable& table);

// The instrument's own error report, type '4'.
Frame errorReport(int code);
// A record the driver accepts and ignores, type '7'.
Frame accepted();
// The instrument's set-up, type '8'.
Frame instrumentSetup(bool earInsertPhones, bool boneVibratorOnForehead);

// An air-conduction curve, type 'y': levels at 125, 250, 500, 750, 1000,
// 1500, 2000, 3000, 4000, 6000 and 8000 Hz.
Frame acCurve(bool rightEar, const std::array<std::optional<int>, 11>& levels);

// One frequency of a whole-curve transfer.
struct CurveValues {
    std::optional<int> air{};
    std::optional<int> airMasking{};
    std::optional<int> bone{};
    std::optional<int> boneMasking{};
    std::optional<int> soundField{};
};
// A whole-curve transfer, type '6': entries 0-12 carry 125, 250, 500, 750,
// 1000, 1500, 2000, 3000, 4000, 6000, 8000, 12000 and 8000 Hz.
Frame wholeCurve(const std::array<CurveValues, 13>& left, const std::array<CurveValues, 13>& right);

// One screening reflex of a tympanogram record.
struct ScreeningReflex {
    bool contralateral = false;
    int stimulus = 0;     // 0-3
    int resultClass = 1;  // 0 or 3 not tested, 2 none, 1 present
    int levelCode = 0;    // 3 present without threshold, 0-2 threshold by table
};

// A tympanogram, types 'x' (226 Hz) and 'z' (1000 Hz). Volume and compliance
// are the instrument's raw values in 1/64 ml.
struct Tympanogram {
    char type = 'x';
    int testNumber = 1;
    bool rightEar = false;
    int volume = 64;
    int compliance = 32;
    int pressure = 0;  // daPa
    std::optional<int> gradient{};
    std::vector<ScreeningReflex> reflexes{};  // at most four
    std::optional<int> reflexCount{};         // the count sent, when it is to differ from the reflexes given
};
Frame tympanogram(const Tympanogram& tympanogram);

}  // namespace instrument_sim
