#include "CSonvaleController.h"

#include "ControllerFixture.h"
#include "testing/FakeDriverControl.h"
#include "LinkMessages.h"
#include "platform/machine/MachineRoot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace pelmsonvale;
using namespace pelmsonvale::testing;
using platform::com::E_FAIL;
using platform::com::E_INVALIDARG;
using platform::com::failed;
using platform::com::S_OK;

std::vector<std::string> manufacturerIds(ISonvaleDrivers* drivers)
{
    std::int32_t count = 0;
    drivers->get_Count(&count);
    std::vector<std::string> ids;
    for (std::int32_t index = 0; index < count; ++index) {
        ComPtr<ISonvaleDriver> driver;
        EXPECT_EQ(drivers->get_Item(index, driver.put()), S_OK);
        std::int32_t driverIndex = -1;
        driver->get_Index(&driverIndex);
        EXPECT_EQ(driverIndex, index);
        std::string id;
        driver->get_ManufacturerID(&id);
        ids.push_back(id);
    }
    return ids;
}

ComPtr<ISonvaleDrivers> driversOf(ISonvaleController* controller)
{
    ComPtr<ISonvaleDrivers> drivers;
    EXPECT_EQ(controller->get_RegisteredDrivers(drivers.put()), S_OK);
    return drivers;
}

TEST(CSonvaleController, ListsTheRegisteredDriversInOrderAndLeavesOutADamagedOne)
{
    registerDriver("MRL", FAKE_DRIVER);
    registerDriver("Broken", FAKE_DRIVER, false);
    registerDriver("Zed", "/opt/zed.so");
    const auto controller = makeController();
    ASSERT_TRUE(controller);
    const auto drivers = driversOf(controller.get());
    EXPECT_EQ(manufacturerIds(drivers.get()), (std::vector<std::string>{"MRL", "Zed"}));

    ComPtr<ISonvaleDriver> found;
    bool isFound = false;
    EXPECT_EQ(drivers->FindByType("Zed", found.put(), &isFound), S_OK);
    ASSERT_TRUE(isFound);
    std::string name;
    found->get_Name(&name);
    EXPECT_EQ(name, "Zed driver");
    EXPECT_EQ(drivers->FindByType("zed", found.put(), &isFound), S_OK);
    EXPECT_FALSE(isFound);
    EXPECT_FALSE(found);

    ComPtr<platform::com::IEnumVARIANT> enumerator;
    ASSERT_EQ(drivers->get__NewEnum(enumerator.put()), S_OK);
    Variant items[3];
    std::uint32_t fetched = 0;
    EXPECT_EQ(enumerator->Next(3, items, &fetched), platform::com::S_FALSE);
    EXPECT_EQ(fetched, 2u);
}

TEST(CSonvaleController, WithoutDriversTheListIsEmptyAndEveryIndexIsRefused)
{
    const auto controller = makeController();
    ASSERT_TRUE(controller);
    EXPECT_TRUE(platform::registry::keyExists(platform::registry::Root::LocalMachine, kDriversKey));
    const auto drivers = driversOf(controller.get());
    std::int32_t count = -1;
    drivers->get_Count(&count);
    EXPECT_EQ(count, 0);
    ComPtr<ISonvaleDriver> driver;
    EXPECT_EQ(drivers->get_Item(0, driver.put()), E_INVALIDARG);
    TFuncResult result = TFuncResult_fr_OK;
    EXPECT_EQ(controller->Start(0, 0, &result), E_INVALIDARG);
    EXPECT_EQ(controller->SetupAudi(0, 0, &result), E_INVALIDARG);
}

TEST(CSonvaleController, StopWithNothingRunningFails)
{
    registerDriver("MRL", FAKE_DRIVER);
    const auto controller = makeController();
    bool active = true;
    controller->get_IsSonvaleActive(&active);
    EXPECT_FALSE(active);
    ComPtr<ISonvaleDriver> running;
    EXPECT_EQ(controller->get_ActiveDriver(running.put()), S_OK);
    EXPECT_FALSE(running);

    TFuncResult result = TFuncResult_er_NotLegal;
    EXPECT_EQ(controller->Stop(&result), E_FAIL);
    EXPECT_EQ(result, TFuncResult_fr_OK);
    ComPtr<ISonvaleDriver> driver;
    driversOf(controller.get())->get_Item(0, driver.put());
    result = TFuncResult_fr_OK;
    EXPECT_EQ(driver->Stop(&result), E_FAIL);
    EXPECT_EQ(result, TFuncResult_er_Sonvale);
}

TEST(CSonvaleController, SetsUpADriverWithTheOwnerWindowOnTheCallingThread)
{
    registerDriver("MRL", FAKE_DRIVER);
    registerDriver("Old", FAKE_FIRST_GENERATION_DRIVER);
    registerDriver("Gone", "/nonexistent/driver.so");
    registerDriver("Empty", "");
    FakeDriverControl fake(FAKE_DRIVER);
    FakeDriverControl old(FAKE_FIRST_GENERATION_DRIVER);
    const auto controller = makeController();
    const struct {
        std::int32_t index;
        HRESULT hr;
        TFuncResult result;
    } cases[] = {{0, S_OK, TFuncResult_fr_OK},
                 {1, S_OK, TFuncResult_fr_OK},
                 {2, S_OK, TFuncResult_er_Sonvale},
                 {3, E_FAIL, TFuncResult_er_Sonvale}};
    for (const auto& c : cases) {
        TFuncResult result = TFuncResult_fr_NotReady;
        EXPECT_EQ(controller->SetupAudi(c.index, -2, &result), c.hr) << c.index;
        EXPECT_EQ(result, c.result) << c.index;
    }
    EXPECT_EQ(fake.takeCalls(), "SetupAudi2(4294967294) ");
    EXPECT_EQ(old.takeCalls(), "SetupAudi() ");
}

