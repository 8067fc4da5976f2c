#include "installer/tests/HostDouble.h"

#include "host/InstallationInterfaces.h"

#include "platform/com/Object.h"
#include "platform/runtime/RuntimeError.h"

#include <array>

namespace installer::testing {

namespace {

using platform::com::ComPtr;
using platform::com::DISPID;
using platform::com::E_FAIL;
using platform::com::E_NOTIMPL;
using platform::com::ExceptionInfo;
using platform::com::HRESULT;
using platform::com::S_OK;
using platform::com::Variant;

// The installer calls the typed members only.
template <class I>
class Undispatched : public I {
public:
    HRESULT GetIDsOfNames(std::span<const std::string>, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, std::uint16_t, std::span<Variant>, Variant*, ExceptionInfo*) override { return E_NOTIMPL; }

protected:
    ~Undispatched() = default;
};

// For the members that the installer never calls.
[[noreturn]] void notUsed()
{
    throw platform::runtime::RuntimeError(platform::runtime::errors::MethodNotSupported);
}

template <class I>
class DoubleObject : public platform::com::Object<Undispatched<I>> {
protected:
    DoubleObject(HostDouble& host, std::string name) : m_host(host), m_name(std::move(name)) { host.objectCreated(); }
    ~DoubleObject() override { m_host.objectDestroyed(); }

    // Records the call; true when it is to hand back no object.
    bool record(const std::string& member, const std::string& arguments = {})
    {
        const auto failure = m_host.call(m_name + "." + member, arguments);
        if (failure == Failure::Fails)
            throw platform::runtime::RuntimeError(5, m_name + "." + member + " refused");
        return failure == Failure::NoObject;
    }

    // A getter that hands out an object.
    template <class T>
    ComPtr<T> give(const std::string& member, ComPtr<T> object, const std::string& arguments = {})
    {
        return record(member, arguments) ? nullptr : object;
    }

