// The pure-tone view's handling of the instrument link, from a real link
// controller driven by the fake driver's scripted point records.

#include "module/views/tests/LinkTestSupport.h"
#include "module/views/tests/PureToneViewFixture.h"

#include "Implementation/Components/PelmSonvale/testing/FakeDriverControl.h"
#include "driver/testing/DriverRecordBuilders.h"

namespace brisance {
namespace {

using namespace testing;
using marlet::testing::pointRecord;
using Keys = std::vector<std::int32_t>;

constexpr std::int32_t kUcl = 6;

marlet::DriverPointRecord measured(std::int32_t curve, std::int32_t frequency, std::int32_t level,
                                   std::int32_t status = 0)
{
    return pointRecord(curve, marlet::PointMeasurement, status, frequency, level);
}

class PureToneLink : public PureToneViewTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(PureToneViewTest::SetUp());
        link = std::make_unique<testing::SonvaleLink>(FAKE_DRIVER_PATH);
        view->Sonvale(link->Controller());
        link->CountEvents();
        QObject::connect(view, &CPureTone::Stopped, [this] { ++stopped; });
    }

    void TearDown() override
    {
        link.reset();
        PureToneViewTest::TearDown();
    }

    // The driver hands out the records in one read; waits until the view has
    // had that many events of the link.
    void receive(const std::vector<marlet::DriverPointRecord>& records, std::size_t events)
    {
        fake.queueRead(records);
        if (!started) {
            view->OnStartAudi();
            ASSERT_NO_FATAL_FAILURE(link->Start(*window));
            started = true;
        }
        ASSERT_TRUE(link->WaitForEvents(expected += events)) << "the link's events came";
    }
    void receive(const std::vector<marlet::DriverPointRecord>& records) { receive(records, records.size()); }

    bool interactive(int chart) const
    {
        lumenplot::VARIANT_BOOL value = lumenplot::VARIANT_FALSE;
        view->chtEar(chart).chart().get_InteractiveMode(&value);
        return value != lumenplot::VARIANT_FALSE;
    }

    bool linkActive() const
    {
        bool active = false;
        link->Controller()->get_IsSonvaleActive(&active);
        return active;
    }

    // Pixels of the highlight down the column of a chart X and across the row
    // of a level, in the colour of the chart's ear: blue on the left ear's
    // chart (0), red on the right ear's (1).
    int highlightedColumn(int chart, double x) const { return highlightPixels(chart, pixelOf(chart, x, 0).x(), true); }
    int highlightedRow(int chart, double level) const
    {
        return highlightPixels(chart, pixelOf(chart, 0, level).y(), false);
    }

    pelmsonvale::testing::FakeDriverControl fake{FAKE_DRIVER_PATH};
    std::unique_ptr<testing::SonvaleLink> link;
    std::size_t expected = 0;
    bool started = false;
    int stopped = 0;

private:
    int highlightPixels(int chart, int at, bool column) const
    {
        const platform::gfx::ColorRef earColour = chart == 0 ? kBlue : kRed;
        QCoreApplication::processEvents();
        const QImage image = grabControl(*view->chtEar(chart).widget());
        int count = 0;
        const int length = column ? image.height() : image.width();
        for (int along = 0; along < length; ++along) {
            const QPoint pixel = column ? QPoint(at, along) : QPoint(along, at);
            if (image.rect().contains(pixel) && pixelAt(image, pixel.x(), pixel.y()) == earColour)
                ++count;
        }
        return count;
    }
};

