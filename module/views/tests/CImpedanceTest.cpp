#include "module/views/tests/ImpedanceViewFixture.h"

#include "module/core/StoreSelection.h"
#include "module/core/TextResources.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QPlainTextEdit>

namespace brisance {
namespace {

namespace ui = platform::ui;
using testing::kLeft;
using testing::kRight;
using Cells = std::vector<std::string>;

class ImpedanceView : public testing::ImpedanceViewFixture {
protected:
    QString caption(const char* row) const
    {
        return tympanometry().findChild<QLabel*>(QStringLiteral("lbl%1Caption").arg(row))->text();
    }

    // Types into a tympanometry box as a user does.
    static void typeInto(QLineEdit& edit, const QString& text)
    {
        edit.setFocus();
        edit.selectAll();
        QTest::keyClicks(&edit, text);
    }

    // The left ear's tympanogram, NP codes, and reflexes and decays of both
    // ears in both panels, with the impedance notes.
    void storeFixture()
    {
        const auto left = data->get_Tympanograms()->Add(kLeft);
        left->put_TympType(2);
        left->put_PeakPressure(405);
        left->put_EarCanalVolume(120);
        left->put_StaticCompliance(30811);
        left->put_PeakHeight(30811);
        left->put_Gradient(-32767);
        left->put_ProbeToneFrequency(678);
        storeReflex(vellum::kCurveIpsilateralReflex, kLeft, 250, 4000);
        storeReflex(vellum::kCurveIpsilateralReflex, kLeft, 500, 955);
        storeReflex(vellum::kCurveIpsilateralReflex, kLeft, 1000, 4020);
        storeReflex(vellum::kCurveIpsilateralReflex, kLeft, 2000, 4040);
        storeReflex(vellum::kCurveIpsilateralReflex, kLeft, 4000, 4010);
        storeReflex(vellum::kCurveIpsilateralReflex, kLeft, 32765, 4030);
        storeReflex(vellum::kCurveIpsilateralReflex, kLeft, 7000, 900);
        storeReflex(vellum::kCurveIpsilateralDecay, kLeft, 500, 1);
        storeReflex(vellum::kCurveIpsilateralDecay, kLeft, 1000, 0);
        storeReflex(vellum::kCurveContralateralReflex, kRight, 32767, 800);
        storeReflex(vellum::kCurveContralateralDecay, kRight, 32767, 10);
        const StoreSelectionKeeper impedanceNotes(*notes, 0, 2);
        notes->put_Value("Comments", platform::runtime::Variant("Type B left"));
    }
};

TEST_F(ImpedanceView, CaptionsFollowTheUnitsAndChangeOnlyWithThem)
{
    const struct {
        std::int32_t pressure, volume, gradient;
        const char* peakPressure;
        const char* volumeCaption;
        const char* gradientCaption;
    } cases[] = {
        {0, 0, 0, "Peak Pressure (mmH2O)", "Ear Canal Volume (cc)", "Gradient (mmH2O)"},
        {1, 1, 1, "Peak Pressure (daPa)", "Ear Canal Volume (ml)", "Gradient (ml)"},
        {1, 0, 1, "Peak Pressure (daPa)", "Ear Canal Volume (cc)", "Gradient (cc)"},
        {0, 1, 0, "Peak Pressure (mmH2O)", "Ear Canal Volume (ml)", "Gradient (mmH2O)"},
        {7, 0, 0, "Peak Pressure (daPa)", "Ear Canal Volume (cc)", "Gradient (daPa)"},
    };
    for (const auto& c : cases) {
        view->Pressure(c.pressure);
        view->Volume(c.volume);
        view->Gradient(c.gradient);
        EXPECT_EQ(caption("PeakPressure").toStdString(), c.peakPressure);
        EXPECT_EQ(caption("EarCanalVolume").toStdString(), c.volumeCaption);
        EXPECT_EQ(caption("Gradient").toStdString(), c.gradientCaption);
        EXPECT_EQ(caption("StaticCompliance").toStdString(),
                  "Static Compliance" + std::string(c.volumeCaption).substr(16));
        EXPECT_EQ(caption("PeakHeight").toStdString(), "Peak Height" + std::string(c.volumeCaption).substr(16));
    }
    EXPECT_EQ(caption("ProbeToneFrequency"), "Probe Tone Frequency (Hz)");
    EXPECT_EQ(caption("Type"), "Type");

    tympanometry().PeakPressureCaption("untouched");
    view->Pressure(7);
    view->Volume(0);
    view->Gradient(0);
    EXPECT_EQ(caption("PeakPressure"), "untouched") << "no unit changed";
    view->Pressure(1);
    EXPECT_EQ(caption("PeakPressure"), "Peak Pressure (daPa)");
}

TEST_F(ImpedanceView, HeightAndWidthFollowTheShownPanels)
{
    const struct {
        bool tymp, notes, ipsi, contra;
        std::int32_t height;
        std::int32_t width;  // with 1000 twips available
    } cases[] = {
        {true, true, true, true, 6250, 9630},    {false, false, false, false, 100, 1000},
        {true, false, false, false, 3150, 5080}, {false, true, false, false, 3090, 4600},
        {true, true, false, false, 3150, 9630},  {false, false, true, false, 1650, 8980},
        {false, false, true, true, 3200, 8980},  {false, true, false, true, 4640, 8980},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.tymp) + std::to_string(c.notes) + std::to_string(c.ipsi) + std::to_string(c.contra));
        view->ShowTymp(c.tymp);
        view->ShowNotes(c.notes);
        view->ShowIpsi(c.ipsi);
        view->ShowContra(c.contra);
        EXPECT_EQ(view->HeightNeeded(), c.height);
        EXPECT_EQ(view->WidthNeeded(1000), c.width);
        EXPECT_EQ(view->WidthNeeded(20000), 20000);
        EXPECT_EQ(tympanometry().isVisible(), c.tymp);
        EXPECT_EQ(view->Notes()->isVisible(), c.notes);
        EXPECT_EQ(reflexes(0).isVisible(), c.ipsi);
        EXPECT_EQ(reflexes(1).isVisible(), c.contra);
    }

