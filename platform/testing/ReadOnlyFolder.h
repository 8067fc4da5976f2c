#pragma once
// Makes a folder and everything in it read-only for the calling thread until
// the object goes, as a read-only share or a folder of another user is.
// Taking the write permissions away is enough for an ordinary user; a test
// that runs as root also loses, on this thread, the power to write where the
// permissions say no (CAP_DAC_OVERRIDE), which it gets back afterwards.
// Files that the thread opened for writing before stay writable.

#include <filesystem>
#include <utility>
#include <vector>

namespace platform::testing {

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::filesystem::path& folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    std::vector<std::pair<std::filesystem::path, std::filesystem::perms>> m_permissions;
    bool m_overrideDropped = false;
};

// For a child process about to start a program (a QProcess's child process
// modifier): the program may not write where the permissions say no, even
// when it runs as root.
void dropWriteOverrideForPrograms();

}  // namespace platform::testing
