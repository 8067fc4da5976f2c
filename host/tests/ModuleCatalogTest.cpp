#include "host/ModuleCatalog.h"

#include <gtest/gtest.h>

namespace {

using namespace host;

ModuleRecord audiogramModule()
{
    return ModuleRecord{.maker = "Pelm",
                        .name = "Pelm Corvane 1.1",
                        .clsid = "{95875CF3-8638-4654-9A00-158E803957F3}",
                        .printHandler = "{2BCA38E7-CD67-4D41-9BCD-249677DC3E70}",
                        .manufacturerId = 32,
                        .localId = 1,
                        .show = 1,
                        .category = 2,
                        .logoPath = "/opt/pelm/logo.bmp",
                        .canMake = {{1, 100}, {1, 200}},
                        .canShow = {{1, 100}, {1, 200}},
                        .replaces = {0x10065}};
}

TEST(ModuleCatalog, KeepsEverythingAModuleInstallsAndReplacesItOnReinstall)
{
    HostDatabase database;
    ModuleCatalog catalog(database);
    catalog.installModule(audiogramModule());
    ModuleRecord other = audiogramModule();
    other.manufacturerId = 33;
    catalog.installModule(other);

    const auto stored = catalog.module(0x200001);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->name, "Pelm Corvane 1.1");
    EXPECT_EQ(stored->maker, "Pelm");
    EXPECT_EQ(stored->printHandler, "{2BCA38E7-CD67-4D41-9BCD-249677DC3E70}");
    EXPECT_EQ(stored->category, 2);
    EXPECT_EQ(stored->logoPath, "/opt/pelm/logo.bmp");
    EXPECT_EQ(stored->helpFilePath, "");
    EXPECT_EQ(stored->canMake, (std::vector<DataTypeRecord>{{1, 100}, {1, 200}}));
    EXPECT_EQ(stored->replaces, std::vector<std::int32_t>{0x10065});

    ModuleRecord again = audiogramModule();
    again.name = "Pelm Corvane 1.2";
    again.canShow = {{1, 200}};
    again.category.reset();
    catalog.installModule(again);
    EXPECT_EQ(catalog.modules().size(), 2u) << "reinstalling replaces, it does not add";
    EXPECT_EQ(catalog.module(0x200001)->name, "Pelm Corvane 1.2");
    EXPECT_EQ(catalog.module(0x200001)->canShow, (std::vector<DataTypeRecord>{{1, 200}}));
    EXPECT_EQ(catalog.module(0x200001)->category, std::nullopt);
    EXPECT_EQ(catalog.module(0x210001)->canMake.size(), 2u) << "the other module keeps its data types";
}

TEST(ModuleCatalog, ConvertersAreKeptPerDataTypeAndFormatsAndCategoriesAreFixed)
{
    HostDatabase database;
    ModuleCatalog catalog(database);
    const ConverterRecord down{1, 200, 100, 0, "{CBB05A66-A657-11D3-B797-006097943A64}"};
    const ConverterRecord up{1, 100, 200, 0, "{CBB05A66-A657-11D3-B797-006097943A64}"};
    catalog.installConverter(down);
    catalog.installConverter(up);
    catalog.installConverter(down);
    EXPECT_EQ(catalog.converters(), (std::vector<ConverterRecord>{up, down}));

    const auto categories = catalog.categories();
    ASSERT_GE(categories.size(), 2u);
    EXPECT_EQ(categories[1].index, 2);
}

}  // namespace
