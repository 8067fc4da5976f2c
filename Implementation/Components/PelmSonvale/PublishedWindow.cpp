#include "PublishedWindow.h"

#include "DriverRegistration.h"
#include "platform/registry/Key.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace pelmsonvale {

namespace {

using platform::registry::Access;
using platform::registry::Key;
using platform::registry::RegistryError;
using platform::registry::Result;
using platform::registry::Root;
using platform::system::WindowHandle;

constexpr const char* kValueName = "ActiveWindowHandle";

// The windows of this process's live controllers, oldest first.
std::mutex g_mutex;
std::vector<WindowHandle> g_published;

bool openSonvaleKey(Key& key)
{
    return createKey(Root::LocalMachine, kSonvaleKey, Access::Write, key) == Result::Success;
}

}  // namespace

void publishControllerWindow(WindowHandle window)
{
    std::lock_guard lock(g_mutex);
    g_published.push_back(window);
    try {
        Key key;
        if (openSonvaleKey(key))
            key.setDword(kValueName, window);
    } catch (const RegistryError&) {
    }
}

void withdrawControllerWindow(WindowHandle window)
{
    std::lock_guard lock(g_mutex);
    std::erase(g_published, window);
    try {
        Key key;
        std::uint32_t published = 0;
        if (openSonvaleKey(key) && key.getDword(kValueName, published) == Result::Success && published == window)
            key.setDword(kValueName, g_published.empty() ? 0 : g_published.back());
    } catch (const RegistryError&) {
    }
}

}  // namespace pelmsonvale
