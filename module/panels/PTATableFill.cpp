#include "module/panels/PTATableFill.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ModuleGlobals.h"
#include "module/panels/IPTATable.h"

#include "platform/runtime/RuntimeError.h"

#include <string>

namespace brisance {

namespace {

// One row of the average panel: its bit in the mask and the test it averages.
struct AverageRow {
    std::int32_t bit;
    const char* testKey;
    void (IPTATable::*show)(bool);
    void (IPTATable::*caption)(const std::string&);
};

constexpr AverageRow kAverageRows[] = {
    {1 << 0, "1-1-1-", &IPTATable::ShowACAverage, &IPTATable::ACCaption},
    {1 << 1, "1-2-1-", &IPTATable::ShowBCAverage, &IPTATable::BCCaption},
    {1 << 2, "1-3-1-", &IPTATable::ShowSFAverage, &IPTATable::SFCaption},
};
constexpr const char* kMissingTestCaption = "##";

}  // namespace

void FillPTATable(IPTATable& oTable, std::int32_t lngMask)
{
    const auto tests = ModuleGlobals::CurvePrefs();
    if (!tests)
        platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
    for (const AverageRow& row : kAverageRows) {
        const bool shown = (lngMask & row.bit) != 0;
        (oTable.*row.show)(shown);
        if (!shown)
            continue;
        const auto test = tests->Item(row.testKey);
        (oTable.*row.caption)(test ? test->Label : kMissingTestCaption);
    }
}

}  // namespace brisance
