// Each key of a profile and of the global options reaches its own property
// of the views, and no other: one profile per key, every observed property
// compared with what the key gives and what its absence gives.

#include "module/document/tests/DocumentProfileSupport.h"

#include "module/core/CLangLoader.h"
#include "module/core/TextResources.h"
#include "module/document/KeyedTabStrip.h"
#include "module/document/KeyedToolBar.h"
#include "module/panels/IPTATable.h"
#include "module/panels/TableView.h"
#include "module/panels/TolvEditGrid.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"
#include "module/views/ctlARTView.h"

#include "platform/ui/Twips.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <map>

namespace brisance {
namespace {

using namespace testing;
using platform::runtime::Variant;

using Reading = std::map<std::string, std::string>;

std::string Shown(const QWidget* widget) { return widget && !widget->isHidden() ? "shown" : "hidden"; }

std::string LabelText(const QWidget& parent, const char* name)
{
    const auto* label = parent.findChild<QLabel*>(name);
    return label ? label->text().toStdString() : "no " + std::string(name);
}

// A real click into the first row's cell of the column of a reflex table;
// whether it opened the editor there.
std::string Editable(ctlARTView& table, std::int32_t column)
{
    auto* grid = table.findChild<TolvEditGrid*>("grdEar0");
    auto* surface = grid->findChild<QWidget*>("picGrid");
    auto* editor = grid->findChild<QLineEdit*>("txtEdit");
    editor->hide();
    const int headers = grid->ShowColumnHeaders() ? 1 : 0;
    const QPoint at(surface->width() * (2 * column + 1) / (2 * grid->ColCount()),
                    platform::ui::twipsToPixelsY(grid->RowHeight() * headers + grid->RowHeight() / 2));
    QTest::mouseClick(surface, Qt::LeftButton, {}, at);
    return editor->isHidden() ? "locked" : "editable";
}

std::string PaletteOf(const CPaletteItems& items)
{
    std::string listed;
    for (const auto& item : items)
        listed += item->CurvePreferences->Key() + (item->Binaural ? " binaural," : ",");
    return listed;
}

// A caption of the tympanometry panel in English, the documents' language.
std::string UnitCaption(std::int32_t caption, std::int32_t unit)
{
    static const CLangLoader english = [] {
        CLangLoader texts;
        EXPECT_TRUE(texts.OpenResourceLibrary(BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so"));
        return texts;
    }();
    return english.LoadResString(caption) + " (" + english.LoadResString(unit) + ")";
}

// What the document shows of every key, by key.
Reading Read(docAudiogramModule& document)
{
    CPureTone& pureTone = document.oPureTone();
    CImpedance& impedance = document.oImpedance();
    const TableView& table = *pureTone.TestDataPanel();
    document.tabMain().Select("IMPEDANCE");
    QCoreApplication::processEvents();
    Reading reading{
        {"PTTestDataRows", Shown(table.findChild<QLabel*>("lblRowLabel1")) + " " +
                               Shown(table.findChild<QLabel*>("lblRowLabel2")) + " " +
                               Shown(table.findChild<QLabel*>("lblTestConditions"))},
        {"IARTPoints", Editable(*impedance.IpsilateralReflexTable(), 2)},
        {"CARTPoints", Editable(*impedance.ContralateralReflexTable(), 2)},
        {"IARTDecay", Shown(impedance.IpsilateralReflexTable()->findChild<QPushButton*>("cmdDecay0_3"))},
        {"CARTDecay", Shown(impedance.ContralateralReflexTable()->findChild<QPushButton*>("cmdDecay0_3"))},
        {"TympPressure", LabelText(impedance, "lblPeakPressureCaption")},
        {"TympVolume", LabelText(impedance, "lblEarCanalVolumeCaption")},
        {"TympGradient", LabelText(impedance, "lblGradientCaption")},
        {"PTUser2", pureTone.Notes()->UserDefined2()},
        {"SPUser1", document.oSpeech().Notes()->UserDefined1()},
        {"SPUser2", document.oSpeech().Notes()->UserDefined2()},
        {"IPUser1", impedance.Notes()->UserDefined1()},
        {"IPUser2", impedance.Notes()->UserDefined2()},
        {"PTPalButtons", PaletteOf(*pureTone.PaletteItems())},
        {"SPPalButtons", PaletteOf(*document.oSpeech().PaletteItems())},
        {"PTAvgTests", Shown(pureTone.PureToneAverage()->findChild<QLabel*>("lblACCaption")) + " " +
                           Shown(pureTone.PureToneAverage()->findChild<QLabel*>("lblBCCaption")) + " " +
                           Shown(document.oSpeech().PureToneAverage()->findChild<QLabel*>("lblSFCaption"))},
        {"PTAvg1", std::to_string(pureTone.FrequenciesToAverage())},
        {"PTAvg2", std::to_string(pureTone.FrequenciesToDblAverage())},
    };
    document.tabMain().Select("PURETONE");
    return reading;
}

// What each key gives where it is absent.
Reading Absent()
{
    return {
        {"PTTestDataRows", "hidden hidden hidden"},
        {"IARTPoints", "locked"},
        {"CARTPoints", "locked"},
        {"IARTDecay", "hidden"},
        {"CARTDecay", "hidden"},
        {"TympPressure", UnitCaption(TR_PEAK_PRESSURE, TR_DAPA)},
        {"TympVolume", UnitCaption(TR_EAR_CANAL_VOLUME, TR_ML)},
        {"TympGradient", UnitCaption(TR_GRADIENT, TR_ML)},
        {"PTUser2", ""},
        {"SPUser1", ""},
        {"SPUser2", ""},
        {"IPUser1", ""},
        {"IPUser2", ""},
        {"PTPalButtons", ""},
        {"SPPalButtons", ""},
        {"PTAvgTests", "hidden hidden hidden"},
        {"PTAvg1", "0"},
        {"PTAvg2", "0"},
    };
}

struct KeyRow {
    const char* what;
    Keys keys;
    Reading changed;  // the readings that differ from the absent ones
};

class DocumentProfileKeysTest : public DocumentProfileTest {
protected:
    void SetUp() override
    {
        DocumentProfileTest::SetUp();
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }

    // The stored global options replaced by these.
    void StoreGlobalOptions(vellum::IVellumKeyedStore& store, const Keys& keys)
    {
        {
            StoreSelectionKeeper globals(store, 100, 0);
            for (const char* key : {"PTAvgTests", "PTAvg1", "PTAvg2"})
                store.put_Value(key, Variant::null());
            for (const auto& [key, value] : keys)
                store.put_Value(key, value);
        }
        user->setModuleData(kModuleIdentity, store.get_Data().toBytes());
    }
};

TEST_F(DocumentProfileKeysTest, AnEmptyProfileShowsEveryDefault)
{
    StoreGlobalOptions(*StoreProfiles({{0, "Empty", true, {}}}), {});
    docAudiogramModule& document = OpenDocument();
    ASSERT_TRUE(document.Initialized());

    EXPECT_EQ(Read(document), Absent());
    const auto* grid = document.oPureTone().TestDataPanel()->findChild<TolvEditGrid*>("grdEar0");
    EXPECT_EQ(grid->ColCount(), 13) << "the full range up to 16 kHz";
    EXPECT_EQ(document.oPureTone().Mode(), 1);
    EXPECT_TRUE(document.tbrMain().Enabled("ZoomLeft"));
    EXPECT_TRUE(document.tbrMain().Pressed("ZoomNormal"));
    EXPECT_EQ(document.oSpeech().Mode(), 0);
    for (std::int32_t index = 0; index < 3; ++index)
        EXPECT_FALSE(document.Menus().mnuViewUnderlay->Checked(index)) << index;
    EXPECT_FALSE(document.oPureTone().ShowTestDataTable() || document.oPureTone().ShowNotes() ||
                 document.oPureTone().ShowPureToneAverage() || document.oSpeech().ShowGraphTable() ||
                 document.oSpeech().ShowNotes() || document.oSpeech().ShowPureToneAverage() ||
                 document.oImpedance().ShowNotes() || document.oImpedance().ShowIpsi() ||
                 document.oImpedance().ShowContra() || document.oImpedance().ShowTymp());
}

TEST_F(DocumentProfileKeysTest, EachProfileKeyReachesItsOwnPropertyAlone)
{
    const KeyRow rows[] = {
        {"PTTestDataRows", {{"PTTestDataRows", std::int32_t{6}}}, {{"PTTestDataRows", "hidden shown shown"}}},
        {"IARTPoints", {{"IARTPoints", std::int32_t{4}}}, {{"IARTPoints", "editable"}}},
        {"CARTPoints", {{"CARTPoints", std::int32_t{4}}}, {{"CARTPoints", "editable"}}},
        {"IARTDecay", {{"IARTDecay", std::int32_t{8}}}, {{"IARTDecay", "shown"}}},
        {"CARTDecay", {{"CARTDecay", std::int32_t{8}}}, {{"CARTDecay", "shown"}}},
        {"TympPressure", {{"TympPressure", true}}, {{"TympPressure", UnitCaption(TR_PEAK_PRESSURE, TR_MMH20)}}},
        {"TympVolume",
         {{"TympVolume", true}},
         // the gradient is given in the volume's unit
         {{"TympVolume", UnitCaption(TR_EAR_CANAL_VOLUME, TR_CC)}, {"TympGradient", UnitCaption(TR_GRADIENT, TR_CC)}}},
        {"TympGradient", {{"TympGradient", true}}, {{"TympGradient", UnitCaption(TR_GRADIENT, TR_DAPA)}}},
        {"PTUser2", {{"PTUser2", "PT two"}}, {{"PTUser2", "PT two"}}},
        {"SPUser1", {{"SPUser1", "SP one"}}, {{"SPUser1", "SP one"}}},
        {"SPUser2", {{"SPUser2", "SP two"}}, {{"SPUser2", "SP two"}}},
        {"IPUser1", {{"IPUser1", "IP one"}}, {{"IPUser1", "IP one"}}},
        {"IPUser2", {{"IPUser2", "IP two"}}, {{"IPUser2", "IP two"}}},
        {"PTPalButtons",
         {{"PTPalButtons", "1-1-1-,1-2-1-,"}, {"PTPalButtonsBinaural", "False,True,"}},
         {{"PTPalButtons", "1-1-1-,1-2-1- binaural,"}}},
        {"SPPalButtons",
         {{"SPPalButtons", "1-1-10-1-,1-3-10-1-,"}, {"SPPalButtonsBinaural", "False,True,"}},
         {{"SPPalButtons", "1-1-10-1-,1-3-10-1- binaural,"}}},
    };
    // Section 0 is the empty default; each key stands in a section of its
    // own, with the reflex tables shown so that their cells take clicks.
    std::vector<StoredProfile> profiles{{0, "Empty", true, {}}};
    for (const KeyRow& row : rows) {
        Keys keys = row.keys;
        keys.emplace_back("IMPanels", std::int32_t{8 + 16});
        profiles.push_back({static_cast<std::int16_t>(profiles.size()), row.what, false, keys});
    }
    StoreGlobalOptions(*StoreProfiles(profiles), {});
    docAudiogramModule& document = OpenDocument();
    ASSERT_TRUE(document.Initialized());

    for (std::size_t index = 0; index < std::size(rows); ++index) {
        const KeyRow& row = rows[index];
        SCOPED_TRACE(row.what);
        document.Menus().mnuProfileList->Action(static_cast<std::int32_t>(index + 1)).trigger();
        Reading expected = Absent();
        for (const auto& [key, shown] : row.changed)
            expected[key] = shown;
        EXPECT_EQ(Read(document), expected);
    }
}

TEST_F(DocumentProfileKeysTest, EachGlobalOptionReachesItsOwnPropertyAlone)
{
    const KeyRow rows[] = {
        {"PTAvgTests", {{"PTAvgTests", std::int32_t{1 + 4}}}, {{"PTAvgTests", "shown hidden shown"}}},
        {"PTAvg1", {{"PTAvg1", std::int32_t{324}}}, {{"PTAvg1", "324"}}},
        {"PTAvg2", {{"PTAvg2", "258"}}, {{"PTAvg2", "258"}}},
    };
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(row.what);
        StoreGlobalOptions(*StoreProfiles({{0, "Empty", true, {}}}), row.keys);
        docAudiogramModule& document = OpenDocument();
        ASSERT_TRUE(document.Initialized());
        Reading expected = Absent();
        for (const auto& [key, shown] : row.changed)
            expected[key] = shown;
        EXPECT_EQ(Read(document), expected);
        CloseDocument();
    }
}

}  // namespace
}  // namespace brisance
