#include "driver/CCurvesDialog.h"
#include "driver/DriverLibrary.h"
#include "driver/tests/ConnectedDriver.h"
#include "platform/testing/ModalDialogs.h"
#include "platform/ui/WindowHandle.h"
#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Faults.h"
#include "tools/instrument-sim/Instrument.h"
#include "tools/instrument-sim/TympanometerRecords.h"

#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace marlet {
namespace {

using platform::testing::child;
using platform::testing::click;
using platform::testing::processUntil;

// Connected with no instruments: the status dialog alone.
class StatusDialogTest : public ::testing::Test {
protected:
    QWidget window;
    DriverLibrary library{"marlet", {}};

    void SetUp() override
    {
        window.setGeometry(0, 0, 300, 200);
        window.show();
        std::int16_t poll = 0;
        ASSERT_EQ(library.reqAudiCon2(&poll, platform::ui::windowHandle(&window)), kResultOk);
        dialog = window.findChild<CCurvesDialog*>();
        ASSERT_NE(dialog, nullptr);
    }

    QString statusText(int id) const { return child<QLabel>(*dialog, std::to_string(id).c_str())->text(); }

    CCurvesDialog* dialog = nullptr;
};

TEST_F(StatusDialogTest, StandsBesideTheCallersWindowCoveringNothingOfItAndFollowsIt)
{
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isWindow()) << "a window of its own, not a child drawn over the document";
    const QRect workArea = window.screen()->availableGeometry();
    const auto expectBeside = [&](const char* when) {
        const QRect caller(window.mapToGlobal(QPoint(0, 0)), window.size());
        EXPECT_FALSE(dialog->frameGeometry().intersects(caller)) << when;
        EXPECT_TRUE(workArea.contains(dialog->frameGeometry())) << when;
    };
    expectBeside("at connect");
    const QPoint onTheRight = dialog->pos();
    window.move(workArea.right() - window.frameGeometry().width(), window.y());
    expectBeside("after the window moved to the right edge");
    EXPECT_LT(dialog->x(), onTheRight.x()) << "it went over to the left";
    window.resize(window.width(), 100);
    expectBeside("after the window was resized");
}

TEST_F(StatusDialogTest, ShowsItsTextsWithHtlChecked)
{
    EXPECT_EQ(dialog->windowTitle(), "PELM CORVANE");
    const std::pair<int, const char*> texts[] = {{2042, "HTL"},          {2043, "MCL"},         {2044, "UCL"},
                                                 {2045, "Audio Status"}, {2048, "Tymp Status"}, {2047, "Adv Setup"}};
    for (const auto& [id, text] : texts) {
        const QWidget* control = child(*dialog, std::to_string(id).c_str());
        ASSERT_NE(control, nullptr) << id;
        EXPECT_EQ(control->property("text").toString(), text) << id;
    }
    EXPECT_TRUE(child<QRadioButton>(*dialog, "2042")->isChecked());
    EXPECT_EQ(statusText(2046), "None");
    EXPECT_EQ(statusText(2049), "None");
}

TEST_F(StatusDialogTest, TextsFromTheWorkerAppearInTheFieldOfThePortBeingRead)
{
    std::thread worker([this] {
        library.changeInstrumentType(0);
        library.showStatus("Reading Message");
        library.changeInstrumentType(1);
        library.showStatus("Invalid checksum: Resend.");
    });
    worker.join();
    EXPECT_EQ(statusText(2046), "None") << "nothing is set from the worker's thread";
    EXPECT_TRUE(processUntil([&] { return statusText(2049) == "None\nInvalid checksum: Resend."; }));
    EXPECT_EQ(statusText(2046), "None\nReading Message");
}

TEST_F(StatusDialogTest, TheWorkerReadsTheCurveTheUserChose)
{
    auto readOnWorker = [this] { return std::async(std::launch::async, [this] { return library.acCurve(); }).get(); };
    EXPECT_EQ(readOnWorker(), AcCurve::Htl);
    click(child(*dialog, "2044"));
    EXPECT_EQ(readOnWorker(), AcCurve::Ucl);
    click(child(*dialog, "2043"));
    EXPECT_EQ(readOnWorker(), AcCurve::Mcl);

    ASSERT_EQ(library.releaseAudiCon(), kResultOk);
    EXPECT_EQ(readOnWorker(), AcCurve::Htl) << "without a status dialog";
    library.showStatus("goes nowhere");
}

