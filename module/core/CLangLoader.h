#pragma once
// The text loader: reads the module's texts by TextResources id out of one
// language library. A missing library or a missing id gives the empty text,
// never an error, so that a caption simply stays empty.

#include "platform/system/Library.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace brisance {

class CLangLoader {
public:
    // Longest text handed out, in characters: the loader reads into a buffer
    // of 500 characters that keeps one for the terminator.
    static constexpr std::size_t kMaxTextLength = 499;

    // Frees the held library and loads the one at this full path. An empty
    // path changes nothing and gives false. True when a library is now held.
    bool OpenResourceLibrary(const std::string& strLibraryFullPath);
    // The text of this id, at most kMaxTextLength characters; empty with no
    // library held or no text under the id.
    std::string LoadResString(std::int32_t lngStringID) const;
    // LoadResString without the "&" access-key marks, for places where an
    // access key means nothing (window titles, tool tips, printed text).
    std::string LoadResString2(std::int32_t lngStringID) const;
    // Frees the held library, if any.
    void CloseResourceLibrary();

private:
    platform::system::Library m_library;
};

}  // namespace brisance
