// A threshold from a simulated audiometer to the pure-tone view: the Tessil
// on "COM3" sends one tone point, Marlet reads it, the link turns it into a
// PlotPoint, and the view stores and draws it.

#include "module/views/tests/LinkTestSupport.h"
#include "module/views/tests/PureToneViewFixture.h"

#include "module/views/tests/MarletForTests.h"
#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Instrument.h"

#include <memory>

namespace brisance {
namespace {

namespace sim = instrument_sim;

class PureToneEndToEnd : public testing::PureToneViewTest {
protected:
    void TearDown() override
    {
        link.reset();
        audiometer.reset();
        PureToneViewTest::TearDown();
    }

    // A Tessil on "COM3" measuring for the view.
    void startMeasurement()
    {
        // The tympanometer is None: an idle tympanometer port would slow every read.
        audiometer = std::make_unique<sim::Instrument>(marlet::ModelTessil, "COM3");
        testing::setUpMarlet(marlet::ModelTessil, marlet::ModelNone);
        link = std::make_unique<testing::SonvaleLink>(MARLET_LIBRARY_PATH);
        view->Sonvale(link->Controller());
        link->CountEvents();
        view->OnStartAudi();
        ASSERT_NO_FATAL_FAILURE(link->Start(*window));
    }

    std::unique_ptr<sim::Instrument> audiometer;
    std::unique_ptr<testing::SonvaleLink> link;
};

TEST_F(PureToneEndToEnd, ATessilTonePointIsStoredAndDrawnOnTheLeftEarChart)
{
    ASSERT_NO_FATAL_FAILURE(startMeasurement());

    audiometer->send(sim::tonePoint({.levelA = 250}));  // air conduction, left, 1 kHz, 25 dB
    ASSERT_TRUE(link->WaitForEvents(1));

    const auto stored = point(1, vellum::kEarLeft, 1000);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->get_Level(), 250);
    EXPECT_EQ(stored->get_Status(), vellum::kStatusMeasured);
    EXPECT_EQ(saved.size(), 1u);
    EXPECT_GT(pixelsOfColour(0, 500, 25, testing::kBlue), 10) << "the left X at 1 kHz, 25 dB";
}

TEST_F(PureToneEndToEnd, ASoundFieldThresholdWithoutAPaletteTestForItsEarIsKeptAndToldOfOnce)
{
    // The palette's sound-field test is binaural; the Tessil measures the left ear.
    ASSERT_NO_FATAL_FAILURE(startMeasurement());

    audiometer->send(sim::thresholdTable({.modeB = '2', .transducerPair = 9, .left = {{2000, 40}, {4000, 55}}}));
    ASSERT_TRUE(link->WaitForEvents(2));

    const auto stored = point(3, vellum::kEarLeft, 2000);
    ASSERT_TRUE(stored) << "the measurement is kept";
    EXPECT_EQ(stored->get_Level(), 400);
    EXPECT_TRUE(point(3, vellum::kEarLeft, 4000));
    EXPECT_EQ(saved.size(), 2u) << "each point is an undo step";
    EXPECT_TRUE(view->DataNeedsSaved());
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].text, text(TR_PURE_TONE_TESTS_MISSING) + "\n" + text(TR_THRESHOLD) + "," +
                                             text(TR_SPEAKER) + "," + text(TR_UNAIDED));

    view->ShowDataInDataLayer();
    EXPECT_EQ(responder.shown().size(), 1u) << "once per load";
    EXPECT_TRUE(point(3, vellum::kEarLeft, 2000));
}

}  // namespace
}  // namespace brisance
