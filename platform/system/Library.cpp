#include "platform/system/Library.h"

#include <dlfcn.h>

#include <map>
#include <mutex>
#include <utility>

namespace platform::system {

namespace {

using InitFunction = bool();
using ExitFunction = void();

// How many Library objects hold each loaded library, so that its
// initialisation runs at the first load and its exit at the last free. The
// lock is re-entrant because an initialisation may load libraries itself.
struct Holders {
    std::recursive_mutex mutex;
    std::map<void*, int> counts;
};

Holders& holders()
{
    static auto* const instance = new Holders;  // outlives every Library
    return *instance;
}

std::string lastLoaderError()
{
    const char* text = ::dlerror();
    return text ? text : "unknown error";
}

}  // namespace

Library::Library(const std::string& path)
{
    load(path);
}

Library::~Library()
{
    free();
}

Library::Library(Library&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr)),
      m_path(std::move(other.m_path)),
      m_error(std::move(other.m_error))
{
    other.m_path.clear();
}

Library& Library::operator=(Library&& other) noexcept
{
    if (this != &other) {
        free();
        m_handle = std::exchange(other.m_handle, nullptr);
        m_path = std::exchange(other.m_path, {});
        m_error = std::move(other.m_error);
    }
    return *this;
}

bool Library::load(const std::string& path)
{
    free();
    m_error.clear();
    if (path.empty()) {
        m_error = "no library path given";
        return false;
    }
    void* handle = nullptr;
    try {
        handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    } catch (...) {
        m_error = "loading " + path + " threw an exception";
        return false;
    }
    if (!handle) {
        m_error = lastLoaderError();
        return false;
    }

    Holders& all = holders();
    std::lock_guard lock(all.mutex);
    int& count = all.counts[handle];
    if (count == 0) {
        auto* init = reinterpret_cast<InitFunction*>(::dlsym(handle, kLibraryInitName));
        if (init && !callGuarded(false, init)) {
            all.counts.erase(handle);
            ::dlclose(handle);
            m_error = "the initialisation of " + path + " failed";
            return false;
        }
    }
    ++count;
    m_handle = handle;
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    m_path = absolute.empty() ? path : absolute.string();
    return true;
}

void Library::free()
{
    if (!m_handle)
        return;
    void* handle = std::exchange(m_handle, nullptr);
    m_path.clear();

    Holders& all = holders();
    std::lock_guard lock(all.mutex);
    if (--all.counts[handle] == 0) {
        all.counts.erase(handle);
        callGuardedVoid(reinterpret_cast<ExitFunction*>(::dlsym(handle, kLibraryExitName)));
    }
    ::dlclose(handle);
}

std::filesystem::path Library::folder() const
{
    return m_path.empty() ? std::filesystem::path() : std::filesystem::path(m_path).parent_path();
}

void* Library::symbol(const char* name) const
{
    return m_handle ? ::dlsym(m_handle, name) : nullptr;
}

std::filesystem::path fileContaining(const void* address)
{
    Dl_info info{};
    if (!::dladdr(address, &info) || !info.dli_fname || !*info.dli_fname)
        return {};
    std::error_code ignored;
    const std::filesystem::path file = std::filesystem::weakly_canonical(info.dli_fname, ignored);
    return file.empty() ? std::filesystem::path(info.dli_fname) : file;
}

}  // namespace platform::system
