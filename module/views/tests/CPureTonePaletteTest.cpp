// The pure-tone view's palette: the chosen test in the table, tests hidden
// and shown, and a test's properties edited, by real clicks.

#include "module/views/tests/PureToneViewFixture.h"

#include "module/core/DescribeCurve.h"
#include "module/panels/ctlTolvaneButton.h"
#include "module/preferences/frmPaletteConfig.h"
#include "module/preferences/frmTestProperties.h"

#include "platform/testing/ModalDialogs.h"

#include <QLineEdit>
#include <QPushButton>

namespace brisance {
namespace {

using namespace testing;

class PaletteTest : public PureToneViewTest {
public:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(PureToneViewTest::SetUp());
        QObject::connect(view, &CPureTone::PaletteButtonSelected, [this] { ++selected; });
        QObject::connect(view, &CPureTone::PaletteMayHaveChanged, [this] { ++paletteChanged; });
        QObject::connect(view, &CPureTone::TestSettingsChanged, [this] { ++settingsChanged; });
    }

    TableView& table() const { return *view->TestDataPanel(); }
    ctlTolvaneButton& binauralButton() const { return *view->findChild<ctlTolvaneButton*>("butBinaural"); }

    bool lineVisible(int chart, std::int32_t key) const
    {
        lumenplot::VARIANT_BOOL shown = lumenplot::VARIANT_FALSE;
        line(chart, key)->get_Visible(&shown);
        return shown != lumenplot::VARIANT_FALSE;
    }

    std::string conditionDescription(std::int32_t ear) const
    {
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        data->get_PureToneCurves()->Find(kAir, ear, 2, curve);
        return curve->get_Measurement()->get_ConditionDescription();
    }

    // The captions of a palette's buttons, in order.
    static std::vector<std::string> captions(const CurvePalette& palette)
    {
        std::vector<std::string> shown;
        for (const PaletteButton* button : palette.findChildren<PaletteButton*>("butPal"))
            if (button->isVisible())
                shown.push_back(button->Caption());
        return shown;
    }

    // In the palette configuration: presses the test's button and removes it.
    static void removeFromPalette(frmPaletteConfig& dialog, const std::string& caption)
    {
        for (PaletteButton* button : dialog.findChild<CurvePalette*>("PAL")->findChildren<PaletteButton*>("butPal"))
            if (button->isVisible() && button->Caption() == caption)
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, button->height() / 2));
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdRemove"), Qt::LeftButton);
    }

    int selected = 0;
    int paletteChanged = 0;
    int settingsChanged = 0;
};

TEST_F(PaletteTest, TheChosenTestFillsTheTableByEarOrInItsBinauralRow)
{
    addCurve(kAir, kLeft, {{1000, 30}});
    addCurve(kAir, kRight, {{1000, 40}});
    addCurve(kAir, kBinaural, {{1000, 50}});
    view->ShowDataInDataLayer();

    clickPaletteButton(BoneItem);
    clickPaletteButton(AirItem);
    EXPECT_EQ(selected, 2);
    EXPECT_FALSE(table().BinauralMode());
    EXPECT_EQ(cell(0, k1000HzColumn, kLevelRow), "30") << "the left ear on the left";
    EXPECT_EQ(cell(1, k1000HzColumn, kLevelRow), "40");
    EXPECT_EQ(table().TableCaption(), "AC - " + text(TR_TEST_DATA));
    EXPECT_EQ(table().TestConditions(), DescribeCurve(*view->PaletteItems()->ItemByID(AirItem), true));

    QTest::mouseClick(&binauralButton(), Qt::LeftButton);
    EXPECT_TRUE(table().BinauralMode());
    EXPECT_EQ(cell(0, k1000HzColumn, kLevelRow), "50");

    clickPaletteButton(BoneItem);
    EXPECT_EQ(binauralButton().ButtonState(), Tolvane_ButtonUp) << "a chosen test starts with the binaural button up";
    EXPECT_FALSE(table().BinauralMode());
    EXPECT_EQ(cell(0, k1000HzColumn, kLevelRow), "") << "bone conduction has no data";
    EXPECT_EQ(table().TableCaption(), "BC - " + text(TR_TEST_DATA));

    clickPaletteButton(AirBinauralItem);
    EXPECT_TRUE(table().BinauralMode()) << "a binaural test fills the binaural row";
    EXPECT_EQ(cell(0, k1000HzColumn, kLevelRow), "50");
    EXPECT_EQ(selected, 4);
}