    // Every panel shown: tympanometry and notes side by side, then the
    // reflex panels, 50 twips apart (as near as whole pixels come).
    view->ShowTymp(true);
    view->ShowNotes(true);
    view->ShowIpsi(true);
    const auto at = [](int left, int top) { return QPoint(ui::twipsToPixelsX(left), ui::twipsToPixelsY(top)); };
    EXPECT_EQ(tympanometry().pos(), at(50, 50));
    EXPECT_EQ(view->Notes()->pos(), at(5080, 50));
    EXPECT_EQ(reflexes(0).pos(), at(50, 3100));
    EXPECT_EQ(reflexes(1).pos(), at(50, 4650));
}

TEST_F(ImpedanceView, ShowsTheStoredResultsOfBothEarsAndAddsNothing)
{
    storeFixture();
    view->ShowDataInDataLayer();

    // Right ear on the left: the left ear's tympanogram in column 1.
    EXPECT_EQ(tympanometry().TympType(kLeft), 2);
    EXPECT_EQ(box("PeakPressure", 1).text(), "NP");
    EXPECT_EQ(box("EarCanalVolume", 1).text(), "1.2");
    EXPECT_EQ(box("StaticCompliance", 1).text(), "NP");
    EXPECT_EQ(box("PeakHeight", 1).text(), "NP");
    EXPECT_EQ(box("Gradient", 1).text(), "--");
    EXPECT_EQ(tympanometry().ProbeToneFrequency(), "678");
    for (const char* field : {"PeakPressure", "EarCanalVolume", "StaticCompliance", "PeakHeight", "Gradient"})
        EXPECT_EQ(box(field, 0).text(), "") << "the right ear has no tympanogram: " << field;
    EXPECT_EQ(tympanometry().findChild<QComboBox*>("cboType0")->currentIndex(), -1);
    EXPECT_EQ(data->get_Tympanograms()->get_Count(), 1) << "showing adds no tympanogram";

    EXPECT_EQ(cells(0, 1), (Cells{" NA", "95", " NR", " NR", " NT", "", " YES", "", ""}));
    EXPECT_EQ(cells(0, 0), Cells(9));
    EXPECT_FALSE(decayButton(0, 1, 1).icon().isNull());
    EXPECT_FALSE(decayButton(0, 1, 2).icon().isNull());
    EXPECT_TRUE(decayButton(0, 1, 0).icon().isNull());
    EXPECT_EQ(cells(1, 0), (Cells{"", "", "", "", "", "", "", "80", ""}));
    EXPECT_FALSE(decayButton(1, 0, 7).icon().isNull());
    EXPECT_EQ(view->Notes()->GetNoteTypeText(6), "Type B left");
    EXPECT_TRUE(saved.empty());
    EXPECT_FALSE(view->DataNeedsSaved());

    view->RightOnLeft(false);
    EXPECT_EQ(box("PeakPressure", 0).text(), "NP") << "the left ear moved to the left column";
    EXPECT_EQ(cells(0, 0)[1], "95") << "and to the left of the reflex panels too";
    EXPECT_EQ(view->Notes()->GetNoteTypeText(6), "Type B left");

    view->Clear();
    EXPECT_EQ(box("PeakPressure", 0).text(), "");
    EXPECT_EQ(cells(0, 0), Cells(9));
    EXPECT_EQ(view->Notes()->GetNoteTypeText(6), "");
}

