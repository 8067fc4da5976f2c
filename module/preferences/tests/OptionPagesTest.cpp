#include "module/core/ModuleHelp.h"
#include "module/panels/TwipsGeometry.h"
#include "module/panels/frmNewFieldName.h"
#include "module/preferences/frmPrefARTOptions.h"
#include "module/preferences/frmPrefNotes.h"
#include "module/preferences/frmPrefPureToneGraph.h"
#include "module/preferences/frmPrefSeverityOfLoss.h"
#include "module/preferences/frmPrefSpeechGraph.h"
#include "module/preferences/frmPrefTestData.h"
#include "module/preferences/frmPrefTympOptions.h"
#include "module/preferences/tests/ProfileTestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace brisance {
namespace {

using namespace testing;
using ::testing::UnorderedElementsAreArray;
using platform::ui::DialogKind;

Variant Long(std::int32_t value)
{
    return Variant(value);
}

using PageFactory = std::function<std::unique_ptr<OptionPage>()>;

template <typename Page>
PageFactory PageOf(std::function<void(Page&)> mode = {})
{
    return [mode] {
        auto page = std::make_unique<Page>();
        if (mode)
            mode(*page);
        return page;
    };
}

PageFactory NotesPage(std::int32_t mode)
{
    return PageOf<frmPrefNotes>([mode](frmPrefNotes& page) { page.Mode(mode); });
}
PageFactory ReflexPage(std::int32_t mode)
{
    return PageOf<frmPrefARTOptions>([mode](frmPrefARTOptions& page) { page.Mode(mode); });
}
PageFactory TestDataPage(bool speech)
{
    return PageOf<frmPrefTestData>([speech](frmPrefTestData& page) { page.SpeechMode(speech); });
}

template <typename Widget = QWidget>
Widget& Control(const QWidget& page, const QString& name)
{
    Widget* found = page.findChild<Widget*>(name);
    if (!found)
        throw std::runtime_error("no control " + name.toStdString());
    return *found;
}

class OptionPagesTest : public ProfileTest {
protected:
    // Opens the page on the profile as the preferences dialog does, but
    // without a modal loop, so that the test can look and click.
    std::unique_ptr<OptionPage> Open(const PageFactory& create)
    {
        std::unique_ptr<OptionPage> page = create();
        page->Preferences(store);
        page->LoadPreferences();
        page->show();
        return page;
    }
    template <typename Page>
    std::unique_ptr<Page> Open(std::function<void(Page&)> mode = {})
    {
        std::unique_ptr<OptionPage> page = Open(PageOf<Page>(std::move(mode)));
        return std::unique_ptr<Page>(static_cast<Page*>(page.release()));
    }

