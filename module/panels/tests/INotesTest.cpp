#include "module/panels/INotes.h"

#include "module/testing/RegisterServer.h"
#include "platform/com/Creation.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestResponder.h"
#include "platform/ui/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace brisance {
namespace {

namespace ui = platform::ui;
using platform::runtime::RuntimeError;
using platform::runtime::Variant;
using Reports = std::vector<std::int32_t>;

constexpr std::int16_t kAudiometers = 1000;
constexpr std::int16_t kRecentLists = 10000;
// The store's own selection, which the panel must leave as it found it.
constexpr std::int16_t kOwnCategory = 100;
constexpr std::int16_t kOwnSection = 3;

const std::array<const char*, 4> kListNames = {"Method", "Reliability", "User1", "User2"};
const std::array<const char*, 4> kRecentComboNames = {"cboTestMethod", "cboTestReliability", "cboUser1", "cboUser2"};

int topTwips(const QWidget* widget)
{
    return ui::pixelsToTwipsY(widget->y());
}

class NotesPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(VELLUM_LIBRARY_PATH));
        prefs = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        storeAt(kAudiometers, 0, "Orbiter 922 #4411", Variant("03/01/2024"));
        storeAt(kAudiometers, 0, "AC40 #17", Variant("11/15/2023"));
        // A calibration date that no text can be made of.
        storeAt(kAudiometers, 0, "Broken", Variant::fromBytes(std::vector<std::uint8_t>{1, 2}));

        window.resize(400, 260);
        notes = new INotes(&window);
        notes->Prefs(prefs);
        notes->LoadAudiometers();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        reports = std::make_unique<QSignalSpy>(notes, &INotes::DataChanged);
    }

    void storeAt(std::int16_t category, std::int16_t section, const std::string& key, const Variant& value)
    {
        prefs->put_Category(category);
        prefs->put_Section(section);
        prefs->put_Value(key, value);
        prefs->put_Category(kOwnCategory);
        prefs->put_Section(kOwnSection);
    }

    Variant storedAt(std::int16_t category, std::int16_t section, const std::string& key)
    {
        prefs->put_Category(category);
        prefs->put_Section(section);
        Variant value = prefs->get_Value(key);
        prefs->put_Category(kOwnCategory);
        prefs->put_Section(kOwnSection);
        return value;
    }

    void expectOwnSelection(const char* when)
    {
        EXPECT_EQ(prefs->get_Category(), kOwnCategory) << when;
        EXPECT_EQ(prefs->get_Section(), kOwnSection) << when;
    }

    template <class T>
    T* child(const char* name)
    {
        T* found = notes->findChild<T*>(name);
        EXPECT_TRUE(found) << name;
        return found;
    }
    QComboBox* make() { return child<QComboBox>("cboMake"); }
    QLineEdit* date() { return child<QLineEdit>("txtCalibrationDate"); }
    QPlainTextEdit* comments() { return child<QPlainTextEdit>("txtComments"); }

    // The note types reported since the last call.
    Reports reported()
    {
        Reports types;
        for (const QList<QVariant>& arguments : *reports) types.push_back(arguments.at(0).toInt());
        reports->clear();
        return types;
    }

    vellum::ComPtr<vellum::IVellumKeyedStore> prefs;
    QWidget window;
    INotes* notes = nullptr;
    std::unique_ptr<QSignalSpy> reports;
};

TEST_F(NotesPanel, TypingACommentReportsNoteType6OncePerKeystroke)
{
    comments()->setFocus();
    QTest::keyClicks(comments(), "ok");
    EXPECT_EQ(reported(), (Reports{6, 6}));
    EXPECT_EQ(notes->GetNoteTypeText(6), "ok");
}

TEST_F(NotesPanel, SettingATextByCodeReportsTheMakeOnceWhateverTheField)
{
    notes->SetNoteTypeText(6, "Refer for ABR");
    EXPECT_EQ(reported(), (Reports{0}));
    notes->SetNoteTypeText(3, "Good");
    EXPECT_EQ(reported(), (Reports{0}));
    EXPECT_EQ(notes->GetNoteTypeText(6), "Refer for ABR");
    EXPECT_EQ(notes->GetNoteTypeText(3), "Good");
}

TEST_F(NotesPanel, ClearReportsNothing)
{
    notes->SetNoteTypeText(0, "AC40 #17");
    for (std::int32_t type = 2; type <= 6; ++type) notes->SetNoteTypeText(type, "x");
    date()->setReadOnly(true);
    reported();

    notes->Clear();
    EXPECT_EQ(reported(), Reports{});
    for (std::int32_t type = 0; type <= 6; ++type) EXPECT_EQ(notes->GetNoteTypeText(type), "") << "note type " << type;
    EXPECT_EQ(make()->currentIndex(), -1);
    EXPECT_FALSE(date()->isReadOnly());

    QTest::keyClick(comments(), Qt::Key_A);
    EXPECT_EQ(reported(), (Reports{6})) << "tracking is on again";
}

