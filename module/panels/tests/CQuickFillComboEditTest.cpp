#include "module/panels/CQuickFillComboEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace brisance {
namespace {

// An editable combo in a window of its own, with a type-ahead attached.
class QuickFill : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        combo = new QComboBox(&window);
        combo->setEditable(true);
        combo->addItems({"Abc", "abd", "Ödem", "xyz"});
        combo->setEditText(QString());
        other = new QLineEdit(&window);
        layout->addWidget(combo);
        layout->addWidget(other);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        quickFill.Control(combo);
    }

    QString text() const { return combo->currentText(); }
    QString selected() const { return combo->lineEdit()->selectedText(); }
    int caret() const { return combo->lineEdit()->cursorPosition(); }

    QWidget window;
    QComboBox* combo = nullptr;
    QLineEdit* other = nullptr;
    CQuickFillComboEdit quickFill;
};

TEST_F(QuickFill, TypingCompletesFromTheListAndSelectsTheRemainder)
{
    QTest::keyClicks(combo, "ab");
    EXPECT_EQ(text(), "Abc") << "the first item that begins with the typed text, without regard to case";
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(selected(), "c");
    EXPECT_EQ(caret(), 2) << "the caret stands behind the typed text";

    QTest::keyClick(combo, Qt::Key_Backspace);
    EXPECT_EQ(text(), "Abc");
    EXPECT_EQ(selected(), "bc");

    QTest::keyClicks(combo, "bd");
    EXPECT_EQ(text(), "abd");
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(selected(), "");
}

TEST_F(QuickFill, TextWithoutAMatchStaysAsTyped)
{
    QTest::keyClicks(combo, "ab");
    QTest::keyClicks(combo, "#q");
    EXPECT_EQ(text(), "ab#q");
    EXPECT_EQ(selected(), "");

    QTest::keyClick(combo, Qt::Key_Return);
    QTest::keyClick(combo, Qt::Key_Escape);
    EXPECT_EQ(text(), "ab#q") << "Enter and Escape add nothing";
}

TEST_F(QuickFill, BracesBarAndTildeAddNothing)
{
    QTest::keyClicks(combo, "a{|}~b");
    EXPECT_EQ(text(), "Abc") << "only a and b were typed";
    EXPECT_EQ(selected(), "c");
}

TEST_F(QuickFill, AccentedLettersAreTyped)
{
    QTest::sendKeyEvent(QTest::Click, combo, Qt::Key_Odiaeresis, QString::fromUtf8("ö"), Qt::NoModifier);
    EXPECT_EQ(text(), QString::fromUtf8("Ödem"));
    EXPECT_EQ(selected(), "dem");
}

TEST_F(QuickFill, BackspaceOverTheLastTypedCharacterEmptiesTheCombo)
{
    QTest::keyClicks(combo, "x");
    ASSERT_EQ(text(), "xyz");
    QTest::keyClick(combo, Qt::Key_Backspace);
    EXPECT_EQ(text(), "") << "a field the user emptied stays empty";
    QTest::keyClicks(combo, "a");
    EXPECT_EQ(text(), "Abc");
}

TEST_F(QuickFill, TheTypedTextIsForgottenOnFocusAndWhenTheTextEmpties)
{
    QTest::keyClicks(combo, "ab");
    other->setFocus();
    combo->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return combo->hasFocus(); }));
    QTest::keyClicks(combo, "x");
    EXPECT_EQ(text(), "xyz") << "focus resets the typed text";

    combo->setEditText(QString());
    QTest::keyClicks(combo, "a");
    EXPECT_EQ(text(), "Abc") << "an emptied text resets the typed text";
}

TEST_F(QuickFill, NavigationKeysStayWithTheCombo)
{
    QTest::keyClicks(combo, "ab");
    QTest::keyClick(combo, Qt::Key_End);
    EXPECT_EQ(caret(), 3);
    QTest::keyClick(combo, Qt::Key_Left);
    EXPECT_EQ(caret(), 2);
    QTest::keyClick(combo, Qt::Key_Delete);
    EXPECT_EQ(text(), "Ab");
}

TEST_F(QuickFill, DetachingGivesTheComboItsOwnTyping)
{
    quickFill.Control(nullptr);
    QTest::keyClicks(combo, "qq");
    EXPECT_EQ(text(), "qq");
    QTest::keyClick(combo, Qt::Key_Backspace);
    EXPECT_EQ(text(), "q");
}

}  // namespace
}  // namespace brisance
