#include "module/report/frmReportComments.h"

#include "module/core/tests/TextsTestSupport.h"

#include "platform/testing/ModalDialogs.h"
#include "platform/ui/TestResponder.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace brisance {
namespace {

namespace ui = platform::ui;
using platform::testing::child;

class frmReportCommentsTest : public testing::ModuleTextsTest {
protected:
    // Shows the dialog modally with the stored comments, as the document
    // does, lets the user act on it, and gives (OKPressed, Comments).
    std::pair<bool, std::string> edit(const std::string& stored, std::function<void(frmReportComments&)> user)
    {
        frmReportComments form;
        form.Comments(stored);
        dialogs.answer<frmReportComments>(std::move(user));
        form.exec();
        return {form.OKPressed, form.Comments()};
    }

    static void type(frmReportComments& form, const QString& text)
    {
        auto* box = child<QPlainTextEdit>(form, "txtComments");
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, text);
    }

    static void press(frmReportComments& form, const char* button)
    {
        QTest::mouseClick(child<QPushButton>(form, button), Qt::LeftButton);
    }

    ui::TestResponder responder;
    platform::testing::ModalDialogs dialogs;
};

TEST_F(frmReportCommentsTest, ShowsItsCaptionsFromTheUiTexts)
{
    const frmReportComments form;
    EXPECT_EQ(form.windowTitle(), "Report Comments");
    EXPECT_EQ(child<QLabel>(form, "lblInstructions")->text(), "Enter the comments to print on the report:");
    EXPECT_EQ(child<QPushButton>(form, "cmdOK")->text(), "OK");
    EXPECT_EQ(child<QPushButton>(form, "cmdCancel")->text(), "Cancel");
    EXPECT_FALSE(form.OKPressed);
}

TEST_F(frmReportCommentsTest, OkGivesTheEditedTextAndCancelOrTheCloseBoxGiveFalse)
{
    EXPECT_EQ(edit("Seen twice.", [](frmReportComments& form) {
                  type(form, " Refer to ENT.");
                  press(form, "cmdOK");
              }),
              std::make_pair(true, std::string("Seen twice. Refer to ENT.")));
    EXPECT_FALSE(edit("Seen twice.", [](frmReportComments& form) {
                     type(form, " Refer to ENT.");
                     press(form, "cmdCancel");
                 }).first);
    EXPECT_FALSE(edit("Seen twice.", [](frmReportComments& form) {
                     type(form, " Refer to ENT.");
                     form.close();
                 }).first);
}

TEST_F(frmReportCommentsTest, AnEmptiedTextConfirmedWithOkGivesTrueAndEmptyComments)
{
    EXPECT_EQ(edit("Old note", [](frmReportComments& form) {
                  auto* box = child<QPlainTextEdit>(form, "txtComments");
                  box->setFocus();
                  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                  QTest::keyClick(box, Qt::Key_Delete);
                  press(form, "cmdOK");
              }),
              std::make_pair(true, std::string()));
}

TEST_F(frmReportCommentsTest, F1InTheTextOpensItsHelpTopic)
{
    frmReportComments form;
    form.show();
    auto* box = child<QPlainTextEdit>(form, "txtComments");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F1);
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].kind, ui::DialogKind::Help);
    EXPECT_EQ(responder.shown()[0].style, 117u);
}

}  // namespace
}  // namespace brisance
