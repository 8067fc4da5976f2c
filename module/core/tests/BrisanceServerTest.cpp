// The Brisance library as the host meets it: a component server loaded by
// path, with its four entry points.

#include "platform/com/ClassFactory.h"
#include "platform/com/Guid.h"
#include "platform/com/ServerLibraries.h"

#include <gtest/gtest.h>

namespace brisance {
namespace {

using namespace platform::com;

TEST(BrisanceServer, OffersItsEntryPointsAndRegistersItself)
{
    ServerEntryPoints server;
    std::string error;
    ASSERT_EQ(loadServer(BRISANCE_LIBRARY_PATH, &server, &error), S_OK) << error;
    ASSERT_TRUE(server.canUnloadNow && server.registerServer && server.unregisterServer);

    EXPECT_EQ(server.registerServer(), S_OK);
    EXPECT_EQ(server.unregisterServer(), S_OK);
    void* factory = nullptr;
    const CLSID unknown = makeGuid("{0BADC0DE-0000-4000-8000-000000000001}");
    EXPECT_EQ(server.getClassObject(&unknown, &IClassFactory::iid, &factory), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);
}

}  // namespace
}  // namespace brisance
