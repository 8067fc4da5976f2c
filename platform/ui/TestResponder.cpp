#include "platform/ui/TestResponder.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace platform::ui {
namespace {

TestResponder* g_current = nullptr;

const char* kindName(DialogKind kind)
{
    switch (kind) {
    case DialogKind::MessageBox: return "message box";
    case DialogKind::OpenFile: return "open-file dialog";
    case DialogKind::SaveFile: return "save-file dialog";
    case DialogKind::Colour: return "colour dialog";
    case DialogKind::Print: return "print dialog";
    case DialogKind::Help: return "help window";
    default: return "system sound";
    }
}

}  // namespace

TestResponder::TestResponder() : m_previous(std::exchange(g_current, this)) {}

TestResponder::~TestResponder()
{
    g_current = m_previous;
}

TestResponder* TestResponder::current()
{
    return g_current;
}

void TestResponder::queue(Reply reply)
{
    m_replies.push_back(std::move(reply));
}

std::variant<std::monostate, Reply> TestResponder::respond(const ShownDialog& dialog)
{
    m_shown.push_back(dialog);
    // Help windows and sounds are only recorded: they take no reply.
    if (dialog.kind == DialogKind::Help || dialog.kind == DialogKind::Sound || m_replies.empty())
        return std::monostate{};
    Reply reply = std::move(m_replies.front());
    m_replies.pop_front();
    return reply;
}

void TestResponder::misfit(const ShownDialog& dialog, const char* expected)
{
    std::fprintf(stderr, "Test responder: the %s \"%s\" (%s) got a reply that does not fit it; it takes %s.\n",
                 kindName(dialog.kind), dialog.title.c_str(), dialog.text.c_str(), expected);
    std::abort();
}

void refuseOffscreenModal(const ShownDialog& dialog)
{
    const bool offscreen = !qGuiApp || QGuiApplication::platformName() == QLatin1String("offscreen");
    if (!offscreen)
        return;
    std::fprintf(stderr,
                 "A modal %s \"%s\" (%s) was about to be shown with no display to answer it. Tests install a "
                 "platform::ui::TestResponder to answer it.\n",
                 kindName(dialog.kind), dialog.title.c_str(), dialog.text.c_str());
    std::abort();
}

}  // namespace platform::ui
