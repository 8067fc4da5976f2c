#include "platform/system/WholeFile.h"

#include "platform/runtime/RuntimeError.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::system {

namespace {

// Mode of a new file: what a copy made by any tool would get.
constexpr mode_t kNewFileMode = 0644;

// The runtime's error for a failed file call, from its errno.
[[noreturn]] void raiseFileError(int error, const std::string& path)
{
    runtime::raise(fileErrorNumber(error), {}, path);
}

[[noreturn]] void raiseTooLarge(const std::string& path, std::uintmax_t size, std::size_t largest)
{
    runtime::raise(runtime::errors::OutOfMemory,
                             "The file \"" + path + "\" is too large to read: " + std::to_string(size) +
                                 " bytes, more than the " + std::to_string(largest) + " bytes it can hold",
                             path);
}

// What is at a path that is not a regular file, for the reader.
std::string kindOf(mode_t mode)
{
    if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a regular file";
}

[[noreturn]] void raiseNotAFile(const std::string& path, mode_t mode)
{
    runtime::raise(75, "\"" + path + "\" cannot be read as a file: it is " + kindOf(mode) +
                                     ", not a regular file",
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

std::int32_t fileErrorNumber(int error)
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

std::vector<std::uint8_t> readWholeFile(const std::string& path, std::size_t largest)
{
    // Without O_NONBLOCK the open of a FIFO would wait for a writer, and a
    // terminal could become the process's own.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0 && errno == ENOENT)
        runtime::raise(runtime::errors::FileNotFound, {}, path);
    if (file.get() < 0)
        raiseFileError(errno, path);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        raiseFileError(errno, path);
    if (!S_ISREG(status.st_mode))
        raiseNotAFile(path, status.st_mode);
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

void writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    TemporaryBeside file(path);
    if (!writeAll(file.descriptor(), bytes))
        file.fail();
    file.commit();
}

void writeWholeFileThrough(const std::string& path, const std::function<bool(const std::string&)>& write)
{
    TemporaryBeside file(path);
    if (!write(file.path()))
        runtime::raise(75, {}, path);
    file.commit();
}

}  // namespace platform::system