    void ClearProfile()
    {
        StoreSelectionKeeper keeper(*store, 0, kProfile);
        store->ClearSection();
    }
};

struct PageCase {
    std::string name;
    PageFactory create;
    Keys stored;
    std::vector<std::string> ticked;  // what the page shows
    Keys written;                     // what its OK writes
    std::function<void(const QWidget&)> alsoShown = {};
};

TEST_F(OptionPagesTest, EachPageShowsItsStoredKeysAndOkWritesWhatItShowsWhileCancelWritesNothing)
{
    const std::string userField1 = UiText(TR_USER_DEF_1);
    const std::string userField2 = UiText(TR_USER_DEF_2);
    const std::vector<std::string> graphDefaults = {"optGraphView0",  "optXRange1",     "optLineStyle1",
                                                    "optInteroctiveLineStyle2", "optXAxisLabel1", "optYAxisRange1",
                                                    "optGridWidth1"};
    const auto severityButtonEnabled = [](bool enabled) {
        return [enabled](const QWidget& page) {
            EXPECT_EQ(Control(page, "cmdConfigSeverityOfLoss").isEnabled(), enabled);
        };
    };
    const std::vector<PageCase> cases = {
        // Pure-tone graph.
        {"graph, no keys", PageOf<frmPrefPureToneGraph>(), {}, graphDefaults,
         {{"PTOneGraph", false}, {"PTGraphOptions", Long(0)}}, severityButtonEnabled(false)},
        {"graph, two underlays: the first one", PageOf<frmPrefPureToneGraph>(), {{"PTGraphOptions", Long(2 + 8)}},
         {"optGraphView0", "optUnderlay1", "optXRange1", "optLineStyle1", "optInteroctiveLineStyle2",
          "optXAxisLabel1", "optYAxisRange1", "optGridWidth1"},
         {{"PTOneGraph", false}, {"PTGraphOptions", Long(2)}}},
        {"graph, solid and dashed inter-octave lines: solid", PageOf<frmPrefPureToneGraph>(),
         {{"PTGraphOptions", Long(128 + 8192)}},
         {"optGraphView0", "optXRange1", "optLineStyle1", "optInteroctiveLineStyle0", "optXAxisLabel1",
          "optYAxisRange1", "optGridWidth1"},
         {{"PTOneGraph", false}, {"PTGraphOptions", Long(128)}}},
        {"graph, every option", PageOf<frmPrefPureToneGraph>(),
         {{"PTOneGraph", true}, {"PTGraphOptions", Long(14177)}},
         {"optGraphView1", "optUnderlay0", "optXRange0", "optLineStyle0", "optInteroctiveLineStyle1",
          "optXAxisLabel0", "optYAxisRange0", "optGridWidth0", "chkDisplayAxes"},
         {{"PTOneGraph", true}, {"PTGraphOptions", Long(14177)}}, severityButtonEnabled(true)},
        {"graph, a flag holding text reads False", PageOf<frmPrefPureToneGraph>(),
         {{"PTOneGraph", "abc"}, {"PTGraphOptions", "4096 and more"}},
         {"optGraphView0", "optXRange1", "optLineStyle1", "optInteroctiveLineStyle2", "optXAxisLabel1",
          "optYAxisRange1", "optGridWidth1", "chkDisplayAxes"},
         {{"PTOneGraph", false}, {"PTGraphOptions", Long(4096)}}},

        // Severity of loss.
        {"severity, no keys", PageOf<frmPrefSeverityOfLoss>(), {}, {},
         {{"SeverityOfLossConfig", Long(0)}, {"SeverityOfLossLows", ",,,,,,"}, {"SeverityOfLossHighs", ",,,,,,"}},
         [](const QWidget& page) {
             for (const QLineEdit* limit : page.findChildren<QLineEdit*>()) {
                 EXPECT_EQ(limit->text(), "") << limit->objectName().toStdString();
                 EXPECT_FALSE(limit->isEnabled()) << limit->objectName().toStdString();
             }
         }},
        {"severity, two bands, six lows, highs in letters", PageOf<frmPrefSeverityOfLoss>(),
         {{"SeverityOfLossConfig", Long(9)},
          {"SeverityOfLossLows", "-10,26,26,41,56,71"},
          {"SeverityOfLossHighs", "ten,forty,55,55,70,90,120"}},
         {"chkSeverity0", "chkSeverity3"},
         {{"SeverityOfLossConfig", Long(9)},
          {"SeverityOfLossLows", "-10,26,26,41,56,71,"},
          {"SeverityOfLossHighs", "ten,forty,55,55,70,90,120"}},
         [](const QWidget& page) {
             EXPECT_EQ(Control<QLineEdit>(page, "txtLow5").text(), "71");
             EXPECT_EQ(Control<QLineEdit>(page, "txtLow6").text(), "");
             EXPECT_EQ(Control<QLineEdit>(page, "txtHigh1").text(), "forty");
             for (int band = 0; band < frmPrefSeverityOfLoss::kBands; ++band) {
                 const bool shown = band == 0 || band == 3;
                 EXPECT_EQ(Control(page, QStringLiteral("txtLow%1").arg(band)).isEnabled(), shown);
                 EXPECT_EQ(Control(page, QStringLiteral("txtHigh%1").arg(band)).isEnabled(), shown);
             }
         }},
        {"severity, eight pieces: the eighth is dropped", PageOf<frmPrefSeverityOfLoss>(),
         {{"SeverityOfLossLows", "1,2,3,4,5,6,7,8"}}, {},
         {{"SeverityOfLossConfig", Long(0)}, {"SeverityOfLossLows", "1,2,3,4,5,6,7"}, {"SeverityOfLossHighs", ",,,,,,"}}},

        // Test-data rows.
        {"test data, no keys", TestDataPage(false), {}, {}, {{"PTTestDataRows", Long(0)}}},
        {"test data, pure-tone rows", TestDataPage(false), {{"PTTestDataRows", Long(7)}},
         {"chkStimulus", "chkMasking", "chkTestConditions"}, {{"PTTestDataRows", Long(7)}}},
        {"test data, pure tone keeps the hidden speech rows", TestDataPage(false), {{"PTTestDataRows", Long(31)}},
         {"chkStimulus", "chkMasking", "chkTestConditions", "chkNoise", "chkScore"}, {{"PTTestDataRows", Long(31)}},
         [](const QWidget& page) {
             EXPECT_TRUE(Control(page, "chkNoise").isHidden());
             EXPECT_TRUE(Control(page, "chkScore").isHidden());
         }},
        {"test data, speech rows as text", TestDataPage(true), {{"SPTestDataRows", "24"}, {"PTTestDataRows", Long(1)}},
         {"chkNoise", "chkScore"}, {{"SPTestDataRows", Long(24)}}},

        // Notes.
        {"notes, no keys", NotesPage(0), {}, {},
         {{"PTNoteFields", Long(0)}, {"PTUser1", userField1}, {"PTUser2", userField2}}},
        {"notes, an old placeholder name gives the default", NotesPage(0),
         {{"PTNoteFields", Long(96)}, {"PTUser1", "Tip Type"}, {"PTUser2", "Ear tips"}},
         {"chkNoteField5", "chkNoteField6"},
         {{"PTNoteFields", Long(96)}, {"PTUser1", userField1}, {"PTUser2", "Ear tips"}},
         [&](const QWidget& page) {
             EXPECT_EQ(Control<QCheckBox>(page, "chkNoteField5").text().toStdString(), userField1);
             EXPECT_EQ(Control<QCheckBox>(page, "chkNoteField6").text(), "Ear tips");
             EXPECT_TRUE(Control(page, "cmdCustomize0").isEnabled());
         }},
        {"notes, speech keys", NotesPage(1), {{"SPNoteFields", Long(16)}, {"PTNoteFields", Long(1)}},
         {"chkNoteField4"}, {{"SPNoteFields", Long(16)}, {"SPUser1", userField1}, {"SPUser2", userField2}}},
        {"notes, impedance keeps its hidden fields", NotesPage(2),
         {{"IPNoteFields", Long(13)}, {"IPUser2", "Probe"}}, {"chkNoteField0", "chkNoteField2", "chkNoteField3"},
         {{"IPNoteFields", Long(13)}, {"IPUser1", userField1}, {"IPUser2", "Probe"}}},

        // Speech graph.
        {"speech graph, no keys: no underlay", PageOf<frmPrefSpeechGraph>(), {},
         {"optSRT1", "optLineStyle1", "optXRange1"}, {{"SPGraphOptions", Long(0)}}},
        {"speech graph, none before template A", PageOf<frmPrefSpeechGraph>(), {{"SPGraphOptions", Long(1026)}},
         {"optUnderlay0", "optSRT1", "optLineStyle1", "optXRange1"}, {{"SPGraphOptions", Long(2)}}},
        {"speech graph, template A and its options", PageOf<frmPrefSpeechGraph>(),
         {{"SPGraphOptions", Long(1121)}}, {"optUnderlay1", "optSRT0", "optLineStyle0", "optXRange0"},
         {{"SPGraphOptions", Long(1121)}}},
        {"speech graph, the label boxes", PageOf<frmPrefSpeechGraph>(), {{"SPGraphOptions", Long(4 + 8 + 16 + 128)}},
         {"chkDisplaydBLevels", "chkDisplayTextLabels", "chkDisplayLabelsOnRight", "optUnderlay3", "optSRT1",
          "optLineStyle1", "optXRange1"},
         {{"SPGraphOptions", Long(156)}}},

        // Acoustic reflexes.
        {"reflexes, no keys", ReflexPage(0), {}, {}, {{"IARTPoints", Long(0)}, {"IARTDecay", Long(0)}}},
        {"reflexes, ipsilateral", ReflexPage(0), {{"IARTPoints", Long(7)}, {"IARTDecay", Long(2)}},
         {"chkART0", "chkART1", "chkART2", "chkARTDecay1"}, {{"IARTPoints", Long(7)}, {"IARTDecay", Long(2)}}},
        {"reflexes, a decay without its threshold is dropped", ReflexPage(1),
         {{"CARTPoints", Long(1)}, {"CARTDecay", Long(3)}, {"IARTPoints", Long(2)}}, {"chkART0", "chkARTDecay0"},
         {{"CARTPoints", Long(1)}, {"CARTDecay", Long(1)}},
         [](const QWidget& page) { EXPECT_FALSE(Control(page, "chkARTDecay1").isEnabled()); }},

        // Tympanometry.
        {"tympanometry, a new profile", PageOf<frmPrefTympOptions>(), {},
         {"optPressure1", "optVolume1", "optGradient1"},
         {{"TympPressure", false}, {"TympVolume", false}, {"TympGradient", false}}},
        {"tympanometry, mmH2O", PageOf<frmPrefTympOptions>(), {{"TympPressure", true}},
         {"optPressure0", "optVolume1", "optGradient1"},
         {{"TympPressure", true}, {"TympVolume", false}, {"TympGradient", false}}},
        {"tympanometry, a flag holding text reads False", PageOf<frmPrefTympOptions>(),
         {{"TympVolume", "maybe"}, {"TympGradient", true}}, {"optPressure1", "optVolume1", "optGradient0"},
         {{"TympPressure", false}, {"TympVolume", false}, {"TympGradient", true}}},
    };

    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.name);
        ClearProfile();
        Store(c.stored);

