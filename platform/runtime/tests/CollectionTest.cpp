#include "platform/runtime/Collection.h"

#include "platform/runtime/tests/ErrorNumber.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform::runtime {
namespace {

using testing::errorNumberOf;

std::vector<std::string> membersOf(const Collection<std::string>& collection)
{
    return {collection.begin(), collection.end()};
}

class CollectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tests.Add("air left", "AC-L");
        tests.Add("no key");
        tests.Add("bone right", "BC-R");
    }

    Collection<std::string> tests;
};

TEST_F(CollectionTest, FindsMembersByOneBasedPositionAndByKeyWhateverItsCase)
{
    EXPECT_EQ(tests.Count(), 3);
    EXPECT_EQ(tests.Item(1), "air left");
    EXPECT_EQ(tests.Item(2), "no key");
    EXPECT_EQ(tests.Item("bc-r"), "bone right");
    EXPECT_EQ(tests.Item(Variant(2.5)), "no key");  // positions round half to even
    EXPECT_EQ(tests.Item(Variant(std::int16_t{3})), "bone right");
    EXPECT_TRUE(tests.Contains("ac-l"));
    EXPECT_FALSE(tests.Contains("3"));
}

TEST_F(CollectionTest, KeysIgnoreCaseBeyondAscii)
{
    tests.Add("umlaut", "Öhr");
    EXPECT_EQ(tests.Item("öHR"), "umlaut");
    EXPECT_EQ(errorNumberOf([&] { tests.Add("again", "ÖHR"); }), errors::DuplicateKey);
}

TEST_F(CollectionTest, RaisesTheRuntimesErrors)
{
    EXPECT_EQ(errorNumberOf([&] { tests.Add("twice", "ac-l"); }), errors::DuplicateKey);
    EXPECT_EQ(errorNumberOf([&] { tests.Item("unknown"); }), errors::InvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([&] { tests.Item("2"); }), errors::InvalidProcedureCall) << "a string is always a key";
    EXPECT_EQ(errorNumberOf([&] { tests.Item(0); }), errors::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { tests.Item(4); }), errors::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { tests.Item(Variant()); }), errors::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { tests.Item(Variant::null()); }), errors::InvalidUseOfNull);
    EXPECT_EQ(errorNumberOf([&] { tests.Remove("unknown"); }), errors::InvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([&] { tests.Remove(-1); }), errors::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { tests.Add("x", std::nullopt, 1, 2); }), errors::InvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([&] { tests.Add("x", std::nullopt, 4, Variant()); }), errors::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { tests.Add("x", std::nullopt, Variant(), "unknown"); }),
              errors::InvalidProcedureCall);
    EXPECT_EQ(membersOf(tests), (std::vector<std::string>{"air left", "no key", "bone right"}))
        << "a failed call changed the collection";
}

TEST_F(CollectionTest, AddsBeforeOrAfterAMemberAndRemovesByPositionOrKey)
{
    tests.Add("first", "F", 1, Variant());
    tests.Add("after air", std::nullopt, Variant(), "ac-l");
    tests.Add("last", std::nullopt, Variant(), 5);
    EXPECT_EQ(membersOf(tests),
              (std::vector<std::string>{"first", "air left", "after air", "no key", "bone right", "last"}));

    tests.Remove("AC-L");
    tests.Remove(1);
    EXPECT_EQ(membersOf(tests), (std::vector<std::string>{"after air", "no key", "bone right", "last"}));
    EXPECT_FALSE(tests.Contains("ac-l"));
    tests.Add("air left again", "ac-l");  // a removed key is free again
    EXPECT_EQ(tests.Item("AC-L"), "air left again");
    EXPECT_EQ(tests.Item("bc-r"), "bone right");
}

}  // namespace
}  // namespace platform::runtime
