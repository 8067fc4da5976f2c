#include "platform/ui/Help.h"
#include "platform/ui/TestResponder.h"

#include "platform/machine/MachineRoot.h"

#include <QApplication>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <fstream>

namespace platform::ui {
namespace {

namespace fs = std::filesystem;

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(folder);
        std::ofstream(folder / "index.html") << "<html><title>Brisance Help</title><body>Contents</body></html>";
        std::ofstream(folder / "124.html") << "<html><body>Read-only mode</body></html>";
    }
    const fs::path folder = machine::root() / "Help" / "Brisance";
};

TEST_F(HelpTest, OpensTheDefaultTopicOrAContextPage)
{
    TestResponder responder;
    EXPECT_TRUE(htmlHelp(nullptr, folder.string(), HH_DISPLAY_TOPIC));
    EXPECT_TRUE(htmlHelp(nullptr, folder.string(), HH_HELP_CONTEXT, 124));
    EXPECT_TRUE(htmlHelp(nullptr, (folder.parent_path() / "Brisance.chm").string(), HH_HELP_CONTEXT, 124));
    EXPECT_FALSE(htmlHelp(nullptr, folder.string(), HH_HELP_CONTEXT, 999));
    EXPECT_FALSE(htmlHelp(nullptr, folder.string(), 7, 124));
    EXPECT_FALSE(htmlHelp(nullptr, (machine::root() / "Nowhere").string(), HH_DISPLAY_TOPIC));
    ASSERT_EQ(responder.shown().size(), 6u);
    EXPECT_EQ(responder.shown()[1].kind, DialogKind::Help);
    EXPECT_EQ(responder.shown()[1].style, 124u);
}

TEST_F(HelpTest, ViewerShowsThePageWithoutBlocking)
{
    ASSERT_TRUE(htmlHelp(nullptr, folder.string(), HH_HELP_CONTEXT, 124));
    QTextBrowser* viewer = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* browser = qobject_cast<QTextBrowser*>(widget); browser && browser->isVisible())
            viewer = browser;
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->toPlainText().contains("Read-only mode"));
    delete viewer;
}

}  // namespace
}  // namespace platform::ui
