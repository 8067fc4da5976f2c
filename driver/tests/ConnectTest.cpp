#include "driver/CCurvesDialog.h"
#include "driver/DriverLibrary.h"
#include "driver/SetupDialog.h"
#include "platform/registry/Profile.h"
#include "platform/testing/ModalDialogs.h"
#include "platform/testing/TemporaryFolder.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestResponder.h"
#include "platform/ui/WindowHandle.h"
#include "tools/instrument-sim/Instrument.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>

namespace marlet {
namespace {

using instrument_sim::Instrument;
using platform::ui::TestResponder;

class ConnectTest : public ::testing::Test {
protected:
    platform::testing::TemporaryFolder translations;
    std::optional<Instrument> tessil{std::in_place, ModelTessil, "COM3"};
    std::optional<Instrument> quorrel{std::in_place, ModelQuorrelV2, "COM4"};
    TestResponder responder;
    QWidget window;
    std::unique_ptr<DriverLibrary> library;

    void SetUp() override
    {
        window.resize(600, 400);
        library = std::make_unique<DriverLibrary>("marlet", std::vector{translations.path()});
    }

    // Tessil on COM3 and Quorrel v2 on COM4, then the change.
    void configure(const std::function<void(SettingsValues&)>& change)
    {
        library->settings().update([&](SettingsValues& values) {
            values = defaultSettings();
            values.model = "Tessil";
            values.model2 = "Quorrel v2";
            values.models[ModelTessil].port = "COM3";
            values.models[ModelQuorrelV2].port = "COM4";
            change(values);
        });
    }

    std::int32_t connect()
    {
        std::int16_t poll = 0;
        return library->reqAudiCon2(&poll, platform::ui::windowHandle(&window));
    }

