// What lies under the pure-tone view's curves: an earlier action in grey and
// the generated pictures; and the average panel's requests to the view.

#include "module/views/tests/PureToneViewFixture.h"

#include "module/panels/IPTATable.h"
#include "module/views/CUnderlayGenerator.h"
#include "module/views/frmAverageFrequencies.h"

#include "platform/testing/ModalDialogs.h"
#include "platform/testing/TemporaryFolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <map>

namespace brisance {
namespace {

using testing::AirItem;
using testing::PureToneViewTest;
using platform::testing::child;
using platform::testing::click;

using Keys = std::vector<std::int32_t>;
constexpr std::int32_t kLeft = vellum::kEarLeft;
constexpr std::int32_t kRight = vellum::kEarRight;
constexpr std::int32_t kBinaural = vellum::kEarBinaural;
constexpr platform::gfx::ColorRef kUnderlayGrey = platform::gfx::rgb(190, 190, 190);

// Chart X of the fixture's axis (125 Hz to 8 kHz) and of the full one.
constexpr double k500To1000 = (350 + 500) / 2.0;
constexpr double k1000To2000 = (500 + 650) / 2.0;
constexpr double k1000To2000OnTheFullRange = (386 + 498) / 2.0;

using Levels = std::map<std::int32_t, std::int16_t>;

void AddCurve(vellum::IVellumDataLayer& data, std::int32_t type, std::int32_t ear, const Levels& levels)
{
    const auto points = data.get_PureToneCurves()->Add(type, ear, 2)->get_Points();
    for (const auto& [frequency, level] : levels)
        points->Add(frequency)->put_Level(static_cast<std::int16_t>(level * 10));
}

class UnderlayViewTest : public PureToneViewTest {
public:
    platform::com::ComPtr<lumenplot::ILines> backLines(int chart) const
    {
        platform::com::ComPtr<lumenplot::ILines> found;
        view->chtEar(chart).chart().get_BackLines(found.put());
        return found;
    }

    // The back lines' keys and colours of a chart, by key.
    std::map<std::int32_t, platform::gfx::ColorRef> backLineColours(int chart) const
    {
        std::map<std::int32_t, platform::gfx::ColorRef> colours;
        platform::com::ComPtr<platform::com::IUnknown> enumerator;
        backLines(chart)->get__NewEnum(enumerator.put());
        const auto walk = enumerator.as<platform::com::IEnumVARIANT>();
        platform::runtime::Variant item;
        while (walk->Next(1, &item, nullptr) == platform::com::S_OK) {
            const auto line = item.toObject().as<lumenplot::ILine>();
            std::int32_t id = 0;
            lumenplot::OLE_COLOR colour = 0;
            line->get_LineID(&id);
            line->get_LineColor(&colour);
            colours[id] = static_cast<platform::gfx::ColorRef>(colour);
        }
        return colours;
    }

    Keys backKeys(int chart) const
    {
        Keys keys;
        for (const auto& [key, colour] : backLineColours(chart))
            keys.push_back(key);
        return keys;
    }