TEST_F(PureToneLink, MeasuredPointsTakeTheRoadOfAClickUnderTheTestOfTheirCurveType)
{
    select(BoneItem);
    receive({
        measured(marlet::CurveAirLeft, 1000, 25),
        measured(marlet::CurveAirRight, 2000, 60, marlet::kStatusMasked | marlet::kStatusNoResponse),
        measured(marlet::CurveAirLeft, 12000, 30),
        measured(marlet::CurveAirLeft, 8000, 40),
        measured(marlet::CurveBoneRight, 500, 70, marlet::kStatusUnmeasurable),
        measured(marlet::CurveMostComfortableRight, 1000, 80),
        measured(marlet::CurveSpeechReceptionLeft, 1000, 35),  // speech: not here
        measured(marlet::CurveUncomfortableLeft, 1000, 95),    // no such test: kept, and told of
        measured(marlet::CurveUncomfortableLeft, 2000, 100),
    });

    struct Stored {
        std::int32_t type, ear, frequency;
        std::int16_t level, status, masking;
    };
    const Stored stored[] = {
        {kAir, kLeft, 1000, 250, vellum::kStatusMeasured, vellum::kNoValue},
        {kAir, kRight, 2000, 600, vellum::kStatusNoResponse, 0},
        {kAir, kLeft, 8000, 400, vellum::kStatusMeasured, vellum::kNoValue},
        {kBone, kRight, 500, 700, vellum::kStatusUnmeasurable, vellum::kNoValue},
        {kMcl, kRight, 1000, 800, vellum::kStatusMeasured, vellum::kNoValue},
    };
    for (const Stored& s : stored) {
        const auto plotted = point(s.type, s.ear, s.frequency);
        ASSERT_TRUE(plotted) << "type " << s.type << ", ear " << s.ear << ", " << s.frequency << " Hz";
        EXPECT_EQ(plotted->get_Level(), s.level) << s.frequency << " Hz";
        EXPECT_EQ(plotted->get_Status(), s.status) << s.frequency << " Hz";
        EXPECT_EQ(plotted->get_MaskingLevel(), s.masking) << s.frequency << " Hz";
    }
    EXPECT_FALSE(point(kAir, kLeft, 12000)) << "12 kHz is not plotted from the instrument";
    EXPECT_FALSE(hasCurve(15, kLeft));
    ASSERT_TRUE(point(kUcl, kLeft, 1000));
    EXPECT_EQ(point(kUcl, kLeft, 1000)->get_Level(), 950);
    EXPECT_TRUE(point(kUcl, kLeft, 2000));

    ASSERT_EQ(saved.size(), std::size(stored) + 2) << "one undo step per point";
    for (const Snapshot& step : saved)
        EXPECT_EQ(step.undo, text(TR_UNDO_PURE_TONE_POINT));
    EXPECT_TRUE(view->DataNeedsSaved());

    // The table shows bone conduction: the air points stay out of its rows.
    EXPECT_EQ(cell(1, k500HzColumn, kLevelRow), "UNM");
    EXPECT_EQ(cell(0, k1000HzColumn, kLevelRow), "");
    EXPECT_EQ(cell(1, k2000HzColumn, kLevelRow), "");
    EXPECT_EQ(cell(1, k1000HzColumn, kLevelRow), "");
    // CurveIDs: air 1, bone 2, MCL 4.
    EXPECT_EQ(lineKeys(0), (Keys{1}));
    EXPECT_EQ(lineKeys(1), (Keys{1, 2, 4}));
    EXPECT_GT(pixelsOfColour(0, k1000Hz, 25, kBlue), 10);
    ASSERT_EQ(responder.shown().size(), 1u) << "the measurement without a test is told of once";
    EXPECT_EQ(responder.shown()[0].text, text(TR_PURE_TONE_TESTS_MISSING) + "\n" + text(TR_UCL) + "," +
                                             text(TR_PHONES) + "," + text(TR_UNAIDED));
}

