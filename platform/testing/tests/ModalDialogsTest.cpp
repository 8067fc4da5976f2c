#include "platform/testing/ModalDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <vector>

namespace platform::testing {
namespace {

using namespace std::chrono_literals;

// A dialog whose "Open" button opens another one of its kind modally, one level deeper.
class NestingDialog : public QDialog {
public:
    explicit NestingDialog(int depth, std::vector<int>& answered, QWidget* parent = nullptr)
        : QDialog(parent), depth(depth)
    {
        auto* open = new QPushButton("Open", this);
        open->setObjectName("Open");
        connect(open, &QPushButton::clicked, this, [this, &answered] {
            NestingDialog inner(this->depth + 1, answered, this);
            innerResult = inner.exec();
        });
    }
    const int depth;
    int innerResult = -1;
};

class OtherDialog : public QDialog {};

TEST(ModalDialogs, AnswersEachNestedDialogInsideItsOwnLoop)
{
    std::vector<int> answered;
    std::vector<int> innerResults;
    {
        ModalDialogs dialogs;
        for (int level = 0; level < 2; ++level) {
            dialogs.answer<NestingDialog>([&](NestingDialog& dialog) {
                EXPECT_EQ(QApplication::activeModalWidget(), &dialog) << "answered while its own loop runs";
                answered.push_back(dialog.depth);
                click(child(dialog, "Open"));
                innerResults.push_back(dialog.innerResult);
                dialog.accept();
            });
        }
        dialogs.answer<NestingDialog>([&](NestingDialog& dialog) {
            answered.push_back(dialog.depth);
            dialog.accept();
        });
        NestingDialog outer(0, answered);
        EXPECT_EQ(outer.exec(), QDialog::Accepted);
    }
    EXPECT_EQ(answered, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(innerResults, (std::vector<int>{QDialog::Accepted, QDialog::Accepted})) << "innermost first";
}

TEST(ModalDialogs, RejectsADialogThatItsAnswerLeavesOpen)
{
    ModalDialogs dialogs;
    bool answered = false;
    dialogs.answer<OtherDialog>([&](OtherDialog&) { answered = true; });
    OtherDialog dialog;
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_TRUE(answered);
}

TEST(ModalDialogs, AnotherDialogThanTheExpectedOneFailsTheTestAndEndsEveryLoop)
{
    std::vector<int> answered;
    NestingDialog outer(0, answered);
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDialogs dialogs;
            dialogs.answer<NestingDialog>([](NestingDialog& dialog) { click(child(dialog, "Open")); });
            dialogs.answer<OtherDialog>([](OtherDialog& dialog) { dialog.accept(); });
            EXPECT_EQ(outer.exec(), QDialog::Rejected);
        },
        "Expected the modal dialog platform::testing::(anonymous namespace)::OtherDialog to open, but "
        "platform::testing::(anonymous namespace)::NestingDialog opened instead.");
    EXPECT_EQ(outer.innerResult, QDialog::Rejected) << "the unexpected inner dialog was closed";
}

TEST(ModalDialogs, AModalWindowWithoutAnAnswerFailsTheTestAndIsClosed)
{
    OtherDialog dialog;
    dialog.setWindowTitle("Unasked");
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDialogs dialogs;
            EXPECT_EQ(dialog.exec(), QDialog::Rejected);
        },
        "OtherDialog \"Unasked\" opened, but no answer was queued for it.");
}

TEST(ModalDialogs, AnExpectedDialogThatDoesNotOpenInTimeFailsTheTestAndEndsTheOpenLoops)
{
    std::vector<int> answered;
    NestingDialog outer(0, answered);
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDialogs dialogs(100ms);
            dialogs.answer<NestingDialog>([](NestingDialog& dialog) {
                // Waits for a picker that never comes, as a test of a broken dialog would.
                processUntil([&] { return !dialog.isVisible(); }, 5s);
            });
            dialogs.answer<OtherDialog>([](OtherDialog&) {});
            const auto start = std::chrono::steady_clock::now();
            EXPECT_EQ(outer.exec(), QDialog::Rejected);
            EXPECT_LT(std::chrono::steady_clock::now() - start, 2s) << "ended by the guard, not by the wait";
        },
        "OtherDialog to open within 100 ms; it did not.");
}

TEST(ModalDialogs, AnAnswerLeftAtTheEndFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDialogs dialogs;
            dialogs.answer<OtherDialog>([](OtherDialog&) {});
        },
        "OtherDialog to open; they never did.");
}

}  // namespace
}  // namespace platform::testing
