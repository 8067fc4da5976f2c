#include "platform/registry/Key.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform::registry {
namespace {

enum class Items { Subkeys, Values };

std::vector<std::string> namesOf(const Key& key, Items items)
{
    std::vector<std::string> names;
    std::string name;
    for (std::uint32_t index = 0;
         (items == Items::Subkeys ? key.enumKey(index, name) : key.enumValue(index, name)) == Result::Success; ++index)
        names.push_back(name);
    return names;
}

TEST(RegistryKey, CreateMakesMissingParentsAndOpenFindsThem)
{
    Key created;
    ASSERT_EQ(createKey(Root::LocalMachine, "SOFTWARE\\Pelmworks\\PelmSonvale\\Drivers\\", Access::Write, created),
              Result::Success);
    EXPECT_TRUE(keyExists(Root::LocalMachine, "SOFTWARE\\Pelmworks"));
    EXPECT_TRUE(keyExists(Root::LocalMachine, "SOFTWARE\\Pelmworks\\PelmSonvale\\Drivers"));
    EXPECT_FALSE(keyExists(Root::CurrentUser, "SOFTWARE\\Pelmworks"));
    EXPECT_FALSE(keyExists(Root::LocalMachine, "SOFTWARE\\Pelmworks\\PelmSonvale\\Drivers\\MRL"));

    Key opened;
    EXPECT_EQ(openKey(Root::LocalMachine, "SOFTWARE\\Pelmworks\\Missing", Access::Read, opened), Result::NotFound);
    EXPECT_FALSE(opened.isOpen());
}

TEST(RegistryKey, NamesIgnoreCaseAndKeepTheFirstSpelling)
{
    Key key;
    ASSERT_EQ(createKey(Root::CurrentUser, "Software\\Pelmworks\\Marlet", Access::Write, key), Result::Success);
    ASSERT_EQ(key.setString("Port", "COM1"), Result::Success);

    Key again;
    ASSERT_EQ(createKey(Root::CurrentUser, "SOFTWARE\\PELMWORKS\\marlet", Access::Write, again), Result::Success);
    ASSERT_EQ(again.setString("PORT", "COM2"), Result::Success);
    std::string port;
    EXPECT_EQ(key.getString("port", port), Result::Success);
    EXPECT_EQ(port, "COM2");

    Key software;
    ASSERT_EQ(openKey(Root::CurrentUser, "software", Access::Read, software), Result::Success);
    EXPECT_EQ(namesOf(software, Items::Subkeys), std::vector<std::string>{"Pelmworks"});
    EXPECT_EQ(namesOf(key, Items::Values), std::vector<std::string>{"Port"});
}

TEST(RegistryKey, EnumerationFollowsCreationOrderAndEndsWithNoMoreItems)
{
    Key drivers;
    ASSERT_EQ(createKey(Root::LocalMachine, "SOFTWARE\\Pelmworks\\PelmSonvale\\Drivers", Access::Write, drivers),
              Result::Success);
    for (const char* name : {"MRL", "ACME", "zeta", "Beta"}) {
        Key driver;
        ASSERT_EQ(drivers.createKey(name, Access::Write, driver), Result::Success);
    }
    for (const char* name : {"DriverPath", "Manufacturer", "DriverName", ""})
        ASSERT_EQ(drivers.setString(name, "x"), Result::Success);
    // Setting a value again keeps its place.
    ASSERT_EQ(drivers.setDword("driverpath", 7), Result::Success);

    EXPECT_EQ(namesOf(drivers, Items::Subkeys), (std::vector<std::string>{"MRL", "ACME", "zeta", "Beta"}));
    EXPECT_EQ(namesOf(drivers, Items::Values), (std::vector<std::string>{"DriverPath", "Manufacturer", "DriverName", ""}));

    std::string name;
    ValueType type = ValueType::Sz;
    EXPECT_EQ(drivers.enumKey(4, name), Result::NoMoreItems);
    EXPECT_EQ(drivers.enumValue(0, name, &type), Result::Success);
    EXPECT_EQ(type, ValueType::Dword);
    EXPECT_EQ(drivers.enumValue(4, name), Result::NoMoreItems);

    // A key deleted and made again goes to the end.
    ASSERT_EQ(drivers.deleteKey("MRL"), Result::Success);
    Key recreated;
    ASSERT_EQ(drivers.createKey("MRL", Access::Write, recreated), Result::Success);
    EXPECT_EQ(namesOf(drivers, Items::Subkeys), (std::vector<std::string>{"ACME", "zeta", "Beta", "MRL"}));
}

TEST(RegistryKey, DeleteRemovesTheWholeSubtreeAndStaleHandlesSayDeleted)
{
    Key clsid;
    ASSERT_EQ(createKey(Root::ClassesRoot, "CLSID\\{07F3AA2F}\\InprocServer32", Access::Write, clsid),
              Result::Success);
    ASSERT_EQ(clsid.setString("ThreadingModel", "Apartment"), Result::Success);
    Key sibling;
    ASSERT_EQ(createKey(Root::ClassesRoot, "CLSID\\{FA891232}", Access::Write, sibling), Result::Success);

    EXPECT_EQ(deleteKey(Root::ClassesRoot, "clsid\\{07f3aa2f}"), Result::Success);
    EXPECT_FALSE(keyExists(Root::ClassesRoot, "CLSID\\{07F3AA2F}"));
    EXPECT_TRUE(keyExists(Root::ClassesRoot, "CLSID\\{FA891232}"));
    EXPECT_EQ(deleteKey(Root::ClassesRoot, "CLSID\\{07F3AA2F}"), Result::NotFound);

    std::string text;
    EXPECT_EQ(clsid.getString("ThreadingModel", text), Result::KeyDeleted);
    EXPECT_EQ(clsid.setString("ThreadingModel", "Both"), Result::KeyDeleted);
    EXPECT_EQ(clsid.enumKey(0, text), Result::KeyDeleted);
    Key below;
    EXPECT_EQ(clsid.createKey("again", Access::Write, below), Result::KeyDeleted);

    // Made again, the key is a new one: the old handle does not reach it.
    Key remade;
    ASSERT_EQ(createKey(Root::ClassesRoot, "CLSID\\{07F3AA2F}\\InprocServer32", Access::Write, remade),
              Result::Success);
    EXPECT_EQ(clsid.getString("ThreadingModel", text), Result::KeyDeleted);
}

TEST(RegistryKey, ReadAccessRefusesEveryChange)
{
    Key writer;
    ASSERT_EQ(createKey(Root::LocalMachine, "SOFTWARE\\Pelmworks\\PelmSonvale\\Drivers\\MRL", Access::Write, writer),
              Result::Success);
    ASSERT_EQ(writer.setString("DriverName", "Marlet"), Result::Success);

    Key reader;
    ASSERT_EQ(openKey(Root::LocalMachine, "SOFTWARE\\Pelmworks\\PelmSonvale\\Drivers", Access::Read, reader),
              Result::Success);
    Key child;
    EXPECT_EQ(reader.createKey("New", Access::Write, child), Result::AccessDenied);
    EXPECT_EQ(reader.deleteKey("MRL"), Result::AccessDenied);
    ASSERT_EQ(reader.openKey("MRL", Access::Read, child), Result::Success);
    EXPECT_EQ(child.setString("DriverName", "Other"), Result::AccessDenied);
    EXPECT_EQ(child.deleteValue("DriverName"), Result::AccessDenied);

    std::string name;
    EXPECT_EQ(child.getString("DriverName", name), Result::Success);
    EXPECT_EQ(name, "Marlet");
    EXPECT_FALSE(keyExists(Root::LocalMachine, "SOFTWARE\\Pelmworks\\PelmSonvale\\Drivers\\New"));
}

TEST(RegistryKey, MalformedPathsAndRootsAreRefused)
{
    const std::string longName(256, 'k');
    for (const std::string& path : {std::string("\\SOFTWARE"), std::string("SOFTWARE\\\\Pelmworks"),
                                    std::string("SOFTWARE\\\\"), "SOFTWARE\\" + longName}) {
        SCOPED_TRACE(path);
        Key key;
        EXPECT_EQ(createKey(Root::LocalMachine, path, Access::Write, key), Result::InvalidParameter);
        EXPECT_EQ(openKey(Root::LocalMachine, path, Access::Read, key), Result::InvalidParameter);
    }
    Key longest;
    EXPECT_EQ(createKey(Root::LocalMachine, std::string(255, 'k'), Access::Write, longest), Result::Success);

    EXPECT_EQ(deleteKey(Root::LocalMachine, ""), Result::AccessDenied);
    EXPECT_TRUE(keyExists(Root::LocalMachine, "SOFTWARE\\Microsoft"));

    Key closed;
    std::string name;
    EXPECT_EQ(closed.enumKey(0, name), Result::InvalidParameter);
    EXPECT_EQ(closed.setString("x", "y"), Result::InvalidParameter);
}

}  // namespace
}  // namespace platform::registry
