#include "driver/Settings.h"

#include "driver/TextLimit.h"

#include <algorithm>
#include <iterator>

namespace marlet {

namespace {

constexpr std::string_view kModelNames[kModelCount] = {"Tessil",     "Dunmor", "Halvec", "Quorrel v2",
                                                       "Quorrel v1", "Pyrel",  "None"};
constexpr int kSavedModels = ModelNone;  // "None" has no section

constexpr const char* kDefaultSection = "Default";

// A model record's keys with the room its field has, terminator included.
struct ModelKey {
    const char* name;
    std::string ModelSettings::*field;
    std::size_t capacity;
};

constexpr ModelKey kModelKeys[] = {
    {"Port", &ModelSettings::port, 6},
    {"Baud", &ModelSettings::baud, 8},
    {"BitsParity", &ModelSettings::bitsParity, 14},
    {"Flow", &ModelSettings::flow, 12},
    {"StopBits", &ModelSettings::stopBits, 12},
    {"BoneVibratorCalibration", &ModelSettings::boneVibratorCalibration, 15},
    {"InsertPhoneType", &ModelSettings::insertPhoneType, 15},
    {"MCLUCLTransfer", &ModelSettings::mclUclTransfer, 14},
    {"ACCurveAsk", &ModelSettings::acCurveAsk, 8},
    {"ACCurve", &ModelSettings::acCurve, 22},
    {"ACCurveLast", &ModelSettings::acCurveLast, 22},
};

struct PortKey {
    const char* name;
    std::string PortSettings::*field;
};

constexpr PortKey kPortKeys[] = {
    {"Board", &PortSettings::board},         {"Driver", &PortSettings::driver},
    {"SubPort", &PortSettings::subPort},     {"Address", &PortSettings::address},
    {"Interrupt", &PortSettings::interrupt}, {"CardSeg", &PortSettings::cardSeg},
};

// The classic addresses and interrupts of the first four ports; the others
// share one.
constexpr const char* kPortAddresses[] = {"0x03F8", "0x02F8", "0x03E8", "0x02E8"};
constexpr const char* kPortInterrupts[] = {"4", "3", "4", "3"};

ModelSettings defaultModel(ModelIndex model)
{
    const bool eightBitLine = model == ModelHalvec || model == ModelPyrel;
    return {.port = "COM1",
            .baud = "9600",
            .bitsParity = eightBitLine ? "8 / None" : "7 / Even",
            .flow = "CTS/RTS",
            .stopBits = eightBitLine ? "1 Bit" : "2 Bits",
            .boneVibratorCalibration = "Mastoid",
            .insertPhoneType = "Unknown",
            .mclUclTransfer = "Single Point",
            .acCurveAsk = "NO",
            .acCurve = "Phones/Insert",
            .acCurveLast = "Phones/Insert"};
}

PortSettings defaultPort(int index)
{
    const bool classic = index < static_cast<int>(std::size(kPortAddresses));
    return {.board = "Windows",
            .driver = "Windows API",
            .subPort = "0",
            .address = classic ? kPortAddresses[index] : "0x02E0",
            .interrupt = classic ? kPortInterrupts[index] : "5",
            .cardSeg = "0x0000"};
}

}  // namespace

std::string_view modelName(ModelIndex model)
{
    return model >= 0 && model < kModelCount ? kModelNames[model] : std::string_view();
}

std::optional<ModelIndex> modelNamed(std::string_view name)
{
    const auto found = std::ranges::find(kModelNames, name);
    if (found == std::end(kModelNames))
        return std::nullopt;
    return static_cast<ModelIndex>(found - std::begin(kModelNames));
}

std::string portName(int index)
{
    return "COM" + std::to_string(index + 1);
}

std::optional<int> portIndex(std::string_view name)
{
    for (int index = 0; index < kPortCount; ++index) {
        if (portName(index) == name)
            return index;
    }
    return std::nullopt;
}

ModelIndex SettingsValues::audiometer() const
{
    return modelNamed(model).value_or(ModelTessil);
}

ModelIndex SettingsValues::tympanometer() const
{
    // Record 0 is an audiometer: it must not land in the tympanometer's slot.
    return modelNamed(model2).value_or(ModelNone);
}

const PortSettings* SettingsValues::portOf(ModelIndex model) const
{
    const auto index = portIndex(models[model].port);
    return index ? &ports[*index] : nullptr;
}

SettingsValues defaultSettings()
{
    SettingsValues values;
    values.model = "None";
    values.model2 = "None";
    for (int model = 0; model < kModelCount; ++model)
        values.models[model] = defaultModel(static_cast<ModelIndex>(model));
    for (int port = 0; port < kPortCount; ++port)
        values.ports[port] = defaultPort(port);
    return values;
}

Settings::Settings(std::string libraryName)
    : m_profile("Pelmworks", std::move(libraryName)), m_values(defaultSettings())
{
}

void Settings::load()
{
    SettingsValues loaded = defaultSettings();
    loaded.model = m_profile.getString(kDefaultSection, "Model", loaded.model);
    loaded.model2 = m_profile.getString(kDefaultSection, "Model2", loaded.model2);
    for (int model = 0; model < kSavedModels; ++model) {
        const std::string_view section = kModelNames[model];
        for (const auto& key : kModelKeys) {
            std::string& field = loaded.models[model].*key.field;
            field = truncated(m_profile.getString(section, key.name, field), key.capacity - 1);
        }
    }
    for (int port = 0; port < kPortCount; ++port) {
        for (const auto& key : kPortKeys) {
            std::string& field = loaded.ports[port].*key.field;
            field = m_profile.getString(portName(port), key.name, field);
        }
    }
    const std::lock_guard lock(m_mutex);
    m_values = std::move(loaded);
}

void Settings::save() const
{
    const SettingsValues saved = values();
    m_profile.writeString(kDefaultSection, "Model", saved.model);
    m_profile.writeString(kDefaultSection, "Model2", saved.model2);
    for (int model = 0; model < kSavedModels; ++model) {
        for (const auto& key : kModelKeys)
            m_profile.writeString(kModelNames[model], key.name, saved.models[model].*key.field);
    }
}

void Settings::savePorts() const
{
    const SettingsValues saved = values();
    for (int port = 0; port < kPortCount; ++port) {
        for (const auto& key : kPortKeys)
            m_profile.writeString(portName(port), key.name, saved.ports[port].*key.field);
    }
}

SettingsValues Settings::values() const
{
    const std::lock_guard lock(m_mutex);
    return m_values;
}

}  // namespace marlet
