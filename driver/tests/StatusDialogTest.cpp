#include "driver/CCurvesDialog.h"
#include "driver/DriverLibrary.h"
#include "platform/testing/ModalDialogs.h"
#include "platform/ui/WindowHandle.h"
#include "tools/instrument-sim/Instrument.h"

#include <QLabel>
#include <QRadioButton>

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
        window.resize(400, 300);
        window.show();
        std::int16_t poll = 0;
        ASSERT_EQ(library.reqAudiCon2(&poll, platform::ui::windowHandle(&window)), kResultOk);
        dialog = window.findChild<CCurvesDialog*>();
        ASSERT_NE(dialog, nullptr);
    }

    QString statusText(int id) const { return child<QLabel>(*dialog, std::to_string(id).c_str())->text(); }

    CCurvesDialog* dialog = nullptr;
};

TEST_F(StatusDialogTest, StandsInItsParentAndMovesWhenTheParentResizes)
{
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->pos(), QPoint(325, 60)) << "a narrow parent: at least 325";
    const QSize size = dialog->size();
    window.resize(1000, 300);
    EXPECT_EQ(dialog->pos(), QPoint(435, 60)) << "half the width less 65";
    window.resize(500, 200);
    EXPECT_EQ(dialog->pos(), QPoint(325, 60));
    EXPECT_EQ(dialog->size(), size) << "its own size is kept";
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

}  // namespace
}  // namespace marlet
