#include "platform/com/Creation.h"
#include "platform/com/tests/TestServer.h"
#include "platform/com/tests/component/TestInterfaces.h"
#include "platform/registry/Key.h"
#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::com;
using namespace testcomponent;
namespace registry = platform::registry;

// The test component, registered in this test's machine root.
struct Creation : ::testing::Test {
    void SetUp() override { comtest::registerTestComponent(); }

    // Registers a class id whose library is the given path.
    static CLSID registerClassAt(const std::string& library)
    {
        const CLSID clsid = newGuid();
        registry::Key key;
        EXPECT_EQ(registry::createKey(registry::Root::ClassesRoot, "CLSID\\" + toString(clsid) + "\\InprocServer32",
                                      registry::Access::Write, key),
                  registry::Result::Success);
        key.setString("", library);
        return clsid;
    }
};

TEST_F(Creation, CreatesByClassIdAndByEitherProgId)
{
    ComPtr<ICounter> byId;
    ASSERT_EQ(createInstance(kCounterClsid, byId), S_OK);
    ComPtr<ICounter> byProgId;
    ASSERT_EQ(createInstance("BrisanceTest.Counter.1", byProgId), S_OK);
    ComPtr<ICounter> byCurrentVersion;
    ASSERT_EQ(createInstance("brisancetest.counter", byCurrentVersion), S_OK);
    byId->put_Value(4);
    std::int32_t value = -1;
    byCurrentVersion->get_Value(&value);
    EXPECT_EQ(value, 0) << "each creation makes a new object";
}

TEST_F(Creation, TheVersionIndependentProgIdFollowsCurVer)
{
    registry::Key key;
    ASSERT_EQ(registry::createKey(registry::Root::ClassesRoot, "BrisanceTest.Counter.2\\CLSID", registry::Access::Write, key),
              registry::Result::Success);
    key.setString("", toString(kRefusingClsid));
    ASSERT_EQ(registry::openKey(registry::Root::ClassesRoot, "BrisanceTest.Counter\\CurVer", registry::Access::Write, key),
              registry::Result::Success);
    key.setString("", "BrisanceTest.Counter.2");
    CLSID clsid;
    ASSERT_EQ(clsidFromProgId("BrisanceTest.Counter", &clsid), S_OK);
    EXPECT_EQ(clsid, kRefusingClsid);
}

TEST_F(Creation, EachFailureHasItsOwnResult)
{
    const struct {
        const char* what;
        CLSID clsid;
        HRESULT expected;
    } cases[] = {
        {"unregistered class", newGuid(), REGDB_E_CLASSNOTREG},
        {"missing library", registerClassAt("/nonexistent/libgone.so"), CO_E_DLLNOTFOUND},
        {"library without entry points", registerClassAt(TEST_PLAIN_LIBRARY_PATH), CO_E_ERRORINDLL},
        {"class the library lacks", registerClassAt(TEST_COMPONENT_PATH), CLASS_E_CLASSNOTAVAILABLE},
        {"factory refuses", kRefusingClsid, kRefusingResult},
    };
    for (const auto& c : cases) {
        ComPtr<ICounter> counter;
        EXPECT_EQ(createInstance(c.clsid, counter), c.expected) << c.what;
        EXPECT_FALSE(counter) << c.what;
    }
    void* object = &object;
    EXPECT_EQ(createInstance(kCounterClsid, IClassFactory::iid, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);

    ComPtr<ICounter> counter;
    EXPECT_EQ(createInstance("BrisanceTest.Nothing", counter), CO_E_CLASSSTRING);
    EXPECT_EQ(createInstance("", counter), CO_E_CLASSSTRING);
}

TEST_F(Creation, CreateRaisesTheFailureAsAnError)
{
    EXPECT_TRUE(create<ICounter>(kCounterClsid));
    const CLSID unknown = newGuid();
    const struct {
        CLSID clsid;
        std::int32_t number;
    } cases[] = {{unknown, 429}, {kRefusingClsid, kRefusingResult}};
    for (const auto& c : cases) {
        try {
            create<ICounter>(c.clsid);
            ADD_FAILURE() << "no error raised for " << toString(c.clsid);
        } catch (const platform::runtime::RuntimeError& error) {
            EXPECT_EQ(error.number(), c.number);
            EXPECT_EQ(error.source(), toString(c.clsid));
        }
    }
}

}  // namespace
