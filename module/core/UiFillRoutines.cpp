#include "module/core/UiFillRoutines.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/DescribeCurve.h"
#include "module/core/ListView.h"

#include <string>

namespace brisance {

namespace {

constexpr std::int32_t kPureToneIcon = 1;
constexpr std::int32_t kSpeechIcon = 2;
constexpr int kDescriptionColumn = 1;

}  // namespace

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
