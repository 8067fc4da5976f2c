#include "host/HostServer.h"

#include "host/HostInterfaces.h"
#include "host/InstallationInterfaces.h"
#include "host/com/ActionObjects.h"
#include "host/com/InstallationObjects.h"
#include "host/com/InstallationServers.h"
#include "host/com/ModuleServerObjects.h"

#include "platform/com/ServerExports.h"
#include "platform/system/Library.h"

namespace host {

namespace {

using platform::com::ClassEntry;

constexpr ClassEntry kClasses[] = {
    {kModuleServerClsid, objects::createModuleServer, "Host Module Server"},
    {kActionClsid, objects::createAction, "Host Action"},
    {kDataTypeClsid, objects::createDataType, "Host DataType"},
    {kDataTypeCollectionClsid, objects::createDataTypeCollection, "Host DataType Collection"},
    {kModuleClsid, objects::createModule, "Host Module"},
    {kReplaceableModuleClsid, objects::createReplaceableModule, "Host Replaceable Module"},
    {kActionConverterInstallationServerClsid, objects::createActionConverterInstallationServer,
     "Action Converter Installation Server"},
    {kModuleInstallationServerClsid, objects::createModuleInstallationServer, "Module Installation Server"},
};

}  // namespace

platform::com::HRESULT registerHostServer(std::string* failure)
{
    return platform::com::registerClasses(
        kClasses, platform::system::fileContaining(reinterpret_cast<const void*>(&registerHostServer)), failure);
}

}  // namespace host

BRISANCE_COM_SERVER(host::kClasses)