TEST_F(PaletteTest, AnUnaidedTestWithoutItsOwnCurveShowsTheCurveOfConditionOne)
{
    addCurve(kAir, kLeft, {{1000, 35}}, 1);
    view->ShowDataInDataLayer();
    clickPaletteButton(AirItem);
    EXPECT_EQ(cell(0, k1000HzColumn, kLevelRow), "35");
}

TEST_F(PaletteTest, HidingAndShowingATestChangesItsLinesItemAndButtonButNoData)
{
    addCurve(kAir, kLeft, {{1000, 30}});
    addCurve(kAir, kRight, {{1000, 40}});
    view->ShowDataInDataLayer();
    const auto before = data->get_Data();
    const auto item = view->PaletteItems()->ItemByID(AirItem);

    clickPaletteButton(AirItem, true, Qt::RightButton);
    chooseMenuEntry("mnuHideCurve");
    EXPECT_TRUE(item->HideInGraph);
    EXPECT_TRUE(view->Palette()->Button(AirItem)->HiddenState());
    EXPECT_FALSE(lineVisible(0, 1));
    EXPECT_FALSE(lineVisible(1, 1));
    EXPECT_EQ(paletteChanged, 1);

    clickPaletteButton(AirItem, true, Qt::RightButton);
    chooseMenuEntry("mnuShowCurve");
    EXPECT_FALSE(item->HideInGraph);
    EXPECT_FALSE(view->Palette()->Button(AirItem)->HiddenState());
    EXPECT_TRUE(lineVisible(0, 1));
    EXPECT_TRUE(lineVisible(1, 1));
    EXPECT_EQ(paletteChanged, 2);

    view->ShowHideTest(AirItem, false);
    EXPECT_FALSE(lineVisible(0, 1));
    EXPECT_TRUE(view->Palette()->Button(AirItem)->HiddenState());
    view->ShowHideTest(99, true);  // no such button: nothing
    EXPECT_EQ(paletteChanged, 2) << "the document's own show and hide raise nothing";
    EXPECT_EQ(data->get_Data(), before);
    EXPECT_TRUE(saved.empty());
}

