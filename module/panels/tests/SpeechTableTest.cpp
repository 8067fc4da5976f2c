#include "module/panels/SpeechTable.h"
#include "module/testing/RegisterServer.h"
#include "platform/com/Creation.h"
#include "platform/ui/TestResponder.h"
#include "platform/ui/Twips.h"
#include "vellum/IVellumDataLayer.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace brisance {
namespace {

namespace ui = platform::ui;
using platform::com::ComPtr;

// The fields of a group as box names use them, in field order.
constexpr std::array<const char*, 4> kFields{"Score", "dB", "Mask", "Noise"};

struct SpeechPoint {
    std::int32_t level;    // tenths of dB
    std::int16_t score;    // hundredths of a percent
    std::int16_t masking;  // whole dB
};

// A speech entry panel between two other controls of the tab order, in a
// shown window, as the speech view sets it up; it records the ears of its
// DataChanged and the beeps. Its curves come from a Vellum data object.
class SpeechTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(VELLUM_LIBRARY_PATH));
        data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        before = new QLineEdit(&window);
        before->setObjectName("before");
        table = new SpeechTable(&window);
        table->move(0, 30);
        after = new QLineEdit(&window);
        after->setObjectName("after");
        after->move(0, 30 + table->height());
        table->LeftEarCaption("Left");
        table->RightEarCaption("Right");
        table->BinauralEarCaption("Binaural");
        table->ScoreCaption("%");
        table->dBCaption("dB");
        table->MaskCaption("Mask");
        table->NoiseCaption("Noise");
        table->ConfigureTable(10, 3, 2);
        window.resize(table->width(), table->height() + 60);
        QObject::connect(table, &SpeechTable::DataChanged, [this](std::int32_t Ear) { changedEars.push_back(Ear); });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    ComPtr<vellum::IVellumSpeechCurve> curve(std::int32_t curveType, std::int32_t ear,
                                             const std::vector<SpeechPoint>& points)
    {
        const auto added = data->get_SpeechCurves()->Add(curveType, ear, 2, 1);
        for (const SpeechPoint& p : points) {
            const auto point = added->get_Points()->Add(p.level);
            point->put_Score(p.score);
            point->put_MaskingLevel(p.masking);
        }
        return added;
    }

    QLineEdit& box(const char* field, int group) const
    {
        return *table->findChild<QLineEdit*>(QStringLiteral("txt%1%2").arg(field).arg(group));
    }
    std::string text(const char* field, int group) const { return box(field, group).text().toStdString(); }
    // The fields shown in a group, as the initials of their names.
    std::string shownFields(int group) const
    {
        std::string shown;
        for (const char* field : kFields) {
            const bool boxShown = box(field, group).isVisibleTo(table);
            const auto* heading = table->findChild<QLabel*>(QStringLiteral("lbl%1%2").arg(field).arg(group));
            EXPECT_EQ(heading->isVisibleTo(table), boxShown) << field << " " << group << ": heading and box agree";
            if (boxShown)
                shown += field[0];
        }
        return shown;
    }
    std::string focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "";
    }
    int beeps() const
    {
        int count = 0;
        for (const ui::ShownDialog& shown : responder.shown())
            count += shown.kind == ui::DialogKind::Sound && shown.text == ".Default" ? 1 : 0;
        return count;
    }

    ui::TestResponder responder;
    ComPtr<vellum::IVellumDataLayer> data;
    QWidget window;
    QLineEdit* before = nullptr;
    SpeechTable* table = nullptr;
    QLineEdit* after = nullptr;
    std::vector<std::int32_t> changedEars;
};

TEST_F(SpeechTableTest, CurveTypesChooseTheColumnsAndTheBinauralGroupNeverShowsMasking)
{
    const struct {
        std::int32_t curveType;
        std::array<std::string, 3> shown;  // groups right, left, binaural
    } steps[] = {
        {10, {"SdM", "SdM", "Sd"}},  // discrimination
        {13, {"SdN", "SdN", "SdN"}},  // in noise
        {15, {"dM", "dM", "d"}},     // reception threshold
        {22, {"dM", "dM", "d"}},
        {18, {"dN", "dN", "dN"}},    // reception threshold in noise
        {26, {"d", "d", "d"}},       // comfortable levels
        {13, {"SdN", "SdN", "SdN"}},
        {5, {"SdN", "SdN", "SdN"}},  // no test: the columns stay
    };
    for (const auto& step : steps) {
        table->ConfigureTable(step.curveType, 2, 2);
        for (int group = 0; group < 3; ++group)
            EXPECT_EQ(shownFields(group), step.shown[static_cast<std::size_t>(group)])
                << "curve type " << step.curveType << ", group " << group;
    }
}

