// The pure-tone view's palette: the chosen test shown in the table, tests
// hidden and shown on the charts, the properties of a test edited, and the
// palette's tests chosen.

#include "module/views/CPureTone.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CPaletteItems.h"
#include "module/core/DescribeCurve.h"
#include "module/core/TextResources.h"
#include "module/panels/ctlTolvaneButton.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/PaletteItemsFromCurves.h"
#include "module/panels/TableView.h"
#include "module/preferences/frmPaletteConfig.h"
#include "module/views/EditTestProperties.h"

namespace brisance {
namespace {

constexpr const char* kCaptionSeparator = " - ";

// A test of the aided condition 2 with no curve of its own shows the curve
// of its test type under condition 1.
constexpr std::int32_t kFallbackCondition = 2;
constexpr std::int32_t kFallbackToCondition = 1;

}  // namespace

void CPureTone::ConnectPalette()
{
    connect(palPureTone, &CurvePalette::ButtonChange, this, [this] { Guarded([this] { palPureTone_ButtonChange(); }); });
    connect(palPureTone, &CurvePalette::HideCurve, this, [this] { Guarded([this] { palPureTone_HideCurve(); }); });
    connect(palPureTone, &CurvePalette::ShowCurve, this, [this] { Guarded([this] { palPureTone_ShowCurve(); }); });
    connect(palPureTone, &CurvePalette::TestProperties, this, [this] { ChangePureToneTestProperties(true); });
    // After the button's own handler has pressed or raised it.
    connect(butBinaural, &ctlTolvaneButton::Click, this, [this] {
        Guarded([this] {
            ApplyCrossHairColours();
            if (palPureTone->SelectedButton())
                ShowSelectedTestInTable();
        });
    });
    connect(tblPureTone, &TableView::SpecifyMasking, this, &CPureTone::tblPureTone_SpecifyMasking);
}

void CPureTone::palPureTone_ButtonChange()
{
    butBinaural->ButtonState(Tolvane_ButtonUp);
    ApplyCrossHairColours();
    emit PaletteButtonSelected();
    ShowSelectedTestInTable();
}

void CPureTone::palPureTone_HideCurve()
{
    if (const auto button = palPureTone->RightClickedButton()) {
        ShowHideCurve(button->ItemData().toLong(), false);
        emit PaletteMayHaveChanged();
    }
}

void CPureTone::palPureTone_ShowCurve()
{
    if (const auto button = palPureTone->RightClickedButton()) {
        ShowHideCurve(button->ItemData().toLong(), true);
        emit PaletteMayHaveChanged();
    }
}

void CPureTone::ShowHideTest(std::int32_t TestID, bool Show)
{
    Guarded([&] {
        if (palPureTone->Button(TestID))
            ShowHideCurve(TestID, Show);
    });
}

// The table.

void CPureTone::ShowSelectedTestInTable()
{
    const auto test = SelectedTest();
    if (!test)
        return;
    const CCurvePref& pref = *test->pref;
    tblPureTone->TestConditions(DescribeCurve(*test->item, true));
    tblPureTone->TableCaption(pref.Label + kCaptionSeparator + Text(TR_TEST_DATA));
    tblPureTone->ClearData(vellum::kEarBinaural);
    if (butBinaural->ButtonState() == Tolvane_ButtonUp && !test->item->Binaural) {
        tblPureTone->BinauralMode(false);
        FillTableForEar(pref, vellum::kEarLeft);
        FillTableForEar(pref, vellum::kEarRight);
    } else {
        tblPureTone->BinauralMode(true);
        FillTableForEar(pref, vellum::kEarBinaural);
    }
}

void CPureTone::FillTableForEar(const CCurvePref& CurvePref, std::int32_t Ear)
{
    if (!m_dataLayer)
        return;
    const auto curves = m_dataLayer->get_PureToneCurves();
    vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
    if (curves->Find(CurvePref.TestType, Ear, CurvePref.Condition, curve) ||
        (CurvePref.Condition == kFallbackCondition &&
         curves->Find(CurvePref.TestType, Ear, kFallbackToCondition, curve)))
        FillTableFromCurve(*curve, Ear);
}

void CPureTone::FillTableFromCurve(vellum::IVellumPureToneCurve& Curve, std::int32_t Ear)
{
    const auto points = Curve.get_Points()->get__NewEnum();
    platform::runtime::Variant item;
    while (points->Next(1, &item, nullptr) == platform::com::S_OK)
        tblPureTone->PureTonePlotPoint(Ear, *item.toObject().as<vellum::IVellumPureTonePoint>());
}

bool CPureTone::TableShows(const CCurvePref& pref, std::int32_t ear) const
{
    const auto shown = SelectedTest();
    if (!shown || shown->pref->TestType != pref.TestType || shown->pref->Condition != pref.Condition)
        return false;
    return tblPureTone->BinauralMode() ? ear == vellum::kEarBinaural
                                       : ear == vellum::kEarLeft || ear == vellum::kEarRight;
}

// Test properties.

void CPureTone::ChangePureToneTestProperties(bool blnRightClicked)
{
    Guarded([&] {
        const auto item = EditTestProperties(this, *palPureTone, *m_paletteItems, blnRightClicked, false, m_imageList);
        if (!item)
            return;

        const CCurvePref& pref = *item->CurvePreferences;
        // A read-only audiogram keeps the descriptions it was saved with.
        if (m_dataLayer && Enabled()) {
            const auto curves = m_dataLayer->get_PureToneCurves();
            for (const std::int32_t ear : {vellum::kEarRight, vellum::kEarLeft, vellum::kEarBinaural}) {
                vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
                if (!curves->Find(pref.TestType, ear, pref.Condition, curve))
                    continue;
                const auto measurement = curve->get_Measurement();
                // The descriptions are saved with the audiogram: a change is an edit.
                if (measurement->get_ConditionDescription() != item->ConditionDescription ||
                    measurement->get_TransducerDescription() != item->TransducerDescription)
                    m_dataNeedsSaved = true;
                measurement->put_ConditionDescription(item->ConditionDescription);
                measurement->put_TransducerDescription(item->TransducerDescription);
            }
        }
        emit TestSettingsChanged();
    });
}

// Palette configuration.

void CPureTone::ConfigureTestPalette()
{
    Guarded([this] {
        // A test with results in the open audiogram cannot be taken off.
        if (m_dataLayer)
            MarkPaletteItemsWithData(*m_dataLayer, *m_paletteItems);

        frmPaletteConfig dialog(this);
        dialog.CurveType(PrefType_PureTone);
        dialog.ShowPalette(true);
        dialog.CurvePrefs(m_curvePrefs);
        dialog.PaletteItems(m_paletteItems);
        dialog.LoadTestData();
        dialog.exec();
        if (dialog.OKPressed) {
            FillCurvePalette(*palPureTone, *m_paletteItems, false);
            ShowDataInDataLayer();
            emit PaletteMayHaveChanged();
        }
        // A test edited through More... is stored as one edited on the palette.
        if (dialog.TestEdited)
            emit TestSettingsChanged();
    });
}

}  // namespace brisance
