// The pictures under the document's charts from the View menu and from the
// profiles, the palette configuration of the shown view, and the help topics.

#include "module/document/tests/DocumentProfileSupport.h"

#include "module/core/ModuleHelp.h"
#include "module/core/ModulePaths.h"
#include "module/document/KeyedTabStrip.h"
#include "module/document/KeyedToolBar.h"
#include "module/panels/tests/ControlImage.h"
#include "module/preferences/frmPaletteConfig.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"
#include "module/views/SitedChart.h"

#include "platform/testing/ModalDialogs.h"

#include <QAction>
#include <QTest>

#include <filesystem>
#include <set>

namespace brisance {
namespace {

using namespace testing;
using platform::testing::ModalDialogs;

// The shared default profile's chart settings without an underlay.
constexpr std::int32_t kPureToneOptions = 13104;
constexpr std::int32_t kSpeechOptions = 40;
constexpr std::int16_t kPlain = 0;

enum class Shown { Nothing, SeverityOfLoss, SpeechSpectrum, AudibilityIndex };

// The pure-tone charts' picture as the left-ear chart shows it.
struct ChartPicture {
    std::string file;
    bool overGrid = false;
    int severityGreys = 0;  // pixels in the greys of the severity bands
    int black = 0;          // pixels in black: the audibility-index dots among them
};

ChartPicture PictureOf(docAudiogramModule& document)
{
    lumenplot::IChart& chart = document.oPureTone().chtEar(0).chart();
    ChartPicture picture;
    lumenplot::VARIANT_BOOL overGrid = lumenplot::VARIANT_FALSE;
    chart.get_MetaFilename(&picture.file);
    chart.get_DrawMetafileOverGrid(&overGrid);
    picture.overGrid = overGrid != lumenplot::VARIANT_FALSE;
    QCoreApplication::processEvents();
    const QImage image = grabControl(*document.oPureTone().chtEar(0).widget());
    static const std::set<int> kBandGreys{235, 215, 175, 155, 135, 115};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool grey = qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
            picture.severityGreys += grey && kBandGreys.contains(qRed(pixel));
            picture.black += grey && qRed(pixel) == 0;
        }
    return picture;
}

std::int32_t TickedUnderlay(docAudiogramModule& document)
{
    const MenuControlArray& items = *document.Menus().mnuViewUnderlay;
    std::int32_t ticked = -1;
    for (std::int32_t index = 0; index <= items.UBound(); ++index)
        if (items.Checked(index)) {
            EXPECT_EQ(ticked, -1) << "one element at most is ticked";
            ticked = index;
        }
    return ticked;
}

std::int32_t SpeechUnderlay(docAudiogramModule& document)
{
    lumenplot::TAudiologicalUnderlays underlay{};
    document.oSpeech().chtSpeech().chart().get_Underlay(&underlay);
    return underlay;
}

class DocumentUnderlaysTest : public DocumentProfileTest {
protected:
    // Profiles in sections 0 (without underlays; the default), 1, 2, ... with
    // these pure-tone and speech graph options' underlay bits.
    docAudiogramModule& OpenWithProfiles(const std::vector<std::pair<std::int32_t, std::int32_t>>& underlayBits)
    {
        std::vector<StoredProfile> profiles{{kPlain, "Plain", true, ProfileKeys(0, 0)}};
        for (std::size_t i = 0; i < underlayBits.size(); ++i)
            profiles.push_back({static_cast<std::int16_t>(i + 1), "Profile " + std::to_string(i + 1), false,
                                ProfileKeys(underlayBits[i].first, underlayBits[i].second)});
        StoreProfiles(profiles);
        docAudiogramModule& opened = OpenDocument();
        EXPECT_TRUE(opened.Initialized());
        return opened;
    }

    static Keys ProfileKeys(std::int32_t pureToneBits, std::int32_t speechBits)
    {
        Keys keys = StandardPalettes();
        keys.insert(keys.end(), {{"PTGraphOptions", kPureToneOptions | pureToneBits},
                                 {"SPShowGraph", true},
                                 {"SPGraphOptions", kSpeechOptions | speechBits},
                                 {"SeverityOfLossConfig", 123},
                                 {"SeverityOfLossLows", "-10,26,26,41,56,71,91"},
                                 {"SeverityOfLossHighs", "25,40,55,55,70,90,120"}});
        return keys;
    }

