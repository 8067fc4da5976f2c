#include "module/panels/PaletteItemsFromCurves.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CPaletteItems.h"
#include "module/core/CurveKeys.h"
#include "module/core/ForEachCurve.h"
#include "module/core/SplitText.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/PaletteButton.h"

#include "platform/com/VariantEnumerator.h"

namespace brisance {

namespace {

constexpr const char* kBinauralFlag = "True";
constexpr std::int32_t kNoSelection = -1;

// Sets HasData on the item of a measured curve that holds points.
template <class Curve>
void MarkCurve(Curve& curve, CPaletteItems& items, std::string (*key)(vellum::IVellumMeasurement&))
{
    if (curve.get_Points()->get_Count() == 0)
        return;
    const auto measurement = curve.get_Measurement();
    const bool binaural = measurement->get_Ear() == vellum::kEarBinaural;
    if (const auto item = items.GetItemByTestKey(key(*measurement), binaural))
        item->HasData = true;
}

}  // namespace

void LoadPaletteFromString(CPaletteItems& oItems, const CCurvePrefs& oPrefs, const std::string& strKeys,
                           const std::string& strBinaural)
{
    const std::vector<std::string> keys = SplitText(strKeys, ',');
    std::vector<std::string> binaural = SplitText(strBinaural, ',');
    if (binaural.size() != keys.size())
        binaural = keys;  // no flag reads "True": nothing is binaural

    // Removed one by one, not cleared: the IDs count on, so that a button
    // selected before never finds a different test under its old ID.
    while (oItems.Count() > 0)
        oItems.Remove(1);
    // The last part is the empty one after the final ",".
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        if (!oPrefs.ItemExist(keys[i]))
            continue;
        if (const auto test = oPrefs.Item(keys[i]))
            AddPaletteItemForCurvePref(test, oItems, binaural[i] == kBinauralFlag);
    }
}

void AddPaletteItemForCurvePref(const std::shared_ptr<CCurvePref>& oPref, CPaletteItems& oItems, bool blnBinaural)
{
    oItems.Add(oPref)->Binaural = blnBinaural;
}

void MarkPaletteItemsWithData(vellum::IVellumDataLayer& oData, CPaletteItems& oItems)
{
    oItems.ClearHasData();
    ForEachCurve<vellum::IVellumPureToneCurve>(oData.get_PureToneCurves()->get__NewEnum(), [&](auto& curve) {
        MarkCurve(curve, oItems, PureToneCurveKey);
    });
    ForEachCurve<vellum::IVellumSpeechCurve>(oData.get_SpeechCurves()->get__NewEnum(), [&](auto& curve) {
        MarkCurve(curve, oItems, SpeechCurveKey);
    });
}

void FillCurvePalette(CurvePalette& oPalette, const CPaletteItems& oItems, bool blnSelectFirst)
{
    const auto selected = oPalette.SelectedButton();
    const std::int32_t previous = selected ? selected->ItemData().toLong() : kNoSelection;

    oPalette.ClearButtons();
    for (const auto& item : oItems) {
        const CCurvePref& test = *item->CurvePreferences;
        PaletteButton& button = *oPalette.AddButton();
        button.HiddenState(item->HideInGraph);
        button.ItemData(platform::runtime::Variant(item->ID));
        button.Caption(test.Label);
        if (item->Binaural) {
            button.LeftImageIndex(test.Binaural0Unmasked);
            button.RightImageIndex(test.Binaural0Unmasked);
            button.AlwaysActAsOneButton(true);
        } else if (oPalette.RightOnLeft()) {
            button.LeftImageIndex(test.Right0Unmasked);
            button.RightImageIndex(test.Left0Unmasked);
        } else {
            button.LeftImageIndex(test.Left0Unmasked);
            button.RightImageIndex(test.Right0Unmasked);
        }
    }

    if (blnSelectFirst)
        oPalette.PressButton();
    else if (previous != kNoSelection)
        oPalette.PressButton(platform::runtime::Variant(previous));
    oPalette.Refresh();
}

}  // namespace brisance
