// The impedance view's handling of the instrument link's results, from a
// real link controller driven by the fake driver's scripted test blocks.

#include "module/views/tests/ImpedanceViewFixture.h"
#include "module/views/tests/LinkTestSupport.h"

#include "Implementation/Components/PelmSonvale/testing/FakeDriverControl.h"
#include "module/core/TextResources.h"
#include "module/views/frmChooseTympanogram.h"
#include "driver/testing/DriverRecordBuilders.h"
#include "platform/testing/ModalDialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestResponder.h"

#include <QTableWidget>

namespace brisance {
namespace {

using marlet::testing::TestBlockBuilder;
using testing::kLeft;
using testing::kRight;
using Cells = std::vector<std::string>;

const marlet::testing::Tympanogram kMeasured{
    .peakCompliance = 705, .volume = 1200, .gradient = 35, .gradientStatus = 1, .pressure = -50, .probeTone = 1};
const marlet::testing::Tympanogram kFlat{.peakCompliance = 30811, .gradient = 11565, .pressure = 405};

marlet::DriverTestBlock reflexBlock(std::uint8_t kind, std::int16_t result, std::int16_t stimulus, bool valid = true)
{
    marlet::DriverTestBlock block = TestBlockBuilder(kind).reflex(result, stimulus).block();
    block.Reflex0.Valid = valid ? 1 : 0;
    return block;
}

class ImpedanceLink : public testing::ImpedanceViewFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ImpedanceViewFixture::SetUp());
        link = std::make_unique<testing::SonvaleLink>(FAKE_DRIVER_PATH);
        view->Sonvale(link->Controller());
        link->CountEvents();
    }

    // The driver hands out the blocks in one read; waits until the view has
    // had them all.
    void receive(const std::vector<marlet::DriverTestBlock>& blocks)
    {
        fake.queueRead({}, blocks);
        ASSERT_NO_FATAL_FAILURE(link->Start(window));
        ASSERT_TRUE(link->WaitForEvents(expected += blocks.size()));
    }

    void stop()
    {
        link->Stop();
        ++expected;  // ShutdownComplete
    }

    pelmsonvale::testing::FakeDriverControl fake{FAKE_DRIVER_PATH};
    std::unique_ptr<testing::SonvaleLink> link;
    std::size_t expected = 0;
    platform::ui::TestResponder responder;
};

TEST_F(ImpedanceLink, TheOneValidTympanogramIsStoredAndShownKeepingTheChosenType)
{
    data->get_Tympanograms()->Add(kLeft)->put_TympType(4);
    view->ShowDataInDataLayer();
    receive({TestBlockBuilder(marlet::KindTympanogramLeft).summary(0, kMeasured).block()});

    const auto left = tympanogram(kLeft);
    EXPECT_EQ(left->get_PeakPressure(), -50);
    EXPECT_EQ(left->get_EarCanalVolume(), 120);
    EXPECT_EQ(left->get_StaticCompliance(), 70);
    EXPECT_EQ(left->get_PeakHeight(), 70);
    EXPECT_EQ(left->get_Gradient(), 35);
    EXPECT_EQ(left->get_GradientStatus(), 1);
    EXPECT_EQ(left->get_ProbeToneFrequency(), 678);
    EXPECT_EQ(left->get_TympType(), 4);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].undo, "Undo Tympanometry Change");
    EXPECT_TRUE(view->DataNeedsSaved());

    // The left ear's column is on the right.
    EXPECT_EQ(box("PeakPressure", 1).text(), "-50");
    EXPECT_EQ(box("EarCanalVolume", 1).text(), "1.2");
    EXPECT_EQ(box("StaticCompliance", 1).text(), "0.7");
    EXPECT_EQ(box("PeakHeight", 1).text(), "0.7");
    EXPECT_EQ(box("Gradient", 1).text(), "35");
    EXPECT_EQ(tympanometry().ProbeToneFrequency(), "678");
    EXPECT_EQ(tympanometry().TympType(kLeft), 4);
}

