#include "module/preferences/frmAudiometers.h"

#include "module/core/ListView.h"
#include "module/core/StoreSelection.h"
#include "module/core/TextResources.h"
#include "module/panels/frmCalibrationDate.h"
#include "module/preferences/tests/DialogTestSupport.h"

#include "platform/runtime/Dates.h"
#include "platform/ui/MessageBox.h"

#include <QHeaderView>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace brisance {
namespace {

using namespace testing;
namespace runtime = platform::runtime;
namespace ui = platform::ui;

using Rows = std::vector<std::pair<std::string, std::string>>;  // audiometer, date

class frmAudiometersTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        store = NewStore();
        Store({{"Orbiter 922 SN 1001", "01/02/2025"}, {"AC40 SN 77", "11/30/2024"}, {"MA 41 #5", "never"}});
        // Somewhere else than the audiometers, to see that the dialog puts the selection back.
        store->put_Category(7);
        store->put_Section(3);
        form = std::make_unique<frmAudiometers>();
        form->Preferences(store);
        form->LoadAudiometers();
        form->show();
    }
    void TearDown() override
    {
        form.reset();
        DialogTest::TearDown();
    }

    void Store(const Rows& rows)
    {
        StoreSelectionKeeper keeper(*store, frmAudiometers::kCategory, 0);
        for (const auto& [audiometer, date] : rows)
            store->put_Value(audiometer, date);
    }

    // The stored list, in the store's order.
    Rows Stored()
    {
        StoreSelectionKeeper keeper(*store, frmAudiometers::kCategory, 0);
        Rows rows;
        for (const std::string& key : SelectedSectionKeys(*store))
            rows.emplace_back(key, store->get_Value(key).toString());
        return rows;
    }

    ListView& List() { return *child<ListView>(*form, "lvwAudiometers"); }

    Rows Shown()
    {
        Rows rows;
        for (int i = 0; i < List().topLevelItemCount(); ++i) {
            const QTreeWidgetItem& row = *List().topLevelItem(i);
            rows.emplace_back(row.text(0).toStdString(), row.text(1).toStdString());
        }
        return rows;
    }

    void Select(int row)
    {
        QTreeWidgetItem* item = List().topLevelItem(row);
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, List().visualItemRect(item).center());
        ASSERT_EQ(List().selectedItems().value(0), item);
    }

    void Click(const char* button) { click(child<QPushButton>(*form, button)); }

    // Selects the row, starts Rename and types the text over the old one.
    void Rename(int row, const QString& text)
    {
        Select(row);
        Click("cmdRename");
        QLineEdit* editor = Editor();
        ASSERT_NE(editor, nullptr) << "Rename opened no editor on the row";
        clearText(editor);
        typeText(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view takes the text and closes the editor from its event queue.
        ASSERT_TRUE(platform::testing::processUntil([this] { return !Editor(); }));
    }

    // The open in-place editor of the list, or null.
    QLineEdit* Editor() { return openEditor(List()); }

    void ExpectSelectionPutBack()
    {
        EXPECT_EQ(store->get_Category(), 7);
        EXPECT_EQ(store->get_Section(), 3);
    }

    std::string NewAudiometerText() { return ModuleGlobals::UiTextLoader()->LoadResString(TR_NEW_AUDIOMETER); }

    vellum::ComPtr<vellum::IVellumKeyedStore> store;
    // Made once the module's texts are there.
    std::unique_ptr<frmAudiometers> form;
};

TEST_F(frmAudiometersTest, ListsTheStoredAudiometersInTheStoresOrderAndOkWritesThemBack)
{
    const Rows stored = Stored();
    ExpectSelectionPutBack();
    EXPECT_EQ(Shown(), stored);
    EXPECT_EQ(ListView::Key(*List().topLevelItem(0)), "0K");
    EXPECT_EQ(ListView::Key(*List().topLevelItem(2)), "2K");

    Click("cmdOK");
    EXPECT_TRUE(form->OKPressed);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Stored(), stored);
    ExpectSelectionPutBack();
}

TEST_F(frmAudiometersTest, BothColumnCaptionsShowWholeInsideTheList)
{
    const QHeaderView& header = *List().header();
    for (int column : {0, 1})
        EXPECT_GE(header.sectionSize(column), header.sectionSizeHint(column))
            << header.model()->headerData(column, Qt::Horizontal).toString().toStdString() << " is cut";
    EXPECT_LE(header.sectionPosition(1) + header.sectionSize(1), List().viewport()->width())
        << "the calibration date column runs past the list's right edge";
}

