#include "driver/CCurvesDialog.h"
#include "driver/DriverLibrary.h"
#include "driver/tests/ConnectedDriver.h"
#include "platform/testing/ModalDialogs.h"
#include "platform/ui/WindowHandle.h"
#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Faults.h"
#include "tools/instrument-sim/Instrument.h"
#include "tools/instrument-sim/TympanometerRecords.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace marlet {
namespace {

using platform::testing::child;
using platform::testing::click;
using platform::testing::processUntil;
using testing::Reading;

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

TEST_F(StatusDialogTest, StandsInTheCallersWindowKeepingItsSizeAndIsPlacedAgainWhenItRepaints)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isWindow()) << "a child of the caller's window";
    EXPECT_EQ(dialog->parentWidget(), &window);
    EXPECT_EQ(dialog->pos(), QPoint(325, 60)) << "a narrow window: at least 325";
    const QSize size = dialog->size();

    window.resize(1000, 300);
    dialog->repaint();
    EXPECT_EQ(dialog->pos(), QPoint(435, 60)) << "half the width less 65";
    window.resize(500, 200);
    dialog->repaint();
    EXPECT_EQ(dialog->pos(), QPoint(325, 60));

    library.showStatus("Transfer while HL  flashing:  Resend.");
    ASSERT_TRUE(processUntil([&] { return statusText(2046) == "Transfer while HL  flashing:  Resend."; }));
    EXPECT_EQ(dialog->size(), size) << "its own size is kept, whatever it shows";
    const QLabel* status = child<QLabel>(*dialog, "2046");
    EXPECT_GE(status->width(), status->sizeHint().width()) << "an error text fits its field";
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
    EXPECT_EQ(statusText(2046), "");
    EXPECT_EQ(statusText(2049), "");
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
    EXPECT_EQ(statusText(2046), "") << "nothing is set from the worker's thread";
    EXPECT_TRUE(processUntil([&] { return statusText(2049) == "Invalid checksum: Resend."; }));
    EXPECT_EQ(statusText(2046), "Reading Message");
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
    EXPECT_TRUE(processUntil([&] { return statusText(2046) == "text 200"; }));
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
// server reads, on a worker thread, the status dialog in a window.
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

    // One ReadAudiMeas on a worker thread, this thread showing what it posts.
    std::future<Reading> readOnWorker()
    {
        return std::async(std::launch::async, [this] { return read(); });
    }

    // Reads once and shows what the read posted.
    void readAndShow()
    {
        readOnWorker().get();
        QCoreApplication::processEvents();
    }
};

TEST_F(InstrumentStatusTest, ReadingMessageWhileARecordIsReadThenEmptyOrTheErrorOfThatRecord)
{
    EXPECT_EQ(statusText(2046), "");
    EXPECT_EQ(statusText(2049), "");

    // A tympanometer record that comes in two pieces: "Reading Message"
    // stands while the reader waits for the rest.
    const std::string record = tympanometer->record(instrument_sim::multiTympanogram({}));
    tympanometer->send(record.substr(0, 40));
    std::future<Reading> reading = readOnWorker();
    EXPECT_TRUE(processUntil([&] { return statusText(2049) == "Reading Message"; }));
    tympanometer->send(record.substr(40));
    EXPECT_EQ(reading.get().blocks.size(), 1u);
    EXPECT_TRUE(processUntil([&] { return statusText(2049) == ""; })) << "empty after a record";

    tympanometer->send(instrument_sim::withBadChecksum(record));
    readAndShow();
    EXPECT_EQ(statusText(2049), "Invalid checksum: Resend.");
    EXPECT_EQ(statusText(2046), "") << "each instrument in its own field";

    // A record whose parsing records an error keeps it shown after the
    // record's end, until the next record is read.
    audiometer->send(instrument_sim::tonePoint({}));  // no level: sent while the level flashed
    readAndShow();
    EXPECT_EQ(statusText(2046), "Transfer while HL  flashing:  Resend.");
    audiometer->send(instrument_sim::tonePoint({.levelA = 300}));
    readAndShow();
    EXPECT_EQ(statusText(2046), "");
}

TEST_F(InstrumentStatusTest, ALineThatDisappearsIsReportedAsAPortNotActiveAndTheDialogStays)
{
    audiometer.reset();  // the instrument's end of the line goes away
    for (int i = 0; i < 2; ++i) {
        const Reading reading = readOnWorker().get();
        EXPECT_TRUE(reading.points.empty());
        EXPECT_EQ(library->lastError().code(), ErrorPortNotActive);
        QCoreApplication::processEvents();
        EXPECT_EQ(statusText(2046), "Port not active.") << "read " << i;
    }
    EXPECT_TRUE(dialog->isVisible()) << "the dialog stays until the driver is released";
    EXPECT_FALSE(library->ports().audiometer.port.isOpen()) << "the port is closed";

    tympanometer->send(instrument_sim::multiTympanogram({}));
    EXPECT_EQ(readOnWorker().get().blocks.size(), 1u) << "the other instrument goes on";

    EXPECT_EQ(library->releaseAudiCon(), kResultOk);
    EXPECT_EQ(window.findChild<CCurvesDialog*>(), nullptr);
}

}  // namespace
}  // namespace marlet