TEST(CSonvaleController, AnInstallerAnnouncesANewDriverThroughThePublishedWindow)
{
    registerDriver("MRL", FAKE_DRIVER);
    const auto controller = makeController();
    EventLog log(controller.get());
    ComPtr<ISonvaleDriver> before;
    driversOf(controller.get())->get_Item(0, before.put());

    registerDriver("New", FAKE_DRIVER);
    registerDriver("Half", FAKE_DRIVER, false);
    ASSERT_TRUE(platform::system::postMessage(publishedWindow(), WM_LINK_REFRESHDRIVERS));
    deliverMessages();
    EXPECT_EQ(manufacturerIds(driversOf(controller.get()).get()), (std::vector<std::string>{"MRL", "New"}));
    ASSERT_EQ(log.events.size(), 1u);
    EXPECT_EQ(log.events[0].first, SetupDone);
    EXPECT_EQ(log.events[0].second.at(0).toString(), "New");
    EXPECT_EQ(before->Refresh(), E_FAIL) << "a driver from the earlier list has lost its controller";

    registerDriver("Half", FAKE_DRIVER);
    platform::system::postMessage(publishedWindow(), WM_LINK_REFRESHDRIVERS);
    platform::system::postMessage(publishedWindow(), WM_LINK_REFRESHDRIVERS);
    // Not a report of a running driver: dropped.
    platform::system::postMessage(publishedWindow(), WM_LINK_MEASUREMENTCOMPLETE);
    deliverMessages();
    ASSERT_EQ(log.events.size(), 2u);
    EXPECT_EQ(log.events[1].first, SetupDone);
    EXPECT_EQ(log.events[1].second.at(0).toString(), "Half");
}

TEST(CSonvaleController, ADriverRereadsItsRegistrationOnRefresh)
{
    registerDriver("MRL", FAKE_DRIVER);
    const auto controller = makeController();
    ComPtr<ISonvaleDriver> driver;
    driversOf(controller.get())->get_Item(0, driver.put());
    platform::registry::Key key;
    openKey(platform::registry::Root::LocalMachine, std::string(kDriversKey) + "MRL", platform::registry::Access::Write,
            key);
    key.setString("DriverName", "Renamed");
    EXPECT_EQ(driver->Refresh(), S_OK);
    std::string name;
    driver->get_Name(&name);
    EXPECT_EQ(name, "Renamed");
    key.deleteValue("Manufacturer");
    EXPECT_EQ(driver->Refresh(), E_FAIL);
}

TEST(CSonvaleController, InstallsAndChecksDriversThroughTheController)
{
    const auto controller = makeController();
    TAudiInstallReturn result = TAudiInstallReturn_SUCCESS;
    EXPECT_EQ(controller->InstallDriver("short", &result), S_OK);
    EXPECT_EQ(result, TAudiInstallReturn_er_INVALIDPathText);
    std::string moduleName = "untouched";
    bool error = false;
    bool installed = true;
    EXPECT_EQ(controller->IsDriverInstalled("/nonexistent/install.ini", &moduleName, &error, &installed), S_OK);
    EXPECT_EQ(moduleName, "untouched");
    EXPECT_TRUE(error);
    EXPECT_FALSE(installed);
}

TEST(CSonvaleController, TheLastOfTwoControllersLeavesTheHandleAtZero)
{
    auto first = makeController();
    const std::uint32_t firstWindow = publishedWindow();
    auto second = makeController();
    const std::uint32_t secondWindow = publishedWindow();
    EXPECT_NE(firstWindow, secondWindow);

    second.reset();
    EXPECT_EQ(publishedWindow(), firstWindow) << "the live controller stays reachable";
    EXPECT_FALSE(platform::system::isMessageWindow(secondWindow));
    EXPECT_TRUE(platform::system::postMessage(firstWindow, WM_LINK_REFRESHDRIVERS));
    deliverMessages();

    auto third = makeController();
    const std::uint32_t thirdWindow = publishedWindow();
    first.reset();
    EXPECT_EQ(publishedWindow(), thirdWindow) << "a handle that another controller published stays";
    third.reset();
    EXPECT_EQ(publishedWindow(), 0u);
    EXPECT_FALSE(platform::system::isMessageWindow(thirdWindow));
}

std::size_t threadCount()
{
    const auto tasks = std::filesystem::directory_iterator("/proc/self/task");
    return static_cast<std::size_t>(std::distance(begin(tasks), end(tasks)));
}

TEST(CSonvaleController, AControllerThatCannotReadTheRegistryIsNotCreatedAndLeavesNoThread)
{
    std::ofstream(platform::machine::root() / "registry.db") << "this is not a registry";
    const std::size_t threadsBefore = threadCount();
    ComPtr<ISonvaleController> controller;
    EXPECT_EQ(platform::com::createObject<CSonvaleController>(ISonvaleController::iid, controller.putVoid()), E_FAIL);
    EXPECT_FALSE(controller);
    EXPECT_EQ(threadCount(), threadsBefore);
}

TEST(CSonvaleController, ADriverWithoutItsListFailsWhatNeedsTheController)
{
    ComPtr<ISonvaleDriver> orphan;
    ASSERT_EQ(platform::com::createObject<CSonvaleDriver>(ISonvaleDriver::iid, orphan.putVoid()), S_OK);
    TFuncResult result = TFuncResult_fr_OK;
    EXPECT_EQ(orphan->Start(0, &result), E_FAIL);
    EXPECT_EQ(result, TFuncResult_er_Sonvale);
    EXPECT_EQ(orphan->SetupAudi(0, &result), E_FAIL);
    EXPECT_EQ(orphan->Refresh(), E_FAIL);
}

}  // namespace
