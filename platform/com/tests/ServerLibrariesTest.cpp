#include "platform/com/ServerLibraries.h"
#include "platform/com/tests/component/TestInterfaces.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::com;
using namespace testcomponent;

ComPtr<IClassFactory> factoryOf(const CLSID& clsid)
{
    ServerEntryPoints server;
    EXPECT_EQ(loadServer(TEST_COMPONENT_PATH, &server), S_OK);
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(server.getClassObject(&clsid, &IClassFactory::iid, factory.putVoid()), S_OK);
    return factory;
}

TEST(ServerLibraries, ALoadedLibraryGivesFactoriesOfItsClasses)
{
    ComPtr<ICounter> counter;
    ASSERT_EQ(factoryOf(kCounterClsid)->CreateInstance(nullptr, ICounter::iid, counter.putVoid()), S_OK);
    std::int32_t value = -1;
    EXPECT_EQ(counter->put_Value(5), S_OK);
    EXPECT_EQ(counter->get_Value(&value), S_OK);
    EXPECT_EQ(value, 5);
}

TEST(ServerLibraries, EachFailureHasItsOwnResult)
{
    ServerEntryPoints server;
    std::string error;
    EXPECT_EQ(loadServer("/nonexistent/library.so", &server, &error), CO_E_DLLNOTFOUND);
    EXPECT_NE(error.find("/nonexistent/library.so"), std::string::npos);
    EXPECT_EQ(loadServer(TEST_PLAIN_LIBRARY_PATH, &server, &error), CO_E_ERRORINDLL);
    EXPECT_NE(error.find("DllGetClassObject"), std::string::npos);
    EXPECT_FALSE(isServerLoaded(TEST_PLAIN_LIBRARY_PATH));

    ASSERT_EQ(loadServer(TEST_COMPONENT_PATH, &server), S_OK);
    const CLSID unknown = makeGuid("{6A1E2C40-3B7D-4E55-9C21-0D8F4A6B7EFF}");
    void* object = &object;
    EXPECT_EQ(server.getClassObject(&unknown, &IClassFactory::iid, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(factoryOf(kRefusingClsid)->CreateInstance(nullptr, ICounter::iid, &object), kRefusingResult);
}

TEST(ServerLibraries, ALibraryUnloadsOnlyWhenNothingOfItIsHeld)
{
    ComPtr<IClassFactory> factory = factoryOf(kCounterClsid);
    ComPtr<ICounter> counter;
    ASSERT_EQ(factory->CreateInstance(nullptr, ICounter::iid, counter.putVoid()), S_OK);
    ASSERT_EQ(factory->LockServer(true), S_OK);
    factory.reset();

    freeUnusedServers();
    EXPECT_TRUE(isServerLoaded(TEST_COMPONENT_PATH)) << "unloaded under a living object";
    counter.reset();
    freeUnusedServers();
    EXPECT_TRUE(isServerLoaded(TEST_COMPONENT_PATH)) << "unloaded under a server lock";

    ServerEntryPoints server;
    ASSERT_EQ(loadServer(TEST_COMPONENT_PATH, &server), S_OK);
    ASSERT_EQ(server.getClassObject(&kCounterClsid, &IClassFactory::iid, factory.putVoid()), S_OK);
    factory->LockServer(false);
    factory.reset();
    freeUnusedServers();
    EXPECT_FALSE(isServerLoaded(TEST_COMPONENT_PATH));
}

}  // namespace