TEST_F(NotesPanel, SettingTheMakeSelectsAListedOneWithItsDateOrAddsANewOneWithoutADate)
{
    EXPECT_EQ(make()->count(), 3);
    notes->SetNoteTypeText(0, "AC40 #17");
    EXPECT_EQ(notes->GetNoteTypeText(0), "AC40 #17");
    EXPECT_EQ(notes->GetNoteTypeText(1), "11/15/2023");

    notes->SetNoteTypeText(0, "");
    notes->SetNoteTypeText(0, "   ");
    EXPECT_EQ(notes->GetNoteTypeText(0), "AC40 #17") << "an empty make keeps the selection";
    EXPECT_EQ(make()->count(), 3);

    notes->SetNoteTypeText(0, "ac40 #17");
    EXPECT_EQ(make()->count(), 4) << "makes compare with case";
    EXPECT_EQ(notes->GetNoteTypeText(0), "ac40 #17");

    notes->SetNoteTypeText(1, "06/30/2022");
    notes->SetNoteTypeText(0, "Clinic booth");
    EXPECT_EQ(make()->count(), 5);
    EXPECT_EQ(make()->currentIndex(), 4);
    EXPECT_EQ(notes->GetNoteTypeText(0), "Clinic booth");
    EXPECT_EQ(notes->GetNoteTypeText(1), "") << "a make that is not listed has no date";
    expectOwnSelection("after choosing makes");
}

TEST_F(NotesPanel, ChoosingAListedMakeFillsItsDateAndReportsBoth)
{
    make()->setFocus();
    QTest::keyClick(make(), Qt::Key_Down);
    ASSERT_EQ(notes->GetNoteTypeText(0), "Orbiter 922 #4411");
    EXPECT_EQ(notes->GetNoteTypeText(1), "03/01/2024");
    EXPECT_EQ(reported(), (Reports{0, 1}));
    expectOwnSelection("after the user chose a make");
}

TEST_F(NotesPanel, LoadingAudiometersKeepsAListedMakeAndReadsItsDateAgain)
{
    notes->SetNoteTypeText(0, "AC40 #17");
    storeAt(kAudiometers, 0, "AC40 #17", Variant("01/20/2025"));
    storeAt(kAudiometers, 0, "Tymp 3", Variant("02/02/2025"));
    reported();

    notes->LoadAudiometers();
    EXPECT_EQ(make()->count(), 4);
    EXPECT_EQ(notes->GetNoteTypeText(0), "AC40 #17");
    EXPECT_EQ(notes->GetNoteTypeText(1), "01/20/2025");
    EXPECT_EQ(reported(), (Reports{0, 1}));
    expectOwnSelection("after LoadAudiometers");
}

TEST_F(NotesPanel, LoadingAudiometersSilentlyDropsAMakeNoLongerListed)
{
    notes->SetNoteTypeText(0, "Clinic booth");
    notes->SetNoteTypeText(1, "05/05/2020");
    reported();

    notes->LoadAudiometers();
    EXPECT_EQ(make()->count(), 3);
    EXPECT_EQ(make()->currentIndex(), -1);
    EXPECT_EQ(notes->GetNoteTypeText(0), "");
    EXPECT_EQ(notes->GetNoteTypeText(1), "05/05/2020");
    EXPECT_EQ(reported(), Reports{});
}

TEST_F(NotesPanel, AFailingReadOfTheAudiometerListRestoresTheStoreSelection)
{
    try {
        notes->SetNoteTypeText(0, "Broken");
        ADD_FAILURE() << "a date that is no text raised nothing";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), platform::runtime::errors::TypeMismatch);
    }
    expectOwnSelection("after SetNoteTypeText failed");

    EXPECT_THROW(notes->LoadAudiometers(), RuntimeError) << "the kept make's date is read again";
    expectOwnSelection("after LoadAudiometers failed");

    // The user's own choice has no caller to fail to: the failure is shown.
    ui::TestResponder responder;
    notes->SetNoteTypeText(0, "AC40 #17");
    make()->setFocus();
    QTest::keyClick(make(), Qt::Key_Down);
    ASSERT_EQ(notes->GetNoteTypeText(0), "Broken");
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].style, ui::MB_ICONSTOP);
    EXPECT_NE(responder.shown()[0].text.find("Type mismatch 13"), std::string::npos) << responder.shown()[0].text;
    expectOwnSelection("after the user's choice failed");
}

