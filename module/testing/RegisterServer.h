#pragma once

#include <filesystem>

namespace brisance::testing {

// Loads a built server library and registers its classes in the test's machine
// root, so that creation by class id finds them. Fails the running test (a
// fatal GoogleTest failure) when the library cannot be loaded or registered;
// call it through ASSERT_NO_FATAL_FAILURE or from SetUp.
void registerServer(const std::filesystem::path& library);

}  // namespace brisance::testing
