#include "platform/com/ConnectionPoint.h"
#include "platform/com/DispatchSink.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace platform::com;
using platform::runtime::Variant;

class ITickEvents : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{3C0E5A20-0000-4000-8000-000000000001}");
    using Base = IUnknown;
    virtual HRESULT Tick(int n) = 0;

protected:
    ~ITickEvents() = default;
};

class IClock : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{3C0E5A20-0000-4000-8000-000000000002}");
    using Base = IUnknown;
    virtual void tick(int n) = 0;
    // Asks its dispatch sinks whether to cancel, with a by-reference Cancel argument.
    virtual bool askCancel() = 0;

protected:
    ~IClock() = default;
};

constexpr IID kAskEventsIid = makeGuid("{3C0E5A20-0000-4000-8000-000000000003}");

class Clock final : public Object<IClock, ConnectionPoints> {
public:
    explicit Clock(bool* destroyed) : m_destroyed(destroyed)
    {
        addConnectionPoint(ITickEvents::iid);
        addConnectionPoint(kAskEventsIid);
    }
    ~Clock() override { *m_destroyed = true; }
    void tick(int n) override
    {
        fire<ITickEvents>([n](ITickEvents* sink) { return sink->Tick(n); });
    }
    bool askCancel() override
    {
        Variant args[] = {Variant(false)};
        fire(kAskEventsIid, 1, args);
        return args[0].toBoolean();
    }

private:
    bool* m_destroyed;
};

// A sink that writes its name into a shared log and then runs its action.
class Sink final : public Object<ITickEvents> {
public:
    Sink(std::string name, std::string& log, std::function<HRESULT()> action = [] { return S_OK; })
        : m_name(std::move(name)), m_log(log), m_action(std::move(action))
    {
    }
    HRESULT Tick(int n) override
    {
        m_log += m_name + std::to_string(n);
        return m_action();
    }

private:
    std::string m_name;
    std::string& m_log;
    std::function<HRESULT()> m_action;
};

struct Events : ::testing::Test {
    bool destroyed = false;
    ComPtr<IClock> clock = make<Clock>(&destroyed);
    std::string log;

    std::uint32_t connect(const ComPtr<Sink>& sink)
    {
        std::uint32_t cookie = 0;
        EXPECT_EQ(advise(clock.get(), ITickEvents::iid, sink.get(), &cookie), S_OK);
        EXPECT_NE(cookie, 0u);
        return cookie;
    }
};

TEST_F(Events, EventsReachEverySinkInAdviseOrderAndAFailureStopsNone)
{
    const auto a = make<Sink>("a", log, [] { return E_FAIL; });
    const auto b = make<Sink>("b", log);
    connect(a);
    const std::uint32_t cookieB = connect(b);
    clock->tick(1);
    EXPECT_EQ(log, "a1b1");

    EXPECT_EQ(unadvise(clock.get(), ITickEvents::iid, cookieB), S_OK);
    EXPECT_EQ(unadvise(clock.get(), ITickEvents::iid, cookieB), CONNECT_E_NOCONNECTION);
    clock->tick(2);
    EXPECT_EQ(log, "a1b1a2");
}

TEST_F(Events, ASinkMayUnadviseDuringAFireWithoutStoppingTheOthers)
{
    std::uint32_t cookieA = 0;
    const auto a = make<Sink>("a", log, [&] { return unadvise(clock.get(), ITickEvents::iid, cookieA); });
    const auto b = make<Sink>("b", log);
    cookieA = connect(a);
    connect(b);
    clock->tick(1);
    clock->tick(2);
    EXPECT_EQ(log, "a1b1b2");
}

TEST_F(Events, TheSourceMayBeReleasedDuringAFire)
{
    const auto a = make<Sink>("a", log, [&] {
        clock.reset();
        return S_OK;
    });
    const auto b = make<Sink>("b", log);
    connect(a);
    connect(b);
    IClock* raw = clock.get();
    raw->tick(1);
    EXPECT_EQ(log, "a1b1");
    EXPECT_TRUE(destroyed);
}

TEST_F(Events, RefusesUnknownEventInterfacesAndSinksWithoutThem)
{
    std::uint32_t cookie = 7;
    const ComPtr<IClock> notASink = make<Clock>(&destroyed);
    EXPECT_EQ(advise(clock.get(), ITickEvents::iid, notASink.get(), &cookie), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(cookie, 0u);
    const auto sink = make<Sink>("a", log);
    EXPECT_EQ(advise(clock.get(), IClock::iid, sink.get(), &cookie), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(advise(sink.get(), ITickEvents::iid, sink.get(), &cookie), E_NOINTERFACE);
}

TEST_F(Events, AHandlerMayChangeAByReferenceArgumentForTheNextSinksAndTheSource)
{
    std::vector<bool> seen;
    auto sink = [&seen](bool cancel) {
        return make<DispatchSink>(kAskEventsIid, [&seen, cancel](DISPID, std::span<Variant> args) {
            seen.push_back(args[0].toBoolean());
            if (cancel) args[0] = Variant(true);
            return S_OK;
        });
    };
    const auto cancels = sink(true);
    const auto watches = sink(false);
    std::uint32_t cookie = 0;
    ASSERT_EQ(advise(clock.get(), kAskEventsIid, cancels.get(), &cookie), S_OK);
    ASSERT_EQ(advise(clock.get(), kAskEventsIid, watches.get(), &cookie), S_OK);
    EXPECT_TRUE(clock->askCancel());
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
}

}  // namespace
