#pragma once
// Dynamic libraries: loaded by full path, functions found by exact name.
//
// A library may export an initialisation function
//     extern "C" bool brisance_library_init(void);
// which runs once, when the library is first loaded into the process through
// this class. When it returns false or throws, the library does not load. A
// library may also export
//     extern "C" void brisance_library_exit(void);
// which runs when the last Library object holding it frees it.
//
// Calls into a library go through callGuarded() when the library might throw:
// a C++ exception never crosses back into the caller. A crash inside a library
// (a bad pointer, an abort) is not caught: it takes the process down.
//
// Library objects may be used from any thread; one object is not meant to be
// used by two threads at the same time.

#include <filesystem>
#include <string>

namespace platform::system {

inline constexpr const char* kLibraryInitName = "brisance_library_init";
inline constexpr const char* kLibraryExitName = "brisance_library_exit";

class Library {
public:
    Library() = default;
    // Loads the library at the given path; see isLoaded() and error().
    explicit Library(const std::string& path);
    ~Library();
    Library(Library&& other) noexcept;
    Library& operator=(Library&& other) noexcept;
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    // Frees the library held, then loads the one at this full path. False when
    // the path is empty, the file is missing or not a library, a library it
    // needs is missing, or its initialisation fails; error() then says why.
    bool load(const std::string& path);
    // Frees the library held, if any.
    void free();

    bool isLoaded() const { return m_handle != nullptr; }
    // Why the last load failed; empty after a successful load.
    const std::string& error() const { return m_error; }
    // The full path the library was loaded from; empty when none is held.
    const std::string& path() const { return m_path; }
    // The folder that holds the library; empty when none is held.
    std::filesystem::path folder() const;

    // The exported symbol of exactly this name, or nullptr (also when no
    // library is held).
    void* symbol(const char* name) const;

    // The exported function of exactly this name, as a pointer of the given
    // function type, or nullptr.
    template <typename Function>
    Function* function(const char* name) const
    {
        return reinterpret_cast<Function*>(symbol(name));
    }

private:
    void* m_handle = nullptr;
    std::string m_path;
    std::string m_error;
};

// The file of the library (or program) whose code or data holds this address,
// such as the address of one of its own functions; empty when none does.
std::filesystem::path fileContaining(const void* address);

// Calls a library function and returns its result, or `failure` when the
// function is missing (nullptr) or throws.
template <typename Result, typename Function, typename... Arguments>
Result callGuarded(Result failure, Function* function, Arguments... arguments) noexcept
{
    if (!function)
        return failure;
    try {
        return function(arguments...);
    } catch (...) {
        return failure;
    }
}

// Calls a library function that returns nothing; false when it is missing
// (nullptr) or throws.
template <typename Function, typename... Arguments>
bool callGuardedVoid(Function* function, Arguments... arguments) noexcept
{
    if (!function)
        return false;
    try {
        function(arguments...);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace platform::system
