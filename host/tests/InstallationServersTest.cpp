#include "host/HostErrors.h"
#include "host/InstallationInterfaces.h"
#include "host/ModuleCatalog.h"
#include "host/testing/HostFixture.h"
#include "host/testing/RaisedNumber.h"

#include "platform/com/Creation.h"

#include <gtest/gtest.h>

namespace {

using namespace host;
using host::testing::HostFixture;
using host::testing::raisedNumber;
using platform::com::ComPtr;
using platform::com::createInstance;
using platform::com::S_OK;

constexpr const char* kConverter = "{CBB05A66-A657-11D3-B797-006097943A64}";
constexpr const char* kDocument = "{95875CF3-8638-4654-9A00-158E803957F3}";
constexpr const char* kPrintHandler = "{2BCA38E7-CD67-4D41-9BCD-249677DC3E70}";

ComPtr<IDataType> dataType(std::int32_t code, std::int32_t format)
{
    ComPtr<IDataType> type;
    EXPECT_EQ(createInstance(kDataTypeClsid, type), S_OK);
    type->put_Code(code);
    type->put_Format(format);
    return type;
}

// A module described the way an installer does it.
ComPtr<IModule> describedModule(IModuleInstallationServer* server)
{
    ComPtr<IModule> module;
    ComPtr<IDataTypeCollection> types;
    ComPtr<IReplaceableModule> replaced;
    EXPECT_EQ(createInstance(kModuleClsid, module), S_OK);
    EXPECT_EQ(createInstance(kDataTypeCollectionClsid, types), S_OK);
    EXPECT_EQ(createInstance(kReplaceableModuleClsid, replaced), S_OK);
    types->Add(dataType(1, 100).get());
    types->Add(dataType(1, 200).get());
    replaced->put_ModuleID(0x10065);
    module->get_ReplaceableModules()->Add(replaced.get());
    module->put_CanMake(types.get());
    module->put_CanShow(types.get());
    module->put_CLSID(kDocument);
    module->put_PrintHandler(kPrintHandler);
    module->put_LocalID(1);
    module->put_ManufacturerID(32);
    module->put_Name("Pelm Corvane 1.1");
    module->put_Show(1);
    module->put_HelpFilePath("/opt/pelm/help.qch");
    module->put_Category(server->get_ModuleCategories()->Item(2).get());
    return module;
}

TEST(InstallationServers, StoreTheConvertersAndTheModuleAnInstallerDescribes)
{
    HostFixture host;
    ComPtr<IActionConverterInstallationServer> converters;
    ASSERT_EQ(createInstance(kActionConverterInstallationServerClsid, converters), S_OK);
    converters->Initialize();
    converters->InstallConverter(1, 200, 100, 0, kConverter);
    converters->InstallConverter(1, 100, 200, 0, kConverter);

    ComPtr<IModuleInstallationServer> modules;
    ASSERT_EQ(createInstance(kModuleInstallationServerClsid, modules), S_OK);
    modules->Initialize();
    modules->InstallModule("Pelm", describedModule(modules.get()).get());

    ModuleCatalog catalog(host.database());
    EXPECT_EQ(catalog.converters(), (std::vector<ConverterRecord>{{1, 100, 200, 0, kConverter}, {1, 200, 100, 0, kConverter}}));
    const auto module = catalog.module(0x200001);
    ASSERT_TRUE(module.has_value()) << "the identity is manufacturer 32, local id 1";
    EXPECT_EQ(module->maker, "Pelm");
    EXPECT_EQ(module->name, "Pelm Corvane 1.1");
    EXPECT_EQ(module->clsid, kDocument);
    EXPECT_EQ(module->printHandler, kPrintHandler);
    EXPECT_EQ(module->show, 1);
    EXPECT_EQ(module->category, 2);
    EXPECT_EQ(module->logoPath, "");
    EXPECT_EQ(module->helpFilePath, "/opt/pelm/help.qch");
    EXPECT_EQ(module->canMake, (std::vector<DataTypeRecord>{{1, 100}, {1, 200}}));
    EXPECT_EQ(module->canShow, module->canMake);
    EXPECT_EQ(module->replaces, std::vector<std::int32_t>{0x10065});
}

TEST(InstallationServers, RefuseWhatIsNotAClassIdAndStoreNothing)
{
    HostFixture host;
    ComPtr<IModuleInstallationServer> modules;
    ASSERT_EQ(createInstance(kModuleInstallationServerClsid, modules), S_OK);
    const auto module = describedModule(modules.get());
    module->put_CLSID("docAudiogramModule");
    EXPECT_EQ(raisedNumber([&] { modules->InstallModule("Pelm", module.get()); }), platform::com::E_INVALIDARG);
    EXPECT_EQ(raisedNumber([&] { modules->InstallModule("Pelm", nullptr); }), platform::com::E_INVALIDARG);

    ComPtr<IActionConverterInstallationServer> converters;
    ASSERT_EQ(createInstance(kActionConverterInstallationServerClsid, converters), S_OK);
    EXPECT_EQ(raisedNumber([&] { converters->InstallConverter(1, 200, 100, 0, "converter"); }),
              platform::com::E_INVALIDARG);

    EXPECT_EQ(raisedNumber([&] { modules->get_ModuleCategories()->Item(99); }), errors::NotFound);

    ModuleCatalog catalog(host.database());
    EXPECT_TRUE(catalog.modules().empty());
    EXPECT_TRUE(catalog.converters().empty());
}

}  // namespace