TEST_F(SpeechTableTest, GroupsStartAfterThreeBoxesAndTheEarLabelOfTheGroupBefore)
{
    table->LeftEarCaption("A much longer left ear");
    table->Refresh();
    const auto twipsX = [](const QWidget& w) { return ui::pixelsToTwipsX(w.x()); };
    const auto ear = [&](int group) -> QLabel& {
        return *table->findChild<QLabel*>(QStringLiteral("lblEarLabel%1").arg(group));
    };
    const int boxWidth = ui::pixelsToTwipsX(box("dB", 0).width());
    ASSERT_EQ(boxWidth, 555);
    int groupLeft = 195;
    for (int group = 0; group < 3; ++group) {
        SCOPED_TRACE(group);
        const int earWidth = ui::pixelsToTwipsX(ear(group).width());
        EXPECT_EQ(twipsX(ear(group)), groupLeft);
        const int first = groupLeft + earWidth + 150;
        EXPECT_EQ(twipsX(box("Score", group)), first);
        EXPECT_EQ(twipsX(box("dB", group)), first + boxWidth);
        EXPECT_EQ(ui::pixelsToTwipsY(box("dB", group).y()), 405);
        if (group < 2) {
            EXPECT_EQ(twipsX(box("Mask", group)), first + 2 * boxWidth);
        }
        groupLeft += 3 * boxWidth + earWidth + 300;
    }
    EXPECT_GT(ui::pixelsToTwipsX(ear(1).width()), ui::pixelsToTwipsX(ear(0).width()) + 600)
        << "the left ear's label follows its caption";

    table->Width(6000);
    const QLineEdit& conditions = *table->findChild<QLineEdit*>("txtTestConditions");
    EXPECT_EQ(ui::pixelsToTwipsX(conditions.width()), 6000 - 120);
    EXPECT_EQ(ui::pixelsToTwipsX(conditions.x()), 60);
}

TEST_F(SpeechTableTest, LoadCurveFillsTheGroupOfTheCurvesEarWithItsLastPoint)
{
    const struct {
        const char* what;
        std::int32_t curveType;
        std::int32_t ear;
        std::vector<SpeechPoint> points;
        int group;
        std::array<std::string, 4> texts;  // score, dB, mask, noise
        std::int32_t readScore;            // GetEarData's SCORE
        std::int32_t readMasking;
    } cases[] = {
        {"a discrimination test puts masking in the mask box", 10, 3, {{655, 8000, 40}}, 1,
         {"80", "65.5", "40", ""}, 80, 40},
        {"a test in noise puts it in the noise box", 13, 2, {{650, 7250, 40}}, 0, {"72.5", "65", "", "40"}, 72, 40},
        {"a reception threshold in noise", 18, 4, {{-50, 0, 55}}, 2, {"0", "-5", "", "55"}, 0, 55},
        {"the data object's no masking empties both boxes", 10, 2, {{500, 5000, 40}, {600, 6000, -3276}}, 0,
         {"60", "60", "", ""}, 60, -32767},
        {"so does the module's own no value", 13, 2, {{500, 5000, 40}, {600, 6000, -32767}}, 0,
         {"60", "60", "", ""}, 60, -32767},
        {"no score leaves the score box empty", 15, 3, {{355, -32767, 20}}, 1, {"", "35.5", "20", ""}, -32767, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        table->Clear();
        box("dB", 0).setText("1");  // another group, which stays
        box("dB", 2).setText("2");
        box("dB", 1).setText("3");
        changedEars.clear();
        table->LoadCurve(*curve(c.curveType, c.ear, c.points));
        for (std::size_t field = 0; field < kFields.size(); ++field)
            EXPECT_EQ(text(kFields[field], c.group), c.texts[field]) << kFields[field];
        for (int other = 0; other < 3; ++other)
            if (other != c.group) {
                EXPECT_EQ(text("dB", other), std::to_string(std::array{1, 3, 2}[static_cast<std::size_t>(other)]));
            }
        EXPECT_TRUE(changedEars.empty()) << "loading raised DataChanged";

        std::int32_t dB = 0, score = 0, masking = 0;
        ASSERT_TRUE(table->GetEarData(c.ear, dB, score, masking));
        EXPECT_EQ(score, c.readScore);
        EXPECT_EQ(masking, c.readMasking);
        data->get_SpeechCurves()->Clear();
    }
}

TEST_F(SpeechTableTest, GetEarDataReadsTheLeadingNumbersHalfToEvenAndNeedsALevel)
{
    const struct {
        std::array<const char*, 4> texts;  // score, dB, mask, noise of the right ear
        bool entered;
        std::int32_t dB, score, masking;  // 7 where left unchanged
    } cases[] = {
        {{"", "65.5", "", ""}, true, 66, -32767, -32767},
        {{"", "64.5", "", ""}, true, 64, -32767, -32767},
        {{"80", "-5", "", "45"}, true, -5, 80, 45},
        {{"80", "50", "45", "30"}, true, 50, 80, 45},  // the mask box first
        {{"100", "50", "", ""}, true, 50, 100, -32767},
        {{"+5", " 5", "--5", ""}, true, 5, 5, 0},
        // A box that holds text is read, as 0 when the text starts with no number.
        {{"80", "50", "-", "30"}, true, 50, 80, 0},
        {{"-", "50", ".", ""}, true, 50, 0, 0},
        {{"80", "-", "45", ""}, true, 0, 80, 45},
        {{"80", ".", "45", ""}, true, 0, 80, 45},
        {{"", "--5", "", "# 5"}, true, 0, -32767, 0},
        {{"80", "", "45", "30"}, false, 7, 7, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.texts[0]) + "|" + c.texts[1] + "|" + c.texts[2] + "|" + c.texts[3]);
        for (std::size_t field = 0; field < kFields.size(); ++field)
            box(kFields[field], 0).setText(c.texts[field]);
        std::int32_t dB = 7, score = 7, masking = 7;
        EXPECT_EQ(table->GetEarData(2, dB, score, masking), c.entered);
        EXPECT_EQ(dB, c.dB);
        EXPECT_EQ(score, c.score);
        EXPECT_EQ(masking, c.masking);
    }
}

