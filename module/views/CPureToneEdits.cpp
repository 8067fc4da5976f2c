// Edits of the pure-tone view beside plotting a point: a masking level typed
// into a table without a level row, the point kinds of the chart's menu, and
// a test's points copied to the other ear.

#include "module/views/CPureTone.h"

#include "module/core/CLangLoader.h"
#include "module/core/CodeTable.h"
#include "module/core/CPaletteItems.h"
#include "module/core/TextResources.h"
#include "module/panels/CurvePalette.h"

#include "platform/runtime/Conversions.h"

namespace brisance {
namespace {

// The masked kind of a stored point's status (measured, no response,
// unmeasurable).
constexpr CodeEntry<std::int32_t> kMaskedKindOfStatus[] = {
    {vellum::kStatusMeasured, 3},
    {vellum::kStatusNoResponse, 4},
    {vellum::kStatusUnmeasurable, 5},
};

}  // namespace

void CPureTone::tblPureTone_SpecifyMasking(std::int32_t X, std::int32_t MASKING, std::int32_t Ear)
{
    TableEntry([&] {
        const auto test = SelectedTest();
        if (!test || !m_dataLayer)
            return;
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        const CCurvePref& pref = *test->pref;
        if (!m_dataLayer->get_PureToneCurves()->Find(pref.TestType, Ear, pref.Condition, curve) ||
            !curve->get_Points()->Exists(X))
            return;
        const auto point = curve->get_Points()->Item(X);
        const std::int32_t kind = LookUpCode(kMaskedKindOfStatus, point->get_Status(), 3);
        PlotMaskedPoint(X, platform::runtime::CLng(point->get_Level() / 10.0), MASKING, Ear, kind);
    });
}

void CPureTone::PlotMaskedPoint(std::int32_t Frequency, std::int32_t Level, std::int32_t MaskingLevel,
                                std::int32_t Ear, std::int32_t Kind)
{
    PlotTestPoint({}, Frequency, Level, Ear, Kind, PlotFromTable, MaskingLevel);
}

void CPureTone::mnuChartChangeType_Click(std::int32_t Kind)
{
    PlotAtChartPosition(m_menuChart, m_menuX, m_menuY, Kind);
}

void CPureTone::CopyEarDataToOffEar()
{
    Guarded([this] {
        const auto test = SelectedTest();
        // A read-only audiogram takes no copy.
        if (!test || test->item->Binaural || !m_dataLayer || !Enabled())
            return;
        // The ear of the one chart shown, or of the pressed half of the
        // palette button.
        std::int32_t source = 0;
        if (!EarsShareChart() && (m_displayMode == 0 || m_displayMode == 1)) {
            source = m_displayMode == LeftEarChart() ? vellum::kEarLeft : vellum::kEarRight;
        } else {
            const bool leftIsDown = palPureTone->SelectedButton()->LeftIsDown();
            source = leftIsDown == m_rightOnLeft ? vellum::kEarRight : vellum::kEarLeft;
        }
        const std::int32_t target = source == vellum::kEarLeft ? vellum::kEarRight : vellum::kEarLeft;

        const CCurvePref& pref = *test->pref;
        const auto curves = m_dataLayer->get_PureToneCurves();
        vellum::ComPtr<vellum::IVellumPureToneCurve> from;
        if (!curves->Find(pref.TestType, source, pref.Condition, from) || from->get_Points()->get_Count() == 0)
            return;

        const std::string action =
            m_languageLoader ? " " + m_languageLoader->LoadResString2(TR_COPY_TO_OPPOSITE_EAR) : std::string();
        SaveStateBeforeEdit(Text(TR_UNDO) + action, Text(TR_REDO) + action);

        vellum::ComPtr<vellum::IVellumPureToneCurve> to;
        if (!curves->Find(pref.TestType, target, pref.Condition, to)) {
            to = curves->Add(pref.TestType, target, pref.Condition);
            const auto measurement = to->get_Measurement();
            measurement->put_ConditionDescription(test->item->ConditionDescription);
            measurement->put_TransducerDescription(test->item->TransducerDescription);
        }
        const auto points = from->get_Points()->get__NewEnum();
        const auto targetPoints = to->get_Points();
        platform::runtime::Variant item;
        while (points->Next(1, &item, nullptr) == platform::com::S_OK) {
            const auto point = item.toObject().as<vellum::IVellumPureTonePoint>();
            const std::int32_t frequency = point->get_Frequency();
            targetPoints->Remove(frequency);
            const auto copy = targetPoints->Add(frequency);
            copy->put_Level(point->get_Level());
            copy->put_MaskingLevel(point->get_MaskingLevel());
            copy->put_Status(point->get_Status());
        }
        ShowDataInDataLayer();
        m_dataNeedsSaved = true;
    });
}

}  // namespace brisance
