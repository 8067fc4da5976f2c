#pragma once
// The instrument link in the views' tests, as the document sets it up:
// PelmSonvale registered in the test's machine root with one driver library,
// a controller created by class id, and a measurement started with a window
// of the test as its owner.
//
// With the fake driver (Implementation/Components/PelmSonvale/testing/
// FakeDriverControl.h) a test scripts the driver's records; queued before
// Start, they all come at once instead of one poll interval apart. With
// Marlet, the instruments are the simulator's (tools/instrument-sim/
// Instrument.h on "COM3" and "COM4", set up by setUpMarlet of the link's
// testing/MarletSetUp.h).
//
// A test that must know when the view has had the link's events counts them
// with a sink of its own, advised after the view's (CountEvents): the
// controller fires to its sinks in the order they were advised.
//
// Tests built with brisance_add_link_test (this folder's CMakeLists.txt) get
// the libraries' paths as FAKE_DRIVER_PATH and MARLET_LIBRARY_PATH; every
// module test has PELMSONVALE_LIBRARY_PATH.

#include "module/testing/RegisterServer.h"

#include "Implementation/Components/PelmSonvale/testing/DriverRegistry.h"

#include "PelmSonvale/ClassIds.h"
#include "PelmSonvale/ISonvaleController.h"
#include "PelmSonvale/ISonvaleControllerEvents.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/Creation.h"
#include "platform/com/DispatchSink.h"
#include "platform/ui/WindowHandle.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace brisance::testing {

class SonvaleLink {
public:
    // Registers the link server and the driver library (as the one installed
    // driver, index 0) and creates a controller; a failure fails the test.
    explicit SonvaleLink(const std::string& driverLibrary)
    {
        registerServer(PELMSONVALE_LIBRARY_PATH);
        pelmsonvale::testing::registerDriver("TST", driverLibrary);
        EXPECT_EQ(platform::com::createInstance(pelmsonvale::kSonvaleControllerClsid, m_controller),
                  platform::com::S_OK);
    }

    // Stops a measurement still running.
    ~SonvaleLink()
    {
        bool active = false;
        if (m_controller && m_controller->get_IsSonvaleActive(&active) == platform::com::S_OK && active)
            Stop();
        if (m_counter)
            platform::com::unadvise(m_controller.get(), pelmsonvale::kSonvaleControllerEventsIid, m_cookie);
    }

    SonvaleLink(const SonvaleLink&) = delete;
    SonvaleLink& operator=(const SonvaleLink&) = delete;

    const platform::com::ComPtr<pelmsonvale::ISonvaleController>& Controller() const { return m_controller; }

    // Starts the driver's measurement; a failure to start fails the test.
    void Start(QWidget& owner) const
    {
        pelmsonvale::TFuncResult result = pelmsonvale::TFuncResult_er_NotLegal;
        ASSERT_EQ(m_controller->Start(0, static_cast<std::int32_t>(platform::ui::windowHandle(&owner)), &result),
                  platform::com::S_OK);
        ASSERT_EQ(result, pelmsonvale::TFuncResult_fr_OK);
    }

    // Stops it; the controller fires ShutdownComplete before it returns.
    void Stop() const
    {
        pelmsonvale::TFuncResult result = pelmsonvale::TFuncResult_er_NotLegal;
        EXPECT_EQ(m_controller->Stop(&result), platform::com::S_OK);
        EXPECT_EQ(result, pelmsonvale::TFuncResult_fr_OK);
    }

    // Counts the controller's events from now on, after the sinks advised
    // before: an event counted has reached them.
    void CountEvents()
    {
        m_counter = platform::com::make<platform::com::DispatchSink>(
            pelmsonvale::kSonvaleControllerEventsIid, [this](platform::com::DISPID, auto) {
                ++m_fired;
                return platform::com::S_OK;
            });
        EXPECT_EQ(platform::com::advise(m_controller.get(), pelmsonvale::kSonvaleControllerEventsIid, m_counter.get(),
                                        &m_cookie),
                  platform::com::S_OK);
    }
    std::size_t EventsFired() const { return m_fired; }
    // Runs the event loop until that many events have been counted; false
    // when they have not come within five seconds.
    bool WaitForEvents(std::size_t count) const
    {
        return QTest::qWaitFor([&] { return m_fired >= count; }, 5000);
    }

private:
    platform::com::ComPtr<pelmsonvale::ISonvaleController> m_controller;
    platform::com::ComPtr<platform::com::DispatchSink> m_counter;
    std::uint32_t m_cookie = 0;
    std::size_t m_fired = 0;
};

}  // namespace brisance::testing
