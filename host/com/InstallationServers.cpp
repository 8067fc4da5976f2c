#include "host/com/InstallationServers.h"

#include "host/HostContext.h"
#include "host/InstallationInterfaces.h"
#include "host/ModuleCatalog.h"
#include "host/com/InstallationObjects.h"
#include "host/com/ObjectSupport.h"

namespace host::objects {

namespace {

ModuleCatalog catalog()
{
    return ModuleCatalog(*HostContext::current().database());
}

using ConverterMember = DispatchMember<IActionConverterInstallationServer>;
constexpr ConverterMember kConverterMembers[] = {
    ConverterMember::valueMethod<&IActionConverterInstallationServer::InstallConverter>("InstallConverter", 1),
    ConverterMember::valueMethod<&IActionConverterInstallationServer::Initialize>("Initialize", 2),
};
std::span<const ConverterMember> converterMembers() { return kConverterMembers; }

class ActionConverterInstallationServer final
    : public Object<Dispatched<IActionConverterInstallationServer, converterMembers>> {
public:
    void InstallConverter(std::int32_t dataTypeCode, std::int32_t fromFormat, std::int32_t toFormat,
                          std::int32_t reserved, std::string converterClsid) override
    {
        const auto clsid = platform::com::parseGuid(converterClsid);
        if (!clsid) raise(platform::com::E_INVALIDARG, "The converter \"" + converterClsid + "\" is not a class id");
        catalog().installConverter({dataTypeCode, fromFormat, toFormat, reserved, platform::com::toString(*clsid)});
    }

    // Opens the host database, so that a damaged one is reported here.
    void Initialize() override { HostContext::current().database(); }
};

using ModuleServerMember = DispatchMember<IModuleInstallationServer>;
constexpr ModuleServerMember kModuleServerMembers[] = {
    ModuleServerMember::valueMethod<&IModuleInstallationServer::InstallModule>("InstallModule", 1),
    ModuleServerMember::valueMethod<&IModuleInstallationServer::Initialize>("Initialize", 2),
    ModuleServerMember::valueProperty<&IModuleInstallationServer::get_ModuleCategories>("ModuleCategories", 3),
};
std::span<const ModuleServerMember> moduleServerMembers() { return kModuleServerMembers; }

class ModuleInstallationServer final : public Object<Dispatched<IModuleInstallationServer, moduleServerMembers>> {
public:
    void InstallModule(std::string maker, IModule* module) override
    {
        ModuleRecord record = moduleRecordOf(module);
        record.maker = std::move(maker);
        catalog().installModule(record);
    }

    void Initialize() override { HostContext::current().database(); }

    ComPtr<IModuleCategories> get_ModuleCategories() override
    {
        return moduleCategoriesObject(catalog().categories());
    }
};

}  // namespace

HRESULT createActionConverterInstallationServer(const platform::com::IID& iid, void** object)
{
    return platform::com::createObject<ActionConverterInstallationServer>(iid, object);
}

HRESULT createModuleInstallationServer(const platform::com::IID& iid, void** object)
{
    return platform::com::createObject<ModuleInstallationServer>(iid, object);
}

}  // namespace host::objects
