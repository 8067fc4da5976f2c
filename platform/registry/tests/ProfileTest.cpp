#include "platform/registry/Key.h"
#include "platform/registry/Profile.h"

#include <gtest/gtest.h>

namespace platform::registry {
namespace {

TEST(RegistryProfile, EntriesLiveUnderTheMakersKeyAndFallBackWhenMissing)
{
    const Profile marlet("Pelmworks", "Marlet");
    EXPECT_EQ(marlet.getString("Default", "Model", "None"), "None");

    ASSERT_EQ(marlet.writeString("Tessil", "Port", "COM3"), Result::Success);
    ASSERT_EQ(marlet.writeString("Tessil", "Baud", "9600"), Result::Success);
    EXPECT_EQ(marlet.getString("tessil", "port", "COM1"), "COM3");
    EXPECT_EQ(marlet.getString("Tessil", "Flow", "CTS/RTS"), "CTS/RTS");
    EXPECT_EQ(Profile("Pelmworks", "Other").getString("Tessil", "Port", "COM1"), "COM1");

    Key section;
    ASSERT_EQ(openKey(Root::CurrentUser, "Software\\Pelmworks\\Marlet\\Tessil", Access::Write, section),
              Result::Success);
    std::string port;
    EXPECT_EQ(section.getString("Port", port), Result::Success);
    EXPECT_EQ(port, "COM3");

    // A value that is not text reads as missing.
    ASSERT_EQ(section.setDword("Baud", 9600), Result::Success);
    EXPECT_EQ(marlet.getString("Tessil", "Baud", "300"), "300");
}

TEST(RegistryProfile, EmptySectionOrEntryIsRefused)
{
    const Profile marlet("Pelmworks", "Marlet");
    EXPECT_EQ(marlet.writeString("", "Port", "COM3"), Result::InvalidParameter);
    EXPECT_EQ(marlet.writeString("Tessil", "", "COM3"), Result::InvalidParameter);
    EXPECT_EQ(marlet.getString("", "Port", "COM1"), "COM1");
    EXPECT_FALSE(keyExists(Root::CurrentUser, "Software\\Pelmworks\\Marlet"));
}

}  // namespace
}  // namespace platform::registry
