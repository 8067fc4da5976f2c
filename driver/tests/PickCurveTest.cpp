#include "driver/CCurvesDialog.h"
#include "driver/DriverLibrary.h"
#include "platform/testing/ModalDialogs.h"
#include "platform/ui/WindowHandle.h"
#include "tools/instrument-sim/Instrument.h"

#include <QCoreApplication>
#include <QPointer>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <future>

namespace marlet {
namespace {

using platform::testing::child;
using platform::testing::click;
using platform::testing::processUntil;

// A Halvec on a simulated port, asking every time.
class PickCurveTest : public ::testing::Test {
protected:
    instrument_sim::Instrument halvec{ModelHalvec, "COM2"};
    QWidget window;
    DriverLibrary library{"marlet", {}};

    void SetUp() override
    {
        library.settings().update([](SettingsValues& v) {
            v.model = "Halvec";
            v.models[ModelHalvec].port = "COM2";
            v.models[ModelHalvec].acCurveAsk = "YES";
        });
    }

    void connect()
    {
        std::int16_t poll = 0;
        ASSERT_EQ(library.reqAudiCon2(&poll, platform::ui::windowHandle(&window)), kResultOk);
    }

    // The worker's ask, on a thread of its own; it must come back at once.
    std::optional<CurveChoice> askOnWorker()
    {
        return std::async(std::launch::async, [this] { return library.pickCurve(); }).get();
    }

    QDialog* pickDialog() const
    {
        const auto* status = window.findChild<CCurvesDialog*>();
        return status ? status->pickCurveDialog() : nullptr;
    }
};

TEST_F(PickCurveTest, TheQuestionIsAnsweredOnTheUserInterfaceThreadWhileTheWorkerGoesOn)
{
    connect();
    EXPECT_EQ(askOnWorker(), std::nullopt);
    ASSERT_TRUE(processUntil([&] { return pickDialog() != nullptr; }));
    QDialog* pick = pickDialog();
    EXPECT_EQ(pick->parentWidget(), &window) << "owned by the status dialog's parent";
    EXPECT_EQ(pick->windowTitle(), "Pick AC Curve");
    EXPECT_EQ(askOnWorker(), std::nullopt) << "still waiting; asked once";

    click(child(*pick, "SoundField"));
    click(child(*pick, "AlwaysAsk"));
    click(child(*pick, "OK"));
    EXPECT_EQ(askOnWorker(), CurveChoice::SoundField);
    const ModelSettings halvecSettings = library.settings().values().models[ModelHalvec];
    EXPECT_EQ(halvecSettings.acCurveLast, "Free Field Speakers");
    EXPECT_EQ(halvecSettings.acCurveAsk, "NO");

    EXPECT_EQ(askOnWorker(), std::nullopt) << "the next transfer asks anew";
    ASSERT_TRUE(processUntil([&] { return pickDialog() != nullptr; }));
    EXPECT_TRUE(child<QRadioButton>(*pickDialog(), "SoundField")->isChecked()) << "preset from the last choice";
    click(child(*pickDialog(), "Cancel"));
    EXPECT_EQ(askOnWorker(), CurveChoice::Air);
    EXPECT_EQ(library.settings().values().models[ModelHalvec].acCurveLast, "Free Field Speakers")
        << "Cancel stores nothing";
}

// An answer given inside a nested event loop leaves the answered dialog
// waiting for its deletion until that loop ends; the next question is shown
// all the same.
TEST_F(PickCurveTest, TheNextQuestionDoesNotWaitForTheAnsweredDialogToGo)
{
    connect();
    EXPECT_EQ(askOnWorker(), std::nullopt);
    ASSERT_TRUE(processUntil([&] { return pickDialog() != nullptr; }));
    const QPointer<QDialog> answered = pickDialog();
    click(child(*answered, "OK"));
    EXPECT_EQ(askOnWorker(), CurveChoice::Air);

    EXPECT_EQ(askOnWorker(), std::nullopt);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);  // the question, not the deferred deletion
    ASSERT_FALSE(answered.isNull()) << "the answered dialog is still there";
    ASSERT_NE(pickDialog(), nullptr);
    EXPECT_NE(pickDialog(), answered.data()) << "a new question is shown";
}

TEST_F(PickCurveTest, WithoutAStatusDialogThePresetAnswersAtOnce)
{
    EXPECT_EQ(askOnWorker(), CurveChoice::Air);
    library.settings().update([](SettingsValues& v) { v.models[ModelHalvec].acCurveLast = "Free Field Speakers"; });
    EXPECT_EQ(askOnWorker(), CurveChoice::SoundField);
}

TEST_F(PickCurveTest, ReleaseClosesAnOpenPickDialogAndDropsTheQuestion)
{
    connect();
    EXPECT_EQ(askOnWorker(), std::nullopt);
    ASSERT_TRUE(processUntil([&] { return pickDialog() != nullptr; }));
    const QPointer<QDialog> pick = pickDialog();
    ASSERT_EQ(library.releaseAudiCon(), kResultOk);
    EXPECT_TRUE(pick.isNull());
    EXPECT_EQ(askOnWorker(), CurveChoice::Air) << "no status dialog now: the preset answers";
}

}  // namespace
}  // namespace marlet