    vellum::IVellumDataLayer& underlay() const { return *view->UnderlayDataLayer(); }
};

TEST_F(UnderlayViewTest, AnEarlierActionStandsInGreyBehindTheCurrentCurves)
{
    ASSERT_EQ(view->UnderlayDataLayer(), view->UnderlayDataLayer()) << "one data layer, kept";
    EXPECT_EQ(underlay().get_PureToneCurves()->get_Count(), 0);
    AddCurve(underlay(), 1, kLeft, {{500, 20}, {1000, 40}, {2000, 60}});
    AddCurve(underlay(), 1, kRight, {{1000, 50}});
    AddCurve(underlay(), 1, kBinaural, {{4000, 70}});
    AddCurve(*data, 1, kLeft, {{500, 20}, {1000, 40}});
    view->ShowDataInDataLayer();
    view->RenderPureToneActionUnderlay();

    const std::map<std::int32_t, platform::gfx::ColorRef> grey{{1, kUnderlayGrey}, {1001, kUnderlayGrey}};
    EXPECT_EQ(backLineColours(0), grey) << "the left ear and binaural";
    EXPECT_EQ(backLineColours(1), grey) << "the right ear and binaural";
    EXPECT_EQ(lineKeys(0), Keys{1}) << "the current curves stay as they are";
    EXPECT_GT(pixelsOfColour(0, k1000To2000, 50, kUnderlayGrey), 5);
    EXPECT_GT(pixelsOfColour(0, k500To1000, 30, testing::kBlue), 5);
    EXPECT_EQ(pixelsOfColour(0, k500To1000, 30, kUnderlayGrey), 0) << "where both lines run, the current one is on top";

    underlay().get_PureToneCurves()->Clear();
    view->RenderPureToneActionUnderlay();
    EXPECT_EQ(backKeys(0), Keys{});
    EXPECT_EQ(backKeys(1), Keys{});
    EXPECT_EQ(pixelsOfColour(0, k1000To2000, 50, kUnderlayGrey), 0);
    EXPECT_TRUE(saved.empty()) << "an underlay is no edit";
    EXPECT_FALSE(view->DataNeedsSaved());
}

TEST_F(UnderlayViewTest, TheUnderlayFollowsTheChartsThroughShowingRangesAndModes)
{
    AddCurve(underlay(), 1, kLeft, {{1000, 40}, {2000, 60}});
    AddCurve(underlay(), 1, kRight, {{1000, 50}});
    view->RenderPureToneActionUnderlay();

    view->ShowDataInDataLayer();
    EXPECT_EQ(backKeys(0), Keys{1});
    EXPECT_EQ(backKeys(1), Keys{1});

    view->InitializeCharts(1024);  // to 16 kHz: every frequency moves
    EXPECT_GT(pixelsOfColour(0, k1000To2000OnTheFullRange, 50, kUnderlayGrey), 5);
    EXPECT_EQ(pixelsOfColour(0, k1000To2000, 50, kUnderlayGrey), 0);

    view->RightOnLeft(true);
    EXPECT_GT(pixelsOfColour(1, k1000To2000OnTheFullRange, 50, kUnderlayGrey), 5) << "the left ear moved right";

    view->Mode(0);
    EXPECT_EQ(backKeys(0), (Keys{-1, 1})) << "both ears on one chart, the right ear's key negated";
    EXPECT_EQ(backKeys(1), Keys{});
}

TEST_F(UnderlayViewTest, AGeneratedPictureLiesUnderTheGridUntilItsNameIsTakenAway)
{
    platform::testing::TemporaryFolder folder;
    const std::string file = (folder.path() / "Underlay.emf").string();
    const auto prefs = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
    prefs->put_Value("PTGraphOptions", testing::kNormalRange);
    prefs->put_Value("SeverityOfLossConfig", 8);
    // Edges half a dB beyond the limits: on the 20- and 60-dB lines.
    prefs->put_Value("SeverityOfLossLows", ",,,20.5");
    prefs->put_Value("SeverityOfLossHighs", ",,,59.5");
    ASSERT_TRUE(CUnderlayGenerator().GenerateSeverityOfLossUnderlay(*prefs, file));

    view->DisplayMetaFileInChart(file, false);
    std::string shownFile;
    lumenplot::VARIANT_BOOL overGrid = lumenplot::VARIANT_TRUE;
    view->chtEar(1).chart().get_MetaFilename(&shownFile);
    view->chtEar(1).chart().get_DrawMetafileOverGrid(&overGrid);
    EXPECT_EQ(shownFile, file);
    EXPECT_EQ(overGrid, lumenplot::VARIANT_FALSE);

    // Down a column between two frequency lines, the band's rows against
    // the rows of the level lines left of the first frequency line, where
    // nothing lies under the grid.
    QCoreApplication::processEvents();
    const QImage image = testing::grabControl(*view->chtEar(0).widget());
    const int x = pixelOf(0, k1000To2000, 0).x();
    const int outside = pixelOf(0, 25, 0).x();
    const auto lineRow = [&](double level) {
        const int near = pixelOf(0, 25, level).y();
        for (int y = near - 5; y <= near + 5; ++y)
            if (testing::pixelAt(image, outside, y) != testing::pixelAt(image, outside, near - 8))
                return y;
        return -1;
    };
    const platform::gfx::ColorRef band = platform::gfx::rgb(175, 175, 175);
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (testing::pixelAt(image, x, y) != band)
            continue;
        bottom = y;
        if (top < 0)
            top = y;
    }
    EXPECT_NEAR(top, lineRow(20), 1);
    EXPECT_NEAR(bottom, lineRow(60), 1);
    EXPECT_NE(testing::pixelAt(image, x, lineRow(40)), band) << "the grid is drawn over the band";

