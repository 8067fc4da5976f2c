#pragma once
// The driver's settings: the "Default" section with the chosen models, one
// record per instrument model and one per serial port. They live under
// HKEY_CURRENT_USER "Software\Pelmworks\<library name>\<section>" as text
// values, are read when the library loads and written by the set-up dialogs
// and at release.
//
// Thread safety: the record reader and parsers read them (and type-'8'
// records change them) on the link's worker thread while the dialogs use and
// save them on the user-interface thread, so every access goes through the
// store's lock: values() hands out a copy, update() changes them in place.

#include "marlet/DriverExports.h"
#include "platform/registry/Profile.h"

#include <array>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace marlet {

inline constexpr int kModelCount = 7;  // ModelTessil .. ModelNone
inline constexpr int kPortCount = 16;  // COM1 .. COM16

// One instrument model's settings, as texts.
struct ModelSettings {
    std::string port;                     // "COM1" .. "COM16"
    std::string baud;                     // "9600"
    std::string bitsParity;               // "7 / Even", "8 / None", ...
    std::string flow;                     // "CTS/RTS", "XON/XOFF"
    std::string stopBits;                 // "1 Bit", "2 Bits"
    std::string boneVibratorCalibration;  // "Forehead", "Mastoid", "Unknown"
    std::string insertPhoneType;          // "EAR", "Danavox", "Unknown"
    std::string mclUclTransfer;           // "Single Point", "Entire Curve"
    std::string acCurveAsk;               // "YES", "NO"
    std::string acCurve;                  // "Phones/Insert", "Free Field Speakers"
    std::string acCurveLast;              // as acCurve

    bool operator==(const ModelSettings&) const = default;
};

// One serial port's settings: they describe multi-port boards, are checked at
// connect, and the port is always opened by its name.
struct PortSettings {
    std::string board;      // "Windows"
    std::string driver;     // "Windows API"
    std::string subPort;    // "0"
    std::string address;    // "0x03F8"
    std::string interrupt;  // "4"
    std::string cardSeg;    // "0x0000"

    bool operator==(const PortSettings&) const = default;
};

struct SettingsValues {
    std::string model;   // "Model": the audiometer's model name
    std::string model2;  // "Model2": the tympanometer's model name
    std::array<ModelSettings, kModelCount> models;  // by ModelIndex
    std::array<PortSettings, kPortCount> ports;     // COM1 first

    // The records "Model" and "Model2" select: an unknown "Model" selects
    // Tessil, an unknown "Model2" selects None.
    ModelIndex audiometer() const;
    ModelIndex tympanometer() const;
    // The port record of a model's port, or none when its name is no port.
    const PortSettings* portOf(ModelIndex model) const;

    bool operator==(const SettingsValues&) const = default;
};

// The settings of a machine that has never saved any.
SettingsValues defaultSettings();

// The model's section name: "Tessil", "Quorrel v2", "None", ...
std::string_view modelName(ModelIndex model);
std::optional<ModelIndex> modelNamed(std::string_view name);
// "COM1" for index 0.
std::string portName(int index);
std::optional<int> portIndex(std::string_view name);

class Settings {
public:
    // `libraryName`: the key under "Software\Pelmworks". Starts with the defaults.
    explicit Settings(std::string libraryName);

    // Reads every section; a value longer than its record holds is cut.
    void load();
    // Writes "Default" and the records of the six instrument models.
    void save() const;
    // Writes the sixteen port records.
    void savePorts() const;

    SettingsValues values() const;
    template <typename Change>
    void update(Change change)
    {
        const std::lock_guard lock(m_mutex);
        change(m_values);
    }

private:
    platform::registry::Profile m_profile;
    mutable std::mutex m_mutex;
    SettingsValues m_values;
};

}  // namespace marlet
