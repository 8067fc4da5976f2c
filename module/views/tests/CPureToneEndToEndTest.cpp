// A threshold from a simulated audiometer to the pure-tone view: the Tessil
// on "COM3" sends one tone point, Marlet reads it, the link turns it into a
// PlotPoint, and the view stores and draws it.

#include "module/views/tests/LinkTestSupport.h"
#include "module/views/tests/PureToneViewFixture.h"

#include "module/views/tests/MarletForTests.h"
#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Instrument.h"

namespace brisance {
namespace {

namespace sim = instrument_sim;

class PureToneEndToEnd : public testing::PureToneViewTest {};

TEST_F(PureToneEndToEnd, ATessilTonePointIsStoredAndDrawnOnTheLeftEarChart)
{
    // The tympanometer is None: an idle tympanometer port would slow every read.
    sim::Instrument audiometer(marlet::ModelTessil, "COM3");
    testing::setUpMarlet(marlet::ModelTessil, marlet::ModelNone);
    testing::SonvaleLink link(MARLET_LIBRARY_PATH);
    view->Sonvale(link.Controller());
    link.CountEvents();
    view->OnStartAudi();
    ASSERT_NO_FATAL_FAILURE(link.Start(*window));

    audiometer.send(sim::tonePoint({.levelA = 250}));  // air conduction, left, 1 kHz, 25 dB
    ASSERT_TRUE(link.WaitForEvents(1));

    const auto stored = point(1, vellum::kEarLeft, 1000);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->get_Level(), 250);
    EXPECT_EQ(stored->get_Status(), vellum::kStatusMeasured);
    EXPECT_EQ(saved.size(), 1u);
    EXPECT_GT(pixelsOfColour(0, 500, 25, testing::kBlue), 10) << "the left X at 1 kHz, 25 dB";
}

}  // namespace
}  // namespace brisance
