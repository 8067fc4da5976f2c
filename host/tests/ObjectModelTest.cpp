#include "host/HostErrors.h"
#include "host/testing/RaisedNumber.h"
#include "host/ModuleServer.h"
#include "host/testing/HostFixture.h"

#include "platform/com/HResult.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using namespace host;
using host::testing::raisedNumber;
using host::testing::HostFixture;
using host::testing::kAudiogramModule;

constexpr Date kMonday = 46000.0;
constexpr Date kStamp = 46000.4166666666715;

struct ObjectModelTest : ::testing::Test {
    HostFixture host;
    User user = host.addUser("JD", "Jo Doe");
    Client client = host.addClient({.firstName = "Ann", .middleName = "B", .lastName = "Smith", .clientNo = "4711"});
    Session first = host.addSession(client, kMonday);
    Session second = host.addSession(client, kMonday + 7);
};

TEST_F(ObjectModelTest, ParentActionsHoldTheSiblingsAndTimeStampsCompareExactly)
{
    const Action audiogram = host.addAction(second, {.code = 1, .timeStamp = kStamp});
    host.addAction(second, {.code = 15, .format = 100, .timeStamp = kStamp});
    host.addAction(second, {.code = 16, .format = 100, .timeStamp = std::nextafter(kStamp, 1e9)});
    host.addAction(first, {.code = 15, .format = 100, .timeStamp = kStamp});

    std::vector<int> sameDocument;
    for (const Action& sibling : audiogram.parentActions().all())
        if (sibling.timeStamp() == audiogram.timeStamp()) sameDocument.push_back(sibling.dataType().code());
    EXPECT_EQ(sameDocument, (std::vector<int>{1, 15})) << "the group is the session's actions of one exact time stamp";
    EXPECT_EQ(audiogram.parentActions().parent().index(), 2);
    EXPECT_EQ(audiogram.parentActions().count(), 3);
}

TEST_F(ObjectModelTest, WalkingSessionsActionsAndLinksFindsTheLinkedActionByItsIndexes)
{
    const Action earlier = host.addAction(first, {.code = 1});
    const Action target = host.addAction(second, {.code = 1});
    const Action linking = host.addAction(second, {.code = 7});
    host.link(linking, target);
    host.link(linking, earlier);

    std::vector<std::pair<int, int>> linked;  // (session index, action index) of every link
    for (const Session& session : client.sessions().all())
        for (const Action& action : session.actions().all())
            for (const Action& entry : action.linkedActions())
                linked.emplace_back(entry.parentActions().parent().index(), entry.index());
    EXPECT_EQ(linked, (std::vector<std::pair<int, int>>{{2, 1}, {1, 1}}));
    EXPECT_EQ(target.index(), 1);
    EXPECT_EQ(client.sessions().item(2).actions().item(1).id(), target.id());
}

TEST_F(ObjectModelTest, ANewActionAddedToTheCurrentSessionIsStoredAndReadBack)
{
    host.select(client, user, second);
    host.addAction(second, {.code = 15});
    ModuleServer server;
    ASSERT_EQ(server.getShowAction(kAudiogramModule), std::nullopt);

    Action action;
    action.setDateCreated(kMonday - 3);
    action.dataType().setCode(1);
    action.dataType().setFormat(200);
    action.setDescription("New audiogram");
    action.setPublicData(Bytes{1, 2, 3});
    action.setPrivateData(std::nullopt);
    EXPECT_EQ(action.dataType().code(), 1) << "a new action keeps its values until it is added";

    Actions actions = server.currentSession()->actions();
    const Action stored = actions.add(action);
    stored.setTimeStamp(kStamp);

    EXPECT_TRUE(action.isStored()) << "the object added is the stored action";
    EXPECT_EQ(stored.index(), actions.count());
    const Action readBack = ModuleServer().currentSession()->actions().item(2);
    EXPECT_EQ(readBack.id(), stored.id());
    EXPECT_EQ(readBack.dataType().code(), 1);
    EXPECT_EQ(readBack.dataType().format(), 200);
    EXPECT_EQ(readBack.dateCreated(), kMonday - 3);
    EXPECT_EQ(readBack.description(), "New audiogram");
    EXPECT_EQ(readBack.publicData(), (Bytes{1, 2, 3}));
    EXPECT_EQ(readBack.privateData(), std::nullopt);
    EXPECT_EQ(readBack.timeStamp(), kStamp);
    EXPECT_EQ(readBack.creatorModuleId(), kAudiogramModule);
    EXPECT_EQ(readBack.userInitials(), "JD");
    EXPECT_GT(readBack.lastModified(), readBack.dateCreated());

    EXPECT_EQ(raisedNumber([&] { actions.add(action); }), errors::InvalidCall) << "added twice";
    EXPECT_EQ(actions.count(), 2);
}

