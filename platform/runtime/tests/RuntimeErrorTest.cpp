#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

namespace platform::runtime {
namespace {

TEST(RuntimeError, CarriesNumberDescriptionAndSource)
{
    try {
        raise(1000 + 513, "The action could not be saved", "ModuleServer");
        FAIL() << "nothing was raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 1513);
        EXPECT_EQ(error.description(), "The action could not be saved");
        EXPECT_STREQ(error.what(), "The action could not be saved");
        EXPECT_EQ(error.source(), "ModuleServer");
    }
}

TEST(RuntimeError, TakesTheRuntimesTextWhenGivenNone)
{
    EXPECT_EQ(RuntimeError(errors::TypeMismatch).description(), "Type mismatch");
    EXPECT_EQ(RuntimeError(errors::DuplicateKey).description(),
              "This key is already associated with an element of this collection");
    EXPECT_EQ(RuntimeError(errors::InputPastEndOfFile).description(), "Input past end of file");
    EXPECT_EQ(RuntimeError(31999).description(), "Application-defined or object-defined error");
    EXPECT_STREQ(RuntimeError(errors::Overflow).what(), "Overflow");
}

}  // namespace
}  // namespace platform::runtime
