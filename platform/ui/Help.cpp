#include "platform/ui/Help.h"

#include "platform/ui/TestResponder.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include <filesystem>
#include <optional>

namespace platform::ui {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path> helpFolder(const fs::path& path)
{
    std::error_code error;
    if (fs::is_directory(path, error))
        return path;
    fs::path withoutExtension = path;
    withoutExtension.replace_extension();
    if (!fs::exists(path, error) && fs::is_directory(withoutExtension, error))
        return withoutExtension;
    return std::nullopt;
}

std::optional<fs::path> page(const fs::path& folder, int command, int contextId)
{
    fs::path file;
    if (command == HH_DISPLAY_TOPIC)
        file = folder / "index.html";
    else if (command == HH_HELP_CONTEXT)
        file = folder / (std::to_string(contextId) + ".html");
    else
        return std::nullopt;
    std::error_code error;
    return fs::is_regular_file(file, error) ? std::optional(file) : std::nullopt;
}

void show(QWidget* owner, const fs::path& file)
{
    // One viewer for all help, as the platform's help window.
    static QPointer<QTextBrowser> viewer;
    if (!viewer) {
        viewer = new QTextBrowser(owner);
        viewer->setWindowFlag(Qt::Window);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->resize(720, 560);
    }
    viewer->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    viewer->setWindowTitle(viewer->documentTitle());
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

}  // namespace

bool htmlHelp(QWidget* owner, const std::string& helpPath, int command, int contextId)
{
    const std::optional<fs::path> folder = helpFolder(helpPath);
    const std::optional<fs::path> file = folder ? page(*folder, command, contextId) : std::nullopt;
    if (TestResponder* responder = TestResponder::current()) {
        responder->respond({DialogKind::Help, helpPath, {}, static_cast<std::uint32_t>(contextId)});
        return file.has_value();
    }
    if (!file)
        return false;
    show(owner, *file);
    return true;
}

}  // namespace platform::ui
