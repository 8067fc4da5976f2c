#pragma once
// The installer's message boxes: one OK button each, shown through the ui
// service. The installer has no window of its own, so the Qt application
// object is made only when a box is to be shown (and only when the process
// has none yet); it goes with this object.

#include <QApplication>

#include <optional>
#include <string>

namespace installer {

class SetupMessages {
public:
    SetupMessages() = default;
    SetupMessages(const SetupMessages&) = delete;
    SetupMessages& operator=(const SetupMessages&) = delete;

    // The command-line usage, without an owner window.
    void showUsage();
    // A failure, owned by the active window (there is none in this program),
    // with the platform's default caption.
    void showFailure(const std::string& message);

private:
    void ensureApplication();

    int m_argc = 1;
    char m_name[15] = "brisance-setup";
    char* m_argv[2] = {m_name, nullptr};
    std::optional<QApplication> m_application;
};

}  // namespace installer
