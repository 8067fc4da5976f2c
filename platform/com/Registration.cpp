#include "platform/com/Registration.h"

#include "platform/registry/Key.h"

#include <string>

namespace platform::com {

namespace {

using registry::Access;
using registry::Key;
using registry::Result;
using registry::Root;

std::string classKeyPath(const CLSID& clsid)
{
    return "CLSID\\" + toString(clsid);
}

std::string withModule(std::string_view value, const std::string& library)
{
    std::string text(value);
    constexpr std::string_view placeholder = "%MODULE%";
    for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + library.size()))
        text.replace(at, placeholder.size(), library);
    return text;
}

// Writes default and named string values into a key of HKEY_CLASSES_ROOT; any
// refusal ends the registration.
class Writer {
public:
    void set(const std::string& path, std::string_view name, std::string_view value)
    {
        if (m_result != Result::Success) return;
        Key key;
        m_result = registry::createKey(Root::ClassesRoot, path, Access::Write, key);
        if (m_result == Result::Success && !value.empty()) m_result = key.setString(name, value);
        if (m_result != Result::Success)
            m_refusal = "the registry refused to write HKEY_CLASSES_ROOT\\" + path + ": " +
                        std::string(registry::describe(m_result));
    }
    bool ok() const { return m_result == Result::Success; }
    const std::string& refusal() const { return m_refusal; }

private:
    Result m_result = Result::Success;
    std::string m_refusal;
};

// Compares what a Writer would write with what the registry holds, reading
// only, so that a registry that cannot be written still serves classes that
// are registered already.
class Comparer {
public:
    void set(const std::string& path, std::string_view name, std::string_view value)
    {
        if (!m_same) return;
        Key key;
        std::string held;
        m_same = registry::openKey(Root::ClassesRoot, path, Access::Read, key) == Result::Success &&
                 (value.empty() || (key.getString(name, held) == Result::Success && held == value));
    }
    bool same() const { return m_same; }

private:
    bool m_same = true;
};

// Hands every key and value of the class to `out` (a Writer or a Comparer).
template <class Out>
void writeClass(Out& out, const ClassEntry& entry, const std::string& library)
{
    const std::string clsidText = toString(entry.clsid);
    const std::string classKey = classKeyPath(entry.clsid);
    out.set(classKey, "", entry.description);
    out.set(classKey + "\\InprocServer32", "", library);
    out.set(classKey + "\\InprocServer32", "ThreadingModel", entry.threadingModel);
    for (const ClassKey& extra : entry.extraKeys) out.set(classKey + "\\" + std::string(extra.key), "", withModule(extra.value, library));
    if (!entry.progId.empty()) {
        const std::string progId(entry.progId);
        out.set(classKey + "\\ProgID", "", progId);
        out.set(progId, "", entry.description);
        out.set(progId + "\\CLSID", "", clsidText);
    }
    if (!entry.versionIndependentProgId.empty()) {
        const std::string progId(entry.versionIndependentProgId);
        out.set(classKey + "\\VersionIndependentProgID", "", progId);
        out.set(progId, "", entry.description);
        out.set(progId + "\\CLSID", "", clsidText);
        out.set(progId + "\\CurVer", "", entry.progId);
    }
}

// Deletes a ProgID key when it names this class.
void removeProgId(std::string_view progId, const CLSID& clsid)
{
    if (progId.empty()) return;
    Key key;
    if (registry::openKey(Root::ClassesRoot, std::string(progId) + "\\CLSID", Access::Read, key) != Result::Success) return;
    std::string named;
    if (key.getString("", named) != Result::Success || parseGuid(named) != clsid) return;
    key.close();
    registry::deleteKey(Root::ClassesRoot, progId);
}

void removeClass(const ClassEntry& entry)
{
    removeProgId(entry.progId, entry.clsid);
    removeProgId(entry.versionIndependentProgId, entry.clsid);
    registry::deleteKey(Root::ClassesRoot, classKeyPath(entry.clsid));
}

}  // namespace

HRESULT registerClasses(std::span<const ClassEntry> classes, const std::filesystem::path& library,
                        std::string* failure)
{
    try {
        Comparer registered;
        for (const ClassEntry& entry : classes) writeClass(registered, entry, library.string());
        if (registered.same()) return S_OK;
        Writer out;
        for (const ClassEntry& entry : classes) writeClass(out, entry, library.string());
        if (out.ok()) return S_OK;
        if (failure) *failure = out.refusal();
        unregisterClasses(classes);
    } catch (const registry::RegistryError& error) {
        // The registry file cannot be used; there is nothing to undo in it.
        if (failure) *failure = error.what();
    }
    return SELFREG_E_CLASS;
}

HRESULT unregisterClasses(std::span<const ClassEntry> classes)
{
    try {
        for (const ClassEntry& entry : classes) removeClass(entry);
        return S_OK;
    } catch (const registry::RegistryError&) {
        return SELFREG_E_CLASS;
    }
}

}  // namespace platform::com
