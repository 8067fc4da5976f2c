#include "host/HostContext.h"
#include "host/HostErrors.h"
#include "host/HostInterfaces.h"
#include "host/testing/HostFixture.h"
#include "host/testing/RaisedNumber.h"

#include "platform/com/Creation.h"
#include "platform/com/VariantEnumerator.h"
#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace host;
using host::testing::HostFixture;
using host::testing::kAudiogramModule;
using host::testing::raisedNumber;
using platform::com::ComPtr;
using platform::com::createInstance;
using platform::runtime::Variant;

constexpr Date kVisit = 46000.0;
constexpr Date kStamp = 46000.4166666666715;

// Every object that a collection's enumerator gives, as interface I.
template <class I, class Collection>
std::vector<ComPtr<I>> enumerate(Collection* collection)
{
    const auto enumerator = collection->get__NewEnum().template as<platform::com::IEnumVARIANT>();
    std::vector<ComPtr<I>> objects;
    Variant item;
    while (enumerator->Next(1, &item, nullptr) == platform::com::S_OK) objects.push_back(item.toObject().template as<I>());
    return objects;
}

// What dispatch gives for a property read by name, with the error it raised.
struct LateBound {
    platform::com::HRESULT result;
    Variant value;
    platform::com::ExceptionInfo exception;
};

LateBound lateBound(IDispatch* object, const std::string& name)
{
    LateBound bound{};
    platform::com::DISPID dispid = platform::com::DISPID_UNKNOWN;
    bound.result = platform::com::dispidOf(object, name, &dispid);
    if (platform::com::succeeded(bound.result))
        bound.result = object->Invoke(dispid, platform::com::DISPATCH_PROPERTYGET, {}, &bound.value, &bound.exception);
    return bound;
}

struct HostObjectsTest : ::testing::Test {
    HostFixture host;
    User user = host.addUser("JD");
    Client client = host.addClient({.firstName = "Ann", .middleName = "B", .lastName = "Smith", .clientNo = "4711",
                                    .birthDate = 20000.0});
    Session earlier = host.addSession(client, kVisit - 30);
    Session today = host.addSession(client, kVisit);
    ComPtr<IModuleServer> server;

    void startModule()
    {
        host.select(client, user, today);
        ASSERT_EQ(createInstance(kModuleServerClsid, server), platform::com::S_OK);
    }

    ComPtr<IAction> shownAction()
    {
        ComPtr<IAction> shown;
        server->GetShowAction(kAudiogramModule, nullptr, shown.put(), nullptr);
        return shown;
    }
};

TEST_F(HostObjectsTest, TheModuleServerGivesTheShownActionItsSiblingsAndTheClient)
{
    host.addAction(today, {.code = 7});
    const Action audiogram = host.addAction(today, {.code = 1, .timeStamp = kStamp});
    host.addAction(today, {.code = 15, .format = 100, .timeStamp = kStamp});
    host.showAction(audiogram);
    startModule();

    ComPtr<IAction> shown;
    Variant context("untouched");
    Variant spare("untouched");
    server->GetShowAction(kAudiogramModule, &context, shown.put(), &spare);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(context.isEmpty() && spare.isEmpty());
    EXPECT_EQ(shown->get_index(), 2);
    EXPECT_EQ(shown->get_TimeStamp().days, kStamp);
    std::vector<std::int32_t> codes;
    for (const auto& sibling : enumerate<IAction>(shown->get_ParentActions().get()))
        codes.push_back(sibling->get_DataType()->get_Code());
    EXPECT_EQ(codes, (std::vector<std::int32_t>{7, 1, 15}));

    const ComPtr<IClient> current = server->get_CurrentClient();
    EXPECT_EQ(current->get_MiddleName(), "B");
    EXPECT_EQ(current->get_ClientNo(), "4711");
    EXPECT_EQ(current->get_BirthDate().toDate().days, 20000.0);
    EXPECT_EQ(enumerate<ISession>(current->get_Sessions().get()).size(), 2u);
}