        std::unique_ptr<OptionPage> page = Open(c.create);
        EXPECT_THAT(TickedNames(*page), UnorderedElementsAreArray(c.ticked));
        if (c.alsoShown)
            c.alsoShown(*page);
        click(&Control(*page, "cmdCancel"));
        EXPECT_FALSE(page->isVisible());
        EXPECT_EQ(Described(Stored()), Described(c.stored)) << "Cancel wrote to the profile";

        page = Open(c.create);
        click(&Control(*page, "cmdOK"));
        EXPECT_FALSE(page->isVisible());
        EXPECT_EQ(Described(Stored()), After(c.stored, c.written));
    }
}

TEST_F(OptionPagesTest, TheCloseBoxWritesNothing)
{
    Store({{"TympPressure", true}});
    auto page = Open<frmPrefTympOptions>();
    click(&Control(*page, "optPressure1"));
    page->close();
    EXPECT_EQ(Described(Stored()), Described({{"TympPressure", true}}));
}

TEST_F(OptionPagesTest, ChoosingAnOptionIsWhatOkWrites)
{
    Store({});
    auto page = Open<frmPrefTympOptions>();
    click(&Control(*page, "optPressure0"));
    click(&Control(*page, "cmdOK"));
    EXPECT_EQ(Described(Stored()),
              Described({{"TympPressure", true}, {"TympVolume", false}, {"TympGradient", false}}));
}