TEST_F(PureToneLink, AnInstrumentCurveFindsThePalettesTestOfItsTypeWhateverItsKey)
{
    // A profile whose air-conduction test is aided, and whose speaker MCL
    // test stands beside the phones one.
    const auto aided = tests->Add("1-1-2-");
    aided->TestType = kAir;
    aided->Condition = 3;
    aided->Left0Unmasked = tests->Item("1-1-1-")->Left0Unmasked;
    const auto speakerMcl = tests->Add("2-3-1-");
    speakerMcl->TestType = 5;
    speakerMcl->Condition = 2;
    CPaletteItems& items = *view->PaletteItems();
    items.RemoveByID(AirItem);
    AddPaletteItemForCurvePref(aided, items, false);
    AddPaletteItemForCurvePref(speakerMcl, items, false);
    FillCurvePalette(*view->Palette(), items, true);

    receive({measured(marlet::CurveAirLeft, 1000, 25), measured(marlet::CurveMostComfortableRight, 500, 70)});

    vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
    ASSERT_TRUE(data->get_PureToneCurves()->Find(kAir, kLeft, 3, curve)) << "the aided test's curve";
    EXPECT_EQ(curve->get_Points()->Item(1000)->get_Level(), 250);
    EXPECT_FALSE(hasCurve(kAir, kLeft));
    EXPECT_TRUE(point(kMcl, kRight, 500)) << "the phones MCL is the instrument's";
    EXPECT_FALSE(hasCurve(5, kRight));
    EXPECT_TRUE(responder.shown().empty());
}

TEST_F(PureToneLink, TheCursorFollowsTheInstrumentWithinTheLevelsAndTheAxis)
{
    const auto cursor = [](std::int32_t curve, std::int32_t frequency, std::int32_t level) {
        return pointRecord(curve, marlet::PointCursor, 0, frequency, level);
    };
    struct Case {
        std::int32_t frequency;
        std::int32_t level;
        bool followed;
    };
    const Case cases[] = {
        {1000, -11, false}, {1000, -10, true}, {1000, 120, true}, {1000, 121, false},
        {12000, 40, false},  // beyond the axis: chart X 0
    };
    for (const Case& c : cases) {
        receive({cursor(marlet::CurveAirLeft, 2000, 50), cursor(marlet::CurveAirLeft, c.frequency, c.level)});
        const double x = c.followed ? k1000Hz : k2000Hz;
        const double level = c.followed ? c.level : 50;
        EXPECT_GT(highlightedColumn(0, x), 20) << c.frequency << " Hz, " << c.level << " dB";
        EXPECT_GT(highlightedRow(0, level), 20) << c.frequency << " Hz, " << c.level << " dB";
    }

    receive({cursor(marlet::CurveAirRight, 1000, 40)});
    EXPECT_GT(highlightedColumn(1, k1000Hz), 20) << "the right ear's cursor is on the right-ear chart";
    EXPECT_EQ(highlightedColumn(0, k1000Hz), 0) << "and gone from the other chart";
    EXPECT_EQ(highlightedRow(0, 40), 0);
    EXPECT_TRUE(saved.empty());
}

TEST_F(PureToneLink, DeletesRemovePointsAndCurvesAlsoOfTestsOffThePalette)
{
    const auto ucl = tests->Add("3-1-1-");
    ucl->TestType = kUcl;
    ucl->Condition = 2;
    addCurve(kUcl, kRight, {{1000, 90}});
    addCurve(kAir, kLeft, {{1000, 20}, {2000, 30}});
    select(AirItem);
    view->ShowDataInDataLayer();
    ASSERT_EQ(cell(0, k1000HzColumn, kLevelRow), "20");

    receive({pointRecord(marlet::CurveAirLeft, marlet::PointDelete, 0, 1000, 0),
             pointRecord(marlet::CurveUncomfortableRight, marlet::PointDeleteCurve, 0, 0, 0),
             pointRecord(0, marlet::PointDeleteCurve, 0, 0, 0)});  // no curve: nothing

    EXPECT_FALSE(point(kAir, kLeft, 1000));
    EXPECT_TRUE(point(kAir, kLeft, 2000));
    EXPECT_EQ(cell(0, k1000HzColumn, kLevelRow), "");
    EXPECT_EQ(cell(0, k2000HzColumn, kLevelRow), "30");
    EXPECT_FALSE(hasCurve(kUcl, kRight));
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].undo, text(TR_UNDO_PURETONE_POINT_DELETE));
    EXPECT_EQ(saved[1].undo, text(TR_UNDO_DELETE_CURVE));
    EXPECT_TRUE(view->DataNeedsSaved());
}