    HostDouble& m_host;

private:
    std::string m_name;
};

std::string number(std::int32_t value)
{
    return std::to_string(value);
}

class Converters final : public DoubleObject<host::IActionConverterInstallationServer> {
public:
    explicit Converters(HostDouble& host) : DoubleObject(host, "Converters") {}
    void InstallConverter(std::int32_t code, std::int32_t from, std::int32_t to, std::int32_t reserved,
                          std::string clsid) override
    {
        record("InstallConverter",
               number(code) + ", " + number(from) + ", " + number(to) + ", " + number(reserved) + ", " + clsid);
    }
    void Initialize() override { record("Initialize"); }
};

class Category final : public DoubleObject<host::IModuleCategory> {
public:
    Category(HostDouble& host, std::int32_t index) : DoubleObject(host, "Category"), m_index(index) {}
    std::int32_t get_Index() override { return m_index; }
    std::string get_Name() override { notUsed(); }

private:
    std::int32_t m_index;
};

class Categories final : public DoubleObject<host::IModuleCategories> {
public:
    explicit Categories(HostDouble& host) : DoubleObject(host, "Categories") {}
    std::int32_t get_Count() override { notUsed(); }
    ComPtr<host::IModuleCategory> Item(std::int32_t index) override
    {
        return give<host::IModuleCategory>("Item", platform::com::make<Category>(m_host, index), number(index));
    }
};

class DataType final : public DoubleObject<host::IDataType> {
public:
    explicit DataType(HostDouble& host) : DoubleObject(host, "DataType") {}
    std::int32_t get_Code() override { notUsed(); }
    void put_Code(std::int32_t code) override { record("put_Code", number(code)); }
    std::int32_t get_Format() override { notUsed(); }
    void put_Format(std::int32_t format) override { record("put_Format", number(format)); }
};

class DataTypes final : public DoubleObject<host::IDataTypeCollection> {
public:
    explicit DataTypes(HostDouble& host) : DoubleObject(host, "DataTypes") {}
    std::int32_t get_Count() override { notUsed(); }
    ComPtr<host::IDataType> Item(std::int32_t) override { notUsed(); }
    ComPtr<platform::com::IUnknown> get__NewEnum() override { notUsed(); }
    void Add(host::IDataType* dataType) override { record("Add", dataType ? "DataType" : "null"); }
};

class ReplaceableModule final : public DoubleObject<host::IReplaceableModule> {
public:
    explicit ReplaceableModule(HostDouble& host) : DoubleObject(host, "ReplaceableModule") {}
    std::int32_t get_ModuleID() override { notUsed(); }
    void put_ModuleID(std::int32_t id) override { record("put_ModuleID", number(id)); }
};

class ReplaceableModules final : public DoubleObject<host::IReplaceableModules> {
public:
    explicit ReplaceableModules(HostDouble& host) : DoubleObject(host, "ReplaceableModules") {}
    std::int32_t get_Count() override { notUsed(); }
    ComPtr<host::IReplaceableModule> Item(std::int32_t) override { notUsed(); }
    void Add(host::IReplaceableModule* module) override { record("Add", module ? "ReplaceableModule" : "null"); }
};

class Module final : public DoubleObject<host::IModule> {
public:
    explicit Module(HostDouble& host) : DoubleObject(host, "Module") {}
    ComPtr<host::IModuleCategory> get_Category() override { notUsed(); }
    void put_Category(host::IModuleCategory* category) override
    {
        record("put_Category", category ? "category " + number(category->get_Index()) : "null");
    }
    std::string get_Name() override { notUsed(); }
    void put_Name(std::string name) override { record("put_Name", name); }
    std::string get_CLSID() override { notUsed(); }
    void put_CLSID(std::string clsid) override { record("put_CLSID", clsid); }
    std::int32_t get_ManufacturerID() override { notUsed(); }
    void put_ManufacturerID(std::int32_t id) override { record("put_ManufacturerID", number(id)); }
    std::int32_t get_LocalID() override { notUsed(); }
    void put_LocalID(std::int32_t id) override { record("put_LocalID", number(id)); }
    std::int32_t get_Show() override { notUsed(); }
    void put_Show(std::int32_t show) override { record("put_Show", number(show)); }
    std::string get_LogoPath() override { notUsed(); }
    void put_LogoPath(std::string path) override { record("put_LogoPath", path); }
    std::string get_HelpFilePath() override { notUsed(); }
    void put_HelpFilePath(std::string path) override { record("put_HelpFilePath", path); }
    ComPtr<host::IDataTypeCollection> get_CanMake() override { notUsed(); }
    void put_CanMake(host::IDataTypeCollection* dataTypes) override
    {
        record("put_CanMake", dataTypes ? "DataTypes" : "null");
    }
    ComPtr<host::IDataTypeCollection> get_CanShow() override { notUsed(); }
    void put_CanShow(host::IDataTypeCollection* dataTypes) override
    {
        record("put_CanShow", dataTypes ? "DataTypes" : "null");
    }
    std::string get_PrintHandler() override { notUsed(); }
    void put_PrintHandler(std::string clsid) override { record("put_PrintHandler", clsid); }
    ComPtr<host::IReplaceableModules> get_ReplaceableModules() override
    {
        return give<host::IReplaceableModules>("get_ReplaceableModules",
                                               platform::com::make<ReplaceableModules>(m_host));
    }
};

class Server final : public DoubleObject<host::IModuleInstallationServer> {
public:
    explicit Server(HostDouble& host) : DoubleObject(host, "Server") {}
    void InstallModule(std::string maker, host::IModule* module) override
    {
        record("InstallModule", maker + (module ? ", Module" : ", null"));
    }
    void Initialize() override { record("Initialize"); }
    ComPtr<host::IModuleCategories> get_ModuleCategories() override
    {
        return give<host::IModuleCategories>("get_ModuleCategories", platform::com::make<Categories>(m_host));
    }
};

template <class T>
ComPtr<platform::com::IUnknown> makeObject(HostDouble& host)
{
    return platform::com::make<T>(host);
}

struct DoubleClass {
    platform::com::CLSID clsid;
    const char* name;
    ComPtr<platform::com::IUnknown> (*make)(HostDouble& host);
};

const std::array<DoubleClass, 6> kClasses = {{
    {host::kActionConverterInstallationServerClsid, "ActionConverterInstallationServer", makeObject<Converters>},
    {host::kModuleInstallationServerClsid, "ModuleInstallationServer", makeObject<Server>},
    {host::kDataTypeClsid, "DataType", makeObject<DataType>},
    {host::kDataTypeCollectionClsid, "DataTypeCollection", makeObject<DataTypes>},
    {host::kModuleClsid, "Module", makeObject<Module>},
    {host::kReplaceableModuleClsid, "ReplaceableModule", makeObject<ReplaceableModule>},
}};

}  // namespace

HostDouble::HostDouble(std::optional<FailAt> failAt) : m_failAt(std::move(failAt)) {}

HostAccess HostDouble::access()
{
    return {[this] { return call("initialise") ? E_FAIL : S_OK; }, [this] { ++m_uninitialisations; },
            [this](const platform::com::CLSID& clsid, const platform::com::IID& iid, void** object) {
                return create(clsid, iid, object);
            }};
}

std::optional<Failure> HostDouble::call(const std::string& name, const std::string& arguments)
{
    m_calls.push_back(arguments.empty() ? name : name + "(" + arguments + ")");
    if (!m_failAt || m_failAt->call != name)
        return std::nullopt;
    return --m_failAt->occurrence == 0 ? std::optional(m_failAt->how) : std::nullopt;
}

HRESULT HostDouble::create(const platform::com::CLSID& clsid, const platform::com::IID& iid, void** object)
{
    *object = nullptr;
    for (const DoubleClass& each : kClasses) {
        if (each.clsid != clsid)
            continue;
        const auto failure = call(std::string("create ") + each.name);
        if (failure == Failure::NoObject)
            return S_OK;
        if (failure)
            return platform::com::REGDB_E_CLASSNOTREG;
        return each.make(*this)->QueryInterface(iid, object);
    }
    return platform::com::REGDB_E_CLASSNOTREG;
}

}  // namespace installer::testing