TEST_F(ObjectModelTest, ModuleDataRaisesWhileNothingIsStoredThenKeepsWhatTheModuleWrote)
{
    host.selectUser(user);
    ModuleServer server;
    server.getShowAction(kAudiogramModule);
    const User current = *server.currentUser();
    EXPECT_EQ(current.initials(), "JD");
    EXPECT_EQ(raisedNumber([&] { current.moduleData(server.moduleId()); }), errors::NoModuleData);
    current.setModuleData(server.moduleId(), Bytes{7, 8});
    EXPECT_EQ(ModuleServer().currentUser()->moduleData(kAudiogramModule), (Bytes{7, 8}));
    EXPECT_EQ(raisedNumber([&] { current.moduleData(0x300001); }), errors::NoModuleData)
        << "another module's data is its own";
}

TEST_F(ObjectModelTest, TheServerGivesWhatTheHostChoseAndNothingOtherwise)
{
    const Action audiogram = host.addAction(first, {.code = 1});
    const Action impedance = host.addAction(first, {.code = 16});
    ModuleServer server;
    EXPECT_FALSE(server.currentClient() || server.currentUser() || server.currentSession());
    EXPECT_FALSE(server.getPrintAction(kAudiogramModule));
    EXPECT_EQ(server.languageId(), 0);

    host.select(client, user, first);
    host.showAction(audiogram);
    host.printAction(impedance);
    host.setLanguage(1031);
    EXPECT_EQ(server.currentClient()->clientNo(), "4711");
    EXPECT_EQ(server.currentClient()->middleName(), "B");
    EXPECT_EQ(server.currentClient()->birthDate(), std::nullopt);
    EXPECT_EQ(server.getShowAction(kAudiogramModule)->id(), audiogram.id());
    EXPECT_EQ(server.getPrintAction(kAudiogramModule)->id(), impedance.id());
    EXPECT_EQ(server.languageId(), 1031);
}

TEST_F(ObjectModelTest, PositionsOutsideTheCollectionsRaise)
{
    host.addAction(first, {});
    const std::pair<const char*, std::function<void()>> calls[] = {
        {"session 0", [&] { client.sessions().item(0); }},
        {"session 3", [&] { client.sessions().item(3); }},
        {"action 0", [&] { first.actions().item(0); }},
        {"action 2", [&] { first.actions().item(2); }},
        {"index of a new action", [] { Action().index(); }},
        {"parent of a new action", [] { Action().parentActions(); }},
    };
    for (const auto& [what, call] : calls) EXPECT_NE(raisedNumber(call), 0) << what;
}

TEST_F(ObjectModelTest, AProvokedServerFaultOnAWriteLeavesTheActionAsItWas)
{
    const Action action = host.addAction(first, {.description = "kept"});
    host.database().provokeWriteFailures(platform::com::RPC_E_SERVERFAULT, "The server threw an exception.");
    EXPECT_EQ(raisedNumber([&] { action.setDescription("lost"); }), platform::com::RPC_E_SERVERFAULT);
    EXPECT_EQ(action.description(), "kept");
}

}  // namespace
