#include "PelmTolvaneChart/ClassIds.h"
#include "PelmTolvaneChart/IChart.h"
#include "platform/com/Control.h"
#include "platform/com/Creation.h"
#include "platform/com/ServerLibraries.h"
#include "platform/com/tests/RegistryTree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace lumenplot {
namespace {

namespace com = platform::com;
using com::ComPtr;
using com::S_OK;

const std::string kLibrary = std::filesystem::weakly_canonical(LUMENPLOT_PATH).string();
const std::string kChartKey = "CLSID\\{07F3AA2F-7A6A-4CC3-A487-CA46BD4C1392}";
const std::string kTypeLib = "{A1361A27-ACE5-4D61-90BF-87DC20CBFFF3}";

com::ServerEntryPoints chartServer()
{
    com::ServerEntryPoints server;
    EXPECT_EQ(com::loadServer(kLibrary, &server), S_OK);
    return server;
}

TEST(ChartServer, RegistersItsFourClassesAsControlAndProgrammableObjects)
{
    ASSERT_EQ(chartServer().registerServer(), S_OK);
    const comtest::Tree tree = comtest::classesRoot();
    const comtest::Tree expected = {
        {kChartKey, {{"", "Chart Class"}}},
        {kChartKey + "\\InprocServer32", {{"", kLibrary}, {"ThreadingModel", "Apartment"}}},
        {kChartKey + "\\ProgID", {{"", "PelmTolvaneChart.Chart.1"}}},
        {kChartKey + "\\VersionIndependentProgID", {{"", "PelmTolvaneChart.Chart"}}},
        {kChartKey + "\\Programmable", {}},
        {kChartKey + "\\Control", {}},
        {kChartKey + "\\Insertable", {}},
        {kChartKey + "\\ToolboxBitmap32", {{"", kLibrary + ", 101"}}},
        {kChartKey + "\\MiscStatus", {{"", "0"}}},
        {kChartKey + "\\MiscStatus\\1", {{"", "131473"}}},
        {kChartKey + "\\TypeLib", {{"", kTypeLib}}},
        {kChartKey + "\\Version", {{"", "1.0"}}},
        {"PelmTolvaneChart.Chart", {{"", "Chart Class"}}},
        {"PelmTolvaneChart.Chart\\CurVer", {{"", "PelmTolvaneChart.Chart.1"}}},
        {"CLSID\\{FA891232-5D80-413B-BE5D-927C45D5F8BA}", {{"", "Line Class"}}},
        {"CLSID\\{9AF7CB42-31A1-4F68-B27A-432B6D593AF7}\\Programmable", {}},
        {"PelmTolvaneChart.Lines.1\\CLSID", {{"", "{9AF7CB42-31A1-4F68-B27A-432B6D593AF7}"}}},
        {"CLSID\\{C9DEDAA8-FED2-4CFD-A9EE-792768B01DD7}", {{"", "DevNamesConverter Class"}}},
        {"PelmTolvaneChart.DevNamesConverter", {{"", "DevNamesConverter Class"}}},
    };
    for (const auto& [key, values] : expected) {
        const auto found = tree.find(key);
        ASSERT_NE(found, tree.end()) << key;
        EXPECT_EQ(found->second, values) << key;
    }
    EXPECT_FALSE(tree.contains("CLSID\\{D51FAB9D-0472-46BB-9C93-16A4AFE631BB}")) << "Label is never registered";

    ASSERT_EQ(chartServer().unregisterServer(), S_OK);
    EXPECT_FALSE(comtest::classesRoot().contains(kChartKey));
}

TEST(ChartServer, AContainerCreatesTheChartByProgIdAndTalksToItByDispatch)
{
    ASSERT_EQ(chartServer().registerServer(), S_OK);
    ComPtr<IChart> chart;
    ASSERT_EQ(com::createInstance("PelmTolvaneChart.Chart", chart), S_OK);
    EXPECT_TRUE(chart.as<com::IControl>()) << "a control that a container can site";

    com::Variant value(120.0);
    ASSERT_EQ(chart->Invoke(chart_dispid::YMax, com::DISPATCH_PROPERTYPUT, {&value, 1}, nullptr), S_OK);
    double yMax = 0;
    ASSERT_EQ(chart->get_YMax(&yMax), S_OK);
    EXPECT_EQ(yMax, 120.0);

    ComPtr<ILines> lines;
    ASSERT_EQ(com::createInstance(kLinesClsid, lines), S_OK) << "a free-standing collection";
    ComPtr<ILine> line;
    EXPECT_EQ(lines->Add(4, line.put()), S_OK);
}

}  // namespace
}  // namespace lumenplot
