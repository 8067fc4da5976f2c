// Edits of the pure-tone view beside a plotted point: a masking level typed
// alone, the point kinds of the chart's menu, and copying a test to the
// other ear.

#include "module/views/tests/PureToneViewFixture.h"

namespace brisance {
namespace {

using namespace testing;

class EditsTest : public PureToneViewTest {
public:
    // A masking typed into a cell of its own.
    void specifyMasking(std::int32_t frequency, std::int32_t masking, std::int32_t ear)
    {
        emit view->TestDataPanel()->CellEditBegins();
        emit view->TestDataPanel()->SpecifyMasking(frequency, masking, ear);
    }

    // The stored point's level (tenths), status and masking level.
    std::vector<std::int16_t> values(std::int32_t ear, std::int32_t frequency) const
    {
        const auto stored = point(kAir, ear, frequency);
        if (!stored)
            return {};
        return {stored->get_Level(), stored->get_Status(), stored->get_MaskingLevel()};
    }
};

using Values = std::vector<std::int16_t>;

TEST_F(EditsTest, AMaskingLevelTypedAloneMasksThePointThatIsThere)
{
    view->TestDataPanel()->ConfigureAsPureToneTable(false, true, true);
    addCurve(kAir, kLeft, {{1000, 40}, {2000, 60}, {4000, 70}});
    point(kAir, kLeft, 2000)->put_Status(vellum::kStatusNoResponse);
    point(kAir, kLeft, 4000)->put_Status(vellum::kStatusUnmeasurable);
    view->ShowDataInDataLayer();
    view->Palette()->PressButton(platform::runtime::Variant(std::int32_t(AirItem)));

    specifyMasking(1000, 35, kLeft);
    specifyMasking(2000, 20, kLeft);
    specifyMasking(4000, 25, kLeft);
    EXPECT_EQ(values(kLeft, 1000), (Values{400, vellum::kStatusMeasured, 35}));
    EXPECT_EQ(values(kLeft, 2000), (Values{600, vellum::kStatusNoResponse, 20}));
    EXPECT_EQ(values(kLeft, 4000), (Values{700, vellum::kStatusUnmeasurable, 25}));
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[0].undo, text(TR_UNDO_PURE_TONE_POINT));

    specifyMasking(500, 30, kLeft);
    specifyMasking(1000, 30, kRight);
    EXPECT_TRUE(values(kLeft, 500).empty()) << "no point there: nothing is plotted";
    EXPECT_FALSE(hasCurve(kAir, kRight));
    EXPECT_EQ(saved.size(), 3u);
}

TEST_F(EditsTest, TheChartMenuEntersEachPointKindAtTheRightClickedPosition)
{
    struct Case {
        const char* entry;
        Values stored;
        const char* shown;
    };
    const Case cases[] = {
        {"mnuChartChangeType0", {600, vellum::kStatusMeasured, vellum::kNoValue}, "60"},
        {"mnuChartChangeType1", {600, vellum::kStatusNoResponse, vellum::kNoValue}, "NR"},
        {"mnuChartChangeType2", {600, vellum::kStatusUnmeasurable, vellum::kNoValue}, "UNM"},
        {"mnuChartChangeType3", {600, vellum::kStatusMeasured, 0}, "60"},
        {"mnuChartChangeType4", {600, vellum::kStatusNoResponse, 0}, "NR"},
        {"mnuChartChangeType5", {600, vellum::kStatusUnmeasurable, 0}, "UNM"},
    };
    clickPaletteButton(AirItem);
    for (const Case& c : cases) {
        clickAt(0, k1000Hz, 60, Qt::RightButton);
        EXPECT_EQ(menuEntry(c.entry).text().toStdString(),
                  text(TR_INSERT_UNMASKED + static_cast<std::int32_t>(&c - cases)));
        chooseMenuEntry(c.entry);
        EXPECT_EQ(values(kLeft, 1000), c.stored) << c.entry;
        EXPECT_EQ(cell(0, k1000HzColumn, kLevelRow), c.shown) << c.entry;
    }
    EXPECT_EQ(saved.size(), std::size(cases));

    // The checks of a click: a test without the ear's symbol plots nothing.
    clickPaletteButton(MclItem);
    clickAt(0, k1000Hz, 60, Qt::RightButton);
    chooseMenuEntry("mnuChartChangeType1");
    EXPECT_FALSE(hasCurve(4, kLeft));
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].text, text(TR_MISSING_SYMBOL));
}

TEST_F(EditsTest, CopyEarCopiesTheShownEarsPointsOfTheChosenTest)
{
    addCurve(kAir, kLeft, {{1000, 30}, {2000, 40}});
    addCurve(kAir, kRight, {{1000, 55}, {4000, 50}});
    point(kAir, kLeft, 2000)->put_Status(vellum::kStatusNoResponse);
    point(kAir, kLeft, 2000)->put_MaskingLevel(45);
    view->ShowDataInDataLayer();
    const auto before = data->get_Data();

    // Both charts shown: the pressed half of the button is the left ear's.
    clickPaletteButton(AirItem, true);
    view->CopyEarDataToOffEar();
    EXPECT_EQ(values(kRight, 1000), (Values{300, vellum::kStatusMeasured, vellum::kNoValue}));
    EXPECT_EQ(values(kRight, 2000), (Values{400, vellum::kStatusNoResponse, 45}));
    EXPECT_EQ(values(kRight, 4000), (Values{500, vellum::kStatusMeasured, vellum::kNoValue})) << "other points stay";
    EXPECT_EQ(values(kLeft, 1000), (Values{300, vellum::kStatusMeasured, vellum::kNoValue}));
    ASSERT_EQ(saved.size(), 1u);
    const std::string action = " " + texts->LoadResString2(TR_COPY_TO_OPPOSITE_EAR);
    EXPECT_EQ(saved[0].undo, text(TR_UNDO) + action);
    EXPECT_EQ(saved[0].redo, text(TR_REDO) + action);
    EXPECT_EQ(saved[0].data, before);
    EXPECT_TRUE(view->DataNeedsSaved());
    EXPECT_GT(pixelsOfColour(1, k1000Hz, 30, kRed), 10) << "the copy is drawn on the right-ear chart";

    // One chart shown: its ear is the source; a new curve takes the item's descriptions.
    data->get_PureToneCurves()->Clear();
    addCurve(kAir, kRight, {{500, 20}});
    view->PaletteItems()->ItemByID(AirItem)->ConditionDescription = "aided";
    view->ShowDataInDataLayer();
    view->DisplayMode(1);
    view->CopyEarDataToOffEar();
    EXPECT_EQ(values(kLeft, 500), (Values{200, vellum::kStatusMeasured, vellum::kNoValue}));
    vellum::ComPtr<vellum::IVellumPureToneCurve> copy;
    ASSERT_TRUE(data->get_PureToneCurves()->Find(kAir, kLeft, 2, copy));
    EXPECT_EQ(copy->get_Measurement()->get_ConditionDescription(), "aided");

    // A binaural test has no other ear.
    view->DisplayMode(2);
    clickPaletteButton(AirBinauralItem);
    view->CopyEarDataToOffEar();
    EXPECT_EQ(saved.size(), 2u);
}

}  // namespace
}  // namespace brisance
