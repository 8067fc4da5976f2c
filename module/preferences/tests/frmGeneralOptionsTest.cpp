#include "module/preferences/frmGeneralOptions.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CSymbols.h"
#include "module/core/DescribeCurve.h"
#include "module/core/ListView.h"
#include "module/core/ModuleHelp.h"
#include "module/core/StoreSelection.h"
#include "module/preferences/frmNewTest.h"
#include "module/preferences/frmTestProperties.h"
#include "module/preferences/tests/DialogTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace brisance {
namespace {

using namespace testing;
using platform::runtime::Variant;
using platform::runtime::VarType;
using platform::ui::DialogKind;

using Texts = std::vector<std::string>;

class frmGeneralOptionsTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        store = NewStore();
        AddTest("1-1-1-", "AC", PrefType_PureTone, 1);
        AddTest("1-2-1-", "BC", PrefType_PureTone, 2);
        AddTest("3-1-8-1-", "SRT", PrefType_Speech, 15);
        Tests().SaveToPreferences(*store);
        // Somewhere else than the global options, to see that the dialog puts the selection back.
        store->put_Category(0);
        store->put_Section(3);
    }
    void TearDown() override
    {
        form.reset();
        DialogTest::TearDown();
    }

    static CCurvePrefs& Tests() { return *ModuleGlobals::CurvePrefs(); }

    static void AddTest(const std::string& key, const std::string& label, CurvePrefType kind, std::int32_t type)
    {
        const auto test = Tests().Add(key);
        test->Label = label;
        test->PrefType = kind;
        test->TestType = type;
        test->Condition = 2;
    }

    void StoreOption(const std::string& key, const Variant& value)
    {
        StoreSelectionKeeper keeper(*store, frmGeneralOptions::kCategory, frmGeneralOptions::kSection);
        store->put_Value(key, value);
    }
    Variant StoredOption(const std::string& key)
    {
        StoreSelectionKeeper keeper(*store, frmGeneralOptions::kCategory, frmGeneralOptions::kSection);
        return store->get_Value(key);
    }

    // Opens the dialog as the document does.
    void Open()
    {
        form = std::make_unique<frmGeneralOptions>();
        form->ImageList(ModuleGlobals::Symbols()->SymbolImages());
        form->Preferences(store);
        form->LoadPreferences();
        form->show();
        QObject::connect(form.get(), &frmGeneralOptions::ApplyButton,
                         [this](bool testsDeleted) { applied.push_back(testsDeleted); });
    }

    template <typename Widget = QWidget>
    Widget* Control(const QString& name) const
    {
        return child<Widget>(*form, name.toLatin1().constData());
    }
    QCheckBox* Box(const char* group, int index) const
    {
        return Control<QCheckBox>(QStringLiteral("%1%2").arg(group).arg(index));
    }
    QRadioButton* Orientation(int index) const
    {
        return Control<QRadioButton>(QStringLiteral("optOrientation%1").arg(index));
    }
    ListView& List() const { return *Control<ListView>("lvwTests"); }
    void Click(const char* button) const { click(Control<QPushButton>(button)); }

    void ClickTab(int index) const
    {
        QTabBar& tabs = *Control<QTabBar>("tabMain");
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(index).center());
        ASSERT_EQ(tabs.currentIndex(), index);
    }

    Texts Rows() const
    {
        Texts rows;
        for (int i = 0; i < List().topLevelItemCount(); ++i)
            rows.push_back(List().topLevelItem(i)->text(0).toStdString());
        return rows;
    }

    void SelectRow(const std::string& text)
    {
        const auto found = List().findItems(QString::fromStdString(text), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << "no row " << text;
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, List().visualItemRect(found[0]).center());
    }

    void ExpectSelectionPutBack() const
    {
        EXPECT_EQ(store->get_Category(), 0);
        EXPECT_EQ(store->get_Section(), 3);
    }

    platform::com::ComPtr<vellum::IVellumKeyedStore> store;
    std::unique_ptr<frmGeneralOptions> form;
    std::vector<bool> applied;
};