TEST_F(ImpedanceView, TypedEditsReachTheDataAfterOneSaveStateWithTheDataBefore)
{
    storeFixture();
    view->ShowDataInDataLayer();
    const platform::runtime::Variant before = data->get_Data();

    // The right ear's compliance: the ear gets a tympanogram of its own, with the shared probe tone.
    typeInto(box("StaticCompliance", 0), "0.7");
    ASSERT_EQ(saved.size(), 1u) << "\"0\" and \"0.\" read as no value, as before";
    EXPECT_EQ(saved[0].undo, "Undo Tympanometry Change");
    EXPECT_EQ(saved[0].redo, texts->LoadResString(TR_REDO_IMPEDANCE_POINT));
    EXPECT_EQ(saved[0].snapshot, before);
    const auto right = tympanogram(kRight);
    ASSERT_TRUE(right);
    EXPECT_EQ(right->get_StaticCompliance(), 70);
    EXPECT_EQ(right->get_ProbeToneFrequency(), 678);
    EXPECT_EQ(right->get_TympType(), -32767) << "no type was chosen";
    EXPECT_EQ(right->get_PeakPressure(), -32767);
    EXPECT_TRUE(view->DataNeedsSaved());

    // The left ear's volume: the other fields keep their codes.
    saved.clear();
    typeInto(box("EarCanalVolume", 1), "1.55");
    const auto left = tympanogram(kLeft);
    EXPECT_EQ(left->get_EarCanalVolume(), 155);
    EXPECT_EQ(left->get_PeakPressure(), 405);
    EXPECT_EQ(left->get_StaticCompliance(), 30811);
    EXPECT_EQ(left->get_Gradient(), -32767);
    EXPECT_EQ(left->get_TympType(), 2);

    // A value beyond 16 bits once stored is not stored.
    saved.clear();
    typeInto(box("EarCanalVolume", 1), "400");
    EXPECT_EQ(left->get_EarCanalVolume(), 4000) << "\"40\" was stored on the way, \"400\" not";

    // The probe tone goes to both ears' tympanograms at once.
    saved.clear();
    QComboBox& probeTone = *tympanometry().findChild<QComboBox*>("cboProbeToneFreq");
    probeTone.setFocus();
    probeTone.lineEdit()->selectAll();
    QTest::keyClick(&probeTone, Qt::Key_Backspace);
    EXPECT_EQ(saved.size(), 1u);
    EXPECT_EQ(left->get_ProbeToneFrequency(), -32767);
    EXPECT_EQ(right->get_ProbeToneFrequency(), -32767);

    // A reflex threshold typed, then a decay clicked beside it.
    saved.clear();
    const platform::runtime::Variant beforeReflex = data->get_Data();
    QWidget& picGrid = *grid(1, 0).findChild<QWidget*>("picGrid");
    QTest::mouseClick(&picGrid, Qt::LeftButton, {}, QPoint(28 * 2 + 14, 30));
    QTest::keyClicks(grid(1, 0).findChild<QLineEdit*>("txtEdit"), "9");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].undo, texts->LoadResString(TR_UNDO_IMPEDANCE_POINT));
    EXPECT_EQ(saved[0].redo, texts->LoadResString(TR_REDO_IMPEDANCE_POINT));
    EXPECT_EQ(saved[0].snapshot, beforeReflex);
    EXPECT_EQ(reflexValue(vellum::kCurveContralateralReflex, kRight, 1000), 90);
    QTest::mouseClick(&decayButton(1, 0, 2), Qt::LeftButton);
    EXPECT_EQ(reflexValue(vellum::kCurveContralateralDecay, kRight, 1000), 1);
    EXPECT_EQ(reflexValue(vellum::kCurveContralateralReflex, kRight, 1000), 90);
    QTest::mouseClick(&decayButton(1, 0, 2), Qt::LeftButton);
    QTest::mouseClick(&decayButton(1, 0, 2), Qt::LeftButton);
    EXPECT_EQ(reflexValue(vellum::kCurveContralateralDecay, kRight, 1000), std::nullopt);
    EXPECT_EQ(saved.size(), 4u);

    // A result code stays a code.
    QTest::mouseClick(&decayButton(0, 1, 2), Qt::LeftButton);
    EXPECT_EQ(reflexValue(vellum::kCurveIpsilateralReflex, kLeft, 1000), 4020);
    EXPECT_EQ(reflexValue(vellum::kCurveIpsilateralDecay, kLeft, 1000), std::nullopt) << "absent, then none";
}