TEST_F(NotesPanel, SavingRecentEntriesStoresFourListsWithTheTypedTextsFirst)
{
    EXPECT_FALSE(notes->SaveToMRUList(kRecentLists, 1));
    for (const char* name : kListNames)
        EXPECT_FALSE(storedAt(kRecentLists, 1, name).isNull()) << name << " is stored even with nothing typed";

    for (std::int32_t type = 2; type <= 5; ++type) notes->SetNoteTypeText(type, "older " + std::to_string(type));
    notes->SaveToMRUList(kRecentLists, 1);
    for (std::int32_t type = 2; type <= 5; ++type) notes->SetNoteTypeText(type, "newer " + std::to_string(type));
    notes->SaveToMRUList(kRecentLists, 1);
    expectOwnSelection("after SaveToMRUList");

    for (std::size_t i = 0; i < kListNames.size(); ++i) {
        CMRUList list;
        ASSERT_TRUE(list.LoadList(*prefs, kRecentLists, 1, kListNames[i])) << kListNames[i];
        const std::string type = std::to_string(i + 2);
        EXPECT_EQ(list.GetList()[0], "newer " + type) << kListNames[i];
        EXPECT_EQ(list.GetList()[1], "older " + type) << kListNames[i];
        EXPECT_EQ(list.GetList()[2], "") << kListNames[i];
    }
}

TEST_F(NotesPanel, LoadingRecentEntriesFillsTheCombosQuietlyAndKeepsTheirTexts)
{
    for (std::size_t i = 0; i < kListNames.size(); ++i) {
        CMRUList list;
        for (const std::string text : {"Alpha", "", "Bravo"}) list.AddItem(text + (text.empty() ? "" : " " + std::to_string(i)));
        list.SaveList(*prefs, kRecentLists, 2, kListNames[i]);
    }
    notes->SetNoteTypeText(3, "typed");
    reported();

    EXPECT_FALSE(notes->LoadMRUList(kRecentLists, 2));
    EXPECT_EQ(reported(), Reports{});
    expectOwnSelection("after LoadMRUList");
    for (std::size_t i = 0; i < kRecentComboNames.size(); ++i) {
        QComboBox* combo = child<QComboBox>(kRecentComboNames[i]);
        const QString n = QString::number(i);
        ASSERT_EQ(combo->count(), 2) << kRecentComboNames[i] << ": the empty entry is left out";
        EXPECT_EQ(combo->itemText(0), "Bravo " + n);
        EXPECT_EQ(combo->itemText(1), "Alpha " + n);
    }
    EXPECT_EQ(notes->GetNoteTypeText(2), "");
    EXPECT_EQ(notes->GetNoteTypeText(3), "typed");

    // Type-ahead in each of the four combos.
    for (std::size_t i = 0; i < kRecentComboNames.size(); ++i) {
        QComboBox* combo = child<QComboBox>(kRecentComboNames[i]);
        combo->setFocus();
        combo->clearEditText();
        QTest::keyClicks(combo, "al");
        EXPECT_EQ(combo->currentText(), "Alpha " + QString::number(i)) << kRecentComboNames[i];
        EXPECT_FALSE(reported().empty()) << kRecentComboNames[i] << " reports what the user typed";
    }
}

TEST_F(NotesPanel, TheUsersOwnNameOfAUserFieldWinsOverItsLabel)
{
    notes->SetNoteTypeLabel(4, "User Defined 1");
    EXPECT_EQ(notes->GetNoteTypeLabel(4), "User Defined 1");

    notes->UserDefined1("Tinnitus");
    EXPECT_EQ(notes->GetNoteTypeLabel(4), "Tinnitus");
    notes->SetNoteTypeLabel(4, "User Defined 1");
    EXPECT_EQ(notes->GetNoteTypeLabel(4), "Tinnitus");

    notes->UserDefined2("");
    notes->SetNoteTypeLabel(5, "User Defined 2");
    EXPECT_EQ(notes->GetNoteTypeLabel(5), "User Defined 2") << "an empty name lets the label be set";
    notes->UserDefined2("");
    EXPECT_EQ(notes->GetNoteTypeLabel(5), "") << "the let sets the label even to nothing";
}