TEST_F(PaletteTest, ConfirmedPropertiesDescribeTheTestsStoredCurves)
{
    addCurve(kAir, kLeft, {{1000, 30}});
    addCurve(kAir, kRight, {{1000, 40}});
    view->ShowDataInDataLayer();

    platform::testing::ModalDialogs dialogs;
    dialogs.answer<frmTestProperties>([](frmTestProperties& dialog) {
        QLineEdit& condition = *dialog.findChild<QLineEdit*>("txtConditionComment");
        condition.clear();
        QTest::keyClicks(&condition, "left aid");
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    dialogs.answer<frmTestProperties>([](frmTestProperties& dialog) {
        QLineEdit& condition = *dialog.findChild<QLineEdit*>("txtConditionComment");
        condition.clear();
        QTest::keyClicks(&condition, "new aid");
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });

    clickPaletteButton(AirItem, true, Qt::RightButton);
    chooseMenuEntry("mnuEditTestProperties");
    EXPECT_EQ(conditionDescription(kLeft), "");
    EXPECT_EQ(settingsChanged, 0) << "Cancel changes nothing";
    EXPECT_FALSE(view->DataNeedsSaved());

    view->ChangePureToneTestProperties(false);
    EXPECT_EQ(conditionDescription(kLeft), "new aid");
    EXPECT_EQ(conditionDescription(kRight), "new aid");
    EXPECT_EQ(settingsChanged, 1);
    EXPECT_TRUE(view->DataNeedsSaved()) << "the descriptions are saved with the audiogram";
    EXPECT_TRUE(saved.empty());

    // No button: no dialog (ModalDialogs fails the test on an unexpected one).
    view->Palette()->ClearButtons();
    view->ChangePureToneTestProperties(false);
    view->ChangePureToneTestProperties(true);
    EXPECT_EQ(settingsChanged, 1);
}

TEST_F(PaletteTest, ThePaletteConfigurationRebuildsThePaletteOnlyWhenConfirmed)
{
    using Captions = std::vector<std::string>;
    addCurve(kBone, kLeft, {{1000, 10}});
    view->ShowDataInDataLayer();
    clickPaletteButton(AirItem);

    platform::testing::ModalDialogs dialogs;
    dialogs.answer<frmPaletteConfig>([](frmPaletteConfig& dialog) {
        removeFromPalette(dialog, "MCL");
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    dialogs.answer<frmPaletteConfig>([](frmPaletteConfig& dialog) {
        removeFromPalette(dialog, "BC");  // has results: stays
        removeFromPalette(dialog, "MCL");
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });

    view->ConfigureTestPalette();
    EXPECT_EQ(captions(*view->Palette()), (Captions{"AC", "AC", "BC", "SF", "MCL"}));
    EXPECT_EQ(paletteChanged, 0);

    view->ConfigureTestPalette();
    EXPECT_EQ(captions(*view->Palette()), (Captions{"AC", "AC", "BC", "SF"}));
    EXPECT_EQ(paletteChanged, 1);
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].text, text(TR_TEST_IN_USE));
    ASSERT_TRUE(view->Palette()->SelectedButton());
    EXPECT_EQ(view->Palette()->SelectedButton()->ItemData().toLong(), AirItem) << "the chosen test stays chosen";
    EXPECT_EQ(lineKeys(0), (std::vector<std::int32_t>{2})) << "the data is shown again";
}

// White pixels in the place of the pressed-half square at one end of a
// palette button.
int whiteInSquare(PaletteButton& button, bool leftEnd)
{
    const QImage image = grabControl(button);
    const int side = image.height() - 6;
    const int left = leftEnd ? 3 : image.width() - 3 - side;
    int white = 0;
    for (int y = 3; y < 3 + side; ++y)
        for (int x = left; x < left + side; ++x)
            if (pixelAt(image, x, y) == platform::gfx::rgb(255, 255, 255))
                ++white;
    return white;
}

// Pixels of a colour on a chart.
int pixelsOf(QWidget& chart, platform::gfx::ColorRef colour)
{
    const QImage image = grabControl(chart);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pixelAt(image, x, y) == colour)
                ++count;
    return count;
}

TEST_F(PaletteTest, OnASharedChartThePaletteShowsThePressedHalfWhoseEarAClickPlots)
{
    PaletteButton& air = *view->Palette()->findChildren<PaletteButton*>("butPal").at(AirItem);
    struct Case {
        std::int32_t mode;
        bool leftHalf;
        std::int32_t ear;
        bool leftSquare;
        bool rightSquare;
    };
    const Case cases[] = {
        {0, false, kRight, false, true},
        {0, true, kLeft, true, false},
        {1, true, kLeft, false, false},  // one chart per ear: the chart says the ear
    };
    for (const Case& c : cases) {
        view->Mode(c.mode);
        clickPaletteButton(AirItem, !c.leftHalf);  // the other half first, so that the click presses
        clickPaletteButton(AirItem, c.leftHalf);
        EXPECT_EQ(whiteInSquare(air, true) > 20, c.leftSquare) << "mode " << c.mode << ", left half " << c.leftHalf;
        EXPECT_EQ(whiteInSquare(air, false) > 20, c.rightSquare) << "mode " << c.mode << ", left half " << c.leftHalf;

        // The cross-hair over the chart, before anything is plotted, in the ear's colour.
        leaveCharts();
        QTest::mouseMove(&chartWidget(0), pixelOf(0, k1000Hz, 40));
        const platform::gfx::ColorRef earColour = c.ear == kRight ? kRed : kBlue;
        const platform::gfx::ColorRef otherColour = c.ear == kRight ? kBlue : kRed;
        EXPECT_GT(pixelsOf(chartWidget(0), earColour), 40) << "mode " << c.mode << ", left half " << c.leftHalf;
        EXPECT_EQ(pixelsOf(chartWidget(0), otherColour), 0) << "mode " << c.mode << ", left half " << c.leftHalf;

        clickAt(0, k1000Hz, 40);
        EXPECT_TRUE(point(kAir, c.ear, 1000)) << "mode " << c.mode << ", left half " << c.leftHalf;
        data->get_PureToneCurves()->Clear();
    }
}

}  // namespace
}  // namespace brisance
