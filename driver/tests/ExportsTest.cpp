#include "marlet/DriverExports.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace marlet {
namespace {

// The built library, loaded by path and bound by name as the link server does.
class Exports : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(m_library, nullptr) << dlerror(); }
    void TearDown() override
    {
        if (m_library)
            dlclose(m_library);
    }

    template <typename Function>
    Function bind(const char* name)
    {
        void* address = dlsym(m_library, name);
        EXPECT_NE(address, nullptr) << name << " is not exported";
        return reinterpret_cast<Function>(address);
    }

private:
    void* m_library = dlopen(MARLET_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
};

TEST_F(Exports, EveryFunctionIsFoundByNameAndAnswersWhileNotConnected)
{
    auto reqAudiCon2 = bind<ReqAudiCon2Function>("ReqAudiCon2");
    auto reqAudiCon = bind<ReqAudiConFunction>("ReqAudiCon");
    auto releaseAudiCon = bind<ReleaseAudiConFunction>("ReleaseAudiCon");
    auto readAudiMeas = bind<ReadAudiMeasFunction>("ReadAudiMeas");
    auto instrumentModel = bind<InstrumentModelFunction>("InstrumentModel");
    auto changeInstrumentType = bind<ChangeInstrumentTypeFunction>("ChangeInstrumentType");
    auto setupAudi2 = bind<SetupAudi2Function>("SetupAudi2");
    auto setupAudi = bind<SetupAudiFunction>("SetupAudi");
    if (HasFailure())
        return;

    std::int16_t poll = 0;
    EXPECT_EQ(reqAudiCon2(&poll, 0), kResultNotConnected);
    EXPECT_EQ(poll, kPollInterval);
    poll = 0;
    EXPECT_EQ(reqAudiCon(&poll), kResultNotConnected);
    EXPECT_EQ(poll, kPollInterval);
    EXPECT_EQ(releaseAudiCon(), kResultNotConnected);

    DriverPointRecord points[10];
    DriverTestBlock block;
    std::int32_t pointCount = -1, blockCount = -1;
    EXPECT_EQ(readAudiMeas(points, 1, &pointCount, &blockCount, &block), kResultNotConnected);
    EXPECT_EQ(pointCount, -1);

    EXPECT_EQ(instrumentModel(), ModelNone);
    EXPECT_EQ(changeInstrumentType(1), 1);
    EXPECT_EQ(instrumentModel(), ModelNone);
    EXPECT_EQ(setupAudi2(0), kResultFailed);
    EXPECT_EQ(setupAudi(), kResultFailed);
}

}  // namespace
}  // namespace marlet
