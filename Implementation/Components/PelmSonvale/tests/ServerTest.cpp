#include "ControllerFixture.h"
#include "PelmSonvale/ClassIds.h"
#include "PelmSonvale/ISonvaleController.h"
#include "platform/com/Creation.h"
#include "platform/com/ServerLibraries.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace pelmsonvale;
using namespace pelmsonvale::testing;
using platform::com::createInstance;
using platform::com::DISPID;
using platform::com::S_OK;

class Server : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::com::ServerEntryPoints server;
        ASSERT_EQ(platform::com::loadServer(PELMSONVALE_LIBRARY, &server), S_OK);
        ASSERT_TRUE(server.registerServer);
        ASSERT_EQ(server.registerServer(), S_OK);
    }
};

TEST_F(Server, RegistersItsThreeClassesForCreationByClassIdAndProgId)
{
    for (const auto& [clsid, progId] : {std::pair{kSonvaleControllerClsid, "PelmSonvale.SonvaleController"},
                                        std::pair{kSonvaleDriversClsid, "PelmSonvale.SonvaleDrivers"},
                                        std::pair{kSonvaleDriverClsid, "PelmSonvale.SonvaleDriver"}}) {
        const std::string key = "CLSID\\" + platform::com::toString(clsid);
        platform::registry::Key inproc;
        ASSERT_EQ(openKey(platform::registry::Root::ClassesRoot, key + "\\InprocServer32",
                          platform::registry::Access::Read, inproc),
                  platform::registry::Result::Success)
            << progId;
        std::string threading;
        inproc.getString("ThreadingModel", threading);
        EXPECT_EQ(threading, "Apartment");
        EXPECT_TRUE(platform::registry::keyExists(platform::registry::Root::ClassesRoot, key + "\\Programmable"));
        platform::com::CLSID named;
        ASSERT_EQ(platform::com::clsidFromProgId(progId, &named), S_OK);
        EXPECT_EQ(named, clsid);
    }

    registerDriver("MRL", "/opt/marlet.so");
    ComPtr<ISonvaleController> controller;
    ASSERT_EQ(createInstance(kSonvaleControllerClsid, controller), S_OK);
    ComPtr<ISonvaleDrivers> drivers;
    ASSERT_EQ(controller->get_RegisteredDrivers(drivers.put()), S_OK);
    std::int32_t count = 0;
    drivers->get_Count(&count);
    EXPECT_EQ(count, 1);
    EXPECT_NE(publishedWindow(), 0u);
    controller.reset();
    EXPECT_EQ(publishedWindow(), 0u);

    ComPtr<ISonvaleDrivers> alone;
    ASSERT_EQ(createInstance("PelmSonvale.SonvaleDrivers.1", alone), S_OK);
    alone->get_Count(&count);
    EXPECT_EQ(count, 0);
}

TEST_F(Server, DispatchFindsTheMembersByTheirNumbersAndNames)
{
    ComPtr<ISonvaleController> controller;
    ASSERT_EQ(createInstance(kSonvaleControllerClsid, controller), S_OK);
    const std::array<std::string, 9> names{"Start",           "Stop",           "LoadInstalledDrivers",
                                           "SetupAudi",       "RegisteredDrivers", "ActiveDriver",
                                           "IsSonvaleActive", "InstallDriver",  "isdriverinstalled"};
    std::array<DISPID, 9> dispids{};
    ASSERT_EQ(controller->GetIDsOfNames(names, dispids.data()), S_OK);
    EXPECT_EQ(dispids, (std::array<DISPID, 9>{1, 2, 3, 4, 5, 6, 7, 8, 9}));

    std::array<Variant, 3> arguments{Variant("/nonexistent/"), Variant(), Variant()};
    Variant installed;
    ASSERT_EQ(platform::com::callMethod(controller.get(), "IsDriverInstalled", arguments, &installed), S_OK);
    EXPECT_EQ(installed.toBoolean(), false);
    EXPECT_EQ(arguments[2].toBoolean(), true);

    Variant drivers;
    ASSERT_EQ(platform::com::getProperty(controller.get(), "RegisteredDrivers", &drivers), S_OK);
    const auto list = drivers.toObject();
    ASSERT_TRUE(list);
    ComPtr<platform::com::IDispatch> listDispatch = list.as<platform::com::IDispatch>();
    const std::array<std::string, 4> listNames{"_NewEnum", "Item", "Count", "FindByType"};
    std::array<DISPID, 4> listIds{};
    ASSERT_EQ(listDispatch->GetIDsOfNames(listNames, listIds.data()), S_OK);
    EXPECT_EQ(listIds, (std::array<DISPID, 4>{-4, 0, 1, 2}));
}

}  // namespace
