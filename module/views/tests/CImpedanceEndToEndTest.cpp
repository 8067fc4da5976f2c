// A tympanogram with screening reflexes from a simulated instrument to the
// impedance view: the Pyrel audiometer on "COM3" sends its 'x' record,
// Marlet reads it, the link turns it into events, and the view stores and
// shows the results.

#include "module/views/tests/ImpedanceViewFixture.h"
#include "module/views/tests/LinkTestSupport.h"

#include "module/views/tests/MarletForTests.h"
#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Instrument.h"

namespace brisance {
namespace {

namespace sim = instrument_sim;
using testing::kLeft;
using Cells = std::vector<std::string>;

class ImpedanceEndToEnd : public testing::ImpedanceViewFixture {};

TEST_F(ImpedanceEndToEnd, APyrelTympanogramWithScreeningReflexesReachesThePanelsAndTheData)
{
    sim::Instrument audiometer(marlet::ModelPyrel, "COM3");
    testing::setUpMarlet(marlet::ModelPyrel, marlet::ModelNone);
    testing::SonvaleLink link(MARLET_LIBRARY_PATH);
    view->Sonvale(link.Controller());
    link.CountEvents();
    ASSERT_NO_FATAL_FAILURE(link.Start(window));

    // 1.2 ml and 0.7 ml in the instrument's 1/64 ml; an ipsilateral reflex at
    // 1 kHz found at 95 dB and none contralaterally at 2 kHz.
    audiometer.send(sim::tympanogram({.volume = 77,
                                      .compliance = 45,
                                      .pressure = -100,
                                      .gradient = 80,
                                      .reflexes = {{.stimulus = 1, .resultClass = 1, .levelCode = 1},
                                                   {.contralateral = true, .stimulus = 2, .resultClass = 2}}}));
    ASSERT_TRUE(link.WaitForEvents(3));

    const auto left = tympanogram(kLeft);
    ASSERT_TRUE(left);
    EXPECT_EQ(left->get_PeakPressure(), -100);
    EXPECT_EQ(left->get_EarCanalVolume(), 120);
    EXPECT_EQ(left->get_StaticCompliance(), 70);
    EXPECT_EQ(left->get_PeakHeight(), 70);
    EXPECT_EQ(left->get_Gradient(), 80);
    EXPECT_EQ(left->get_ProbeToneFrequency(), 226);
    EXPECT_EQ(reflexValue(vellum::kCurveIpsilateralReflex, kLeft, 1000), 950);
    EXPECT_EQ(reflexValue(vellum::kCurveContralateralReflex, kLeft, 2000), 4020);
    EXPECT_EQ(saved.size(), 3u);

    EXPECT_EQ(box("PeakPressure", 1).text(), "-100");
    EXPECT_EQ(box("EarCanalVolume", 1).text(), "1.2");
    EXPECT_EQ(tympanometry().ProbeToneFrequency(), "226");
    EXPECT_EQ(cells(0, 1), (Cells{"", "", "95", "", "", "", "", "", ""}));
    EXPECT_EQ(cells(1, 1), (Cells{"", "", "", " NR", "", "", "", "", ""}));
}

}  // namespace
}  // namespace brisance
