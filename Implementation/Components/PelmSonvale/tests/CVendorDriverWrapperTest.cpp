#include "CVendorDriverWrapper.h"

#include "testing/FakeDriverControl.h"
#include "PelmSonvale/SonvaleTypes.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmsonvale;
using pelmsonvale::testing::FakeDriverControl;

TEST(CVendorDriverWrapper, CallsEveryFunctionOfTheDriverAndPassesItsResultsOn)
{
    FakeDriverControl fake(FAKE_DRIVER);
    fake.script("PollValue", -2);
    fake.script("Model", 4);
    CVendorDriverWrapper driver;
    ASSERT_TRUE(driver.Load(FAKE_DRIVER));
    EXPECT_TRUE(driver.Load("/nonexistent/other.so"));  // the first library stays

    std::int16_t poll = 0;
    EXPECT_EQ(driver.ReqAudiCon2(&poll, 77), 1);
    EXPECT_EQ(poll, -2);
    fake.script("ConnectResult", -9);
    EXPECT_EQ(driver.ReqAudiCon(&poll), -9);
    marlet::DriverPointRecord points[10];
    std::int32_t pointCount = -1;
    std::int32_t blockCount = -1;
    fake.script("ReadResult", -8);
    EXPECT_EQ(driver.ReadAudiMeas(points, 10, &pointCount, &blockCount, nullptr), -8);
    EXPECT_EQ(pointCount, 0);
    driver.ChangeInstrumentType(1);
    EXPECT_EQ(driver.InstrumentModel(), 4);
    EXPECT_EQ(driver.SetupAudi2(5), 1);
    EXPECT_EQ(driver.SetupAudi(), 1);
    EXPECT_EQ(driver.ReleaseAudiCon(), 1);
    EXPECT_EQ(fake.takeCalls(),
              "ReqAudiCon2(77) ReqAudiCon() ReadAudiMeas(10) ChangeInstrumentType(1) InstrumentModel() "
              "SetupAudi2(5) SetupAudi() ReleaseAudiCon() ");
}

TEST(CVendorDriverWrapper, MissingFunctionsAndMissingLibrariesGiveTheFailureResults)
{
    FakeDriverControl fake(FAKE_FIRST_GENERATION_DRIVER);
    CVendorDriverWrapper firstGeneration;
    ASSERT_TRUE(firstGeneration.Load(FAKE_FIRST_GENERATION_DRIVER));
    CVendorDriverWrapper unloaded;
    EXPECT_FALSE(unloaded.Load("/nonexistent/driver.so"));
    EXPECT_FALSE(unloaded.Load(""));

    std::int16_t poll = 12;
    EXPECT_EQ(firstGeneration.ReqAudiCon2(&poll, 1), TFuncResult_er_Sonvale);
    EXPECT_EQ(firstGeneration.SetupAudi2(1), TFuncResult_er_Sonvale);
    EXPECT_EQ(poll, 12);
    EXPECT_EQ(firstGeneration.ReqAudiCon(&poll), 1);
    EXPECT_EQ(poll, 300);
    EXPECT_EQ(fake.takeCalls(), "ReqAudiCon() ");

    EXPECT_EQ(unloaded.ReqAudiCon2(&poll, 1), TFuncResult_er_Sonvale);
    EXPECT_EQ(unloaded.ReqAudiCon(&poll), TFuncResult_er_Sonvale);
    EXPECT_EQ(unloaded.ReleaseAudiCon(), TFuncResult_er_Sonvale);
    EXPECT_EQ(unloaded.ReadAudiMeas(nullptr, 10, nullptr, nullptr, nullptr), TFuncResult_er_Sonvale);
    EXPECT_EQ(unloaded.SetupAudi(), TFuncResult_er_Sonvale);
    EXPECT_EQ(unloaded.InstrumentModel(), ModelName_Unknown);
    unloaded.ChangeInstrumentType(0);
}

TEST(CVendorDriverWrapper, AnExceptionInsideTheDriverBecomesTheFailureResult)
{
    FakeDriverControl fake(FAKE_DRIVER);
    CVendorDriverWrapper driver;
    ASSERT_TRUE(driver.Load(FAKE_DRIVER));
    std::int16_t poll = 0;
    const struct {
        const char* function;
        std::function<std::int32_t()> call;
        std::int32_t expected;
    } cases[] = {
        {"ReqAudiCon2", [&] { return driver.ReqAudiCon2(&poll, 0); }, TFuncResult_er_Sonvale},
        {"ReqAudiCon", [&] { return driver.ReqAudiCon(&poll); }, TFuncResult_er_Sonvale},
        {"ReleaseAudiCon", [&] { return driver.ReleaseAudiCon(); }, TFuncResult_er_Sonvale},
        {"SetupAudi2", [&] { return driver.SetupAudi2(0); }, TFuncResult_er_Sonvale},
        {"InstrumentModel", [&] { return driver.InstrumentModel(); }, ModelName_Unknown},
        {"ChangeInstrumentType", [&] { driver.ChangeInstrumentType(1); return 0; }, 0},
    };
    for (const auto& c : cases) {
        fake.throwIn(c.function);
        EXPECT_EQ(c.call(), c.expected) << c.function;
    }
    fake.throwIn("");
    EXPECT_EQ(driver.ReqAudiCon(&poll), 1) << "a driver that threw once is still called";
}

TEST(CVendorDriverWrapper, SetupFallsBackToTheFirstGenerationFunction)
{
    FakeDriverControl fake(FAKE_DRIVER);
    FakeDriverControl firstGeneration(FAKE_FIRST_GENERATION_DRIVER);
    EXPECT_EQ(RunDriverSetup(FAKE_DRIVER, 42), 1);
    EXPECT_EQ(fake.takeCalls(), "SetupAudi2(42) ");

    fake.script("SetupResult", -9);
    EXPECT_EQ(RunDriverSetup(FAKE_DRIVER, 42), -9);
    EXPECT_EQ(fake.takeCalls(), "SetupAudi2(42) ");

    fake.throwIn("SetupAudi2");
    EXPECT_EQ(RunDriverSetup(FAKE_DRIVER, 42), -9);
    EXPECT_EQ(fake.takeCalls(), "SetupAudi2(42) SetupAudi() ");

    EXPECT_EQ(RunDriverSetup(FAKE_FIRST_GENERATION_DRIVER, 42), 1);
    EXPECT_EQ(firstGeneration.takeCalls(), "SetupAudi() ");
    EXPECT_EQ(RunDriverSetup("/nonexistent/driver.so", 42), TFuncResult_er_Sonvale);
}

}  // namespace
