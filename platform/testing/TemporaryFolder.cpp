#include "platform/testing/TemporaryFolder.h"

#include "platform/machine/MachineRoot.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace platform::testing {

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "brisance-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder from " + pattern);
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

ScopedMachineRoot::ScopedMachineRoot()
{
    if (const char* previous = std::getenv(machine::kRootVariable)) {
        m_previous = previous;
        m_hadPrevious = true;
    }
    ::setenv(machine::kRootVariable, m_folder.path().c_str(), 1);
}

ScopedMachineRoot::~ScopedMachineRoot()
{
    if (m_hadPrevious)
        ::setenv(machine::kRootVariable, m_previous.c_str(), 1);
    else
        ::unsetenv(machine::kRootVariable);
}

}  // namespace platform::testing
