#include "module/document/DocumentUnderlayFile.h"

#include "module/core/ModulePaths.h"

#include <atomic>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace brisance {

namespace {

// Underlay files named in this process so far.
std::atomic<unsigned> g_filesNamed{0};

}  // namespace

const std::string& DocumentUnderlayFile::Path()
{
    if (m_path.empty()) {
        // The module's underlay path, told apart by process and document.
        const std::filesystem::path shared(GetModulePaths().underlayPath);
        const std::string name = shared.stem().string() + "-" + std::to_string(getpid()) + "-" +
                                 std::to_string(++g_filesNamed) + shared.extension().string();
        m_path = (shared.parent_path() / name).generic_string();
    }
    return m_path;
}

void DocumentUnderlayFile::Remove()
{
    if (m_path.empty())
        return;
    // A file that cannot be removed is left behind; nothing reads it again.
    std::error_code ignored;
    std::filesystem::remove(m_path, ignored);
    m_path.clear();
}

}  // namespace brisance