TEST_F(StatusDialogTest, AWorkerPostingWhileTheUserInterfaceWaitsForItFinishes)
{
    std::thread worker([this] {
        for (int i = 0; i <= 200; ++i)
            library.showStatus("text " + std::to_string(i));
    });
    worker.join();  // the user-interface thread runs no loop while it waits
    EXPECT_TRUE(processUntil([&] { return statusText(2046) == "None\ntext 200"; }));
}

TEST_F(StatusDialogTest, AdvSetupOpensTheAudiometersAdvancedDialogAndSaves)
{
    ASSERT_EQ(library.releaseAudiCon(), kResultOk);
    const instrument_sim::Instrument tessil(ModelTessil, "COM16");
    library.settings().update([](SettingsValues& v) {
        v.model = "Tessil";
        v.models[ModelTessil].port = "COM16";
    });
    std::int16_t poll = 0;
    ASSERT_EQ(library.reqAudiCon2(&poll, platform::ui::windowHandle(&window)), kResultOk);
    dialog = window.findChild<CCurvesDialog*>();

    click(child(*dialog, "2047"));
    QDialog* advanced = dialog->advancedSetupDialog();
    ASSERT_NE(advanced, nullptr);
    EXPECT_EQ(advanced->windowTitle(), "Tessil/Dunmor Advanced Setup");
    click(child(*advanced, "Forehead"));
    click(child(*advanced, "OK"));
    EXPECT_EQ(library.settings().values().models[ModelTessil].boneVibratorCalibration, "Forehead");
    Settings stored("marlet");
    stored.load();
    EXPECT_EQ(stored.values().models[ModelTessil].boneVibratorCalibration, "Forehead") << "saved at once";
}

// Connected to a simulated audiometer and tympanometer, read as the link
// server reads, the status dialog standing by a window.
class InstrumentStatusTest : public testing::ConnectedDriver {
protected:
    QWidget window;
    CCurvesDialog* dialog = nullptr;

    void SetUp() override
    {
        window.setGeometry(0, 0, 300, 200);
        window.show();
        connect(ModelTessil, ModelQuorrelV2, platform::ui::windowHandle(&window));
        dialog = window.findChild<CCurvesDialog*>();
        ASSERT_NE(dialog, nullptr);
    }

    QString statusText(int id) const { return child<QLabel>(*dialog, std::to_string(id).c_str())->text(); }

    // Reads until the status text is `expected`, or starts with it when
    // `whole` is false.
    ::testing::AssertionResult readUntil(int id, const QString& expected, bool whole = true)
    {
        for (int i = 0; i < 5; ++i) {
            read();
            const auto shown = [&] { return whole ? statusText(id) == expected : statusText(id).startsWith(expected); };
            if (processUntil(shown, std::chrono::milliseconds(100)))
                return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "the status shows \"" << statusText(id).toStdString() << "\"";
    }
};

TEST_F(InstrumentStatusTest, EachStatusNamesTheInstrumentAndPortAndSaysWhatItsLineIsDoing)
{
    EXPECT_EQ(statusText(2046), "Tessil (COM3)\nConnected, waiting for a record");
    EXPECT_EQ(statusText(2049), "Quorrel v2 (COM4)\nConnected, waiting for a record");

    audiometer->send(instrument_sim::tonePoint({.levelA = 300}));
    EXPECT_TRUE(readUntil(2046, "Tessil (COM3)\nLast record received at ", false));
    EXPECT_TRUE(QRegularExpression("at \\d\\d:\\d\\d:\\d\\d$").match(statusText(2046)).hasMatch())
        << statusText(2046).toStdString();
    EXPECT_EQ(statusText(2049), "Quorrel v2 (COM4)\nConnected, waiting for a record");

    tympanometer->send(instrument_sim::withBadChecksum(tympanometer->record(instrument_sim::multiTympanogram({}))));
    EXPECT_TRUE(readUntil(2049, "Quorrel v2 (COM4)\nInvalid checksum: Resend."));
}

TEST_F(InstrumentStatusTest, ALostLineIsShownAndTheDialogClosesWhenBothInstrumentsHaveGone)
{
    audiometer.reset();
    EXPECT_TRUE(readUntil(2046, "Tessil (COM3)\nConnection lost"));
    EXPECT_TRUE(dialog->isVisible()) << "the tympanometer is still there";
    tympanometer.reset();
    EXPECT_TRUE(readUntil(2049, "Quorrel v2 (COM4)\nConnection lost"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(library->releaseAudiCon(), kResultOk);
}

}  // namespace
}  // namespace marlet
