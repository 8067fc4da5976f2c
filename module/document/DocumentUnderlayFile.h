#pragma once
// The picture that lies under one document's pure-tone charts. Each document
// has a file of its own in the module's writable folder for the login, so
// that two open documents never draw each other's picture (a chart reads its
// file again at every paint); the file goes when the document ends.

#include <string>

namespace brisance {

class DocumentUnderlayFile {
public:
    DocumentUnderlayFile() = default;
    ~DocumentUnderlayFile() { Remove(); }
    DocumentUnderlayFile(const DocumentUnderlayFile&) = delete;
    DocumentUnderlayFile& operator=(const DocumentUnderlayFile&) = delete;

    // The file's path, named at the first call: the module's underlay path
    // with "-<process>-<n>" added to its name ("Underlay-812-1.emf"). Raises
    // what the module's start-up raises when its folder cannot be made.
    const std::string& Path();
    // Removes the file, if it was written; a later Path names a new one.
    void Remove();

private:
    std::string m_path;
};

}  // namespace brisance
