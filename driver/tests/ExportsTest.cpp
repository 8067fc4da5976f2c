#include "marlet/DriverExports.h"
#include "platform/system/Library.h"
#include "platform/system/StringTable.h"

#include <gtest/gtest.h>

namespace marlet {
namespace {

// The built library, loaded by path and bound by name as the link server does.
TEST(Exports, EveryFunctionIsFoundByNameAndAnswersWhileNotConnected)
{
    const platform::system::Library library(MARLET_LIBRARY_PATH);
    ASSERT_TRUE(library.isLoaded()) << library.error();

    auto reqAudiCon2 = library.function<std::remove_pointer_t<ReqAudiCon2Function>>("ReqAudiCon2");
    auto reqAudiCon = library.function<std::remove_pointer_t<ReqAudiConFunction>>("ReqAudiCon");
    auto releaseAudiCon = library.function<std::remove_pointer_t<ReleaseAudiConFunction>>("ReleaseAudiCon");
    auto readAudiMeas = library.function<std::remove_pointer_t<ReadAudiMeasFunction>>("ReadAudiMeas");
    auto instrumentModel = library.function<std::remove_pointer_t<InstrumentModelFunction>>("InstrumentModel");
    auto changeInstrumentType =
        library.function<std::remove_pointer_t<ChangeInstrumentTypeFunction>>("ChangeInstrumentType");
    auto setupAudi2 = library.function<std::remove_pointer_t<SetupAudi2Function>>("SetupAudi2");
    auto setupAudi = library.function<std::remove_pointer_t<SetupAudiFunction>>("SetupAudi");
    ASSERT_TRUE(reqAudiCon2 && reqAudiCon && releaseAudiCon && readAudiMeas && instrumentModel &&
                changeInstrumentType && setupAudi2 && setupAudi);

    std::int16_t poll = 0;
    EXPECT_EQ(reqAudiCon2(&poll, 0), kResultNotConnected);
    EXPECT_EQ(poll, kPollInterval);
    poll = 0;
    EXPECT_EQ(reqAudiCon(&poll), kResultNotConnected);
    EXPECT_EQ(poll, kPollInterval);
    EXPECT_EQ(releaseAudiCon(), kResultNotConnected);

    DriverPointRecord points[1];
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

TEST(Exports, TheLibraryCarriesItsStringTable)
{
    const platform::system::Library library(MARLET_LIBRARY_PATH);
    ASSERT_TRUE(library.isLoaded()) << library.error();
    EXPECT_EQ(platform::system::loadString(library, 5601, 119), "Port Setup Error");
    EXPECT_EQ(platform::system::loadString(library, 5806, 119), "Lost characters:  Resend.");
}

}  // namespace
}  // namespace marlet
