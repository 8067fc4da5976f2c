#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Sound.h"
#include "platform/ui/TestResponder.h"
#include "platform/ui/Twips.h"

#include <gtest/gtest.h>

namespace platform::ui {
namespace {

const FileDialogRequest kProfiles{
    .title = "Export Profile",
    .filter = "Tavo Audiogram Profiles (*.profile)|*.profile",
    .initialFolder = {},
    .fileName = {},
    .defaultExtension = "profile",
};

TEST(FileDialogs, AnswerWithTheChosenFileOrNothingWhenCancelled)
{
    TestResponder responder;
    responder.queue(reply::File{"/tmp/clinic"});
    responder.queue(reply::File{"/tmp/clinic.profile"});
    responder.queue(reply::Cancel{});
    EXPECT_EQ(getSaveFileName(kProfiles), "/tmp/clinic.profile");  // the default extension is added
    EXPECT_EQ(getOpenFileName(kProfiles), "/tmp/clinic.profile");
    EXPECT_EQ(getOpenFileName(kProfiles), std::nullopt);
    EXPECT_EQ(getOpenFileName(kProfiles), std::nullopt);  // no reply left: cancelled

    ASSERT_EQ(responder.shown().size(), 4u);
    EXPECT_EQ(responder.shown()[0].kind, DialogKind::SaveFile);
    EXPECT_EQ(responder.shown()[1].kind, DialogKind::OpenFile);
    EXPECT_EQ(responder.shown()[1].title, "Export Profile");
    EXPECT_EQ(responder.shown()[1].text, "Tavo Audiogram Profiles (*.profile)|*.profile");
}

TEST(ColourDialog, AnswersWithTheColourOrNothingWhenCancelled)
{
    TestResponder responder;
    responder.queue(reply::Colour{0x00FF00});
    responder.queue(reply::Cancel{});
    EXPECT_EQ(chooseColor(0x0000FF), 0x00FF00u);
    EXPECT_EQ(chooseColor(0x0000FF), std::nullopt);
    EXPECT_EQ(responder.shown()[0].style, 0x0000FFu);  // the initial colour
}

TEST(SystemSound, KnownAliasesAreRecordedAndOthersRefused)
{
    TestResponder responder;
    EXPECT_TRUE(playSystemSound("SystemQuestion"));
    EXPECT_FALSE(playSystemSound("NoSuchSound"));
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].kind, DialogKind::Sound);
    EXPECT_EQ(responder.shown()[0].text, "SystemQuestion");
}

TEST(Twips, FifteenTwipsPerPixelAtNinetySixDotsPerInch)
{
    EXPECT_EQ(twipsPerPixelX(), 15);
    EXPECT_EQ(twipsPerPixelY(), 15);
    EXPECT_EQ(twipsToPixelsX(300), 20);
    EXPECT_EQ(twipsToPixelsY(240), 16);
    EXPECT_EQ(pixelsToTwipsX(7), 105);
    EXPECT_EQ(twipsToPixelsX(7), 0);  // rounded to the nearest pixel
}

}  // namespace
}  // namespace platform::ui
