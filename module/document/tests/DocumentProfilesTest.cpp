#include "module/document/tests/DocumentProfileSupport.h"

#include "module/core/CPaletteItems.h"
#include "module/core/TextResources.h"
#include "module/document/ImageCombo.h"
#include "module/document/KeyedTabStrip.h"
#include "module/document/KeyedToolBar.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/TolvEditGrid.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"
#include "module/views/ctlARTView.h"

#include "platform/testing/ModalDialogs.h"

#include <QAction>

namespace brisance {
namespace {

using platform::runtime::Variant;
using platform::testing::ModalDialogs;
using namespace testing;

// What a profile's settings show on the document and its views.
struct Shown {
    std::int32_t pureToneMode = 1;
    bool zoomEnabled = true;
    bool pureTonePanels[3]{};  // table, notes, average
    bool speechPanels[3]{};    // graph table, notes, average
    std::int32_t speechMode = 0;
    bool impedancePanels[4]{};  // notes, ipsi, contra, tymp
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& shown)
{
    out << "pure-tone mode " << shown.pureToneMode << ", zoom " << shown.zoomEnabled << ", pure-tone panels "
        << shown.pureTonePanels[0] << shown.pureTonePanels[1] << shown.pureTonePanels[2] << ", speech panels "
        << shown.speechPanels[0] << shown.speechPanels[1] << shown.speechPanels[2] << ", speech mode "
        << shown.speechMode << ", impedance panels " << shown.impedancePanels[0] << shown.impedancePanels[1]
        << shown.impedancePanels[2] << shown.impedancePanels[3];
    return out;
}

Shown ShownBy(docAudiogramModule& document)
{
    const CPureTone& pureTone = document.oPureTone();
    const CSpeech& speech = document.oSpeech();
    const CImpedance& impedance = document.oImpedance();
    return Shown{
        .pureToneMode = pureTone.Mode(),
        .zoomEnabled = document.tbrMain().Enabled("ZoomNormal"),
        .pureTonePanels = {pureTone.ShowTestDataTable(), pureTone.ShowNotes(), pureTone.ShowPureToneAverage()},
        .speechPanels = {speech.ShowGraphTable(), speech.ShowNotes(), speech.ShowPureToneAverage()},
        .speechMode = speech.Mode(),
        .impedancePanels = {impedance.ShowNotes(), impedance.ShowIpsi(), impedance.ShowContra(), impedance.ShowTymp()},
    };
}

struct ApplyRow {
    const char* name;
    Keys keys;
    Shown shown;
};

const ApplyRow kApplyRows[] = {
    {"an empty profile", {}, {}},
    {"one graph, every panel",
     {{"PTOneGraph", true}, {"PTPanels", std::int32_t{7}}, {"SPPanels", std::int32_t{7}}, {"SPShowGraph", true},
      {"IMPanels", std::int32_t{2 + 8 + 16 + 32}}},
     {.pureToneMode = 0,
      .zoomEnabled = false,
      .pureTonePanels = {true, true, true},
      .speechPanels = {true, true, true},
      .speechMode = 1,
      .impedancePanels = {true, true, true, true}}},
    {"panel bits one at a time",
     {{"PTPanels", std::int32_t{2}}, {"SPPanels", std::int32_t{4}}, {"IMPanels", std::int32_t{16}}},
     {.pureTonePanels = {false, true, false}, .speechPanels = {false, false, true}, .impedancePanels = {false, false, true, false}}},
    {"impedance bits 0 and 2 are not used", {{"IMPanels", std::int32_t{1 + 4}}}, {}},
    {"flags that are no Booleans read False",
     {{"PTOneGraph", "abc"}, {"SPShowGraph", "maybe"}, {"TympPressure", "x"}}, {}},
    {"numbers stored as texts", {{"PTPanels", "3 panels"}}, {.pureTonePanels = {true, true, false}}},
};

class DocumentApplyProfileTest : public testing::DocumentProfileTest {};

TEST_F(DocumentApplyProfileTest, TheCurrentProfileReachesTheViewsAndTheGraphCommands)
{
    for (const ApplyRow& row : kApplyRows) {
        SCOPED_TRACE(row.name);
        StoreProfiles({{2, "Only", true, row.keys}});
        docAudiogramModule& document = OpenDocument();

        ASSERT_TRUE(document.Initialized()) << "a stored value stopped the document";
        EXPECT_EQ(ShownBy(document), row.shown);
        const bool oneGraph = row.shown.pureToneMode == 0;
        EXPECT_TRUE(document.tbrMain().Pressed(oneGraph ? "SingleGraph" : "DualGraph"));
        EXPECT_EQ(document.tbrMain().Pressed("ZoomNormal"), !oneGraph);
        EXPECT_EQ(document.Menus().mnuViewGraphMode->text().toStdString(),
                  UiText(oneGraph ? TR_SEPARATE_RIGHTLEFT_GRAPHS : TR_SINGLE_GRAPH));
        CloseDocument();
    }
}

TEST_F(DocumentApplyProfileTest, NoteFieldBitsShowTheirFieldsWithTheCommentsOnBitFour)
{
    struct Case {
        std::int32_t bits;
        std::vector<const char*> shown;
    };
    const Case cases[] = {
        {0, {}},
        {1 << 4, {"txtComments"}},
        {(1 << 5) | (1 << 6), {"cboUser1", "cboUser2"}},
        {0x7f, {"cboMake", "txtCalibrationDate", "cboTestMethod", "cboTestReliability", "cboUser1", "cboUser2",
                "txtComments"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("note fields " + std::to_string(c.bits));
        StoreProfiles({{0, "Notes", true,
                        {{"PTNoteFields", c.bits}, {"SPNoteFields", c.bits}, {"IPNoteFields", c.bits},
                         {"PTUser1", "Ear mould"}}}});
        docAudiogramModule& document = OpenDocument();
        for (INotes* notes : {document.oPureTone().Notes(), document.oSpeech().Notes(), document.oImpedance().Notes()})
            EXPECT_EQ(ShownNoteFields(*notes), std::vector<std::string>(c.shown.begin(), c.shown.end()));
        EXPECT_EQ(document.oPureTone().Notes()->UserDefined1(), "Ear mould");
        CloseDocument();
    }
}

TEST_F(DocumentApplyProfileTest, GraphOptionBitFiveNarrowsTheTestDataTable)
{
    for (const auto& [options, columns] : {std::pair{0, 13}, std::pair{32, 11}}) {
        SCOPED_TRACE("graph options " + std::to_string(options));
        StoreProfiles({{0, "Range", true, {{"PTGraphOptions", std::int32_t{options}}, {"PTPanels", std::int32_t{1}}}}});
        docAudiogramModule& document = OpenDocument();
        const auto* grid = document.oPureTone().findChild<TolvEditGrid*>("grdEar0");
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->ColCount(), columns);
        CloseDocument();
    }
}

TEST_F(DocumentApplyProfileTest, TableModeKeepsTheSpeechPaletteOfTheProfileBeforeWithoutReachingItsTests)
{
    Keys chart = StandardPalettes();
    chart.emplace_back("SPShowGraph", true);
    Keys tables = StandardPalettes();
    tables.emplace_back("SPShowGraph", false);
    StoreProfiles({{0, "Chart", true, chart}, {1, "Tables", false, tables}});
    docAudiogramModule& document = OpenDocument();
    CSpeech& speech = document.oSpeech();
    ASSERT_GT(speech.PaletteItems()->Count(), 0);
    ASSERT_TRUE(PaletteShowsItems(*speech.Palette(), *speech.PaletteItems()));
    const std::int32_t chosen = (*speech.PaletteItems()->begin())->ID;
    speech.Palette()->PressButton(Variant(chosen));

    document.Menus().mnuProfileList->Action(1).trigger();
    ASSERT_EQ(speech.Mode(), 0);
    EXPECT_TRUE(speech.Palette()->Button(chosen)) << "the palette keeps the buttons of the chart profile";
    EXPECT_FALSE(PaletteShowsItems(*speech.Palette(), *speech.PaletteItems()));
    // The kept selection finds none of the new profile's tests to edit.
    document.tabMain().Select("SPEECH");
    {
        ModalDialogs none;
        document.Menus().mnuEditTestConditions->trigger();
    }

    document.Menus().mnuProfileList->Action(0).trigger();
    EXPECT_TRUE(PaletteShowsItems(*speech.Palette(), *speech.PaletteItems())) << "the chart refills it";
}

TEST_F(DocumentApplyProfileTest, TheRightEarGoesLeftUnlessTheGlobalOptionsSayOtherwise)
{
    struct Case {
        const char* name;
        std::optional<Variant> stored;
        bool rightOnLeft;
    };
    const Case cases[] = {{"absent", std::nullopt, true},
                          {"True", Variant(true), true},
                          {"False", Variant(false), false},
                          {"Empty: stored, so False", Variant(), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StoreProfiles({{0, "Ears", true, {}}}, c.stored);
        docAudiogramModule& document = OpenDocument();
        EXPECT_EQ(document.oPureTone().RightOnLeft(), c.rightOnLeft);
        EXPECT_EQ(document.oSpeech().RightOnLeft(), c.rightOnLeft);
        EXPECT_EQ(document.oImpedance().IpsilateralReflexTable()->RightEarOnLeft(), c.rightOnLeft);
        CloseDocument();
    }
}

struct ListRow {
    const char* name;
    std::vector<testing::StoredProfile> profiles;
    std::vector<std::string> tags;    // menu tags, in order
    std::vector<std::string> ticked;  // the tags of the ticked items
    std::int16_t current;
    std::string selectedKey;  // the box's selected key; "" none
};

const ListRow kListRows[] = {
    {"sections 3 and 7, no default",
     {{3, "Three", false, {}}, {7, "Seven", false, {}}},
     {"3", "7"}, {"3"}, 3, "3K"},
    {"two defaults: both ticked, the later one current",
     {{3, "Three", true, {}}, {7, "Seven", true, {}}},
     {"3", "7"}, {"3", "7"}, 7, "7K"},
    {"one default", {{0, "Zero", false, {}}, {5, "Five", true, {}}}, {"0", "5"}, {"5"}, 5, "5K"},
    {"section 21 is never listed", {{21, "Beyond", true, {}}, {4, "Four", false, {}}}, {"4"}, {"4"}, 4, "4K"},
};

class DocumentProfileListTest : public testing::DocumentProfileTest {};

TEST_F(DocumentProfileListTest, TheListShowsTheStoredProfilesAndTheDefaultBecomesCurrent)
{
    for (const ListRow& row : kListRows) {
        SCOPED_TRACE(row.name);
        StoreProfiles(row.profiles);
        docAudiogramModule& document = OpenDocument();
        ASSERT_TRUE(document.Initialized());

        EXPECT_EQ(ListedTags(document), row.tags);
        EXPECT_EQ(TickedTags(document), row.ticked);
        std::vector<std::string> keys;
        for (const std::string& tag : row.tags)
            keys.push_back(tag + "K");
        EXPECT_EQ(BoxKeys(document), keys);
        EXPECT_EQ(document.imcProfiles().ItemKey(document.imcProfiles().currentIndex()), row.selectedKey);
        EXPECT_EQ(ModuleGlobals::PreferenceStore()->get_Section(), row.current);
        CloseDocument();
    }
}

TEST_F(DocumentProfileListTest, WithoutAnyProfileTheFirstItemKeepsItsPlaceholderAndIsTicked)
{
    StoreProfiles({});
    docAudiogramModule& document = OpenDocument();
    ASSERT_TRUE(document.Initialized());
    const MenuControlArray& items = *document.Menus().mnuProfileList;
    EXPECT_EQ(items.Count(), 1);
    EXPECT_TRUE(items.Visible(0));
    EXPECT_EQ(items.Caption(0), "Profile");
    EXPECT_EQ(items.Tag(0), "");
    EXPECT_TRUE(items.Checked(0));
    EXPECT_EQ(ModuleGlobals::PreferenceStore()->get_Section(), 0);
    EXPECT_EQ(document.imcProfiles().count(), 0);
}

TEST_F(DocumentProfileListTest, ChoosingAProfileByTheBoxOrTheMenuAppliesIt)
{
    StoreProfiles({{1, "Dual", true, {{"PTPanels", std::int32_t{7}}}},
                   {6, "Single", false, {{"PTOneGraph", true}, {"PTPanels", std::int32_t{0}}}}});
    docAudiogramModule& document = OpenDocument();
    ASSERT_EQ(document.oPureTone().Mode(), 1);

    platform::testing::choose(&document.imcProfiles(), 1);
    EXPECT_EQ(document.oPureTone().Mode(), 0);
    EXPECT_FALSE(document.oPureTone().ShowNotes());
    EXPECT_EQ(TickedTags(document), std::vector<std::string>{"6"});
    EXPECT_EQ(ModuleGlobals::PreferenceStore()->get_Section(), 6);

    document.Menus().mnuProfileList->Action(0).trigger();
    EXPECT_EQ(document.oPureTone().Mode(), 1);
    EXPECT_TRUE(document.oPureTone().ShowNotes());
    EXPECT_EQ(TickedTags(document), std::vector<std::string>{"1"});
    EXPECT_EQ(document.imcProfiles().currentIndex(), 0);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

}  // namespace
}  // namespace brisance
