// The driver's record reader on any byte streams, through ReadAudiMeas as the
// link server calls it. The input is one byte that picks the instruments and
// the settings the parsers read, then chunks: a 16-bit little-endian header
// (bit 15: the tympanometer's line, else the audiometer's; bits 0-14: the
// length, 0 for a read that times out) and that many bytes. Reads go on until
// both lines are drained. What holds: every read returns in bounded time,
// hands out no more records than asked and only points at test frequencies,
// and names a known instrument.

#include "driver/DriverLibrary.h"
#include "driver/fuzz/FastForwardClock.h"
#include "driver/fuzz/ScriptedLine.h"

#include "platform/testing/FuzzEnvironment.h"
#include "platform/testing/FuzzExpect.h"
#include "platform/testing/TemporaryFolder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

using namespace marlet;
using marlet::fuzzing::lineA;
using marlet::fuzzing::lineB;
using platform::testing::fuzzExpect;

namespace {

constexpr std::array kAudiometers = {ModelTessil, ModelDunmor, ModelHalvec, ModelPyrel};
constexpr std::array kTympanometers = {ModelQuorrelV2, ModelQuorrelV1};
constexpr std::int32_t kMaximum = 10;
constexpr std::chrono::seconds kLongestRead{30};

// Connects and releases as the driver's own session does, without its dialogs.
class PortsOnlySession final : public Session {
public:
    bool connect(DriverLibrary& library, WindowHandle) override
    {
        const SettingsValues values = library.settings().values();
        library.selectModels(values.audiometer(), values.tympanometer());
        return library.checkPorts(values, library.ports()) == 0;
    }
    void release(DriverLibrary& library) override
    {
        library.ports().release();
        library.curveQuestion().drop();
    }
    bool showSetup(DriverLibrary&, WindowHandle) override { return false; }
};

// One driver for the process, connected and released for each input.
DriverLibrary& library()
{
    static const platform::testing::TemporaryFolder noTranslations;
    static DriverLibrary driver("marlet", {noTranslations.path()});
    return driver;
}

SettingsValues settingsFor(std::uint8_t choice)
{
    const ModelIndex audiometer = kAudiometers[choice & 3];
    const ModelIndex tympanometer = kTympanometers[(choice >> 2) & 1];
    SettingsValues values = defaultSettings();
    values.model = modelName(audiometer);
    values.model2 = modelName(tympanometer);
    values.models[audiometer].port = fuzzing::kLineAPort;
    values.models[tympanometer].port = fuzzing::kLineBPort;
    ModelSettings& parsed = values.models[audiometer];
    parsed.mclUclTransfer = (choice & 8) ? "Entire Curve" : "Single Point";
    parsed.acCurveAsk = (choice & 16) ? "YES" : "NO";
    parsed.acCurve = (choice & 32) ? "Free Field Speakers" : "Phones/Insert";
    return values;
}

void scriptLines(const std::uint8_t* data, std::size_t size)
{
    lineA().clear();
    lineB().clear();
    for (std::size_t at = 0; at + 2 <= size;) {
        const auto header = static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
        at += 2;
        const std::size_t length = std::min<std::size_t>(header & 0x7FFF, size - at);
        (header & 0x8000 ? lineB() : lineA()).arrive(std::string(reinterpret_cast<const char*>(data + at), length));
        at += length;
    }
}

void readOnce(DriverLibrary& driver)
{
    std::vector<DriverPointRecord> points(kMaximum);
    std::vector<DriverTestBlock> blocks(kMaximum);
    std::int32_t pointCount = -1;
    std::int32_t blockCount = -1;
    const auto began = fuzzing::skippedTime();
    fuzzExpect(driver.readAudiMeas(points.data(), kMaximum, &pointCount, &blockCount, blocks.data()) == kResultOk,
               "a read of a connected driver succeeds");
    fuzzExpect(fuzzing::skippedTime() - began < kLongestRead, "every wait of a read is bounded");
    fuzzExpect(pointCount >= 0 && pointCount <= kMaximum, "a read hands out no more points than asked");
    fuzzExpect(blockCount >= 0 && blockCount <= kMaximum, "a read hands out no more test blocks than asked");
    for (std::int32_t i = 0; i < pointCount; ++i)
        fuzzExpect(isTestFrequency(points[static_cast<std::size_t>(i)].Frequency), "points are at test frequencies");
    const std::int32_t model = driver.instrumentModel();
    fuzzExpect(model >= ModelTessil && model <= ModelNone, "the instrument named is a known model");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    platform::testing::useFuzzingMachine();
    library().setSession(std::make_unique<PortsOnlySession>());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    DriverLibrary& driver = library();
    driver.settings().update([choice = data[0]](SettingsValues& values) { values = settingsFor(choice); });
    std::int16_t pollInterval = 0;
    fuzzExpect(driver.reqAudiCon2(&pollInterval, 0) == kResultOk, "the driver connects to the scripted ports");
    scriptLines(data + 1, size - 1);
    // Each read takes at least a byte or a time-out from a line that has any.
    for (std::size_t reads = 0; !lineA().empty() || !lineB().empty(); ++reads) {
        fuzzExpect(reads <= size, "every read takes something from the lines");
        readOnce(driver);
    }
    readOnce(driver);  // what the last record left waiting
    fuzzExpect(driver.releaseAudiCon() == kResultOk, "the driver releases");
    return 0;
}