TEST_F(SpeechTableTest, AScoreAbove100IsSetBackTo100WithTheFocusAndTheHostHearsOfIt)
{
    QLineEdit& score = box("Score", 1);
    box("dB", 1).setText("50");
    score.setText("150");
    changedEars.clear();
    std::vector<std::int32_t> scoresSeenByHost;
    QObject::connect(table, &SpeechTable::DataChanged, [&](std::int32_t Ear) {
        std::int32_t dB = 0, again = 0, masking = 0;
        if (table->GetEarData(Ear, dB, again, masking))
            scoresSeenByHost.push_back(again);
    });

    std::int32_t dB = 0, value = 0, masking = 0;
    ASSERT_TRUE(table->GetEarData(3, dB, value, masking));
    EXPECT_EQ(value, 100);
    EXPECT_EQ(score.text().toStdString(), "100");
    EXPECT_TRUE(score.hasFocus());
    EXPECT_EQ(changedEars, std::vector<std::int32_t>{3});
    EXPECT_EQ(scoresSeenByHost, std::vector<std::int32_t>{100});
}

TEST_F(SpeechTableTest, AHostThatClearsThePanelWhileTheScoreIsCorrectedGetsNoScore)
{
    box("dB", 0).setText("50");
    box("Score", 0).setText("999");
    QObject::connect(table, &SpeechTable::DataChanged, [this](std::int32_t) { table->Clear(); });
    std::int32_t dB = 0, score = 0, masking = 0;
    ASSERT_TRUE(table->GetEarData(2, dB, score, masking));
    EXPECT_EQ(dB, 50);
    EXPECT_EQ(score, -32767);
}

TEST_F(SpeechTableTest, KeystrokesTakeDigitsAndCodesUpTo47AndBeepAtTheRest)
{
    const struct {
        const char* typed;
        const char* text;
        int beeps;
    } cases[] = {
        {"12", "12", 0},    {"1a2", "12", 1},   {"-5", "-5", 0},   {"5-", "5-", 0},  {"--5", "--5", 0},
        {"1.5", "1.5", 0},  {"1..5", "1..", 0}, {".5", ".5", 0},   {"+5", "+5", 0},  {" 5", " 5", 0},
        {"1/2", "1/2", 0},  {"1:2", "12", 1},   {"1234", "123", 0}, {"-12", "-12", 0},   {"5z", "5", 1},
    };
    QLineEdit& entry = box("dB", 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        entry.clear();
        const int beepsBefore = beeps();
        QTest::keyClicks(&entry, c.typed);
        EXPECT_EQ(entry.text().toStdString(), c.text);
        EXPECT_EQ(beeps() - beepsBefore, c.beeps);
    }
}

