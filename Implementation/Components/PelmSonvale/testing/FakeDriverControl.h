#pragma once
// The test's hold on a fake driver library: it keeps the library loaded for
// the test and scripts it through its Fake* functions.

#include "marlet/DriverRecords.h"
#include "platform/system/Library.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

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
    // Queues one read that writes these records and reports these counts
    // (the numbers of records given unless said otherwise).
    void queueRead(const std::vector<marlet::DriverPointRecord>& points,
                   const std::vector<marlet::DriverTestBlock>& blocks = {})
    {
        queueRead(points, static_cast<std::int32_t>(points.size()), blocks, static_cast<std::int32_t>(blocks.size()));
    }
    void queueRead(const std::vector<marlet::DriverPointRecord>& points, std::int32_t pointCount,
                   const std::vector<marlet::DriverTestBlock>& blocks, std::int32_t blockCount)
    {
        m_library.function<void(const marlet::DriverPointRecord*, std::int32_t, std::int32_t,
                                const marlet::DriverTestBlock*, std::int32_t, std::int32_t)>("FakeQueueRead")(
            points.data(), static_cast<std::int32_t>(points.size()), pointCount, blocks.data(),
            static_cast<std::int32_t>(blocks.size()), blockCount);
    }
    // The driver calls since the last look, each as "Name(arguments) ".
    std::string takeCalls() { return m_library.function<const char*()>("FakeTakeCalls")(); }
    // Whether the last release was made on this thread.
    bool releasedOnThisThread()
    {
        return m_library.function<std::size_t()>("FakeReleaseThread")() ==
               std::hash<std::thread::id>{}(std::this_thread::get_id());
    }

private:
    platform::system::Library m_library;
};

}  // namespace pelmsonvale::testing
