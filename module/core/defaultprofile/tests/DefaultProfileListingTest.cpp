// The shipped default profile is what a new user receives: its listing is
// checked in, so that no default changes without a reviewed change of that
// file (the command that regenerates it is in ../CMakeLists.txt).

#include "module/core/StoreSnapshot.h"
#include "module/core/defaultprofile/ProfileListing.h"

#include "vellum/VellumKeyedStore.h"

#include "platform/com/Object.h"
#include "platform/runtime/Variant.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace brisance {
namespace {

using platform::runtime::Variant;

std::string FileText(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(DefaultProfile, ListsAsTheCheckedInListing)
{
    EXPECT_EQ(ProfileListing(ReadStoreSnapshot(BRISANCE_DEFAULT_PROFILE)), FileText(BRISANCE_DEFAULT_PROFILE_LISTING))
        << "the shipped default profile changed; if that is meant, regenerate DefaultProfile.listing";
}

TEST(ProfileListing, GivesOneLinePerValueOrderedByCategorySectionAndKey)
{
    const auto store = platform::com::make<vellum::VellumKeyedStore>();
    store->put_Category(100);
    store->put_Section(1);
    store->put_Value("Flag", true);
    store->put_Value("Missing", Variant::null());
    store->put_Category(0);
    store->put_Section(0);
    store->put_Value("b", "x");
    store->put_Value("A", std::int32_t{5});
    const std::uint8_t bytes[] = {1, 2};
    store->put_Value("Bytes", Variant::fromBytes(bytes));

    EXPECT_EQ(ProfileListing(store->get_Data()),
              "0\t0\tA\tLong\t5\n"
              "0\t0\tBytes\tByte()\t(1,2)\n"
              "0\t0\tb\tString\tx\n"
              "100\t1\tFlag\tBoolean\tTrue\n"
              "100\t1\tMissing\tNull\tNull\n");
}

}  // namespace
}  // namespace brisance