TEST_F(frmGeneralOptionsTest, AnEmptyStoreOpensRightToLeftWithEveryBoxClear)
{
    Open();
    EXPECT_TRUE(Orientation(0)->isChecked());
    for (int i = 0; i < 11; ++i) {
        EXPECT_FALSE(Box("chkFreq", i)->isChecked()) << i;
        EXPECT_FALSE(Box("chkFreqDbl", i)->isChecked()) << i;
        EXPECT_FALSE(Box("chkFreqDbl", i)->isEnabled()) << "a double weight without its frequency, " << i;
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(Box("chkPTA", i)->isChecked()) << i;
    ExpectSelectionPutBack();
    EXPECT_EQ(Rows(), (Texts{"AC", "BC"})) << "the dialog opens on the pure-tone tests";
    EXPECT_EQ(Box("chkFreq", 5)->text(), "1500");
}

TEST_F(frmGeneralOptionsTest, LoadsTheStoredOptionsAndWritesThemBackAtOk)
{
    StoreOption("GENRightOnLeft", false);
    StoreOption("PTAvg1", "324");  // 500, 2000 and 4000 Hz, as text
    StoreOption("PTAvg2", 256 + 2);  // 4000 Hz, and 250 Hz without its frequency
    StoreOption("PTAvgTests", std::int32_t(5));
    Open();

    EXPECT_TRUE(Orientation(1)->isChecked());
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(Box("chkFreq", i)->isChecked(), i == 2 || i == 6 || i == 8) << i;
    EXPECT_TRUE(Box("chkFreqDbl", 8)->isChecked());
    EXPECT_FALSE(Box("chkFreqDbl", 1)->isChecked()) << "a double weight stored without its frequency";
    EXPECT_FALSE(Box("chkFreqDbl", 1)->isEnabled());
    EXPECT_TRUE(Box("chkPTA", 0)->isChecked());
    EXPECT_FALSE(Box("chkPTA", 1)->isChecked());
    EXPECT_TRUE(Box("chkPTA", 2)->isChecked());

    Click("cmdOK");
    EXPECT_TRUE(form->OKPressed);
    EXPECT_FALSE(form->isVisible());
    ExpectSelectionPutBack();
    EXPECT_EQ(StoredOption("GENRightOnLeft").type(), VarType::Boolean);
    EXPECT_FALSE(StoredOption("GENRightOnLeft").toBoolean());
    EXPECT_EQ(StoredOption("PTAvg1").type(), VarType::Long);
    EXPECT_EQ(StoredOption("PTAvg1").toLong(), 324);
    EXPECT_EQ(StoredOption("PTAvg2").toLong(), 256);
    EXPECT_EQ(StoredOption("PTAvgTests").toLong(), 5);
}

TEST_F(frmGeneralOptionsTest, AnOrientationThatIsEmptyOrNoBooleanReadsLeftToRight)
{
    for (const Variant& stored : {Variant("sideways"), Variant()}) {
        SCOPED_TRACE(stored.isEmpty() ? "Empty" : "a text");
        StoreOption("GENRightOnLeft", stored);
        Open();
        EXPECT_TRUE(Orientation(1)->isChecked());
    }
}

TEST_F(frmGeneralOptionsTest, UntickingAFrequencyDropsItsDoubleWeight)
{
    StoreOption("PTAvg1", std::int32_t(4 + 16));
    StoreOption("PTAvg2", std::int32_t(4 + 16));
    Open();
    ClickTab(2);
    ASSERT_TRUE(Box("chkFreqDbl", 2)->isEnabled());

    click(Box("chkFreq", 2));
    EXPECT_FALSE(Box("chkFreqDbl", 2)->isChecked());
    EXPECT_FALSE(Box("chkFreqDbl", 2)->isEnabled());
    click(Box("chkFreq", 2));
    EXPECT_TRUE(Box("chkFreqDbl", 2)->isEnabled());
    EXPECT_FALSE(Box("chkFreqDbl", 2)->isChecked()) << "ticking the frequency again leaves its double weight off";
    click(Box("chkFreq", 4));

    Click("cmdApply");
    EXPECT_EQ(StoredOption("PTAvg1").toLong(), 4);
    EXPECT_EQ(StoredOption("PTAvg2").toLong(), 0);
    EXPECT_TRUE(form->isVisible()) << "Apply keeps the dialog open";
}

TEST_F(frmGeneralOptionsTest, ChangingTabShowsItsPageAndListsItsKindOfTest)
{
    Open();
    QWidget* pages[] = {Control("picTab0"), Control("picTab1"), Control("picTab2"), Control("picTab3")};
    const struct {
        int tab;
        Texts rows;
    } steps[] = {{1, {"SRT"}}, {2, {"SRT"}}, {3, {"SRT"}}, {0, {"AC", "BC"}}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.tab);
        ClickTab(step.tab);
        for (int page = 0; page < 4; ++page)
            EXPECT_EQ(pages[page]->isVisible(), page == step.tab) << page;
        EXPECT_EQ(Rows(), step.rows) << "the other tabs leave the list as it was";
    }
    EXPECT_TRUE(List().isVisible());

    form->ShowTab(2);
    EXPECT_EQ(Control<QTabBar>("tabMain")->currentIndex(), 1);
    EXPECT_TRUE(pages[1]->isVisible());
    EXPECT_EQ(Rows(), Texts{"SRT"});
    EXPECT_EQ(List().topLevelItem(0)->text(1).toStdString(), DescribeCurve(*Tests().Item("3-1-8-1-"), false));
}