    view->DisplayMetaFileInChart("", false);
    QCoreApplication::processEvents();
    const QImage cleared = testing::grabControl(*view->chtEar(0).widget());
    EXPECT_NE(testing::pixelAt(cleared, x, pixelOf(0, k1000To2000, 33).y()), platform::gfx::rgb(175, 175, 175));
}

TEST_F(UnderlayViewTest, TheAveragePanelsCloseMarkHidesIt)
{
    auto* close = view->PureToneAverage()->findChild<QLabel*>("lblClose");
    ASSERT_NE(close, nullptr);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(view->ShowPureToneAverage());
    EXPECT_FALSE(view->PureToneAverage()->isVisible());
}

TEST_F(UnderlayViewTest, NewAverageFrequenciesAreShownAndMarkTheDataAsChanged)
{
    constexpr std::int32_t k500To2000 = 1 << 2 | 1 << 4 | 1 << 6;
    view->FrequenciesToAverage(k500To2000);
    AddCurve(*data, 1, kLeft, {{500, 10}, {1000, 20}, {2000, 30}, {4000, 60}});
    view->ShowDataInDataLayer();
    ASSERT_EQ(view->PureToneAverage()->ACLeftAverage(), "20");

    platform::testing::ModalDialogs dialogs;
    dialogs.answer<frmAverageFrequencies>([](frmAverageFrequencies& shown) {
        click(child<QCheckBox>(shown, "chkFreq8"));  // 4 kHz
        click(child<QPushButton>(shown, "cmdCancel"));
    });
    emit view->PureToneAverage()->ChangeFrequencies();
    EXPECT_EQ(view->PureToneAverage()->ACLeftAverage(), "20");
    EXPECT_FALSE(view->DataNeedsSaved());

    dialogs.answer<frmAverageFrequencies>([](frmAverageFrequencies& shown) {
        EXPECT_TRUE(child<QCheckBox>(shown, "chkFreq4")->isChecked()) << "the dialog starts from the shown mask";
        click(child<QCheckBox>(shown, "chkFreq8"));
        click(child<QCheckBox>(shown, "chkFreqDbl8"));
        click(child<QPushButton>(shown, "cmdOK"));
    });
    emit view->PureToneAverage()->ChangeFrequencies();
    EXPECT_EQ(view->FrequenciesToAverage(), k500To2000 | 1 << 8);
    EXPECT_EQ(view->FrequenciesToDblAverage(), 1 << 8);
    EXPECT_EQ(data->get_AverageFrequenciesLeft(), k500To2000 | 1 << 8);
    EXPECT_EQ(data->get_DoubleAverageFrequenciesRight(), 1 << 8);
    EXPECT_EQ(view->PureToneAverage()->ACLeftAverage(), "36") << "(10 + 20 + 30 + 2 x 60) / 5";
    EXPECT_TRUE(view->DataNeedsSaved());
    EXPECT_TRUE(responder.shown().empty());
}

}  // namespace
}  // namespace brisance