TEST_F(HostObjectsTest, IndexOfActionsAndSessionsIsReadByNameThroughDispatch)
{
    host.addAction(earlier, {.code = 7});
    const Action first = host.addAction(earlier, {.code = 1});
    const Action linking = host.addAction(today, {.code = 1});
    host.link(linking, first);
    host.showAction(linking);
    startModule();
    const ComPtr<IAction> shown = shownAction();
    const auto linked = enumerate<IAction>(shown->get_LinkedActions().get());
    ASSERT_EQ(linked.size(), 1u);

    const auto sessionOf = [](IAction* action) { return action->get_ParentActions()->get_Parent(); };
    const ComPtr<ISession> session = sessionOf(linked[0].get());
    const std::pair<ComPtr<IDispatch>, std::int32_t> cases[] = {
        {ComPtr<IDispatch>(linked[0]), 2}, {ComPtr<IDispatch>(session), 1},
        {ComPtr<IDispatch>(shown), 1},     {ComPtr<IDispatch>(sessionOf(shown.get())), 2}};
    for (const auto& [object, expected] : cases) {
        const LateBound index = lateBound(object.get(), "index");
        ASSERT_EQ(index.result, platform::com::S_OK);
        EXPECT_EQ(index.value.toLong(), expected);
    }
    EXPECT_EQ(lateBound(session.get(), "Index").value.toLong(), 1) << "names are found regardless of case";
}

