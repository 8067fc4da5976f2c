#pragma once
// Composers of the tympanometer's '|' records of type '1', by sub-type, from
// the values the driver should find in them. Decimal fields are sent as the
// instrument sends them; std::nullopt is the instrument's "-" for no value.

#include "tools/instrument-sim/Frame.h"

#include <optional>
#include <string>
#include <vector>

namespace instrument_sim {

// What every '|1' record carries.
struct ProbeRecord {
    std::string serial = "QR0012345";  // nine characters
    int testNumber = 1;                // 0-35, sent as a digit or a letter from 'A'
    bool rightEar = false;
};

struct TympanogramSummary {
    std::optional<int> compliance{};
    std::optional<int> pressure{};
    int gradient = 0;
};

// Sub-type 0: a tympanogram with up to three summaries.
struct MultiTympanogram {
    ProbeRecord probe{};
    int probeTone = 0;  // 0 226 Hz, 1 678 Hz, 2 1000 Hz
    int gradientStatus = 1;
    int volume = 1200;
    std::vector<TympanogramSummary> summaries{};
};
Frame multiTympanogram(const MultiTympanogram& record);

// Sub-type 1: a tympanogram with up to two screening reflexes. Results are the
// instrument's characters ('1', '4', '6' not tested, '2', '5' none, '3' present).
struct ScreeningTympanogram {
    ProbeRecord probe{};
    int probeTone = 0;
    char gradientStatus = '1';  // '0' or '2': not measured
    int gradient = 0;
    int volume = 1200;
    std::optional<int> compliance{};
    std::optional<int> pressure{};
    char mode = '1';  // '1' ipsilateral, '2' contralateral, '3' one of each
    char stimulus1 = '-';
    char stimulus2 = '-';
    char result1 = ' ';
    char result2 = ' ';
};
Frame screeningTympanogram(const ScreeningTympanogram& record);

// A reflex threshold block of sub-type 2.
struct ReflexThreshold {
    enum class Result { Invalid, Threshold, NoReflex };
    bool ipsilateral = true;
    int stimulus = 0;
    Result result = Result::Threshold;
    int threshold = 0;  // dB, for Result::Threshold
};
// Sub-type 2: one or two reflex threshold blocks.
Frame reflexThresholds(const ProbeRecord& probe, const std::optional<ReflexThreshold>& first,
                       const std::optional<ReflexThreshold>& second);

struct ReflexDecay {
    bool ipsilateral = true;
    int stimulus = 0;
    int decay = 0;  // 1000-54000 reads as decay detected
};
// Sub-type 6: one or two reflex decay blocks.
Frame reflexDecays(const ProbeRecord& probe, const std::optional<ReflexDecay>& first,
                   const std::optional<ReflexDecay>& second);

// Sub-type 4, 5 or any other: a '|1' record the driver accepts without output.
Frame probeRecord(const ProbeRecord& probe, int subType);

}  // namespace instrument_sim
