// The library's entry points: its four creatable classes and what registering
// them writes.

#include "CChart.h"
#include "CDevNamesConverter.h"
#include "CLine.h"
#include "CLines.h"
#include "PelmTolvaneChart/ClassIds.h"
#include "platform/com/ServerExports.h"

namespace {

using platform::com::ClassEntry;
using platform::com::ClassKey;
using platform::com::createObject;

constexpr std::string_view kTypeLib = "{A1361A27-ACE5-4D61-90BF-87DC20CBFFF3}";

// Recompose on resize, can't link inside, inside-out, activate when visible,
// set client site first.
constexpr std::string_view kMiscStatus = "131473";

constexpr ClassKey kChartKeys[] = {
    {"Programmable"},    {"Control"},          {"Insertable"},        {"ToolboxBitmap32", "%MODULE%, 101"},
    {"MiscStatus", "0"}, {"MiscStatus\\1", kMiscStatus}, {"TypeLib", kTypeLib}, {"Version", "1.0"},
};
constexpr ClassKey kProgrammableKeys[] = {{"Programmable"}, {"TypeLib", kTypeLib}};

constexpr ClassEntry kClasses[] = {
    {lumenplot::kChartClsid, createObject<lumenplot::CChart>, "Chart Class", "PelmTolvaneChart.Chart.1",
     "PelmTolvaneChart.Chart", "Apartment", kChartKeys},
    {lumenplot::kLineClsid, createObject<lumenplot::CLine>, "Line Class", "PelmTolvaneChart.Line.1",
     "PelmTolvaneChart.Line", "Apartment", kProgrammableKeys},
    {lumenplot::kLinesClsid, createObject<lumenplot::CLines>, "Lines Class", "PelmTolvaneChart.Lines.1",
     "PelmTolvaneChart.Lines", "Apartment", kProgrammableKeys},
    {lumenplot::kDevNamesConverterClsid, createObject<lumenplot::CDevNamesConverter>, "DevNamesConverter Class",
     "PelmTolvaneChart.DevNamesConverter.1", "PelmTolvaneChart.DevNamesConverter", "Apartment", kProgrammableKeys},
};

}  // namespace

BRISANCE_COM_SERVER(kClasses)
