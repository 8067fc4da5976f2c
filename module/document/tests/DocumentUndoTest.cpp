#include "module/document/tests/DocumentEditing.h"
#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CPaletteItems.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/TextResources.h"
#include "module/document/KeyedTabStrip.h"
#include "module/document/KeyedToolBar.h"
#include "module/panels/TableView.h"
#include "module/panels/TolvEditGrid.h"
#include "module/views/CImpedance.h"
#include "module/views/CSpeech.h"

#include "platform/ui/Twips.h"

#include <QAction>
#include <QLineEdit>

#include <algorithm>

namespace brisance {
namespace {

using testing::k1000Hz;
using testing::k2000Hz;

class DocumentUndoTest : public testing::EnglishDocumentTest {
protected:
    void SetUp() override
    {
        testing::EnglishDocumentTest::SetUp();
        OpenDocument();
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        ASSERT_EQ(document->DocumentMode(), docAudiogramModule::kModeNew);
    }

    vellum::IVellumDataLayer& Data() const { return *document->oPureTone().DataLayer(); }
    QAction& Undo() const { return *document->Menus().mnuEditUndo; }

    void Plot(double x, double level)
    {
        testing::ClickChart(document->oPureTone(), 0, x, level);
    }

    bool UndoEnabled() const { return Undo().isEnabled() && document->tbrMain().Enabled("Undo"); }

};

TEST_F(DocumentUndoTest, UndoTakesBackOnlyTheLastPlottedPoint)
{
    testing::SelectFirstTest(document->oPureTone());
    Plot(k1000Hz, 40);
    Plot(k2000Hz, 50);
    ASSERT_EQ(testing::PureTonePoints(Data()).size(), 2u);
    EXPECT_TRUE(UndoEnabled());
    EXPECT_NE(Undo().text().toStdString(), english.LoadResString(TR_UNDO)) << "the edit's own undo caption";

    Undo().trigger();

    const auto points = testing::PureTonePoints(Data());
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0], (std::pair<std::int32_t, std::int16_t>{1000, 400}));
    EXPECT_FALSE(UndoEnabled());
    EXPECT_EQ(Undo().text().toStdString(), english.LoadResString(TR_UNDO));
    document->tabMain().Select("IMPEDANCE");
    document->tabMain().Select("PURETONE");
    EXPECT_FALSE(UndoEnabled()) << "nothing is left to undo on any tab";
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

TEST_F(DocumentUndoTest, UndoGivesBackWhatATableCellHeldBeforeItsEdit)
{
    CPureTone& view = document->oPureTone();
    testing::SelectFirstTest(view);
    TableView& table = *view.TestDataPanel();
    table.ConfigureAsPureToneTable(true, true, false);
    table.show();
    // Types into a level cell, 1000 Hz or 2000 Hz, of the grid on the left.
    const auto typeInto = [&](int column, const QString& keys) {
        TolvEditGrid& grid = *table.findChild<TolvEditGrid*>("grdEar0");
        QWidget& surface = *grid.findChild<QWidget*>("picGrid");
        const int width = surface.width() / grid.ColCount();
        const int height = platform::ui::twipsToPixelsY(grid.RowHeight());
        QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(column * width + width / 2, height + height / 2));
        QLineEdit& editor = *grid.findChild<QLineEdit*>("txtEdit");
        ASSERT_TRUE(editor.isVisible());
        QTest::keyClicks(&editor, keys);
    };
    using Points = std::vector<std::pair<std::int32_t, std::int16_t>>;
    const auto points = [this] {
        Points all = testing::PureTonePoints(Data());
        std::ranges::sort(all);
        return all;
    };

    typeInto(4, "35");
    ASSERT_EQ(points(), (Points{{1000, 350}}));
    Undo().trigger();
    EXPECT_EQ(points(), Points{}) << "the cell was empty: no point, not 3 dB";

    typeInto(4, "40");
    typeInto(6, "55");
    typeInto(4, "25");
    ASSERT_EQ(points(), (Points{{1000, 250}, {2000, 550}}));
    Undo().trigger();
    EXPECT_EQ(points(), (Points{{1000, 400}, {2000, 550}}));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

TEST_F(DocumentUndoTest, ADeletedPointComesBack)
{
    testing::SelectFirstTest(document->oPureTone());
    Plot(k1000Hz, 40);
    QWidget& chart = *document->oPureTone().chtEar(0).widget();
    QTest::keyClick(&chart, Qt::Key_Minus);
    ASSERT_TRUE(testing::PureTonePoints(Data()).empty());

    Undo().trigger();

    EXPECT_EQ(testing::PureTonePoints(Data()).size(), 1u);
}

TEST_F(DocumentUndoTest, SpeechResultsEnteredAfterTheSnapshotAreKept)
{
    testing::SelectFirstTest(document->oPureTone());
    Plot(k1000Hz, 40);
    Data().get_SpeechCurves()->Add(19, 3, 2, 2)->get_Points()->Add(500)->put_Score(8000);

    document->tabMain().Select("SPEECH");
    EXPECT_FALSE(UndoEnabled()) << "speech edits are not undone";
    document->tabMain().Select("PURETONE");
    ASSERT_TRUE(UndoEnabled());
    Undo().trigger();

    EXPECT_TRUE(testing::PureTonePoints(Data()).empty());
    vellum::ComPtr<vellum::IVellumSpeechCurve> curve;
    ASSERT_TRUE(Data().get_SpeechCurves()->Find(19, 3, 2, 2, curve));
    EXPECT_EQ(curve->get_Points()->Item(500)->get_Score(), 8000);
}

TEST_F(DocumentUndoTest, AnImpedanceEditIsUndoneInTheImpedanceView)
{
    document->tabMain().Select("IMPEDANCE");
    emit document->oImpedance().SaveState("Undo tympanogram", "Redo tympanogram");
    Data().get_Tympanograms()->Add(3)->put_StaticCompliance(75);
    ASSERT_TRUE(UndoEnabled());
    EXPECT_EQ(Undo().text().toStdString(), "Undo tympanogram");

    Undo().trigger();

    EXPECT_EQ(Data().get_Tympanograms()->get_Count(), 0);
    EXPECT_FALSE(UndoEnabled());
}

TEST_F(DocumentUndoTest, ChangedTestSettingsAreStoredForTheUserAndEveryViewIsDrawnAgain)
{
    const auto prefs = ModuleGlobals::CurvePrefs();
    const std::shared_ptr<CCurvePref> first = prefs->Item(std::int32_t{1});
    ASSERT_TRUE(first);
    first->LeftColor = 0x00FF00;

    emit document->oPureTone().TestSettingsChanged();

    const auto user = platform::com::create<host::IModuleServer>(host::kModuleServerClsid)->get_CurrentUser();
    const auto stored = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
    stored->put_Data(user->get_ModuleData());
    CCurvePrefs reloaded;
    reloaded.LoadFromPreferences(*stored);
    ASSERT_TRUE(reloaded.Item(first->Key()));
    EXPECT_EQ(reloaded.Item(first->Key())->LeftColor, 0x00FF00u);
}

TEST_F(DocumentUndoTest, AHostThatRefusesThePreferencesIsReportedOnce)
{
    host.database().provokeWriteFailures(5, "refused", 2);

    emit document->oPureTone().TestSettingsChanged();
    emit document->oSpeech().TestSettingsChanged();

    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"An error has occurred: refused 5"});
}

}  // namespace
}  // namespace brisance