TEST_F(OptionPagesTest, TheSeverityButtonWorksOnlyWithTheSeverityUnderlayAndItsPageWritesAtOnce)
{
    Store({});
    auto page = Open<frmPrefPureToneGraph>();
    QWidget& severity = Control(*page, "cmdConfigSeverityOfLoss");
    click(&Control(*page, "optUnderlay0"));
    EXPECT_TRUE(severity.isEnabled());
    click(&Control(*page, "optUnderlay1"));
    EXPECT_FALSE(severity.isEnabled());
    click(&Control(*page, "optUnderlay0"));

    dialogs.answer<frmPrefSeverityOfLoss>([this](frmPrefSeverityOfLoss& bands) {
        EXPECT_EQ(bands.Preferences().get(), store.get());
        click(&Control(bands, "chkSeverity1"));
        typeText(&Control<QLineEdit>(bands, "txtLow1"), "26");
        click(&Control(bands, "cmdOK"));
    });
    click(&severity);
    // Cancelling the graph page leaves what the severity page wrote.
    click(&Control(*page, "cmdCancel"));
    EXPECT_EQ(Described(Stored()), Described({{"SeverityOfLossConfig", Long(2)},
                                              {"SeverityOfLossLows", ",26,,,,,"},
                                              {"SeverityOfLossHighs", ",,,,,,"}}));
}

