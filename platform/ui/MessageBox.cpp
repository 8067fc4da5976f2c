#include "platform/ui/MessageBox.h"

#include "platform/ui/Help.h"
#include "platform/ui/TestResponder.h"

#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace platform::ui {
namespace {

// The buttons of each button type, in the order they are shown.
const std::array<std::vector<int>, 6> kButtons = {{
    {IDOK},
    {IDOK, IDCANCEL},
    {IDABORT, IDRETRY, IDIGNORE},
    {IDYES, IDNO, IDCANCEL},
    {IDYES, IDNO},
    {IDRETRY, IDCANCEL},
}};

constexpr std::array<std::pair<int, QMessageBox::StandardButton>, 7> kQtButtons = {{
    {IDOK, QMessageBox::Ok},
    {IDCANCEL, QMessageBox::Cancel},
    {IDABORT, QMessageBox::Abort},
    {IDRETRY, QMessageBox::Retry},
    {IDIGNORE, QMessageBox::Ignore},
    {IDYES, QMessageBox::Yes},
    {IDNO, QMessageBox::No},
}};

const std::vector<int>& buttonsOf(std::uint32_t style)
{
    const std::uint32_t type = style & MB_TYPEMASK;
    return kButtons[type < kButtons.size() ? type : MB_OK];
}

int defaultAnswer(std::uint32_t style)
{
    const std::vector<int>& buttons = buttonsOf(style);
    const std::size_t index = (style & MB_DEFMASK) >> 8;
    return buttons[index < buttons.size() ? index : 0];
}

// Closing the box without a button: Cancel when there is one, else the default.
int closeAnswer(std::uint32_t style)
{
    const std::vector<int>& buttons = buttonsOf(style);
    return std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end() ? IDCANCEL : defaultAnswer(style);
}

QMessageBox::Icon iconOf(std::uint32_t style)
{
    switch (style & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int answerOf(QMessageBox::StandardButton button)
{
    for (const auto& [answer, qtButton] : kQtButtons)
        if (qtButton == button)
            return answer;
    return 0;
}

QMessageBox::StandardButton qtButtonOf(int answer)
{
    for (const auto& [code, qtButton] : kQtButtons)
        if (code == answer)
            return qtButton;
    return QMessageBox::NoButton;
}

int answerByResponder(TestResponder& responder, const ShownDialog& shown)
{
    const auto reply = responder.respond(shown);
    if (std::holds_alternative<std::monostate>(reply))
        return defaultAnswer(shown.style);
    const auto* button = std::get_if<reply::Button>(&std::get<Reply>(reply));
    const std::vector<int>& buttons = buttonsOf(shown.style);
    if (!button || std::find(buttons.begin(), buttons.end(), button->answer) == buttons.end())
        TestResponder::misfit(shown, "one of its own buttons");
    return button->answer;
}

int showBox(QWidget* owner, const ShownDialog& shown, const MessageBoxHelp& help)
{
    QMessageBox box(iconOf(shown.style), QString::fromStdString(shown.title), QString::fromStdString(shown.text),
                    QMessageBox::NoButton, owner);
    for (int answer : buttonsOf(shown.style))
        box.addButton(qtButtonOf(answer));
    box.setDefaultButton(qtButtonOf(defaultAnswer(shown.style)));
    if (closeAnswer(shown.style) == IDCANCEL || buttonsOf(shown.style).size() == 1)
        box.setEscapeButton(qtButtonOf(closeAnswer(shown.style)));
    QPushButton* helpButton = (shown.style & MB_HELP) ? box.addButton(QMessageBox::Help) : nullptr;
    if (shown.style & (MB_SYSTEMMODAL | MB_SETFOREGROUND))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    for (;;) {
        box.exec();
        // The Help button opens the help and leaves the question open.
        if (helpButton && box.clickedButton() == helpButton) {
            htmlHelp(owner, help.helpPath, HH_HELP_CONTEXT, help.contextId);
            continue;
        }
        const int answer = answerOf(box.standardButton(box.clickedButton()));
        return answer != 0 ? answer : closeAnswer(shown.style);
    }
}

std::string& defaultTitleStorage()
{
    static std::string title = "Brisance";
    return title;
}

}  // namespace

void setDefaultTitle(const std::string& title)
{
    defaultTitleStorage() = title;
}

const std::string& defaultTitle()
{
    return defaultTitleStorage();
}

int messageBox(QWidget* owner, const std::string& text, const std::string& title, std::uint32_t style,
               const MessageBoxHelp& help)
{
    const ShownDialog shown{DialogKind::MessageBox, text, title.empty() ? defaultTitle() : title, style};
    if (TestResponder* responder = TestResponder::current())
        return answerByResponder(*responder, shown);
    refuseOffscreenModal(shown);
    return showBox(owner, shown, help);
}

}  // namespace platform::ui