TEST_F(NotesPanel, ANoteTypeOutside0To6RaisesSubscriptOutOfRangeAndChangesNothing)
{
    const std::vector<std::function<void(std::int32_t)>> members = {
        [&](std::int32_t type) { notes->ShowNoteType(type, false); },
        [&](std::int32_t type) { notes->SetNoteTypeText(type, "x"); },
        [&](std::int32_t type) { notes->GetNoteTypeText(type); },
        [&](std::int32_t type) { notes->SetNoteTypeLabel(type, "x"); },
        [&](std::int32_t type) { notes->GetNoteTypeLabel(type); },
    };
    for (const std::int32_t type : {7, -1}) {
        for (std::size_t member = 0; member < members.size(); ++member) {
            try {
                members[member](type);
                ADD_FAILURE() << "member " << member << " raised nothing for note type " << type;
            } catch (const RuntimeError& error) {
                EXPECT_EQ(error.number(), platform::runtime::errors::SubscriptOutOfRange);
            }
        }
    }
    EXPECT_EQ(reported(), Reports{});
    QTest::keyClick(comments(), Qt::Key_A);
    EXPECT_EQ(reported(), (Reports{6})) << "tracking is still on";
}

struct LayoutCase {
    const char* name;
    std::vector<std::int32_t> hidden;
    std::array<int, 7> tops;  // twips; 0 for a hidden field
    int commentsHeight;       // twips
};

void PrintTo(const LayoutCase& layoutCase, std::ostream* out)
{
    *out << layoutCase.name;
}

class NotesLayout : public NotesPanel, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(NotesLayout, ShownFieldsStand360TwipsApartAndTheCommentsFillTheRest)
{
    for (std::int32_t type = 0; type < 7; ++type) notes->ShowNoteType(type, true);
    for (const std::int32_t type : GetParam().hidden) notes->ShowNoteType(type, false);

    static const std::array<const char*, 7> fields = {"cboMake",  "txtCalibrationDate", "cboTestMethod", "cboTestReliability",
                                                      "cboUser1", "cboUser2",           "txtComments"};
    static const std::array<const char*, 7> labels = {"lblMake",  "lblCalibrationDate", "lblTestMethod", "lblTestReliability",
                                                      "lblUser1", "lblUser2",           "lblComments"};
    EXPECT_EQ(notes->height(), ui::twipsToPixelsY(2935));
    for (std::size_t type = 0; type < fields.size(); ++type) {
        SCOPED_TRACE(fields[type]);
        QWidget* field = child<QWidget>(fields[type]);
        QLabel* label = child<QLabel>(labels[type]);
        const bool shown = GetParam().tops[type] != 0;
        EXPECT_EQ(field->isVisible(), shown);
        EXPECT_EQ(label->isVisible(), shown);
        if (!shown) continue;
        EXPECT_EQ(topTwips(field), GetParam().tops[type]);
        EXPECT_EQ(topTwips(label), GetParam().tops[type] + 120);
    }
    EXPECT_EQ(ui::pixelsToTwipsY(comments()->height()), GetParam().commentsHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, NotesLayout,
    ::testing::Values(LayoutCase{"AllShown", {}, {210, 570, 930, 1290, 1650, 2010, 2370}, 405},
                      LayoutCase{"DateAndReliabilityHidden", {1, 3}, {210, 0, 570, 0, 930, 1290, 1650}, 1125},
                      LayoutCase{"CommentsHidden", {6}, {210, 570, 930, 1290, 1650, 2010, 0}, 765},
                      LayoutCase{"OnlyComments", {0, 1, 2, 3, 4, 5}, {0, 0, 0, 0, 0, 0, 210}, 2565}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NotesPanel, FieldsShareTheWidthAndTheDateStandsAtTheRight)
{
    EXPECT_EQ(notes->Caption(), "Notes");
    notes->Caption("&Notes");
    EXPECT_EQ(child<QLabel>("lblCaption")->x(), ui::twipsToPixelsX(90));
    notes->SetNoteTypeLabel(1, "Calibration Date");
    notes->Width(6000);
    const int fieldWidth = ui::twipsToPixelsX(6000 - 1530 - 100);
    for (const char* name : {"cboMake", "cboTestMethod", "cboTestReliability", "cboUser1", "cboUser2", "txtComments"}) {
        EXPECT_EQ(child<QWidget>(name)->x(), ui::twipsToPixelsX(1530)) << name;
        EXPECT_EQ(child<QWidget>(name)->width(), fieldWidth) << name;
    }
    QLabel* dateLabel = child<QLabel>("lblCalibrationDate");
    EXPECT_EQ(date()->x() + date()->width(), ui::twipsToPixelsX(6000 - 100));
    EXPECT_NEAR(dateLabel->x() + dateLabel->width(), date()->x() - ui::twipsToPixelsX(50), 1);

    notes->Width(1000);
    EXPECT_EQ(make()->width(), ui::twipsToPixelsX(1)) << "a narrow panel leaves the fields 1 twip wide";
}

}  // namespace
}  // namespace brisance