TEST_F(OptionPagesTest, ALimitTakesNoCommaAndOnlyWhileItsBandIsTicked)
{
    Store({});
    auto page = Open<frmPrefSeverityOfLoss>();
    QLineEdit& low = Control<QLineEdit>(*page, "txtLow0");
    EXPECT_FALSE(low.isEnabled());
    click(&Control(*page, "chkSeverity0"));
    ASSERT_TRUE(low.isEnabled());
    typeText(&low, "-1,0");
    EXPECT_EQ(low.text(), "-10");
    click(&Control(*page, "chkSeverity0"));
    EXPECT_FALSE(low.isEnabled());
}

TEST_F(OptionPagesTest, UntickingAThresholdUnticksAndDisablesItsDecay)
{
    Store({{"IARTPoints", Long(4)}, {"IARTDecay", Long(4)}});
    auto page = Open<frmPrefARTOptions>([](frmPrefARTOptions& reflexes) { reflexes.Mode(0); });
    auto& threshold = Control<QCheckBox>(*page, "chkART2");
    auto& decay = Control<QCheckBox>(*page, "chkARTDecay2");
    ASSERT_TRUE(decay.isChecked());
    ASSERT_TRUE(decay.isEnabled());

    click(&threshold);
    EXPECT_FALSE(decay.isChecked());
    EXPECT_FALSE(decay.isEnabled());

    click(&threshold);
    EXPECT_FALSE(decay.isChecked());
    EXPECT_TRUE(decay.isEnabled());
}

TEST_F(OptionPagesTest, ACustomiseButtonFollowsItsFieldAndRenamesIt)
{
    Store({});
    auto page = Open<frmPrefNotes>([](frmPrefNotes& notes) { notes.Mode(0); });
    auto& field = Control<QCheckBox>(*page, "chkNoteField5");
    auto& customise = Control<QPushButton>(*page, "cmdCustomize0");
    EXPECT_FALSE(customise.isEnabled());
    click(&field);
    ASSERT_TRUE(customise.isEnabled());
    EXPECT_FALSE(Control(*page, "cmdCustomize1").isEnabled());

    const QString before = field.text();
    dialogs.answer<frmNewFieldName>([&](frmNewFieldName& dialog) {
        auto& name = Control<QLineEdit>(dialog, "txtFieldName");
        EXPECT_EQ(name.text(), before);
        clearText(&name);
        typeText(&name, "Probe tip");
        click(&Control(dialog, "cmdOK"));
    });
    click(&customise);
    EXPECT_EQ(field.text(), "Probe tip");

    // An empty entry, and Cancel, keep the name.
    dialogs.answer<frmNewFieldName>([](frmNewFieldName& dialog) {
        clearText(&Control<QLineEdit>(dialog, "txtFieldName"));
        click(&Control(dialog, "cmdOK"));
    });
    click(&customise);
    dialogs.answer<frmNewFieldName>([](frmNewFieldName& dialog) {
        typeText(&Control<QLineEdit>(dialog, "txtFieldName"), " and more");
        click(&Control(dialog, "cmdCancel"));
    });
    click(&customise);
    EXPECT_EQ(field.text(), "Probe tip");

    click(&field);
    EXPECT_FALSE(customise.isEnabled());
    click(&Control(*page, "cmdOK"));
    EXPECT_EQ(Described(Stored()),
              Described({{"PTNoteFields", Long(0)}, {"PTUser1", "Probe tip"}, {"PTUser2", UiText(TR_USER_DEF_2)}}));
}

