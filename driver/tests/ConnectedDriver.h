#pragma once
// A driver connected to simulated instruments: the audiometer on COM3, the
// tympanometer on COM4, read through ReadAudiMeas as the link server reads.

#include "driver/DriverLibrary.h"
#include "platform/testing/TemporaryFolder.h"
#include "tools/instrument-sim/Instrument.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace marlet::testing {

using instrument_sim::Instrument;
using std::chrono::milliseconds;

// What one ReadAudiMeas handed out.
struct Reading {
    std::vector<DriverPointRecord> points;
    std::vector<DriverTestBlock> blocks;
};

class ConnectedDriver : public ::testing::Test {
protected:
    platform::testing::TemporaryFolder translations;
    std::optional<Instrument> audiometer;
    std::optional<Instrument> tympanometer;
    std::unique_ptr<DriverLibrary> library;

    // The instruments on their ports, the settings that select them, then
    // connect, the status dialog standing by the caller's window `parent`.
    void connect(ModelIndex audiometerModel, ModelIndex tympanometerModel, WindowHandle parent = 0)
    {
        if (audiometerModel != ModelNone)
            audiometer.emplace(audiometerModel, "COM3");
        if (tympanometerModel != ModelNone)
            tympanometer.emplace(tympanometerModel, "COM4");
        library = std::make_unique<DriverLibrary>("marlet", std::vector{translations.path()});
        library->settings().update([&](SettingsValues& values) {
            values = defaultSettings();
            values.model = modelName(audiometerModel);
            values.model2 = modelName(tympanometerModel);
            if (audiometerModel != ModelNone)
                values.models[audiometerModel].port = "COM3";
            if (tympanometerModel != ModelNone)
                values.models[tympanometerModel].port = "COM4";
        });
        std::int16_t poll = 0;
        ASSERT_EQ(library->reqAudiCon2(&poll, parent), kResultOk) << library->lastError().text();
    }

    Reading read()
    {
        constexpr std::int32_t kMaximum = 10;
        std::vector<DriverPointRecord> points(kMaximum);
        std::vector<DriverTestBlock> blocks(kMaximum);
        std::int32_t pointCount = 0;
        std::int32_t blockCount = 0;
        EXPECT_EQ(library->readAudiMeas(points.data(), kMaximum, &pointCount, &blockCount, blocks.data()),
                  kResultOk);
        points.resize(static_cast<std::size_t>(pointCount));
        blocks.resize(static_cast<std::size_t>(blockCount));
        return {points, blocks};
    }
};

}  // namespace marlet::testing
