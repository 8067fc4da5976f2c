#pragma once
// A parser's input beside the record's bytes, and its output: the records to
// push, the error to record and the command to send. The parsers are pure
// functions from one to the other; the record reader pushes and sends.

#include "driver/CurveQuestion.h"
#include "driver/Settings.h"
#include "driver/StatusBoard.h"
#include "marlet/DriverExports.h"
#include "marlet/DriverRecords.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace marlet {

// The test frequencies the link knows, in Hz, in the order the instruments'
// curves send them.
inline constexpr std::array<std::int32_t, 13> kTestFrequencies = {125,  250,  500,  750,  1000,  1500, 2000,
                                                                  3000, 4000, 6000, 8000, 12000, 16000};

bool isTestFrequency(std::int32_t frequency);

// A curve's code for an ear, from its left-ear code (odd left, even right).
constexpr std::int32_t onEar(std::int32_t leftCode, bool rightEar)
{
    return leftCode + (rightEar ? 1 : 0);
}
// The curve an air-conduction value becomes by the status dialog's choice.
std::int32_t airCurve(AcCurve curve, bool rightEar);

struct ParseContext {
    ModelIndex audiometer = ModelNone;
    ModelSettings settings = defaultSettings().models[ModelTessil];  // the audiometer's
    AcCurve acCurve = AcCurve::Htl;
    // Set after a whole-curve transfer: the next single point is the cursor.
    bool cursorNext = false;
    // Asks the user which AC curve to keep; none while the answer is still
    // to come. Without one, the answer is air.
    std::function<std::optional<CurveChoice>()> pickCurve{};
};

// A point before it is pushed: its level still in tenths of dB.
struct ParsedPoint {
    std::int32_t typeWord = 0;
    std::int32_t frequency = 0;
    int levelTenths = 0;

    bool operator==(const ParsedPoint&) const = default;
};

enum class ErrorTable { Protocol, Serial };

// What a type-'8' record says about the audiometer's transducers.
struct InstrumentSetup {
    std::string boneVibratorCalibration;
    std::string insertPhoneType;
};

struct ParseResult {
    std::vector<ParsedPoint> points;
    std::vector<DriverTestBlock> blocks;
    // Recorded as the last error; 0 clears it.
    ErrorTable errorTable = ErrorTable::Protocol;
    int error = 0;
    // The error is also shown in the status field.
    bool showError = false;
    // The audiometer command to send, after the pause.
    std::optional<char> command;
    std::chrono::milliseconds pause{0};
    // The cursor-next flag's new value, when the record changes it.
    std::optional<bool> cursorNext;
    std::optional<InstrumentSetup> setup;
    // A whole-curve transfer waits for the user's pick: nothing else is set.
    bool curvePending = false;
};

// The protocol errors of the reader and parsers.
enum ProtocolError : int {
    ErrorNotTone = 102,
    ErrorNotAutomaticThreshold = 103,
    ErrorInvalidRecordType = 104,
    ErrorCorruptErrorMessage = 105,
    ErrorLostCharacters = 106,
    ErrorInvalidChecksum = 107,
    ErrorFrequencyNotSupported = 109,
    ErrorLevelFlashing = 110,
};

ParseResult protocolError(int code);
// A parser given no record: serial error 1.
ParseResult noRecord();

}  // namespace marlet