TEST_F(HostObjectsTest, ANewActionAddedToTheCurrentSessionComesBackStored)
{
    startModule();
    ComPtr<IAction> action;
    ASSERT_EQ(createInstance(kActionClsid, action), platform::com::S_OK);
    action->put_DateCreated(platform::runtime::Date{kVisit});
    const ComPtr<IDataType> type = action->get_DataType();
    type->put_Code(1);
    type->put_Format(200);
    action->put_Description("New audiogram");
    action->put_PublicData(Variant::fromBytes(std::vector<std::uint8_t>{1, 2, 3}));
    action->put_PrivateData(Variant::null());

    const ComPtr<IActions> actions = server->get_CurrentSession()->get_Actions();
    const ComPtr<IAction> stored = actions->Add(action.get());
    stored->put_TimeStamp(platform::runtime::Date{kStamp});

    const ComPtr<IAction> last = actions->Item(actions->get_Count());
    EXPECT_EQ(last->get_index(), stored->get_index());
    EXPECT_EQ(last->get_PublicData().toBytes(), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(last->get_PrivateData().isNull());
    EXPECT_EQ(last->get_Description(), "New audiogram");
    EXPECT_EQ(last->get_DataType()->get_Format(), 200);
    EXPECT_EQ(last->get_CreatorModuleID(), kAudiogramModule);
    EXPECT_EQ(last->get_UserInitials(), "JD");
    EXPECT_EQ(last->get_TimeStamp().days, kStamp);

    EXPECT_EQ(raisedNumber([&] { action->put_PublicData(Variant("text")); }), platform::runtime::errors::TypeMismatch);
    EXPECT_EQ(raisedNumber([&] { actions->Add(nullptr); }), platform::com::E_INVALIDARG);
    EXPECT_EQ(raisedNumber([&] { actions->Add(action.get()); }), errors::InvalidCall) << "added twice";
}

TEST_F(HostObjectsTest, ModuleDataRaisesWhileEmptyAndTheErrorReachesDispatchCallers)
{
    startModule();
    shownAction();  // the module gives its identity
    const ComPtr<IUser> current = server->get_CurrentUser();
    EXPECT_EQ(raisedNumber([&] { current->get_ModuleData(); }), errors::NoModuleData);
    const LateBound late = lateBound(current.get(), "ModuleData");
    EXPECT_EQ(late.result, platform::com::DISP_E_EXCEPTION);
    EXPECT_EQ(late.exception.number, errors::NoModuleData);
    EXPECT_FALSE(late.exception.description.empty());

    current->put_ModuleData(Variant::fromBytes(std::vector<std::uint8_t>{5, 6}));
    EXPECT_EQ(current->get_ModuleData().toBytes(), (std::vector<std::uint8_t>{5, 6}));
    EXPECT_EQ(user.moduleData(kAudiogramModule), (Bytes{5, 6}));
}

TEST_F(HostObjectsTest, AProvokedServerFaultReachesTheCallerAsItsNumber)
{
    const Action action = host.addAction(today, {.description = "kept"});
    host.showAction(action);
    startModule();
    const ComPtr<IAction> shown = shownAction();
    host.database().provokeWriteFailures(platform::com::RPC_E_SERVERFAULT, "The server threw an exception.", 2);
    EXPECT_EQ(raisedNumber([&] { shown->put_Description("lost"); }), platform::com::RPC_E_SERVERFAULT);

    Variant text("lost too");
    platform::com::ExceptionInfo exception;
    platform::com::DISPID dispid = 0;
    platform::com::dispidOf(shown.get(), "Description", &dispid);
    EXPECT_EQ(shown->Invoke(dispid, platform::com::DISPATCH_PROPERTYPUT, std::span(&text, 1), nullptr, &exception),
              platform::com::DISP_E_EXCEPTION);
    EXPECT_EQ(exception.number, platform::com::RPC_E_SERVERFAULT);
    EXPECT_EQ(action.description(), "kept");
}

// The host window's choice for a new visit: the first added action opens it.
TEST_F(HostObjectsTest, TheModulesWritesInATransactionAreStoredTogetherOrNotAtAll)
{
    const Action action = host.addAction(today, {.description = "before"});
    host.showAction(action);
    enum class End { Rollback, ServerReleased, Commit };
    for (const End end : {End::Rollback, End::ServerReleased, End::Commit}) {
        SCOPED_TRACE(static_cast<int>(end));
        startModule();
        HostContext& context = HostContext::current();
        context.session.reset();
        context.sessionToOpen = kVisit + 1;
        const ComPtr<IAction> shown = shownAction();
        const std::int32_t revision = shown->get_Revision();

        server->BeginTransaction();
        EXPECT_EQ(raisedNumber([&] { server->BeginTransaction(); }), errors::InvalidCall) << "one at a time";
        shown->put_Description("after");
        EXPECT_EQ(shown->get_Revision(), revision + 1);
        ComPtr<IAction> added;
        ASSERT_EQ(createInstance(kActionClsid, added), platform::com::S_OK);
        server->get_CurrentSession()->get_Actions()->Add(added.get());
        EXPECT_TRUE(context.session) << "the action opened the visit";
        switch (end) {
        case End::Rollback: server->RollbackTransaction(); break;
        case End::ServerReleased: server.reset(); break;
        case End::Commit: server->CommitTransaction(); break;
        }

        const bool stored = end == End::Commit;
        EXPECT_EQ(action.description(), stored ? "after" : "before");
        EXPECT_EQ(action.revision(), stored ? revision + 1 : revision);
        EXPECT_EQ(client.sessions().count(), stored ? 3 : 2);
        EXPECT_EQ(context.session.has_value(), stored) << "the host forgets a visit that was never stored";
        EXPECT_EQ(context.sessionToOpen.has_value(), !stored);
        if (stored) break;
    }
}

TEST_F(HostObjectsTest, WithNothingChosenTheServerGivesNothing)
{
    ASSERT_EQ(createInstance(kModuleServerClsid, server), platform::com::S_OK);
    EXPECT_FALSE(server->get_CurrentClient());
    EXPECT_FALSE(server->get_CurrentUser());
    EXPECT_FALSE(server->get_CurrentSession());
    ComPtr<IAction> action;
    server->GetPrintAction(kAudiogramModule, nullptr, action.put());
    EXPECT_FALSE(action);
}

TEST(HostObjectsFile, ADamagedDatabaseFailsTheServersCreationWithItsNumber)
{
    {
        HostFixture host;  // registers the classes
    }
    std::ofstream(HostDatabase::defaultFile(), std::ios::trunc) << "not a database";
    HostContext::current().reset();
    ComPtr<IModuleServer> server;
    EXPECT_EQ(createInstance(kModuleServerClsid, server), errors::DatabaseDamaged);
    EXPECT_FALSE(server);
}

}  // namespace
