#include "DriverRegistration.h"

#include "platform/registry/Key.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace pelmsonvale;
using platform::com::E_FAIL;
using platform::com::E_INVALIDARG;
using platform::com::S_OK;
using platform::registry::Access;
using platform::registry::Key;
using platform::registry::Result;
using platform::registry::Root;

Key driverKey(const std::string& name)
{
    Key key;
    EXPECT_EQ(createKey(Root::LocalMachine, std::string(kDriversKey) + name, Access::Write, key), Result::Success);
    return key;
}

void registerDriver(const std::string& name, const std::string& path, const std::string& manufacturer,
                    const std::string& driverName)
{
    const Key key = driverKey(name);
    key.setString("DriverPath", path);
    key.setString("Manufacturer", manufacturer);
    key.setString("DriverName", driverName);
}

TEST(DriverRegistration, TheDriversKeyIsCreatedWhenMissingAndListsInEnumerationOrder)
{
    std::vector<std::string> names{"stale"};
    ASSERT_EQ(enumerateDriverKeys(names), S_OK);
    EXPECT_TRUE(names.empty());
    EXPECT_TRUE(keyExists(Root::LocalMachine, kDriversKey));

    for (const char* name : {"MRL", "ABC", "Zed"})
        registerDriver(name, "/opt/x.so", "Maker", "Driver");
    ASSERT_EQ(enumerateDriverKeys(names), S_OK);
    EXPECT_EQ(names, (std::vector<std::string>{"MRL", "ABC", "Zed"}));
}

TEST(DriverRegistration, ReadsTheThreeValuesOfAKey)
{
    registerDriver("MRL", "/opt/drivers/marlet.so", "Pelmworks", "Marlet serial driver");
    DriverRegistration read;
    ASSERT_EQ(readDriverRegistration("MRL", read), S_OK);
    EXPECT_EQ(read.ManufacturerID, "MRL");
    EXPECT_EQ(read.DriverPath, "/opt/drivers/marlet.so");
    EXPECT_EQ(read.Manufacturer, "Pelmworks");
    EXPECT_EQ(read.DriverName, "Marlet serial driver");
    EXPECT_TRUE(isDriverRegistered("MRL"));
    EXPECT_TRUE(isDriverRegistered("mrl"));
    EXPECT_FALSE(isDriverRegistered("MRX"));
}

TEST(DriverRegistration, ADamagedKeyFailsAfterTheValuesBeforeTheDamage)
{
    const std::string longest(kDriverValueBufferSize - 1, 'p');
    const std::string tooLong(kDriverValueBufferSize, 'p');
    struct Case {
        const char* what;
        std::string manufacturer;  // empty: not written
        bool dwordName;
        std::string path;
        HRESULT expected;
        std::string pathAfter;
    };
    const Case cases[] = {
        {"value filling the buffer", "Maker", false, longest, S_OK, longest},
        {"value longer than the buffer", "Maker", false, tooLong, E_FAIL, "old"},
        {"missing second value", "", false, "/x.so", E_FAIL, "/x.so"},
        {"value of another type", "Maker", true, "/x.so", E_FAIL, "/x.so"},
    };
    for (const Case& c : cases) {
        const Key key = driverKey("DMG");
        key.deleteValue("Manufacturer");
        key.setString("DriverPath", c.path);
        if (!c.manufacturer.empty())
            key.setString("Manufacturer", c.manufacturer);
        if (c.dwordName)
            key.setDword("DriverName", 7);
        else
            key.setString("DriverName", "Name");
        DriverRegistration read{"", "old", "old", "old"};
        EXPECT_EQ(readDriverRegistration("DMG", read), c.expected) << c.what;
        EXPECT_EQ(read.ManufacturerID, "DMG") << c.what;
        EXPECT_EQ(read.DriverPath, c.pathAfter) << c.what;
    }
}

TEST(DriverRegistration, RefusesAnEmptyNameAndAMissingKey)
{
    DriverRegistration read;
    EXPECT_EQ(readDriverRegistration("", read), E_INVALIDARG);
    EXPECT_EQ(readDriverRegistration("Nobody", read), E_FAIL);
}

}  // namespace