    CCurvesDialog* statusDialog() const { return window.findChild<CCurvesDialog*>(); }
};

struct ConnectCase {
    const char* name;
    std::function<void(SettingsValues&)> change;
    int serialError;  // 0: connects
    bool audiometerOpen;
    bool tympanometerOpen;
};

TEST_F(ConnectTest, ChecksOpensAndConfiguresTheSelectedPorts)
{
    const ConnectCase cases[] = {
        {"both None", [](SettingsValues& v) { v.model = v.model2 = "None"; }, 0, false, false},
        {"audiometer only", [](SettingsValues& v) { v.model2 = "None"; }, 0, true, false},
        {"tympanometer only", [](SettingsValues& v) { v.model = "None"; }, 0, false, true},
        {"both", [](SettingsValues&) {}, 0, true, true},
        {"one port for both", [](SettingsValues& v) { v.models[ModelQuorrelV2].port = "COM3"; }, 7, false, false},
        {"baud", [](SettingsValues& v) { v.models[ModelTessil].baud = "fast"; }, 9, false, false},
        {"bits and parity", [](SettingsValues& v) { v.models[ModelTessil].bitsParity = "7 / Mark"; }, 10, false, false},
        {"stop bits", [](SettingsValues& v) { v.models[ModelQuorrelV2].stopBits = "1.5 Bits"; }, 12, false, false},
        {"flow", [](SettingsValues& v) { v.models[ModelTessil].flow = "None"; }, 13, false, false},
        {"address", [](SettingsValues& v) { v.ports[2].address = "3F8"; }, 22, false, false},
        {"interrupt", [](SettingsValues& v) { v.ports[3].interrupt = "IRQ"; }, 17, false, false},
        {"card segment", [](SettingsValues& v) { v.ports[2].cardSeg = "F000"; }, 5, false, false},
        {"port without a device", [](SettingsValues& v) { v.models[ModelTessil].port = "COM9"; }, 7, false, false},
    };
    for (const ConnectCase& c : cases) {
        SCOPED_TRACE(c.name);
        configure(c.change);
        const std::size_t boxes = responder.shown().size();
        const std::int32_t result = connect();
        PortSlots& ports = library->ports();
        if (c.serialError == 0) {
            ASSERT_EQ(result, kResultOk) << library->lastError().text();
            EXPECT_EQ(responder.shown().size(), boxes) << "no box on success";
            EXPECT_NE(statusDialog(), nullptr);
            EXPECT_EQ(ports.audiometer.port.isOpen(), c.audiometerOpen);
            EXPECT_EQ(ports.audiometer.active, c.audiometerOpen);
            EXPECT_EQ(ports.tympanometer.port.isOpen(), c.tympanometerOpen);
            EXPECT_TRUE(ports.buffers.allocated());
            ASSERT_EQ(library->releaseAudiCon(), kResultOk);
            continue;
        }
        EXPECT_EQ(result, kResultNotConnected);
        EXPECT_EQ(library->lastError().code(), c.serialError);
        EXPECT_EQ(statusDialog(), nullptr);
        EXPECT_FALSE(ports.audiometer.port.isOpen() || ports.tympanometer.port.isOpen()) << "failure closes what opened";
        ASSERT_EQ(responder.shown().size(), boxes + 1);
        const auto& box = responder.shown().back();
        const std::string blanks(10, ' ');
        EXPECT_EQ(box.text, blanks + library->texts().text(5900 + c.serialError) + blanks);
        EXPECT_EQ(box.title, "Port Setup Error");
        EXPECT_TRUE(box.style & platform::ui::MB_SYSTEMMODAL);
    }
}

TEST_F(ConnectTest, KeptPortsCarryTheModelsLineSettings)
{
    configure([](SettingsValues& v) {
        v.models[ModelTessil].baud = "1200";
        v.models[ModelQuorrelV2].baud = "4800";
        v.models[ModelQuorrelV2].stopBits = "1 Bit";
    });
    ASSERT_EQ(connect(), kResultOk);
    EXPECT_EQ(tessil->lineSettings().baudRate, 1200);
    EXPECT_EQ(tessil->lineSettings().stopBits, platform::serial::StopBits::Two);
    EXPECT_EQ(quorrel->lineSettings().baudRate, 4800);
    EXPECT_EQ(quorrel->lineSettings().stopBits, platform::serial::StopBits::One);
    const SerialPort& port = library->ports().audiometer.port;
    EXPECT_EQ(port.dataBits(), 7);
    EXPECT_EQ(port.parity(), ParityEven);
    EXPECT_EQ(library->instrumentModel(), ModelTessil);
}

TEST_F(ConnectTest, APortHeldOpenElsewhereFailsTheConnect)
{
    configure([](SettingsValues&) {});
    platform::serial::SerialPort elsewhere;
    ASSERT_TRUE(elsewhere.openDevice(quorrel->devicePath()));
    EXPECT_EQ(connect(), kResultNotConnected);
    EXPECT_EQ(library->lastError().text(), "Invalid port.");
    EXPECT_FALSE(library->ports().audiometer.port.isOpen()) << "the audiometer's port is closed again";
}

TEST_F(ConnectTest, TheFailureBoxTitleMayBeTranslated)
{
    std::ofstream(translations.path() / "translate.txt") << "5601 Portfehler\n";
    configure([](SettingsValues& v) { v.models[ModelTessil].baud = "fast"; });
    ASSERT_EQ(connect(), kResultNotConnected);
    ASSERT_FALSE(responder.shown().empty());
    EXPECT_EQ(responder.shown().back().title, "Portfehler");
}

TEST_F(ConnectTest, ReleaseClosesThePortsDestroysTheDialogAndSaves)
{
    configure([](SettingsValues&) {});
    ASSERT_EQ(connect(), kResultOk);
    ASSERT_NE(statusDialog(), nullptr);
    library->settings().update([](SettingsValues& v) { v.models[ModelTessil].insertPhoneType = "EAR"; });

    ASSERT_EQ(library->releaseAudiCon(), kResultOk);
    EXPECT_EQ(statusDialog(), nullptr);
    EXPECT_FALSE(library->ports().audiometer.active || library->ports().tympanometer.active);
    EXPECT_FALSE(library->ports().buffers.allocated());
    platform::serial::SerialPort again;
    EXPECT_TRUE(again.openDevice(tessil->devicePath())) << "the port is free again";
    const platform::registry::Profile stored("Pelmworks", "marlet");
    EXPECT_EQ(stored.getString("Default", "Model", ""), "Tessil");
    EXPECT_EQ(stored.getString("Tessil", "InsertPhoneType", ""), "EAR");
}

TEST_F(ConnectTest, AnEmptyModelNameAsksForTheSetUpFirst)
{
    configure([](SettingsValues& v) { v.model = ""; });
    bool asked = false;
    platform::testing::ModalDialogs dialogs;
    dialogs.answer<SetupDialog>([&](SetupDialog& dialog) {
        asked = true;
        EXPECT_EQ(dialog.parentWidget(), nullptr);
    });
    EXPECT_EQ(connect(), kResultNotConnected) << "cancelled, the name is still empty";
    EXPECT_TRUE(asked);
}

}  // namespace
}  // namespace marlet
