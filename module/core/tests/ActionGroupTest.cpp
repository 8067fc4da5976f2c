#include "module/core/ActionGroup.h"

#include "module/core/tests/HostActions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace brisance {
namespace {

using host::testing::ActionSpec;
using host::testing::HostFixture;
using testing::HostAction;
using testing::NewModuleServer;

constexpr host::Date kDay = 46000.0;
constexpr host::Date kStamp = 46000.4166666666715;
const host::Date kLaterStamp = std::nextafter(kStamp, 1e9);

// A client with these sessions of actions, made the current client.
struct ClientActions {
    HostFixture host;
    host::Client client = host.addClient({.firstName = "Ann", .lastName = "Smith"});

    explicit ClientActions(const std::vector<std::vector<ActionSpec>>& sessions)
    {
        for (std::size_t s = 0; s < sessions.size(); ++s) {
            const host::Session session = host.addSession(client, kDay + static_cast<double>(s));
            for (const ActionSpec& action : sessions[s])
                host.addAction(session, action);
        }
        host.selectClient(client);
    }
};

// The positions in session 1 of the actions in the group's slots; 0 for an empty slot.
std::vector<int> PositionsIn(const ActionGroup& group)
{
    std::vector<int> positions;
    for (const auto& action : group)
        positions.push_back(action ? action->get_index() : 0);
    return positions;
}

struct GroupCase {
    const char* name;
    std::vector<ActionSpec> actions;
    int shown;  // position of the action the host names
    std::vector<int> expected;
};

class GroupOfActionTest : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupOfActionTest, FillsTheSlotsFromTheActionAndItsSiblingsOfTheSameTimeStamp)
{
    const GroupCase& c = GetParam();
    ClientActions fixture({c.actions});
    EXPECT_EQ(PositionsIn(GroupOfAction(HostAction(1, c.shown))), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GroupOfActionTest,
    ::testing::Values(
        GroupCase{"AudiogramWithBothEars",
                  {{.code = 1, .timeStamp = kStamp},
                   {.code = 15, .format = 100, .timeStamp = kStamp},
                   {.code = 16, .format = 100, .timeStamp = kStamp}},
                  1,
                  {1, 2, 3}},
        GroupCase{"ImpedanceNamedFindsItsAudiogram",
                  {{.code = 1, .timeStamp = kStamp}, {.code = 16, .format = 100, .timeStamp = kStamp}},
                  2,
                  {1, 0, 2}},
        GroupCase{"UnequalStampsAreNotOneDocument",
                  {{.code = 1, .timeStamp = kStamp}, {.code = 15, .format = 100, .timeStamp = kLaterStamp}},
                  1,
                  {1, 0, 0}},
        GroupCase{"TheLaterOfTwoSiblingsOfOneCodeWins",
                  {{.code = 1, .timeStamp = kStamp},
                   {.code = 15, .format = 100, .timeStamp = kStamp},
                   {.code = 15, .format = 100, .timeStamp = kStamp}},
                  1,
                  {1, 3, 0}},
        GroupCase{"TheNamedActionKeepsItsSlot",
                  {{.code = 1, .timeStamp = kStamp}, {.code = 1, .timeStamp = kStamp}},
                  1,
                  {1, 0, 0}},
        GroupCase{"OtherCodesFillNoSlot",
                  {{.code = 7, .timeStamp = kStamp}, {.code = 1, .timeStamp = kStamp}},
                  1,
                  {2, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GroupOfAction, NoActionGivesAnEmptyGroup)
{
    EXPECT_EQ(PositionsIn(GroupOfAction(nullptr)), (std::vector<int>{0, 0, 0}));
}

struct LatestCase {
    const char* name;
    std::vector<std::vector<ActionSpec>> sessions;
    std::optional<std::pair<int, int>> expected;  // session and position
};

class LatestAudiogramActionTest : public ::testing::TestWithParam<LatestCase> {};

TEST_P(LatestAudiogramActionTest, FindsTheClientsLatestAudiogram)
{
    const LatestCase& c = GetParam();
    ClientActions fixture(c.sessions);
    const auto latest = LatestAudiogramAction(NewModuleServer()->get_CurrentClient());
    if (!c.expected) {
        EXPECT_FALSE(latest);
        return;
    }
    ASSERT_TRUE(latest);
    EXPECT_EQ(latest->get_ParentActions()->get_Parent()->get_index(), c.expected->first);
    EXPECT_EQ(latest->get_index(), c.expected->second);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LatestAudiogramActionTest,
    ::testing::Values(
        LatestCase{"NoActions", {{}}, std::nullopt},
        LatestCase{"ImpedanceOnly", {{{.code = 15, .format = 100}}}, std::nullopt},
        LatestCase{"LaterCreatedWins",
                   {{{.code = 1, .dateCreated = kDay + 1}, {.code = 1, .dateCreated = kDay + 3}},
                    {{.code = 1, .dateCreated = kDay + 2}}},
                   std::pair{1, 2}},
        LatestCase{"LastModifiedCountsWhenLater",
                   {{{.code = 1, .dateCreated = kDay, .lastModified = kDay + 9}, {.code = 1, .dateCreated = kDay + 5}}},
                   std::pair{1, 1}},
        LatestCase{"TheFirstOfEqualTimesWins",
                   {{{.code = 15, .dateCreated = kDay + 4}, {.code = 1, .dateCreated = kDay + 4}},
                    {{.code = 1, .dateCreated = kDay + 4}}},
                   std::pair{1, 2}},
        LatestCase{"NothingOnOrBeforeFirstJanuary1900",
                   {{{.code = 1, .dateCreated = 2.0}, {.code = 1, .dateCreated = 1.5}}},
                   std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LatestAudiogramAction, NoClientGivesNothing)
{
    EXPECT_FALSE(LatestAudiogramAction(nullptr));
}

TEST(IsActionLinked, ByTheIndexesOfTheEntryAndItsSession)
{
    HostFixture host;
    const host::Client client = host.addClient({.firstName = "Ann", .lastName = "Smith"});
    const host::Session first = host.addSession(client, kDay);
    const host::Session second = host.addSession(client, kDay + 1);
    const host::Action target = host.addAction(second, {.code = 1});
    const host::Action sameIndexOtherSession = host.addAction(first, {.code = 1});
    const host::Action linking = host.addAction(second, {.code = 7});
    host.addAction(second, {.code = 1});
    host.link(linking, sameIndexOtherSession);
    host.selectClient(client);
    const auto modelClient = NewModuleServer()->get_CurrentClient();

    EXPECT_FALSE(IsActionLinked(*HostAction(2, 1), *modelClient)) << "a link to action 1 of another session";
    host.link(linking, target);
    EXPECT_TRUE(IsActionLinked(*HostAction(2, 1), *modelClient));
    EXPECT_FALSE(IsActionLinked(*HostAction(2, 3), *modelClient));
}

}  // namespace
}  // namespace brisance
