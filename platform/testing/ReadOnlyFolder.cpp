#include "platform/testing/ReadOnlyFolder.h"

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform::testing {

namespace {

namespace fs = std::filesystem;

// Sets or clears CAP_DAC_OVERRIDE in the calling thread's effective set; the
// permitted set keeps it, so that it can be taken back.
bool setWriteOverride(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (::syscall(SYS_capget, &header, data) != 0) return false;
    const auto bit = 1u << (CAP_DAC_OVERRIDE % 32);
    auto& effective = data[CAP_DAC_OVERRIDE / 32].effective;
    effective = on ? (effective | bit) : (effective & ~bit);
    return ::syscall(SYS_capset, &header, data) == 0;
}

constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(const fs::path& folder)
{
    m_permissions.emplace_back(folder, fs::status(folder).permissions());
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (!entry.is_symlink()) m_permissions.emplace_back(entry.path(), entry.status().permissions());
    for (const auto& [path, permissions] : m_permissions) fs::permissions(path, permissions & ~kWrite);
    if (::geteuid() == 0) m_overrideDropped = setWriteOverride(false);
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_overrideDropped) setWriteOverride(true);
    for (const auto& [path, permissions] : m_permissions) fs::permissions(path, permissions);
}

void dropWriteOverrideForPrograms()
{
    ::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
}

}  // namespace platform::testing