    // The profile of the section, as its menu item switches to it.
    void SwitchTo(docAudiogramModule& opened, std::int16_t section)
    {
        const MenuControlArray& items = *opened.Menus().mnuProfileList;
        for (std::int32_t index = 0; index <= items.UBound(); ++index)
            if (items.Exists(index) && items.Visible(index) && items.Tag(index) == std::to_string(section)) {
                items.Action(index).trigger();
                return;
            }
        ADD_FAILURE() << "no profile " << section;
    }

    static void ClickUnderlay(docAudiogramModule& opened, std::int32_t index)
    {
        opened.Menus().mnuViewUnderlay->Action(index).trigger();
    }

    static void ExpectShown(docAudiogramModule& opened, Shown expected, const ChartPicture& without)
    {
        const ChartPicture now = PictureOf(opened);
        switch (expected) {
        case Shown::Nothing:
            EXPECT_EQ(now.file, "");
            EXPECT_LE(now.severityGreys, without.severityGreys);
            EXPECT_LE(now.black, without.black);
            break;
        case Shown::SeverityOfLoss:
            EXPECT_NE(now.file, "");
            EXPECT_FALSE(now.overGrid) << "the bands lie under the grid lines";
            EXPECT_GT(now.severityGreys, without.severityGreys + 1000);
            break;
        case Shown::SpeechSpectrum:
            EXPECT_NE(now.file, "");
            EXPECT_FALSE(now.overGrid);
            break;
        case Shown::AudibilityIndex:
            EXPECT_NE(now.file, "");
            EXPECT_TRUE(now.overGrid) << "the dots lie over the grid lines";
            EXPECT_LE(now.severityGreys, without.severityGreys);
            EXPECT_GT(now.black, without.black + 50);
            break;
        }
    }
};

struct PureToneCase {
    const char* name;
    std::int32_t tickedBefore;   // by a click on its element; -1 none
    std::int32_t clicked;        // the element clicked; -1: the profile applied instead
    std::int32_t profileBits;    // the applied profile's "PTGraphOptions" underlay bits
    std::int32_t tickedAfter;
    Shown shown;
};

TEST_F(DocumentUnderlaysTest, MenuClicksToggleAndProfilesForceThePureToneUnderlay)
{
    const PureToneCase cases[] = {
        {"AClickShowsTheElementsUnderlay", -1, 0, 0, 0, Shown::SeverityOfLoss},
        {"AClickOnTheTickedElementTakesItAway", 0, 0, 0, -1, Shown::Nothing},
        {"AnotherElementReplacesIt", 0, 2, 0, 2, Shown::AudibilityIndex},
        {"AProfileDrawsItsUnderlayEvenWhenTicked", 0, -1, 7, 0, Shown::SeverityOfLoss},
        {"AProfileChoosesByItsFirstBit", -1, -1, 6, 1, Shown::SpeechSpectrum},
        {"AProfileWithoutAnUnderlayLeavesNoneTicked", 2, -1, 0, -1, Shown::Nothing},
    };
    for (const PureToneCase& c : cases) {
        SCOPED_TRACE(c.name);
        docAudiogramModule& opened = OpenWithProfiles({{c.profileBits, 0}});
        ASSERT_EQ(TickedUnderlay(opened), -1);
        const ChartPicture without = PictureOf(opened);
        ASSERT_EQ(without.file, "");
        if (c.tickedBefore >= 0)
            ClickUnderlay(opened, c.tickedBefore);

        if (c.clicked >= 0)
            ClickUnderlay(opened, c.clicked);
        else
            SwitchTo(opened, 1);

        EXPECT_EQ(TickedUnderlay(opened), c.tickedAfter);
        ExpectShown(opened, c.shown, without);
        EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
        CloseDocument();
    }
}

TEST_F(DocumentUnderlaysTest, TheSpeechUnderlayFollowsEachProfileAndNoBitKeepsIt)
{
    struct SpeechCase {
        std::int32_t firstBits;
        std::int32_t firstUnderlay;
        std::int32_t secondBits;
        std::int32_t secondUnderlay;
    };
    const SpeechCase cases[] = {
        {0x200, 2, 0x402, 0},  // the "none" bit comes before every underlay bit
        {0x80, 3, 0, 3},       // no underlay bit: the profile's before stays
        {0x100, 4, 0x400, 1},
    };
    for (const SpeechCase& c : cases) {
        SCOPED_TRACE(c.firstBits);
        docAudiogramModule& opened = OpenWithProfiles({{0, c.firstBits}, {0, c.secondBits}});
        EXPECT_EQ(SpeechUnderlay(opened), 0);
        SwitchTo(opened, 1);
        EXPECT_EQ(SpeechUnderlay(opened), c.firstUnderlay);
        SwitchTo(opened, 2);
        EXPECT_EQ(SpeechUnderlay(opened), c.secondUnderlay);
        CloseDocument();
    }
}

TEST_F(DocumentUnderlaysTest, TwoDocumentsKeepTheirOwnPicturesUntilEachCloses)
{
    docAudiogramModule& first = OpenWithProfiles({});
    const ChartPicture without = PictureOf(first);
    QWidget secondFrame;
    secondFrame.resize(1000, 700);
    auto second = std::make_unique<docAudiogramModule>();
    const platform::com::DocumentFrame frameOfSecond{&secondFrame, nullptr, nullptr};
    second->SetFrame(&frameOfSecond);
    second->Show();

    ClickUnderlay(first, 0);
    ClickUnderlay(*second, 2);

    const std::string firstFile = PictureOf(first).file;
    const std::string secondFile = PictureOf(*second).file;
    EXPECT_NE(firstFile, secondFile);
    EXPECT_EQ(std::filesystem::path(firstFile).parent_path(), std::filesystem::path(GetModulePaths().userFolder));
    ExpectShown(first, Shown::SeverityOfLoss, without);
    ExpectShown(*second, Shown::AudibilityIndex, without);

    CloseDocument();
    EXPECT_FALSE(std::filesystem::exists(firstFile));
    EXPECT_TRUE(std::filesystem::exists(secondFile));
    ExpectShown(*second, Shown::AudibilityIndex, without);
    second->Terminate();
    EXPECT_FALSE(std::filesystem::exists(secondFile));
}

TEST_F(DocumentUnderlaysTest, AddRemoveTestOpensTheShownViewsPaletteDialog)
{
    docAudiogramModule& opened = OpenWithProfiles({});
    const std::pair<const char*, std::int32_t> tabs[] = {{"PURETONE", PrefType_PureTone}, {"SPEECH", PrefType_Speech}};
    for (const auto& [tab, curveType] : tabs) {
        SCOPED_TRACE(tab);
        opened.tabMain().Select(tab);
        ModalDialogs dialogs;
        for (int command = 0; command < 2; ++command)
            dialogs.answer<frmPaletteConfig>([curveType](frmPaletteConfig& dialog) {
                EXPECT_EQ(dialog.CurveType(), curveType);
                dialog.reject();
            });
        opened.Menus().mnuEditAddRemoveTest->trigger();
        QTest::mouseClick(opened.tbrMain().widgetForAction(&opened.tbrMain().Button("AddRemoveTest")),
                          Qt::LeftButton);
    }

    opened.tabMain().Select("IMPEDANCE");
    ModalDialogs none;
    opened.Menus().mnuEditAddRemoveTest->trigger();
    emit opened.tbrMain().ButtonClick("AddRemoveTest");
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

TEST_F(DocumentUnderlaysTest, HelpTopicsTheHelpButtonAndF1OpenTheDefaultTopic)
{
    docAudiogramModule& opened = OpenWithProfiles({});
    opened.Menus().mnuHelpTopics->trigger();
    QTest::mouseClick(opened.tbrMain().widgetForAction(&opened.tbrMain().Button("Help")), Qt::LeftButton);
    QTest::keyClick(&opened.tabMain(), Qt::Key_F1);

    std::vector<std::pair<std::string, std::uint32_t>> helped;
    for (const platform::ui::ShownDialog& shown : responder.shown()) {
        ASSERT_EQ(shown.kind, platform::ui::DialogKind::Help) << shown.text;
        helped.emplace_back(shown.text, shown.style);
    }
    ASSERT_FALSE(HelpPath().empty());
    const std::pair<std::string, std::uint32_t> topic{HelpPath(), 0};
    EXPECT_EQ(helped, (std::vector<std::pair<std::string, std::uint32_t>>(3, topic)));
}

}  // namespace
}  // namespace brisance