TEST_F(PureToneLink, DeleteAllCurvesIsOneUndoStepAndLeavesEmptyCurvesAndImpedanceResults)
{
    addCurve(kAir, kLeft, {{1000, 20}});
    addCurve(kBone, kRight, {{500, 10}});
    addCurve(kMcl, kRight, {});
    addCurve(vellum::kCurveIpsilateralReflex, kLeft, {{1000, 85}});
    addCurve(vellum::kCurveContralateralDecay, kLeft, {{1000, 0}});
    view->ShowDataInDataLayer();
    const auto before = data->get_Data();

    receive({pointRecord(0, marlet::PointDeleteAllCurves, 0, 0, 0)});

    EXPECT_FALSE(hasCurve(kAir, kLeft));
    EXPECT_FALSE(hasCurve(kBone, kRight));
    EXPECT_TRUE(hasCurve(kMcl, kRight)) << "an empty curve is left";
    EXPECT_TRUE(point(vellum::kCurveIpsilateralReflex, kLeft, 1000)) << "reflexes belong to the impedance view";
    EXPECT_TRUE(hasCurve(vellum::kCurveContralateralDecay, kLeft));
    EXPECT_EQ(lineKeys(0), Keys{});
    EXPECT_EQ(lineKeys(1), Keys{4}) << "only the empty MCL curve's line stays";
    ASSERT_EQ(saved.size(), 1u) << "one undo step brings every curve back";
    EXPECT_EQ(saved[0].undo, text(TR_UNDO_DELETE_CURVE));
    EXPECT_EQ(saved[0].data, before);
}

TEST_F(PureToneLink, ACompletedMeasurementStopsTheLinkAndGivesTheChartsBack)
{
    view->OnStartAudi();
    view->InitializeCharts(kNormalRange);
    EXPECT_FALSE(interactive(0)) << "a profile applied while measuring keeps the charts from plotting";
    EXPECT_FALSE(interactive(1));

    // PlotPoint, MeasurementComplete, and the ShutdownComplete of the view's Stop.
    receive({measured(marlet::CurveAirLeft, 1000, 25),
             pointRecord(marlet::CurveAirLeft, marlet::PointMeasurementComplete, 0, 0, 0)},
            3);
    EXPECT_EQ(stopped, 1);
    EXPECT_FALSE(linkActive());
    EXPECT_TRUE(interactive(0));
    EXPECT_TRUE(interactive(1));
    EXPECT_TRUE(point(kAir, kLeft, 1000));
    view->InitializeCharts(kNormalRange);
    EXPECT_TRUE(interactive(0));
}

TEST_F(PureToneLink, ALinkErrorStopsTheMeasurementAndIsToldOncePerRun)
{
    // Two records the link cannot use: SonvaleError(-15) twice, then the
    // ShutdownComplete of the view's Stop.
    const marlet::DriverPointRecord unusable = pointRecord(marlet::CurveAirLeft, 6, 0, 1000, 25);
    receive({unusable, unusable}, 3);
    EXPECT_FALSE(linkActive());
    EXPECT_TRUE(interactive(0));
    EXPECT_TRUE(interactive(1));
    EXPECT_EQ(stopped, 1);
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].text, "Instrument link error -15");
    EXPECT_EQ(responder.shown()[0].title, text(TR_PROGRAM_TITLE));
    EXPECT_EQ(responder.shown()[0].style, platform::ui::MB_OK | platform::ui::MB_ICONSTOP);

    // A failed read ends the driver's polling; the view stops the link that
    // would otherwise seem to measure for ever.
    fake.script("ReadResult", -8);
    started = false;
    stopped = 0;
    receive({}, 2);
    EXPECT_EQ(stopped, 1);
    EXPECT_FALSE(linkActive());
    ASSERT_EQ(responder.shown().size(), 2u) << "a new run tells its own error";
    EXPECT_EQ(responder.shown()[1].text, "Instrument link error -8");
    EXPECT_TRUE(interactive(0));
}

}  // namespace
}  // namespace brisance
