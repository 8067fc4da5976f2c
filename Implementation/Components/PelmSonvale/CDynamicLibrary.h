#pragma once
// A driver library and the functions found in it, each looked up by name the
// first time it is asked for and remembered by its slot number, found or not:
// a missing function is looked up only once per loaded library.
//
// One thread at a time uses a library object; threads that take turns hand
// it over through an event (which orders their memory).

#include "platform/system/Library.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pelmsonvale {

class CDynamicLibrary {
public:
    CDynamicLibrary() = default;
    CDynamicLibrary(const CDynamicLibrary&) = delete;
    CDynamicLibrary& operator=(const CDynamicLibrary&) = delete;

    // Loads the library at this full path when the path is not empty and no
    // library is loaded yet; true when a library is loaded.
    bool Load(const std::string& path);

    bool IsLoaded() const { return m_library.isLoaded(); }

    // The address of the function of this name for this slot, looked up on
    // the slot's first use; null when no library is loaded or it lacks the
    // function.
    void* Bind(const char* name, std::size_t slot);

    template <typename Function>
    Function* Bind(const char* name, std::size_t slot)
    {
        return reinterpret_cast<Function*>(Bind(name, slot));
    }

private:
    struct Entry {
        void* address = nullptr;
        bool lookedUp = false;
    };

    platform::system::Library m_library;
    std::vector<Entry> m_functions;
};

}  // namespace pelmsonvale
