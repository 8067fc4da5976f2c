#pragma once
// What the parsers take from the status dialog and the audiometer's settings.

#include <string>

namespace marlet {

// The curve that air-conduction values become, by the status dialog's radio
// buttons: threshold (HTL), most comfortable level (MCL) or uncomfortable level (UCL).
enum class AcCurve { Htl, Mcl, Ucl };

// The user's pick when a whole-curve transfer brings both air and sound field.
enum class CurveChoice { Air, SoundField };

// The audiometer's settings that shape its records.
struct ModelSettings {
    std::string boneVibratorCalibration = "Mastoid";  // "Forehead", "Mastoid", "Unknown"
    std::string insertPhoneType = "Unknown";          // "EAR", "Danavox", "Unknown"
    std::string mclUclTransfer = "Single Point";      // "Single Point", "Entire Curve"
    std::string acCurveAsk = "NO";                    // "YES", "NO"
    std::string acCurve = "Phones/Insert";            // "Phones/Insert", "Free Field Speakers"
};

}  // namespace marlet
