#include "module/panels/CDataChanged.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace brisance {
namespace {

QComboBox* newCombo(QWidget* parent, bool editable)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(editable);
    combo->addItems({"Hughson-Westlake", "Bekesy", "Bekesy"});
    combo->setCurrentIndex(-1);
    return combo;
}

// Picks an item in the combo's open list with the mouse.
void pickFromList(QComboBox* combo, int index)
{
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QRect item = list->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list->isVisible(); }));
}

struct ChangeCase {
    const char* name;
    // Creates the control in the window and hands it to the notifier.
    std::function<QWidget*(QWidget*, CDataChanged&)> watch;
    // Changes the control once, or leaves its data as they are.
    std::function<void(QWidget*)> act;
    int expected;
};

ChangeCase lineEdit(const char* name, std::function<void(QLineEdit*)> act, int expected)
{
    return {name,
            [](QWidget* parent, CDataChanged& notifier) {
                auto* box = new QLineEdit("40 dB", parent);
                notifier.TextBox(box);
                return box;
            },
            [act](QWidget* box) { act(static_cast<QLineEdit*>(box)); }, expected};
}

ChangeCase plainText(const char* name, std::function<void(QPlainTextEdit*)> act, int expected)
{
    return {name,
            [](QWidget* parent, CDataChanged& notifier) {
                auto* box = new QPlainTextEdit("Refer", parent);
                notifier.TextBox(box);
                return box;
            },
            [act](QWidget* box) { act(static_cast<QPlainTextEdit*>(box)); }, expected};
}

ChangeCase combo(const char* name, bool editable, std::function<void(QComboBox*)> act, int expected)
{
    return {name,
            [editable](QWidget* parent, CDataChanged& notifier) {
                QComboBox* box = newCombo(parent, editable);
                notifier.ComboBox(box);
                return box;
            },
            [act](QWidget* box) { act(static_cast<QComboBox*>(box)); }, expected};
}

ChangeCase datePicker(const char* name, std::function<void(QDateEdit*)> act, int expected)
{
    return {name,
            [](QWidget* parent, CDataChanged& notifier) {
                auto* picker = new QDateEdit(QDate(2026, 3, 14), parent);
                notifier.DTPicker(picker);
                return picker;
            },
            [act](QWidget* picker) { act(static_cast<QDateEdit*>(picker)); }, expected};
}

void PrintTo(const ChangeCase& changeCase, std::ostream* out)
{
    *out << changeCase.name;
}

class DataChanged : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(DataChanged, IsRaisedOncePerChange)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    CDataChanged notifier;
    QWidget* control = GetParam().watch(&window, notifier);
    layout->addWidget(control);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    control->setFocus();

    QSignalSpy spy(&notifier, &CDataChanged::DataChanged);
    GetParam().act(control);
    EXPECT_EQ(spy.count(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, DataChanged,
    ::testing::Values(
        lineEdit("LineTyping", [](QLineEdit* box) { QTest::keyClick(box, Qt::Key_5); }, 1),
        lineEdit("LineSetByCode", [](QLineEdit* box) { box->setText("45 dB"); }, 1),
        lineEdit("LineSetToItsOwnText", [](QLineEdit* box) { box->setText("40 dB"); }, 0),
        plainText("MultiLineTyping", [](QPlainTextEdit* box) { QTest::keyClick(box, Qt::Key_X); }, 1),
        plainText("MultiLineSetByCode", [](QPlainTextEdit* box) { box->setPlainText("Refer\nfor ABR"); }, 1),
        plainText("MultiLineSetToItsOwnText", [](QPlainTextEdit* box) { box->setPlainText("Refer"); }, 0),
        combo("EditableTyping", true, [](QComboBox* box) { QTest::keyClick(box, Qt::Key_Z); }, 1),
        combo("EditablePickedFromTheList", true, [](QComboBox* box) { pickFromList(box, 0); }, 1),
        combo("EditableSelectedByCode", true, [](QComboBox* box) { box->setCurrentIndex(1); }, 1),
        combo("EditableSelectedWithTheSameText", true,
              [](QComboBox* box) {
                  box->setCurrentIndex(1);
                  box->setCurrentIndex(2);  // the same text in another item
              },
              2),
        combo("EditableSelectedAgain", true,
              [](QComboBox* box) {
                  box->setCurrentIndex(0);
                  box->setCurrentIndex(0);
              },
              1),
        combo("DropDownPickedFromTheList", false, [](QComboBox* box) { pickFromList(box, 1); }, 1),
        combo("DropDownWithTheArrowKey", false, [](QComboBox* box) { QTest::keyClick(box, Qt::Key_Down); }, 1),
        combo("DropDownSelectedByCode", false, [](QComboBox* box) { box->setCurrentIndex(0); }, 1),
        datePicker("DateStepped", [](QDateEdit* picker) { QTest::keyClick(picker, Qt::Key_Up); }, 1),
        datePicker("DateSetByCode", [](QDateEdit* picker) { picker->setDate(QDate(2026, 4, 1)); }, 1)),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataChangedNotifier, WatchesOnlyTheControlItWasLastGiven)
{
    QLineEdit first;
    QLineEdit second;
    CDataChanged notifier;
    notifier.TextBox(&first);
    notifier.TextBox(&second);
    EXPECT_EQ(notifier.TextBox(), &second);

    QSignalSpy spy(&notifier, &CDataChanged::DataChanged);
    first.setText("old box");
    EXPECT_EQ(spy.count(), 0);
    second.setText("watched box");
    EXPECT_EQ(spy.count(), 1);

    notifier.TextBox(static_cast<QLineEdit*>(nullptr));
    second.setText("no longer watched");
    EXPECT_EQ(spy.count(), 1);
}

}  // namespace
}  // namespace brisance