TEST_F(OptionPagesTest, ModesShowTheirFieldsTopDown)
{
    Store({});
    const auto top = [](const QWidget& control) { return control.y(); };
    const auto at = [](int twips) { return twipsRect(0, twips, 0, 0).top(); };

    auto notes = Open<frmPrefNotes>([](frmPrefNotes& page) { page.Mode(2); });
    EXPECT_TRUE(Control(*notes, "chkNoteField2").isHidden());
    EXPECT_TRUE(Control(*notes, "chkNoteField3").isHidden());
    const int impedanceTops[][2] = {{0, 390}, {1, 680}, {4, 970}, {5, 1260}, {6, 1550}};
    for (const auto& [field, twips] : impedanceTops)
        EXPECT_EQ(top(Control(*notes, QStringLiteral("chkNoteField%1").arg(field))), at(twips)) << field;
    EXPECT_EQ(top(Control(*notes, "cmdCustomize1")), at(1550));

    notes->Mode(1);
    EXPECT_TRUE(Control(*notes, "chkNoteField2").isHidden());
    EXPECT_FALSE(Control(*notes, "chkNoteField3").isHidden());
    EXPECT_EQ(top(Control(*notes, "chkNoteField3")), at(970));

    auto rows = Open<frmPrefTestData>([](frmPrefTestData& page) { page.SpeechMode(true); });
    const std::pair<const char*, int> speechTops[] = {
        {"chkScore", 300}, {"chkStimulus", 540}, {"chkMasking", 780}, {"chkNoise", 1020}, {"chkTestConditions", 1260}};
    for (const auto& [name, twips] : speechTops) {
        EXPECT_FALSE(Control(*rows, name).isHidden()) << name;
        EXPECT_EQ(top(Control(*rows, name)), at(twips)) << name;
    }
}

TEST_F(OptionPagesTest, F1OpensEachPagesHelpContext)
{
    SetHelpPath("/help/en-US");
    Store({});
    const std::pair<PageFactory, std::uint32_t> pages[] = {
        {PageOf<frmPrefPureToneGraph>(), 108}, {PageOf<frmPrefSeverityOfLoss>(), 106}, {TestDataPage(false), 119},
        {NotesPage(0), 122}, {PageOf<frmPrefSpeechGraph>(), 107}, {ReflexPage(1), 121},
        {PageOf<frmPrefTympOptions>(), 120}};
    for (const auto& [create, context] : pages) {
        std::unique_ptr<OptionPage> page = Open(create);
        QTest::keyClick(page.get(), Qt::Key_F1);
        ASSERT_FALSE(responder.shown().empty());
        EXPECT_EQ(responder.shown().back().kind, DialogKind::Help);
        EXPECT_EQ(responder.shown().back().text, "/help/en-US");
        EXPECT_EQ(responder.shown().back().style, context) << page->windowTitle().toStdString();
    }
    EXPECT_EQ(responder.shown().size(), std::size(pages));
}

TEST_F(OptionPagesTest, AStoreThatFailsOnOkIsReportedAndThePageStaysOpen)
{
    Store({});
    auto page = std::make_unique<frmPrefPureToneGraph>();
    page->Preferences(platform::com::make<StoreFailingOn>(store, "PTGraphOptions"));
    page->show();
    click(&Control(*page, "optGraphView1"));
    click(&Control(*page, "cmdOK"));

    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].kind, DialogKind::MessageBox);
    EXPECT_THAT(responder.shown()[0].text, ::testing::HasSubstr("The store cannot take PTGraphOptions"));
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(Described(Stored()), Described({{"PTOneGraph", true}})) << "the keys written before the failure";
}

}  // namespace
}  // namespace brisance
