#include "module/core/UiFillRoutines.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/DescribeCurve.h"
#include "module/core/ListView.h"
#include "module/core/MenuControlArray.h"
#include "module/core/ModuleGlobals.h"
#include "module/panels/IPTATable.h"
#include "module/views/CPaletteItems.h"

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

constexpr std::int32_t kPureToneIcon = 1;
constexpr std::int32_t kSpeechIcon = 2;
constexpr int kDescriptionColumn = 1;

}  // namespace

void FillMenuArray(MenuControlArray& mnuArray, const CPaletteItems& oItems)
{
    for (std::int32_t index = mnuArray.UBound(); index >= 1; --index) {
        if (mnuArray.Exists(index))
            mnuArray.Unload(index);
    }
    // An empty collection leaves entry 0 as it was.

    std::int32_t index = 0;
    for (const auto& item : oItems) {
        if (!mnuArray.Exists(index))
            mnuArray.Load(index);
        mnuArray.Caption(index, item->CurvePreferences->Label);
        mnuArray.Checked(index, !item->HideInGraph);
        mnuArray.Tag(index, std::to_string(item->ID));
        ++index;
    }
}

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

void FillTestList(ListView& lvwTests, const CCurvePrefs& oPrefs, CurvePrefType lngKind)
{
    lvwTests.clear();
    const std::int32_t icon = lngKind == PrefType_PureTone ? kPureToneIcon : kSpeechIcon;
    for (const auto& test : oPrefs) {
        if (test->PrefType != lngKind)
            continue;
        const std::string curveID = std::to_string(test->CurveID);
        QTreeWidgetItem& item = lvwTests.AddItem("K" + curveID, test->Label, icon);
        if (lvwTests.columnCount() > kDescriptionColumn)
            item.setText(kDescriptionColumn, QString::fromStdString(DescribeCurve(*test, false)));
        ListView::Tag(item, curveID);
    }
}

}  // namespace brisance
