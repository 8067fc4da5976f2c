#pragma once
// The common dialogs for opening and saving a file and for picking a colour.
// With a test responder installed they are answered by it; without one, on
// Qt's offscreen platform they end the process (see MessageBox.h).

#include "platform/gfx/Types.h"

#include <cstdint>
#include <optional>
#include <string>

class QWidget;

namespace platform::ui {

// The error number of a cancelled common dialog, for callers that report
// cancelling as an error.
inline constexpr int kCommonDialogCancelError = 32755;

struct FileDialogRequest {
    std::string title;
    // Pairs of description and patterns, all joined by "|":
    // "Tavo Audiogram Profiles (*.profile)|*.profile|All files|*.*".
    std::string filter;
    std::string initialFolder;
    std::string fileName;          // proposed name
    std::string defaultExtension;  // added to a chosen name without one ("profile")
    std::uint32_t flags = 0;       // accepted and recorded
};

// The chosen path, or nothing when cancelled.
std::optional<std::string> getOpenFileName(const FileDialogRequest& request, QWidget* owner = nullptr);
std::optional<std::string> getSaveFileName(const FileDialogRequest& request, QWidget* owner = nullptr);

// The chosen colour, or nothing when cancelled.
std::optional<gfx::ColorRef> chooseColor(gfx::ColorRef initial, QWidget* owner = nullptr);

}  // namespace platform::ui
