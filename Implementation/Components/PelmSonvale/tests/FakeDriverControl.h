#pragma once
// The test's hold on a fake driver library: it keeps the library loaded for
// the test and scripts it through its Fake* functions.

#include "platform/system/Library.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace pelmsonvale::testing {

class FakeDriverControl {
public:
    explicit FakeDriverControl(const std::string& path) : m_library(path)
    {
        EXPECT_TRUE(m_library.isLoaded()) << m_library.error();
    }

    void script(const char* key, std::int32_t value)
    {
        m_library.function<void(const char*, std::int32_t)>("FakeScript")(key, value);
    }
    void throwIn(const char* function) { m_library.function<void(const char*)>("FakeThrowIn")(function); }
    // The driver calls since the last look, each as "Name(arguments) ".
    std::string takeCalls() { return m_library.function<const char*()>("FakeTakeCalls")(); }

private:
    platform::system::Library m_library;
};

}  // namespace pelmsonvale::testing
