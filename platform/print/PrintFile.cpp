#include "platform/print/PrintFile.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::print::detail {
namespace {

// Mode of a new file: what a copy made by any tool would get.
constexpr mode_t kNewFileMode = 0644;

bool writeAll(int descriptor, std::span<const char> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return false;
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::filesystem::path freePdfName(const std::filesystem::path& folder, const std::string& stem)
{
    std::filesystem::path path = folder / (stem + ".pdf");
    std::error_code ignored;
    for (int n = 2; std::filesystem::exists(path, ignored); ++n)
        path = folder / (stem + " (" + std::to_string(n) + ").pdf");
    return path;
}

PrintFile::PrintFile(const std::filesystem::path& target) : m_target(target)
{
    makeTemporary();
}

PrintFile::PrintFile(const std::filesystem::path& folder, const std::string& stem)
    : m_target(freePdfName(folder, stem)), m_freeNameStem(stem)
{
    makeTemporary();
}

void PrintFile::makeTemporary()
{
    std::string pattern = (m_target.parent_path() / ("." + m_target.filename().string() + ".XXXXXX")).string();
    m_descriptor = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (m_descriptor < 0) {
        fail(errno);
        return;
    }
    m_temporary = pattern;
    // mkostemp makes a file only its owner may read; a printed file is like any
    // other the user saves.
    if (::fchmod(m_descriptor, kNewFileMode) != 0) fail(errno);
}

PrintFile::~PrintFile()
{
    if (m_descriptor >= 0) ::close(m_descriptor);
    if (!m_committed && !m_temporary.empty()) ::unlink(m_temporary.c_str());
}

bool PrintFile::fail(int error)
{
    if (!m_failure) m_failure = JobFailure{m_target.string(), std::error_code(error, std::generic_category())};
    return false;
}

bool PrintFile::commit(std::span<const char> bytes)
{
    if (m_failure || m_committed) return false;
    if (!writeAll(m_descriptor, bytes) || ::fsync(m_descriptor) != 0) return fail(errno);
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    if (::close(descriptor) != 0) return fail(errno);
    return takeName();
}

bool PrintFile::takeName()
{
    if (!m_freeNameStem) {
        if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0) return fail(errno);
        m_committed = true;
        return true;
    }
    // Another job may have taken the name since the job began: the file then
    // takes the next free one.
    for (;;) {
        if (::renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_target.c_str(), RENAME_NOREPLACE) == 0) break;
        if (errno == EEXIST) {
            m_target = freePdfName(m_target.parent_path(), *m_freeNameStem);
            continue;
        }
        // A file system that cannot refuse to replace: the name was free a
        // moment ago.
        if (errno != EINVAL || std::rename(m_temporary.c_str(), m_target.c_str()) != 0) return fail(errno);
        break;
    }
    m_committed = true;
    return true;
}

}  // namespace platform::print::detail
