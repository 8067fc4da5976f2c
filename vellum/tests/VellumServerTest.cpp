#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"

#include "platform/com/Creation.h"
#include "platform/com/ServerLibraries.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using namespace platform::com;

TEST(VellumServer, TheLibraryRegistersBothClassesForCreationByClassId)
{
    ServerEntryPoints server;
    ASSERT_EQ(loadServer(VELLUM_LIBRARY_PATH, &server), S_OK);
    ASSERT_TRUE(server.registerServer);
    ASSERT_EQ(server.registerServer(), S_OK);

    ComPtr<IVellumDataLayer> layer;
    ASSERT_EQ(createInstance(kVellumDataLayerClsid, layer), S_OK);
    layer->get_Tympanograms()->Add(kEarLeft)->put_TympType(4);
    ComPtr<IVellumDataLayer> copy;
    ASSERT_EQ(createInstance(kVellumDataLayerClsid, copy), S_OK);
    copy->put_Data(layer->get_Data());
    EXPECT_EQ(copy->get_Tympanograms()->get_Count(), 1);

    ComPtr<IVellumKeyedStore> store;
    ASSERT_EQ(createInstance(kVellumKeyedStoreClsid, store), S_OK);
    store->put_Value("Profile", Variant("Default"));
    EXPECT_EQ(store->get_Value("Profile"), Variant("Default"));

    ComPtr<IVellumDataLayer> wrongInterface;
    EXPECT_EQ(createInstance(kVellumKeyedStoreClsid, wrongInterface), E_NOINTERFACE);

    layer.reset();
    copy.reset();
    store.reset();
    EXPECT_EQ(server.canUnloadNow(), S_OK);
    EXPECT_EQ(server.unregisterServer(), S_OK);
    EXPECT_EQ(createInstance(kVellumDataLayerClsid, layer), REGDB_E_CLASSNOTREG);
}

}  // namespace
}  // namespace vellum
