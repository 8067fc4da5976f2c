#include "driver/DriverLibrary.h"

#include "driver/testing/DriverRecordBuilders.h"
#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <vector>

namespace marlet {
namespace {

// A session that connects as told and counts what it was asked.
class FakeSession : public Session {
public:
    struct Calls {
        int connects = 0;
        int releases = 0;
        int setups = 0;
        WindowHandle parent = -1;
    };

    FakeSession(Calls& calls, bool succeeds) : m_calls(calls), m_succeeds(succeeds) {}

    bool connect(DriverLibrary& library, WindowHandle parent) override
    {
        ++m_calls.connects;
        m_calls.parent = parent;
        if (!m_succeeds)
            library.lastError().recordSerialError(ErrorInvalidPort);
        return m_succeeds;
    }
    void release(DriverLibrary&) override { ++m_calls.releases; }
    bool showSetup(DriverLibrary&, WindowHandle parent) override
    {
        ++m_calls.setups;
        m_calls.parent = parent;
        return m_succeeds;
    }

private:
    Calls& m_calls;
    bool m_succeeds;
};

constexpr std::int32_t kAirLeft = makeTypeWord(CurveAirLeft, PointMeasurement, 0);

class DriverLibraryTest : public ::testing::Test {
protected:
    DriverLibrary library{"marlet", {}};
    FakeSession::Calls calls;
    std::vector<DriverPointRecord> points = std::vector<DriverPointRecord>(10);
    std::vector<DriverTestBlock> blocks = std::vector<DriverTestBlock>(10);
    std::int32_t pointCount = -1;
    std::int32_t blockCount = -1;

    void useSession(bool succeeds) { library.setSession(std::make_unique<FakeSession>(calls, succeeds)); }

    std::int32_t connect()
    {
        std::int16_t poll = 0;
        return library.reqAudiCon2(&poll, 0);
    }

