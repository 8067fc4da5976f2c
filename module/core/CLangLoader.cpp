#include "module/core/CLangLoader.h"

#include "platform/system/StringTable.h"

#include <algorithm>

namespace brisance {

bool CLangLoader::OpenResourceLibrary(const std::string& strLibraryFullPath)
{
    if (strLibraryFullPath.empty())
        return false;
    CloseResourceLibrary();
    return m_library.load(strLibraryFullPath);
}

std::string CLangLoader::LoadResString(std::int32_t lngStringID) const
{
    // No text has a negative id; it must not wrap around to a large one.
    if (lngStringID < 0)
        return {};
    return platform::system::loadString(m_library, static_cast<std::uint32_t>(lngStringID), kMaxTextLength);
}

std::string CLangLoader::LoadResString2(std::int32_t lngStringID) const
{
    std::string text = LoadResString(lngStringID);
    std::erase(text, '&');
    return text;
}

void CLangLoader::CloseResourceLibrary()
{
    m_library.free();
}

}  // namespace brisance