TEST_F(ImpedanceLink, TheUserKeepsOneOfSeveralValidTympanogramsOrNone)
{
    platform::testing::ModalDialogs dialogs;
    dialogs.answer<frmChooseTympanogram>([](frmChooseTympanogram& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Tympanometry - Left");
        EXPECT_EQ(dialog.findChild<QLabel*>("lblVolume")->text(), "1.2");
        EXPECT_EQ(dialog.findChild<QLabel*>("lblProbeTone")->text(), "678");
        QTableWidget& rows = *dialog.findChild<QTableWidget*>("lvwTympanograms");
        ASSERT_EQ(rows.rowCount(), 2);
        EXPECT_EQ(rows.horizontalHeaderItem(0)->text(), "Peak Pressure (mmH2O)");
        EXPECT_EQ(rows.item(0, 1)->text(), "0.7");
        EXPECT_EQ(rows.item(1, 0)->text(), "NP");
        EXPECT_EQ(rows.item(1, 1)->text(), "NP");
        EXPECT_EQ(rows.item(1, 2)->text(), "--");
        EXPECT_TRUE(rows.item(0, 0)->isSelected()) << "the first row is chosen at the start";
        QTest::mouseClick(rows.viewport(), Qt::LeftButton, {}, rows.visualItemRect(rows.item(1, 1)).center());
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    dialogs.answer<frmChooseTympanogram>([](frmChooseTympanogram& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Tympanometry - Right");
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    receive({TestBlockBuilder(marlet::KindTympanogramLeft).summary(0, kMeasured).summary(2, kFlat).block(),
             TestBlockBuilder(marlet::KindTympanogramRight).summary(0, kMeasured).summary(1, kMeasured).block()});

    const auto left = tympanogram(kLeft);
    ASSERT_TRUE(left);
    EXPECT_EQ(left->get_PeakPressure(), 405);
    EXPECT_EQ(left->get_StaticCompliance(), 30811);
    EXPECT_EQ(left->get_PeakHeight(), 30811);
    EXPECT_EQ(left->get_Gradient(), -32767);
    EXPECT_EQ(left->get_EarCanalVolume(), 120);
    EXPECT_FALSE(tympanogram(kRight)) << "Cancel keeps none";
    EXPECT_EQ(saved.size(), 1u);
}

TEST_F(ImpedanceLink, ReflexesAndDecaysGoToTheirPanelAndCurveByStimulus)
{
    receive({
        reflexBlock(marlet::KindIpsiReflexLeft, 95, 2),            // 1 kHz
        reflexBlock(marlet::KindContraReflexRight, 100, 7),        // broad-band noise
        reflexBlock(marlet::KindIpsiReflexRight, 90, 9),           // unknown: 7000
        reflexBlock(marlet::KindIpsiScreeningLeft, 402, 0, false),  // 500 Hz, no reflex
        reflexBlock(marlet::KindIpsiDecayLeft, 1, 2),              // 1 kHz, decay present
        reflexBlock(marlet::KindContraDecayRight, 0, 7),           // broad-band noise, absent
        TestBlockBuilder(marlet::KindTympanogramLeft).summary(0, kMeasured).action(1).block(),  // a cursor
    });
    EXPECT_EQ(reflexValue(vellum::kCurveIpsilateralReflex, kLeft, 1000), 950);
    EXPECT_EQ(reflexValue(vellum::kCurveContralateralReflex, kRight, 32765), 1000);
    EXPECT_EQ(reflexValue(vellum::kCurveIpsilateralReflex, kRight, 7000), 900);
    EXPECT_EQ(reflexValue(vellum::kCurveIpsilateralReflex, kLeft, 500), 4020) << "screening points carry codes";
    EXPECT_EQ(reflexValue(vellum::kCurveIpsilateralDecay, kLeft, 1000), 1);
    EXPECT_EQ(reflexValue(vellum::kCurveContralateralDecay, kRight, 32765), 0);
    EXPECT_FALSE(tympanogram(kLeft)) << "only measurement points are stored";
    ASSERT_EQ(saved.size(), 6u);
    for (const testing::SavedState& state : saved)
        EXPECT_EQ(state.undo, texts->LoadResString(TR_UNDO_IMPEDANCE_POINT));

    EXPECT_EQ(cells(0, 1), (Cells{"", " NR", "95", "", "", "", "", "", ""}));
    EXPECT_EQ(cells(0, 0), Cells(9)) << "7000 is shown nowhere";
    EXPECT_EQ(cells(1, 0), (Cells{"", "", "", "", "", "", "100", "", ""}));
    EXPECT_FALSE(decayButton(0, 1, 2).icon().isNull());
    EXPECT_FALSE(decayButton(1, 0, 6).icon().isNull());
    EXPECT_TRUE(responder.shown().empty());
}

TEST_F(ImpedanceLink, AnUnmarkedThresholdStoresNothingAndSaysSoOncePerMeasurement)
{
    const marlet::DriverTestBlock unmarked = reflexBlock(marlet::KindIpsiReflexLeft, 95, 2, false);
    receive({unmarked, reflexBlock(marlet::KindContraReflexRight, 80, 3, false)});
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].text, "Reflex Threshold Not Marked");
    EXPECT_EQ(responder.shown()[0].title, texts->LoadResString(TR_PROGRAM_TITLE));
    EXPECT_EQ(responder.shown()[0].style, platform::ui::MB_OK | platform::ui::MB_ICONINFORMATION);
    EXPECT_TRUE(saved.empty());
    EXPECT_EQ(reflexValue(vellum::kCurveIpsilateralReflex, kLeft, 1000), std::nullopt);

    stop();
    receive({unmarked});
    EXPECT_EQ(responder.shown().size(), 2u) << "a new measurement says it again";
}

TEST_F(ImpedanceLink, ResultsThatComeWhileTheDialogIsOpenAreHandledAfterItInOrder)
{
    platform::testing::ModalDialogs dialogs;
    dialogs.answer<frmChooseTympanogram>([this](frmChooseTympanogram& dialog) {
        // The reflex comes through the dialog's own event loop.
        EXPECT_TRUE(platform::testing::processUntil([&] { return link->EventsFired() == 1; }));
        EXPECT_EQ(reflexValue(vellum::kCurveIpsilateralReflex, kLeft, 1000), std::nullopt);
        EXPECT_TRUE(saved.empty());
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    receive({TestBlockBuilder(marlet::KindTympanogramLeft).summary(0, kMeasured).summary(1, kFlat).block(),
             reflexBlock(marlet::KindIpsiReflexLeft, 95, 2)});
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].undo, "Undo Tympanometry Change");
    EXPECT_EQ(saved[1].undo, texts->LoadResString(TR_UNDO_IMPEDANCE_POINT));
    EXPECT_EQ(tympanogram(kLeft)->get_PeakPressure(), -50);
    EXPECT_EQ(reflexValue(vellum::kCurveIpsilateralReflex, kLeft, 1000), 950);
}

}  // namespace
}  // namespace brisance