TEST_F(frmAudiometersTest, EveryNewAddsARowDatedToday)
{
    const runtime::ScopedClock clock(runtime::makeDate(2026, 3, 4));
    const std::string today = runtime::shortDateText(runtime::makeDate(2026, 3, 4));
    Click("cmdNew");
    Click("cmdNew");  // within the same second as the first
    Rows expected = Stored();
    expected.emplace_back(NewAudiometerText(), today);
    expected.emplace_back(NewAudiometerText(), today);
    EXPECT_EQ(Shown(), expected);
    EXPECT_EQ(ListView::Key(*List().topLevelItem(4)), "4K");

    Rename(4, "Orbiter 922 SN 2002");
    Click("cmdOK");
    const Rows stored = Stored();
    const std::map<std::string, std::string> saved(stored.begin(), stored.end());
    EXPECT_EQ(saved.at(NewAudiometerText()), today);
    EXPECT_EQ(saved.at("Orbiter 922 SN 2002"), today);
}

TEST_F(frmAudiometersTest, RenameByTypingAndAnEmptyNameKeepsTheOldOne)
{
    const Rows before = Shown();
    const struct {
        int row;
        QString typed;
        std::string shown;
    } cases[] = {{1, "Orbiter 923 SN 1", "Orbiter 923 SN 1"}, {0, "", before[0].first}, {2, "   ", before[2].first}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        ASSERT_NO_FATAL_FAILURE(Rename(c.row, c.typed));
        EXPECT_EQ(Shown()[c.row].first, c.shown);
    }
    Click("cmdOK");
    const Rows stored = Stored();
    const std::map<std::string, std::string> saved(stored.begin(), stored.end());
    EXPECT_EQ(saved, (std::map<std::string, std::string>{{before[0].first, before[0].second},
                                                         {"Orbiter 923 SN 1", before[1].second},
                                                         {before[2].first, before[2].second}}));
}

TEST_F(frmAudiometersTest, TwoRowsOfOneTextSaveAsOneEntryWithTheLaterDate)
{
    const std::string firstText = Shown()[0].first;
    const std::string laterDate = Shown()[2].second;
    ASSERT_NO_FATAL_FAILURE(Rename(2, QString::fromStdString(firstText)));
    Click("cmdOK");
    const Rows stored = Stored();
    const std::map<std::string, std::string> saved(stored.begin(), stored.end());
    EXPECT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved.at(firstText), laterDate);
}

TEST_F(frmAudiometersTest, ChangeDateTakesTheTypedTextAndNothingElse)
{
    const struct {
        const char* name;
        QString typed;  // "" empties the box
        const char* button;
        std::string shown;
    } cases[] = {
        {"typed, OK", "calibrated in spring", "cmdOK", "calibrated in spring"},
        {"emptied, OK", "", "cmdOK", "calibrated in spring"},
        {"typed, Cancel", "03/03/2026", "cmdCancel", "calibrated in spring"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(Select(1));
        std::string offered;
        dialogs.answer<frmCalibrationDate>([&](frmCalibrationDate& date) {
            auto* box = child<QLineEdit>(date, "txtDate");
            offered = box->text().toStdString();
            clearText(box);
            typeText(box, c.typed);
            click(child<QPushButton>(date, c.button));
        });
        const std::string before = Shown()[1].second;
        Click("cmdChangeDate");
        EXPECT_EQ(offered, before) << "the dialog starts from the row's date";
        EXPECT_EQ(Shown()[1].second, c.shown);
    }
}

TEST_F(frmAudiometersTest, DeleteAsksAndCancelAfterwardsLeavesTheStoreAsItWas)
{
    const Rows stored = Stored();
    ASSERT_NO_FATAL_FAILURE(Select(0));
    responder.queue(ui::reply::Button{ui::IDNO});
    Click("cmdDelete");
    EXPECT_EQ(Shown(), stored);
    responder.queue(ui::reply::Button{ui::IDYES});
    Click("cmdDelete");
    EXPECT_EQ(Shown(), Rows(stored.begin() + 1, stored.end()));

    ASSERT_EQ(responder.shown().size(), 2u);
    const ui::ShownDialog& question = responder.shown().back();
    const auto& texts = *ModuleGlobals::UiTextLoader();
    EXPECT_EQ(question.text, texts.LoadResString(TR_ARE_YOU_SURE_YOU_WANT_TO_DELETE_THIS_AUDIOMETER));
    EXPECT_EQ(question.title, texts.LoadResString(TR_CONFIRM_DELETE));
    EXPECT_EQ(question.style, ui::MB_YESNO | ui::MB_ICONQUESTION);

    Click("cmdCancel");
    EXPECT_FALSE(form->OKPressed);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Stored(), stored);
}

TEST_F(frmAudiometersTest, ChangeDateRenameAndDeleteWithoutASelectedRowDoNothing)
{
    List().clearSelection();
    const Rows shown = Shown();
    for (const char* button : {"cmdChangeDate", "cmdDelete", "cmdRename"})
        Click(button);  // a modal window here would fail the test
    EXPECT_TRUE(responder.shown().empty());
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Shown(), shown);
}

TEST_F(frmAudiometersTest, F1OpensItsHelpTopic)
{
    QTest::keyClick(form.get(), Qt::Key_F1);
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].kind, ui::DialogKind::Help);
    EXPECT_EQ(responder.shown()[0].style, 118u);
}

}  // namespace
}  // namespace brisance
