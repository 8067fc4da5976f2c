#include "platform/system/Library.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace platform::system;

TEST(Library, FindsFunctionsByExactNameAndKnowsItsFolder)
{
    Library library(TEST_LIBRARY);
    ASSERT_TRUE(library.isLoaded()) << library.error();
    const auto add = library.function<int(int, int)>("Add");
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add(2, 3), 5);
    EXPECT_EQ(library.symbol("add"), nullptr);
    EXPECT_EQ(library.symbol("Subtract"), nullptr);
    EXPECT_EQ(library.folder(), std::filesystem::path(TEST_LIBRARY).parent_path());
    EXPECT_EQ(fileContaining(reinterpret_cast<const void*>(add)), std::filesystem::path(TEST_LIBRARY));
}

TEST(Library, RefusesWhatCannotLoadWithAReason)
{
    for (const char* path : {"", "/nonexistent/driver.so", __FILE__, TEST_FAILING_INIT_LIBRARY,
                             TEST_THROWING_INIT_LIBRARY}) {
        Library library(path);
        EXPECT_FALSE(library.isLoaded()) << path;
        EXPECT_FALSE(library.error().empty()) << path;
        EXPECT_EQ(library.symbol("Add"), nullptr) << path;
        EXPECT_TRUE(library.folder().empty()) << path;
    }
}

TEST(Library, InitialisesOnceAndExitsWhenTheLastHolderFrees)
{
    ::unsetenv("SYSTEM_TEST_LIBRARY_EXITED");
    Library first(TEST_LIBRARY);
    Library second;
    ASSERT_TRUE(second.load(TEST_LIBRARY));
    EXPECT_EQ(second.function<int()>("Initialisations")(), 1);

    first.free();
    EXPECT_FALSE(first.isLoaded());
    EXPECT_EQ(std::getenv("SYSTEM_TEST_LIBRARY_EXITED"), nullptr);
    Library moved = std::move(second);
    EXPECT_FALSE(second.isLoaded());
    moved.free();
    EXPECT_NE(std::getenv("SYSTEM_TEST_LIBRARY_EXITED"), nullptr);
}

TEST(Library, GuardedCallsTurnMissingOrThrowingFunctionsIntoFailures)
{
    Library library(TEST_LIBRARY);
    ASSERT_TRUE(library.isLoaded());
    EXPECT_EQ(callGuarded(-15, library.function<int(int, int)>("Add"), 20, 22), 42);
    EXPECT_EQ(callGuarded(-15, library.function<int()>("Throws")), -15);
    EXPECT_EQ(callGuarded(-15, library.function<int()>("Missing")), -15);
    EXPECT_FALSE(callGuardedVoid(library.function<void()>("ThrowsToo")));
    EXPECT_FALSE(callGuardedVoid(library.function<void()>("Missing")));
}

}  // namespace