TEST_F(ImpedanceView, EachEditOfABoxOrACellIsOneUndoStepWithTheDataBeforeIt)
{
    storeFixture();
    view->ShowDataInDataLayer();
    const platform::runtime::Variant stored = data->get_Data();

    // "1", "1.", "1.5": every keystroke is stored, the edit is one step.
    typeInto(box("EarCanalVolume", 1), "1.5");
    EXPECT_EQ(tympanogram(kLeft)->get_EarCanalVolume(), 150);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].snapshot, stored);

    // Another box is an edit of its own.
    const platform::runtime::Variant withVolume = data->get_Data();
    typeInto(box("PeakPressure", 1), "-25");
    EXPECT_EQ(tympanogram(kLeft)->get_PeakPressure(), -25);
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].snapshot, withVolume);

    // A reflex threshold typed into a cell, then a decay clicked beside it.
    const platform::runtime::Variant beforeReflex = data->get_Data();
    QWidget& picGrid = *grid(1, 0).findChild<QWidget*>("picGrid");
    QTest::mouseClick(&picGrid, Qt::LeftButton, {}, QPoint(28 * 2 + 14, 30));
    QTest::keyClicks(grid(1, 0).findChild<QLineEdit*>("txtEdit"), "95");
    EXPECT_EQ(reflexValue(vellum::kCurveContralateralReflex, kRight, 1000), 950);
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[2].snapshot, beforeReflex);
    QTest::mouseClick(&decayButton(1, 0, 2), Qt::LeftButton);
    EXPECT_EQ(saved.size(), 4u) << "a decay clicked is an edit of its own";

    // Undone as the document does it, the data is shown afresh: the next
    // keystroke in the open cell is a step of its own.
    data->get_PureToneCurves()->Clear();
    data->get_Tympanograms()->Clear();
    data->put_Data(saved[2].snapshot);
    view->ShowDataInDataLayer();
    QLineEdit& editor = *grid(1, 0).findChild<QLineEdit*>("txtEdit");
    ASSERT_TRUE(editor.hasFocus());
    QTest::keyClicks(&editor, "8");
    EXPECT_EQ(reflexValue(vellum::kCurveContralateralReflex, kRight, 1000), 80);
    EXPECT_EQ(saved.size(), 5u);
}

TEST_F(ImpedanceView, AnEditThatChangesNothingRaisesNoSaveState)
{
    storeFixture();
    view->ShowDataInDataLayer();
    typeInto(box("PeakPressure", 1), "NP");        // "N" is no number: kept; "NP" is the stored code
    typeInto(box("Gradient", 0), "--");            // no tympanogram, and none made
    tympanometry().findChild<QComboBox*>("cboType0")->setCurrentIndex(7);  // "Other" shows what 0 stores
    EXPECT_TRUE(saved.empty());
    EXPECT_FALSE(tympanogram(kRight));
    EXPECT_FALSE(view->DataNeedsSaved());
}

TEST_F(ImpedanceView, NotesTypedAreTheImpedanceNotesUnlessTheViewIsReadOnly)
{
    view->ShowDataInDataLayer();
    QPlainTextEdit& comments = *view->Notes()->findChild<QPlainTextEdit*>("txtComments");
    comments.setFocus();
    QTest::keyClicks(&comments, "ok");
    const auto impedanceNotes = [this] {
        const StoreSelectionKeeper section(*notes, 0, 2);
        return notes->get_Value("Comments").toString();
    };
    EXPECT_EQ(impedanceNotes(), "ok");
    EXPECT_TRUE(view->DataNeedsSaved());
    EXPECT_TRUE(saved.empty()) << "notes are not undone";

    view->DataNeedsSaved(false);
    view->Enabled(false);
    view->Notes()->SetNoteTypeText(6, "changed by code");
    EXPECT_EQ(impedanceNotes(), "ok");
    EXPECT_FALSE(view->DataNeedsSaved());
}

TEST_F(ImpedanceView, RecentProbeTonesComeBackFromThePreferenceStore)
{
    tympanometry().ProbeToneFrequency("800");
    view->SaveMostRecentlyUsedProbeTones();
    tympanometry().ProbeToneFrequency("");
    view->SaveMostRecentlyUsedProbeTones();

    CImpedance another;
    another.LanguageLoader(texts);
    another.Prefs(prefs);
    another.LoadStrings();
    QComboBox& list = *another.findChild<QComboBox*>("cboProbeToneFreq");
    QStringList entries;
    for (int at = 0; at < list.count(); ++at)
        entries << list.itemText(at);
    EXPECT_EQ(entries, (QStringList{"0", "226", "678", "1000", "800", "Other"}));
    const StoreSelectionKeeper recentLists(*prefs, 2, 10000);
    EXPECT_FALSE(prefs->get_Value("TympProbeTone").toString().empty());
}

}  // namespace
}  // namespace brisance