TEST_F(SpeechTableTest, ATextSetByCodeKeepsItsLengthAndTheControlKeysStillWork)
{
    table->LoadCurve(*curve(10, 3, {{655, 8000, 40}}));
    QLineEdit& entry = box("dB", 1);
    ASSERT_EQ(entry.text(), "65.5");
    entry.setFocus();
    QTest::keyClick(&entry, Qt::Key_End);
    QTest::keyClicks(&entry, "1");
    EXPECT_EQ(entry.text().toStdString(), "65.5");
    QTest::keyClick(&entry, Qt::Key_Backspace);
    QTest::keyClick(&entry, Qt::Key_Backspace);
    EXPECT_EQ(entry.text().toStdString(), "65");
    QTest::keyClick(&entry, Qt::Key_Home);
    QTest::keyClick(&entry, Qt::Key_Delete);
    EXPECT_EQ(entry.text().toStdString(), "5");
    EXPECT_EQ(beeps(), 0);
}

TEST_F(SpeechTableTest, ABoxSelectsItsWholeTextWhenItGetsTheFocusByKeyOrByMouse)
{
    box("Score", 0).setText("45");
    box("dB", 0).setText("65.5");
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_EQ(focused(), "txtScore0");
    EXPECT_EQ(box("Score", 0).selectedText().toStdString(), "45");

    QTest::mouseClick(&box("dB", 0), Qt::LeftButton, {}, QPoint(3, 5));
    ASSERT_EQ(focused(), "txtdB0");
    EXPECT_EQ(box("dB", 0).selectedText().toStdString(), "65.5") << "a click that brings the focus selects the whole text";

    QTest::mouseClick(&box("dB", 0), Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_EQ(box("dB", 0).selectedText().toStdString(), "") << "a click in the box that has the focus places the caret";
}

TEST_F(SpeechTableTest, LeftAndRightWalkThroughTheVisibleBoxesAndOnThroughTheTabOrder)
{
    const struct {
        std::int32_t curveType;
        const char* from;
        Qt::Key key;
        const char* to;
    } cases[] = {
        {26, "txtdB0", Qt::Key_Right, "txtdB1"},
        {26, "txtdB1", Qt::Key_Right, "txtdB2"},
        {26, "txtdB2", Qt::Key_Right, "txtTestConditions"},
        {26, "txtdB2", Qt::Key_Left, "txtdB1"},
        {26, "txtdB0", Qt::Key_Left, "before"},
        {10, "txtScore0", Qt::Key_Right, "txtdB0"},
        {10, "txtdB0", Qt::Key_Right, "txtMask0"},
        {10, "txtMask0", Qt::Key_Right, "txtScore1"},
        {10, "txtMask1", Qt::Key_Right, "txtScore2"},
        {10, "txtdB2", Qt::Key_Right, "txtTestConditions"},
        {10, "txtScore2", Qt::Key_Left, "txtMask1"},
        {10, "txtScore1", Qt::Key_Left, "txtMask0"},
        {10, "txtMask0", Qt::Key_Left, "txtdB0"},
        {13, "txtScore1", Qt::Key_Left, "txtNoise0"},
        {13, "txtNoise1", Qt::Key_Right, "txtScore2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.curveType) + " " + c.from + (c.key == Qt::Key_Right ? " right" : " left"));
        table->ConfigureTable(c.curveType, 2, 2);
        QLineEdit& from = *table->findChild<QLineEdit*>(c.from);
        from.setText("12");
        from.setFocus();
        ASSERT_TRUE(from.hasFocus());
        from.setCursorPosition(1);
        QTest::keyClick(&from, c.key);
        EXPECT_EQ(focused(), c.to);
        EXPECT_EQ(from.text().toStdString(), "12");
    }
}

TEST_F(SpeechTableTest, EveryTextChangeButThoseOfClearAndLoadCurveRaisesDataChangedWithTheGroupsEar)
{
    table->LoadCurve(*curve(10, 3, {{500, 8000, 40}}));
    table->Clear();
    EXPECT_TRUE(changedEars.empty());

    QTest::keyClicks(&box("dB", 0), "5");
    EXPECT_EQ(changedEars, std::vector<std::int32_t>{2});
    QTest::keyClicks(&box("Score", 1), "x");
    EXPECT_EQ(changedEars, std::vector<std::int32_t>{2}) << "a refused key changes nothing";
    box("Mask", 2).setText("7");
    EXPECT_EQ(changedEars, (std::vector<std::int32_t>{2, 4})) << "text set by code";
}

}  // namespace
}  // namespace brisance