    std::int32_t read(std::int32_t maximum)
    {
        return library.readAudiMeas(points.data(), maximum, &pointCount, &blockCount, blocks.data());
    }
};

TEST_F(DriverLibraryTest, ConnectWritesThePollIntervalInEveryState)
{
    useSession(true);
    EXPECT_EQ(library.reqAudiCon2(nullptr, 0), kResultFailed);
    EXPECT_EQ(calls.connects, 0);
    std::int16_t poll = 0;
    EXPECT_EQ(library.reqAudiCon2(&poll, 77), kResultOk);
    EXPECT_EQ(poll, 300);
    EXPECT_EQ(calls.parent, 77);
    poll = 0;
    EXPECT_EQ(library.reqAudiCon2(&poll, 0), kResultAlreadyConnected);
    EXPECT_EQ(poll, 300);
    EXPECT_EQ(calls.connects, 1);
}

TEST_F(DriverLibraryTest, FailedConnectLeavesTheLibraryDisconnected)
{
    useSession(false);
    EXPECT_EQ(connect(), kResultNotConnected);
    EXPECT_FALSE(library.connected());
    EXPECT_EQ(library.lastError().text(), "Invalid port.");
    EXPECT_EQ(read(10), kResultNotConnected);
    EXPECT_EQ(pointCount, -1) << "counts stay untouched while not connected";
    EXPECT_EQ(library.releaseAudiCon(), kResultNotConnected);
    EXPECT_EQ(calls.releases, 0);
}

TEST_F(DriverLibraryTest, WithoutAUserInterfaceConnectAndSetupSaySo)
{
    EXPECT_EQ(connect(), kResultNotConnected);
    EXPECT_EQ(library.lastError().text(), "Not supported.");
    EXPECT_EQ(library.setupAudi2(0), kResultFailed);
}

TEST_F(DriverLibraryTest, ReleaseDisconnectsOnce)
{
    useSession(true);
    ASSERT_EQ(connect(), kResultOk);
    EXPECT_EQ(library.releaseAudiCon(), kResultOk);
    EXPECT_EQ(library.releaseAudiCon(), kResultNotConnected);
    EXPECT_EQ(calls.releases, 1);
    EXPECT_EQ(connect(), kResultOk) << "a released library connects again";
}

TEST_F(DriverLibraryTest, SetupIsRefusedWhileConnected)
{
    useSession(true);
    EXPECT_EQ(library.setupAudi2(5), kResultOk);
    EXPECT_EQ(calls.parent, 5);
    ASSERT_EQ(connect(), kResultOk);
    EXPECT_EQ(library.setupAudi2(0), kResultAlreadyConnected);
    EXPECT_EQ(calls.setups, 1);
}

TEST_F(DriverLibraryTest, ReadMovesAtMostTheAskedNumberOldestFirst)
{
    useSession(true);
    ASSERT_EQ(connect(), kResultOk);
    for (int i = 0; i < 205; ++i)
        library.pushPoint(kAirLeft, 1000, i * 10);
    library.pushBlock(testing::TestBlockBuilder().testNumber(7).block());

    ASSERT_EQ(read(10), kResultOk);
    EXPECT_EQ(pointCount, 10);
    EXPECT_EQ(blockCount, 1);
    EXPECT_EQ(points[0].Level, 0);
    EXPECT_EQ(points[9].Level, 9);
    EXPECT_EQ(blocks[0].TestNumber, 7);

    int total = 10;
    int last = 9;
    while (read(10) == kResultOk && pointCount > 0) {
        EXPECT_EQ(blockCount, 0);
        EXPECT_EQ(points[0].Level, last + 1);
        last = points[pointCount - 1].Level;
        total += pointCount;
    }
    EXPECT_EQ(total, 200) << "a full ring drops the newest records";
    EXPECT_EQ(last, 199);
}

TEST_F(DriverLibraryTest, ReadWithNoRoomMovesNothing)
{
    useSession(true);
    ASSERT_EQ(connect(), kResultOk);
    library.pushPoint(kAirLeft, 1000, 250);
    for (std::int32_t maximum : {0, -3}) {
        ASSERT_EQ(library.readAudiMeas(nullptr, maximum, &pointCount, &blockCount, nullptr), kResultOk);
        EXPECT_EQ(pointCount, 0);
        EXPECT_EQ(blockCount, 0);
    }
    ASSERT_EQ(read(1), kResultOk);
    EXPECT_EQ(pointCount, 1);
}

TEST_F(DriverLibraryTest, ReadWithMissingBuffersFailsAndKeepsTheRecords)
{
    useSession(true);
    ASSERT_EQ(connect(), kResultOk);
    library.pushPoint(kAirLeft, 1000, 250);
    EXPECT_EQ(library.readAudiMeas(nullptr, 10, &pointCount, &blockCount, blocks.data()), kResultFailed);
    EXPECT_EQ(library.readAudiMeas(points.data(), 10, nullptr, &blockCount, blocks.data()), kResultFailed);
    EXPECT_EQ(library.readAudiMeas(points.data(), 10, &pointCount, nullptr, blocks.data()), kResultFailed);
    ASSERT_EQ(read(10), kResultOk);
    EXPECT_EQ(pointCount, 1);
}

TEST_F(DriverLibraryTest, ConnectEmptiesResultsOfTheEarlierConnection)
{
    useSession(true);
    ASSERT_EQ(connect(), kResultOk);
    library.pushPoint(kAirLeft, 1000, 250);
    library.pushBlock(testing::TestBlockBuilder().testNumber(1).block());
    ASSERT_EQ(library.releaseAudiCon(), kResultOk);
    ASSERT_EQ(connect(), kResultOk);
    ASSERT_EQ(read(10), kResultOk);
    EXPECT_EQ(pointCount, 0);
    EXPECT_EQ(blockCount, 0);
}

TEST_F(DriverLibraryTest, PointsArePushedInWholeDecibelsAtKnownFrequenciesOnly)
{
    useSession(true);
    ASSERT_EQ(connect(), kResultOk);
    struct Case {
        std::int32_t frequency;
        int tenths;
        bool kept;
        std::int32_t level;
    };
    const Case cases[] = {
        {1000, 250, true, 25},   {125, -100, true, -10},      {16000, 1200, true, 120},
        {1000, 255, true, 25},   {1000, -55, true, -5},       {1000, kLevelNone, false, 0},
        {1100, 250, false, 0},   {0, 250, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.frequency) + " Hz, " + std::to_string(c.tenths) + " tenths");
        EXPECT_EQ(library.pushPoint(kAirLeft, c.frequency, c.tenths), c.kept);
        ASSERT_EQ(read(10), kResultOk);
        ASSERT_EQ(pointCount, c.kept ? 1 : 0);
        if (c.kept) {
            EXPECT_EQ(points[0].Level, c.level);
            EXPECT_EQ(points[0].Frequency, c.frequency);
            EXPECT_EQ(points[0].TypeWord, kAirLeft);
        }
    }
}

TEST_F(DriverLibraryTest, InstrumentModelFollowsTheSelector)
{
    EXPECT_EQ(library.instrumentModel(), ModelNone);
    library.selectModels(ModelHalvec, ModelQuorrelV1);
    EXPECT_EQ(library.instrumentModel(), ModelHalvec);
    EXPECT_EQ(library.changeInstrumentType(1), 1);
    EXPECT_EQ(library.instrumentModel(), ModelQuorrelV1);
    EXPECT_EQ(library.changeInstrumentType(-4), -4);
    EXPECT_EQ(library.instrumentModel(), ModelQuorrelV1);
    EXPECT_EQ(library.changeInstrumentType(0), 0);
    EXPECT_EQ(library.instrumentModel(), ModelHalvec);
}

TEST(DriverLibrary, ConnectAndReleaseLoadAndFreeTheTranslations)
{
    platform::testing::TemporaryFolder folder;
    std::ofstream(folder.path() / "translate.txt") << "5907 Port belegt\n5502 HL\n";
    DriverLibrary library("marlet", {folder.path()});
    FakeSession::Calls calls;

    library.setSession(std::make_unique<FakeSession>(calls, false));
    std::int16_t poll = 0;
    ASSERT_EQ(library.reqAudiCon2(&poll, 0), kResultNotConnected);
    EXPECT_EQ(library.lastError().text(), "Port belegt") << "the failure is told in the translated text";

    library.setSession(std::make_unique<FakeSession>(calls, true));
    ASSERT_EQ(library.reqAudiCon2(&poll, 0), kResultOk);
    EXPECT_EQ(library.texts().text(5502), "HL");
    ASSERT_EQ(library.releaseAudiCon(), kResultOk);
    EXPECT_EQ(library.texts().text(5502), "HTL");

    ASSERT_EQ(library.setupAudi2(0), kResultOk);
    EXPECT_EQ(library.texts().text(5502), "HTL") << "set-up frees its texts when it ends";
}

TEST(DriverLibrary, WithoutMemoryForItsRingsItConnectsToNothing)
{
    DriverLibrary library("marlet", {}, [](std::size_t) -> void* { return nullptr; });
    FakeSession::Calls calls;
    library.setSession(std::make_unique<FakeSession>(calls, true));
    EXPECT_FALSE(library.usable());
    std::int16_t poll = 0;
    EXPECT_EQ(library.reqAudiCon2(&poll, 0), kResultNotConnected);
    EXPECT_EQ(library.lastError().text(), "Error allocating memory.");
    EXPECT_EQ(library.setupAudi2(0), kResultFailed);
    EXPECT_EQ(calls.connects + calls.setups, 0);
    EXPECT_FALSE(library.pushPoint(kAirLeft, 1000, 250));
}

}  // namespace
}  // namespace marlet