TEST_F(frmGeneralOptionsTest, EveryTestDescriptionCanBeReadWhole)
{
    AddTest("3-14-10-1-", "WRN", PrefType_Speech, 14);
    Tests().Item("3-14-10-1-")->WordList = 10;  // a description wider than the list
    Open();
    for (const int tab : {1, 0}) {
        SCOPED_TRACE(tab);
        ClickTab(tab);
        QScrollBar& sideways = *List().horizontalScrollBar();
        QCoreApplication::processEvents();  // the list lays itself out again
        EXPECT_TRUE(platform::testing::processUntil([&] { return sideways.isVisible() == (sideways.maximum() > 0); }))
            << "the side scroll bar shows exactly when the descriptions are wider than the list";
        const QHeaderView& header = *List().header();
        for (int row = 0; row < List().topLevelItemCount(); ++row) {
            const QString description = List().topLevelItem(row)->text(1);
            EXPECT_GT(header.sectionSize(1), List().fontMetrics().horizontalAdvance(description))
                << description.toStdString() << " is cut";
        }
        sideways.setValue(sideways.maximum());
        EXPECT_LE(header.sectionViewportPosition(1) + header.sectionSize(1), List().viewport()->width())
            << "the list does not scroll to the end of its descriptions";
    }
}

TEST_F(frmGeneralOptionsTest, DeleteIsUndoneByCancelAndFlagsEveryLaterApply)
{
    Open();
    Click("cmdApply");
    SelectRow("BC");
    Click("cmdDelete");
    EXPECT_EQ(Rows(), Texts{"AC"});
    EXPECT_FALSE(Tests().ItemExist("1-2-1-"));
    Click("cmdApply");
    Click("cmdApply");
    EXPECT_EQ(applied, (std::vector<bool>{false, true, true}));

    // Cancel brings back what was stored last: the deletion was applied.
    form = nullptr;
    applied.clear();
    AddTest("1-3-1-", "SF", PrefType_PureTone, 3);
    Tests().SaveToPreferences(*store);
    Open();
    SelectRow("SF");
    Click("cmdDelete");
    ASSERT_FALSE(Tests().ItemExist("1-3-1-"));
    Click("cmdCancel");
    EXPECT_FALSE(form->OKPressed);
    EXPECT_TRUE(Tests().ItemExist("1-3-1-")) << "Cancel did not bring the deleted test back";
    EXPECT_EQ(applied, std::vector<bool>{});
}

