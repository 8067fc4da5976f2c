#include "module/core/WholeFile.h"

#include "platform/runtime/RuntimeError.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisance {

namespace {

// Mode of a new file: what a copy made by any tool would get.
constexpr mode_t kNewFileMode = 0644;

// The runtime's error for a failed file call, from its errno.
[[noreturn]] void raiseFileError(int error, const std::string& path)
{
    platform::runtime::raise(FileErrorNumber(error), {}, path);
}

[[noreturn]] void raiseTooLarge(const std::string& path, std::uintmax_t size, std::size_t largest)
{
    platform::runtime::raise(platform::runtime::errors::OutOfMemory,
                             "The file \"" + path + "\" is too large to read: " + std::to_string(size) +
                                 " bytes, more than the " + std::to_string(largest) + " bytes it can hold",
                             path);
}

// A file descriptor closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { if (m_fd >= 0) ::close(m_fd); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    // Closes now; false (errno set) when closing reports an error.
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// A temporary file beside a target, removed unless it is renamed over it.
class TemporaryBeside {
public:
    explicit TemporaryBeside(const std::string& target)
        : m_target(target), m_path(nameTemplate(target)), m_file(::mkostemp(m_path.data(), O_CLOEXEC))
    {
        if (m_file.get() < 0)
            raiseFileError(errno, target);
        // mkostemp makes a file that only its owner may read; the target keeps
        // its own mode, or gets that of a new file.
        struct stat existing {};
        const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : kNewFileMode;
        if (::fchmod(m_file.get(), mode) != 0)
            fail();
    }
    ~TemporaryBeside()
    {
        if (!m_committed)
            ::unlink(m_path.c_str());
    }
    TemporaryBeside(const TemporaryBeside&) = delete;
    TemporaryBeside& operator=(const TemporaryBeside&) = delete;

    const std::string& path() const { return m_path; }
    int descriptor() const { return m_file.get(); }

    // Flushes the file to the disk and renames it over the target.
    void commit()
    {
        if (::fsync(m_file.get()) != 0 || !m_file.close() || std::rename(m_path.c_str(), m_target.c_str()) != 0)
            fail();
        m_committed = true;
    }

    [[noreturn]] void fail() const { raiseFileError(errno, m_target); }

private:
    static std::string nameTemplate(const std::string& target)
    {
        const std::filesystem::path path(target);
        return (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
    }

    std::string m_target;
    std::string m_path;
    Descriptor m_file;
    bool m_committed = false;
};

}  // namespace

std::int32_t FileErrorNumber(int error)
{
    switch (error) {
    case ENOENT: return 76;
    case EACCES:
    case EPERM:
    case EROFS: return 70;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return 61;
    default: return 75;
    }
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path, std::size_t largest)
{
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0 && errno == ENOENT)
        platform::runtime::raise(platform::runtime::errors::FileNotFound, {}, path);
    if (file.get() < 0)
        raiseFileError(errno, path);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        raiseFileError(errno, path);
    if (status.st_size > 0 && static_cast<std::uintmax_t>(status.st_size) > largest)
        raiseTooLarge(path, static_cast<std::uintmax_t>(status.st_size), largest);
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) raiseFileError(errno, path);
        if (got == 0) break;
        // A file that grows while it is read, or one whose size is not known
        // beforehand, meets the same limit.
        if (static_cast<std::size_t>(got) > largest - bytes.size())
            raiseTooLarge(path, bytes.size() + static_cast<std::size_t>(got), largest);
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return bytes;
}

void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    TemporaryBeside file(path);
    if (!writeAll(file.descriptor(), bytes))
        file.fail();
    file.commit();
}

void WriteWholeFileThrough(const std::string& path, const std::function<bool(const std::string&)>& write)
{
    TemporaryBeside file(path);
    if (!write(file.path()))
        platform::runtime::raise(75, {}, path);
    file.commit();
}

}  // namespace brisance
