#include "module/views/ViewCaptions.h"

#include "module/core/CLangLoader.h"
#include "module/core/TextResources.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/IPTATable.h"

#include <string>

namespace brisance {
namespace {

std::string Text(const CLangLoader* loader, std::int32_t id) { return loader ? loader->LoadResString(id) : std::string(); }

}  // namespace

void LoadPaletteCaptions(CurvePalette& palette, const CLangLoader* loader)
{
    palette.AddButtonCaption(Text(loader, TR_ADD_TEST));
    palette.HideCurveCaption(Text(loader, TR_HIDE_CURVE));
    palette.ShowCurveCaption(Text(loader, TR_SHOW_CURVE));
    palette.HideButtonBaseText(Text(loader, TR_HIDE_PCTS_CURVE));
    palette.ShowButtonBaseText(Text(loader, TR_SHOW_PCTS_CURVE));
    palette.RemoveTestCaption(Text(loader, TR_REMOVE_TEST));
    palette.EditTestCaption(Text(loader, TR_EDIT_TEST_PROPERTIES));
}

void LoadAverageCaptions(IPTATable& average, const CLangLoader* loader)
{
    average.Caption(loader ? loader->LoadResString2(TR_PTA) : std::string());
    average.RightEarCaption(Text(loader, TR_R));
    average.LeftEarCaption(Text(loader, TR_L));
    average.FrequencyWord(Text(loader, TR_FREQ));
    average.ChangeFrequenciesCaption(Text(loader, TR_CHANGE_FREQUENCIES));
}

}  // namespace brisance