TEST_F(frmGeneralOptionsTest, OkStoresADeletionAndTheCloseBoxActsAsCancel)
{
    Open();
    SelectRow("AC");
    Click("cmdDelete");
    Click("cmdOK");
    EXPECT_TRUE(form->OKPressed);
    EXPECT_EQ(applied, std::vector<bool>{true});
    CCurvePrefs stored;
    stored.LoadFromPreferences(*store);
    EXPECT_FALSE(stored.ItemExist("1-1-1-"));

    Open();
    SelectRow("BC");
    Click("cmdDelete");
    form->close();
    EXPECT_FALSE(form->OKPressed);
    EXPECT_TRUE(Tests().ItemExist("1-2-1-"));
}

TEST_F(frmGeneralOptionsTest, NewAddsATestOfTheTabsKindAndSelectsIt)
{
    Open();
    ClickTab(1);
    dialogs.answer<frmNewTest>([](frmNewTest& dialog) {
        EXPECT_EQ(dialog.Mode(), PrefType_Speech);
        typeText(child<QLineEdit>(dialog, "txtNotation"), "SRT quiet");
        for (const auto& [combo, text] : {std::pair{"cboTestType", "SRT"}, {"cboTransducer", "Phones"},
                                          {"cboWordList", "None"}, {"cboAidedCondition", "Unaided"}})
            choose(child<QComboBox>(dialog, combo), text);
        click(child<QPushButton>(dialog, "cmdOK"));
    });
    Click("cmdNew");

    EXPECT_EQ(Rows(), (Texts{"SRT", "SRT quiet"}));
    EXPECT_EQ(List().currentItem(), List().topLevelItem(1));
    EXPECT_TRUE(List().topLevelItem(1)->isSelected());
}

TEST_F(frmGeneralOptionsTest, EditShowsTheEditedLabel)
{
    Open();
    SelectRow("BC");
    dialogs.answer<frmTestProperties>([](frmTestProperties& dialog) {
        EXPECT_FALSE(dialog.SpeechMode());
        QLineEdit* label = child<QLineEdit>(dialog, "txtNotation");
        EXPECT_EQ(label->text(), "BC");
        clearText(label);
        typeText(label, "Bone");
        click(child<QPushButton>(dialog, "cmdOK"));
    });
    Click("cmdEdit");
    EXPECT_EQ(Rows(), (Texts{"AC", "Bone"}));
    EXPECT_EQ(Tests().Item("1-2-1-")->Label, "Bone");
}

TEST_F(frmGeneralOptionsTest, EditAndDeleteWithoutASelectionDoNothing)
{
    Open();
    ASSERT_TRUE(List().selectedItems().isEmpty());
    Click("cmdEdit");  // no dialog is expected: one would fail the test
    Click("cmdDelete");
    EXPECT_EQ(Rows(), (Texts{"AC", "BC"}));
    EXPECT_EQ(Tests().Count(), 3);
}

TEST_F(frmGeneralOptionsTest, F1OpensTheHelpOfTheSelectedTab)
{
    SetHelpPath("/help/en-US");
    Open();
    const std::uint32_t contexts[] = {112, 111, 113, 114};
    for (int tab = 0; tab < 4; ++tab) {
        ClickTab(tab);
        QTest::keyClick(form.get(), Qt::Key_F1);
        ASSERT_EQ(responder.shown().size(), std::size_t(tab + 1));
        EXPECT_EQ(responder.shown().back().kind, DialogKind::Help);
        EXPECT_EQ(responder.shown().back().style, contexts[tab]) << "tab " << tab;
    }
}

}  // namespace
}  // namespace brisance
