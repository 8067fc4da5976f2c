#pragma once
// A fresh folder under the system's temporary folder, removed with its contents
// when the object goes.

#include <filesystem>

namespace platform::testing {

class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Points the machine root at a fresh temporary folder for the life of the
// object, and back at the previous one afterwards. Every test already runs in
// one of its own (TestMain.cpp); this is for tests that need a second, clean
// machine.
class ScopedMachineRoot {
public:
    ScopedMachineRoot();
    ~ScopedMachineRoot();
    ScopedMachineRoot(const ScopedMachineRoot&) = delete;
    ScopedMachineRoot& operator=(const ScopedMachineRoot&) = delete;

    const std::filesystem::path& path() const { return m_folder.path(); }

private:
    TemporaryFolder m_folder;
    std::string m_previous;
    bool m_hadPrevious = false;
};

}  // namespace platform::testing
