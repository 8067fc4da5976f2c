#include "platform/ui/MessageBox.h"
#include "platform/ui/TestResponder.h"

#include <gtest/gtest.h>

#include <optional>

namespace platform::ui {
namespace {

struct BoxCase {
    std::uint32_t style;
    std::optional<int> pressed;  // nothing: the box is closed with its default
    int answer;
};

TEST(MessageBox, StyleGivesTheButtonsAndTheirAnswers)
{
    const BoxCase cases[] = {
        {MB_OK, std::nullopt, IDOK},
        {65552, std::nullopt, IDOK},  // stop icon, set foreground
        {65572, IDYES, IDYES},        // Yes/No question, set foreground
        {65572, IDNO, IDNO},
        {65572, std::nullopt, IDYES},
        {MB_OKCANCEL, IDCANCEL, IDCANCEL},
        {MB_ABORTRETRYIGNORE, IDABORT, IDABORT},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, std::nullopt, IDIGNORE},
        {MB_YESNOCANCEL | MB_DEFBUTTON2 | MB_HELP | MB_ICONQUESTION, std::nullopt, IDNO},
        {MB_YESNOCANCEL, IDCANCEL, IDCANCEL},
        {MB_RETRYCANCEL, IDRETRY, IDRETRY},
        {MB_OK | MB_DEFBUTTON4, std::nullopt, IDOK},  // a default beyond the buttons falls to the first
    };
    for (const BoxCase& c : cases) {
        TestResponder responder;
        if (c.pressed)
            responder.queue(reply::Button{*c.pressed});
        EXPECT_EQ(messageBox(nullptr, "Save the audiogram?", "Tessmark", c.style), c.answer) << "style " << c.style;
        ASSERT_EQ(responder.shown().size(), 1u);
        EXPECT_EQ(responder.shown()[0].kind, DialogKind::MessageBox);
        EXPECT_EQ(responder.shown()[0].text, "Save the audiogram?");
        EXPECT_EQ(responder.shown()[0].title, "Tessmark");
        EXPECT_EQ(responder.shown()[0].style, c.style);
    }
}

TEST(MessageBox, EmptyTitleShowsTheDefaultTitle)
{
    TestResponder responder;
    messageBox(nullptr, "Failed", "", MB_OK);
    setDefaultTitle("Audiogram");
    messageBox(nullptr, "Failed", "", MB_OK);
    setDefaultTitle("Brisance");
    EXPECT_EQ(responder.shown()[0].title, "Brisance");
    EXPECT_EQ(responder.shown()[1].title, "Audiogram");
}

TEST(MessageBox, RespondersNestAndRepliesAreTakenInOrder)
{
    TestResponder outer;
    outer.queue(reply::Button{IDNO});
    {
        TestResponder inner;
        inner.queue(reply::Button{IDCANCEL});
        inner.queue(reply::Button{IDOK});
        EXPECT_EQ(messageBox(nullptr, "a", "t", MB_OKCANCEL), IDCANCEL);
        EXPECT_EQ(messageBox(nullptr, "b", "t", MB_OKCANCEL), IDOK);
        EXPECT_EQ(TestResponder::current(), &inner);
    }
    EXPECT_EQ(TestResponder::current(), &outer);
    EXPECT_EQ(messageBox(nullptr, "c", "t", MB_YESNO), IDNO);
    EXPECT_EQ(outer.shown().size(), 1u);
}

using MessageBoxDeathTest = ::testing::Test;

TEST_F(MessageBoxDeathTest, AReplyThatIsNoButtonOfTheBoxEndsTheTest)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            TestResponder responder;
            responder.queue(reply::Button{IDYES});
            messageBox(nullptr, "Printed", "Report", MB_OK);
        },
        "message box \"Report\" \\(Printed\\) got a reply that does not fit");
}

TEST_F(MessageBoxDeathTest, WithoutAResponderAnOffscreenBoxEndsTheTestAtOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(messageBox(nullptr, "No printer", "Brisance", MB_OK | MB_ICONHAND),
                 "modal message box \"Brisance\" \\(No printer\\) was about to be shown");
}

}  // namespace
}  // namespace platform::ui
