#include "installer/SetupMessages.h"

#include "platform/ui/MessageBox.h"

namespace installer {

namespace {

constexpr const char* kUsage = "Usage: /L Logo filename /H Help filename";
constexpr const char* kUsageCaption = "Command line usage";
// What the platform shows on a box given no caption.
constexpr const char* kDefaultCaption = "Error";

}  // namespace

void SetupMessages::ensureApplication()
{
    if (!QApplication::instance())
        m_application.emplace(m_argc, m_argv);
}

void SetupMessages::showUsage()
{
    ensureApplication();
    platform::ui::messageBox(nullptr, kUsage, kUsageCaption, platform::ui::MB_OK);
}

void SetupMessages::showFailure(const std::string& message)
{
    ensureApplication();
    platform::ui::messageBox(QApplication::activeWindow(), message, kDefaultCaption, platform::ui::MB_OK);
}

}  // namespace installer
