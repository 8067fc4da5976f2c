#include "CDynamicLibrary.h"

namespace pelmsonvale {

bool CDynamicLibrary::Load(const std::string& path)
{
    if (!path.empty() && !m_library.isLoaded())
        m_library.load(path);
    return m_library.isLoaded();
}

void* CDynamicLibrary::Bind(const char* name, std::size_t slot)
{
    if (!m_library.isLoaded())
        return nullptr;
    if (m_functions.size() <= slot)
        m_functions.resize(slot + 1);
    Entry& entry = m_functions[slot];
    if (!entry.lookedUp) {
        entry.lookedUp = true;
        entry.address = m_library.symbol(name);
    }
    return entry.address;
}

}  // namespace pelmsonvale
