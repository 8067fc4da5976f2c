#include "module/views/CImpedance.h"

#include "module/core/ProgramTitle.h"
#include "module/core/ShowRaisedError.h"
#include "module/core/TextResources.h"
#include "module/panels/ControlColours.h"
#include "module/panels/INotes.h"
#include "module/panels/NotesChangeHandler.h"
#include "module/views/ctlARTView.h"
#include "module/views/ctlTympanometry.h"
#include "module/views/frmChooseTympanogram.h"
#include "module/views/ImpedanceLinkValues.h"
#include "module/views/SonvaleEvents.h"
#include "PelmSonvale/SonvaleTypes.h"
#include "platform/com/VariantEnumerator.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/MessageBox.h"

#include <algorithm>
#include <climits>
#include <functional>

namespace brisance {

namespace link = pelmsonvale;
namespace runtime = platform::runtime;

namespace {

constexpr std::int32_t kBothEars = 4;
constexpr std::int32_t kEars[] = {vellum::kEarLeft, vellum::kEarRight};
constexpr std::int32_t kUnaided = 2;

// The curves of a reflex panel's results.
struct ReflexCurves {
    std::int32_t thresholds;
    std::int32_t decays;
};
constexpr ReflexCurves kReflexCurves[] = {
    {vellum::kCurveIpsilateralReflex, vellum::kCurveIpsilateralDecay},
    {vellum::kCurveContralateralReflex, vellum::kCurveContralateralDecay},
};

constexpr const char* kUndoTympanometry = "Undo Tympanometry Change";
constexpr const char* kThresholdNotMarked = "Reflex Threshold Not Marked";

// The recent probe tones in the preference store.
constexpr const char* kProbeTonesList = "TympProbeTone";
constexpr std::int32_t kProbeTonesCategory = 2;
constexpr std::int32_t kProbeTonesSection = 10000;
constexpr const char* kOfferedProbeTones[] = {"0", "226", "678", "1000"};

// Layout, in twips.
constexpr int kGap = 50;
constexpr int kEndGap = 100;

constexpr TympanogramField kPanelFields[] = {TympanogramField::PeakPressure, TympanogramField::EarCanalVolume,
                                             TympanogramField::StaticCompliance, TympanogramField::PeakHeight,
                                             TympanogramField::Gradient};

// A reflex curve without a point at a stimulus, and a threshold whose tenths
// do not fit the 16 bits of a stored level: neither is a stored value.
constexpr std::int32_t kNoPoint = INT32_MIN;
constexpr std::int32_t kNotStorable = INT32_MAX;

// The stored level of a threshold (dB or a result code 400 to 404): its
// tenths; no point for no threshold.
std::int32_t storedLevel(std::int32_t threshold)
{
    if (threshold == vellum::kNoValue)
        return kNoPoint;
    const std::int64_t tenths = std::int64_t{threshold} * 10;
    if (tenths < vellum::kNoValue || tenths > -vellum::kNoValue)
        return kNotStorable;
    return static_cast<std::int32_t>(tenths);
}

// Calls the action with each point of the curve.
void forEachPoint(vellum::IVellumPureToneCurve& curve, const std::function<void(vellum::IVellumPureTonePoint&)>& action)
{
    const auto points = curve.get_Points()->get__NewEnum();
    runtime::Variant item;
    while (points->Next(1, &item, nullptr) == platform::com::S_OK)
        action(*item.toObject().as<vellum::IVellumPureTonePoint>());
}

// The reflex panel of a TReflexTestType; none for unknown.
std::optional<std::size_t> panelOfTestType(std::int32_t reflexTestType)
{
    switch (reflexTestType) {
    case link::TReflexTestType_IPSI: return 0;
    case link::TReflexTestType_CONTRA: return 1;
    default: return std::nullopt;
    }
}

// The panel's value of one of an ear's fields.
std::string fieldValue(const ctlTympanometry& panel, TympanogramField field, std::int32_t ear)
{
    switch (field) {
    case TympanogramField::PeakPressure: return panel.PeakPressure(ear);
    case TympanogramField::EarCanalVolume: return panel.EarCanalVolume(ear);
    case TympanogramField::StaticCompliance: return panel.StaticCompliance(ear);
    case TympanogramField::PeakHeight: return panel.PeakHeight(ear);
    case TympanogramField::Gradient: return panel.Gradient(ear);
    case TympanogramField::ProbeTone: break;
    }
    return panel.ProbeToneFrequency();
}

// Turns a tympanometry panel's events off for its own life.
class TympanometryEventsOff {
public:
    explicit TympanometryEventsOff(ctlTympanometry& panel) : m_panel(panel), m_fired(panel.FireEvents())
    {
        panel.FireEvents(false);
    }
    ~TympanometryEventsOff() { m_panel.FireEvents(m_fired); }
    TympanometryEventsOff(const TympanometryEventsOff&) = delete;
    TympanometryEventsOff& operator=(const TympanometryEventsOff&) = delete;

private:
    ctlTympanometry& m_panel;
    bool m_fired;
};

}  // namespace

struct CImpedance::TympanometryCaptions {
    std::string Type;
    std::string PeakPressure;
    std::string EarCanalVolume;
    std::string StaticCompliance;
    std::string PeakHeight;
    std::string Gradient;
    std::string ProbeToneFrequency;
};

CImpedance::CImpedance(QWidget* parent)
    : UserControl(parent),
      oTymp(new ctlTympanometry(this)),
      oART{new ctlARTView(this), new ctlARTView(this)},
      notImpedance(new INotes(this)),
      m_notesHandler(new NotesChangeHandler(*notImpedance,
                                            {2, [this] { return m_notesLayer.get(); }, [this] { return !isEnabled(); },
                                             [this] { m_dataNeedsSaved = true; }},
                                            this))
{
    keepTextColoursWhenDisabled(*this);
    oTymp->setObjectName("oTymp");
    oART[kIpsilateral]->setObjectName("oART0");
    oART[kContralateral]->setObjectName("oART1");
    notImpedance->setObjectName("notImpedance");
    connect(oTymp, &ctlTympanometry::DataChanged, this, [this](std::int32_t Ear) {
        m_panelEdits.Entry([&] { tympanometryChanged(Ear); });
    });
    connect(oTymp, &ctlTympanometry::EditBegins, this, [this] { m_panelEdits.EditBegins(); });
    for (std::size_t panel = 0; panel < oART.size(); ++panel) {
        connect(oART[panel], &ctlARTView::PointPlot, this,
                [this, panel](std::int32_t Frequency, std::int32_t Intensity, std::int32_t Decay, std::int32_t Ear) {
                    m_panelEdits.Entry([&] { reflexEdited(panel, Frequency, Intensity, Decay, Ear); });
                });
        connect(oART[panel], &ctlARTView::EditBegins, this, [this] { m_panelEdits.EditBegins(); });
    }
    layOut();
}

CImpedance::~CImpedance() = default;

void CImpedance::ShowNotes(bool show)
{
    m_showNotes = show;
    layOut();
}

void CImpedance::ShowIpsi(bool show)
{
    m_showIpsi = show;
    layOut();
}

void CImpedance::ShowContra(bool show)
{
    m_showContra = show;
    layOut();
}

void CImpedance::ShowTymp(bool show)
{
    m_showTymp = show;
    layOut();
}

void CImpedance::RightOnLeft(bool rightOnLeft)
{
    m_rightOnLeft = rightOnLeft;
    oTymp->RightEarOnLeft(rightOnLeft);
    for (ctlARTView* panel : oART)
        panel->RightEarOnLeft(rightOnLeft);
    // The panels leave their values where they were: the ears have moved.
    oTymp->Clear();
    for (ctlARTView* panel : oART)
        panel->Clear();
    fillPanels();
}

void CImpedance::Sonvale(vellum::ComPtr<link::ISonvaleController> controller)
{
    m_link.reset();
    if (!controller)
        return;
    m_link = std::make_unique<SonvaleEvents>(std::move(controller));
    connect(m_link.get(), &SonvaleEvents::ImpedancePoint, this,
            WhenTaken(this, &CImpedance::linkImpedancePoint));
    connect(m_link.get(), &SonvaleEvents::ReflexPoint, this, WhenTaken(this, &CImpedance::linkReflexPoint));
    connect(m_link.get(), &SonvaleEvents::DecayPoint, this, WhenTaken(this, &CImpedance::linkDecayPoint));
    connect(m_link.get(), &SonvaleEvents::ShutdownComplete, this, [this] { m_unmarkedThresholdShown = false; });
}

void CImpedance::Pressure(std::int32_t unit)
{
    if (unit == m_pressureUnit)
        return;
    m_pressureUnit = unit;
    SetTympanometryCaptions();
}

void CImpedance::Volume(std::int32_t unit)
{
    if (unit == m_volumeUnit)
        return;
    m_volumeUnit = unit;
    SetTympanometryCaptions();
}

void CImpedance::Gradient(std::int32_t unit)
{
    if (unit == m_gradientUnit)
        return;
    m_gradientUnit = unit;
    SetTympanometryCaptions();
}

std::int32_t CImpedance::HeightNeeded() const
{
    std::int32_t reflexes = 0;
    if (m_showIpsi)
        reflexes = oART[kIpsilateral]->Height() + kGap;
    if (m_showContra)
        reflexes += oART[kContralateral]->Height() + kGap;
    return reflexes + topRowHeight() + kEndGap;
}

std::int32_t CImpedance::WidthNeeded(std::int32_t available) const
{
    std::int32_t top = 0;
    if (m_showTymp)
        top += kGap + oTymp->Width();
    if (m_showNotes)
        top += kGap + notImpedance->Width();
    std::int32_t widest = top > 0 ? top + kGap : 0;
    if (m_showIpsi)
        widest = std::max(widest, kGap + oART[kIpsilateral]->Width() + kGap);
    if (m_showContra)
        widest = std::max(widest, kGap + oART[kContralateral]->Width() + kGap);
    return std::max(available, widest);
}

void CImpedance::LoadStrings()
{
    SetTympanometryCaptions();
    oART[kIpsilateral]->Caption(text(TR_IPSILATERAL_ACOUSTIC_REFLEXES));
    oART[kContralateral]->Caption(text(TR_CONTRALATERAL_ACOUSTIC_REFLEXES));
    for (ctlARTView* panel : oART) {
        panel->RowCaption(0, text(TR_STIMULUS));
        panel->RowCaption(1, text(TR_DECAY));
        panel->EarLabel(vellum::kEarLeft, text(TR_STIMULUS_LEFT));
        panel->EarLabel(vellum::kEarRight, text(TR_STIMULUS_RIGHT));
        panel->BBN_Text(text(TR_BBN));
        panel->LBN_Text(text(TR_LBN));
        panel->HBN_Text(text(TR_HBN));
    }

    // The "other" entry first: the panel moves it to the end of its lists.
    const std::string other = text(TR_OTHER) + ",";
    std::string types = other;
    for (std::string_view type : kTympanogramTypeTexts)
        (types += type) += ",";
    oTymp->PossibleTypes(types);

    if (!m_probeTones)
        m_probeTones = std::make_unique<CMRUList>();
    if (m_prefs)
        m_probeTones->LoadList(*m_prefs, kProbeTonesCategory, kProbeTonesSection, kProbeTonesList);
    std::vector<std::string> offered(std::begin(kOfferedProbeTones), std::end(kOfferedProbeTones));
    for (const std::string& recent : m_probeTones->GetList())
        if (!recent.empty() && std::find(offered.begin(), offered.end(), recent) == offered.end())
            offered.push_back(recent);
    std::string probeTones = other;
    for (const std::string& probeTone : offered)
        (probeTones += probeTone) += ",";
    oTymp->PossibleProbeToneFrequencies(probeTones);
}

void CImpedance::Clear()
{
    oTymp->Clear();
    for (ctlARTView* panel : oART)
        panel->Clear();
    m_notesHandler->ClearPanel();
}

void CImpedance::ShowDataInDataLayer()
{
    // The data shown afresh (loaded, or given back by Undo): the next change
    // in a panel is an edit of its own.
    m_panelEdits.EditBegins();
    Clear();
    fillPanels();
    m_notesHandler->LoadPanel();
}

void CImpedance::SaveMostRecentlyUsedProbeTones()
{
    if (!m_probeTones)
        m_probeTones = std::make_unique<CMRUList>();
    const std::string probeTone = oTymp->ProbeToneFrequency();
    if (!probeTone.empty())
        m_probeTones->AddItem(probeTone);
    if (m_prefs)
        m_probeTones->SaveList(*m_prefs, kProbeTonesCategory, kProbeTonesSection, kProbeTonesList);
}

void CImpedance::resizeEvent(QResizeEvent*)
{
    layOut();
}

std::string CImpedance::text(std::int32_t id) const
{
    return m_texts ? m_texts->LoadResString(id) : std::string();
}

CImpedance::TympanometryCaptions CImpedance::tympanometryCaptions() const
{
    const std::string pressureUnit = " (" + text(m_pressureUnit ? TR_DAPA : TR_MMH20) + ")";
    const std::string volumeUnit = " (" + text(m_volumeUnit ? TR_ML : TR_CC) + ")";
    const std::string gradientUnit = m_gradientUnit ? volumeUnit : pressureUnit;
    return {text(TR_TYPE),
            text(TR_PEAK_PRESSURE) + pressureUnit,
            text(TR_EAR_CANAL_VOLUME) + volumeUnit,
            text(TR_STATIC_COMPLIANCE) + volumeUnit,
            text(TR_PEAK_HEIGHT) + volumeUnit,
            text(TR_GRADIENT) + gradientUnit,
            text(TR_PROBE_TONE_FREQUENCY) + " (Hz)"};
}

void CImpedance::SetTympanometryCaptions()
{
    const TympanometryCaptions captions = tympanometryCaptions();
    oTymp->Caption(text(TR_TYMPANOMETRY));
    oTymp->TypeCaption(captions.Type);
    oTymp->PeakPressureCaption(captions.PeakPressure);
    oTymp->EarCanalVolumeCaption(captions.EarCanalVolume);
    oTymp->StaticComplianceCaption(captions.StaticCompliance);
    oTymp->PeakHeightCaption(captions.PeakHeight);
    oTymp->GradientCaption(captions.Gradient);
    oTymp->ProbeToneFrequencyCaption(captions.ProbeToneFrequency);
    oTymp->EarLabel(vellum::kEarLeft, text(TR_LEFT));
    oTymp->EarLabel(vellum::kEarRight, text(TR_RIGHT));
}

void CImpedance::layOut()
{
    oTymp->Visible(m_showTymp);
    notImpedance->Visible(m_showNotes);
    oART[kIpsilateral]->Visible(m_showIpsi);
    oART[kContralateral]->Visible(m_showContra);

    // The tympanometry and notes panels side by side on top, each reflex
    // panel below them in a row of its own.
    int left = kGap;
    if (m_showTymp) {
        oTymp->Left(left);
        oTymp->Top(kGap);
        left += oTymp->Width() + kGap;
    }
    notImpedance->Left(left);
    notImpedance->Top(kGap);
    int top = kGap + topRowHeight();
    for (std::size_t panel : {kIpsilateral, kContralateral}) {
        if (!oART[panel]->isVisibleTo(this))
            continue;
        oART[panel]->Left(kGap);
        oART[panel]->Top(top);
        top += oART[panel]->Height() + kGap;
    }
}

std::int32_t CImpedance::topRowHeight() const
{
    std::int32_t height = 0;
    if (m_showTymp)
        height = oTymp->Height() + kGap;
    if (m_showNotes && notImpedance->Height() > height)
        height = notImpedance->Height() + kGap;
    return height;
}

void CImpedance::fillPanels()
{
    if (!m_dataLayer)
        return;
    const TympanometryEventsOff quiet(*oTymp);
    for (std::int32_t ear : kEars)
        showTympanogram(ear);
    showProbeTone();
    for (std::size_t panel = 0; panel < oART.size(); ++panel)
        showReflexes(panel);
}

void CImpedance::showTympanogram(std::int32_t ear)
{
    const std::optional<TympanogramRecord> record = storedTympanogram(ear);
    if (!record)
        return;
    const TympanometryEventsOff quiet(*oTymp);
    oTymp->TympType(ear, record->TympType);
    oTymp->PeakPressure(ear, panelValue(TympanogramField::PeakPressure, record->PeakPressure));
    oTymp->EarCanalVolume(ear, panelValue(TympanogramField::EarCanalVolume, record->EarCanalVolume));
    oTymp->StaticCompliance(ear, panelValue(TympanogramField::StaticCompliance, record->StaticCompliance));
    oTymp->PeakHeight(ear, panelValue(TympanogramField::PeakHeight, record->PeakHeight));
    oTymp->Gradient(ear, panelValue(TympanogramField::Gradient, record->Gradient));
}

void CImpedance::showProbeTone()
{
    const std::optional<TympanogramRecord> left = storedTympanogram(vellum::kEarLeft);
    const std::optional<TympanogramRecord> right = storedTympanogram(vellum::kEarRight);
    std::int32_t probeTone = vellum::kNoValue;
    if (left && left->ProbeToneFrequency != vellum::kNoValue)
        probeTone = left->ProbeToneFrequency;
    else if (right)
        probeTone = right->ProbeToneFrequency;
    const TympanometryEventsOff quiet(*oTymp);
    oTymp->ProbeToneFrequency(panelValue(TympanogramField::ProbeTone, probeTone));
}

void CImpedance::showReflexes(std::size_t panel)
{
    const auto curves = m_dataLayer->get_PureToneCurves();
    for (std::int32_t ear : kEars) {
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        if (curves->Find(kReflexCurves[panel].thresholds, ear, kUnaided, curve))
            forEachPoint(*curve, [&](vellum::IVellumPureTonePoint& point) {
                const std::int16_t level = point.get_Level();
                oART[panel]->PlotPoint(ear, point.get_Frequency(), level == vellum::kNoValue ? level : level / 10);
            });
        if (curves->Find(kReflexCurves[panel].decays, ear, kUnaided, curve))
            forEachPoint(*curve, [&](vellum::IVellumPureTonePoint& point) {
                oART[panel]->PlotPointDecay(ear, point.get_Frequency(), point.get_Decay());
            });
    }
}

void CImpedance::tympanometryChanged(std::int32_t ear)
{
    if (!m_dataLayer)
        return;
    try {
        if (ear == kBothEars) {
            probeToneChanged();
            return;
        }
        const std::optional<TympanogramRecord> stored = storedTympanogram(ear);
        const TympanogramRecord before = stored.value_or(TympanogramRecord{});
        TympanogramRecord edited = before;
        for (TympanogramField field : kPanelFields)
            edited[field] = storedAfterEdit(field, before[field], fieldValue(*oTymp, field, ear));
        edited.TympType = typeAfterEdit(before.TympType, oTymp->TympType(ear));
        // An ear without a tympanogram gets one for its own values only; it
        // then takes the probe tone that both ears share.
        if (!stored && edited == before)
            return;
        edited.ProbeToneFrequency =
            storedAfterEdit(TympanogramField::ProbeTone, before.ProbeToneFrequency, oTymp->ProbeToneFrequency());
        storeTympanogram(ear, edited, kUndoTympanometry);
    } catch (const runtime::RuntimeError& error) {
        ShowRaisedError(this, error);
    }
}

void CImpedance::probeToneChanged()
{
    const auto tympanograms = m_dataLayer->get_Tympanograms();
    std::vector<vellum::ComPtr<vellum::IVellumTympanogram>> changed;
    std::vector<std::int32_t> probeTones;
    for (std::int32_t ear : kEars) {
        vellum::ComPtr<vellum::IVellumTympanogram> tympanogram;
        if (!tympanograms->Find(ear, tympanogram))
            continue;
        const std::int32_t stored = tympanogram->get_ProbeToneFrequency();
        const std::int32_t edited =
            storedAfterEdit(TympanogramField::ProbeTone, stored, oTymp->ProbeToneFrequency());
        if (edited != stored) {
            changed.push_back(tympanogram);
            probeTones.push_back(edited);
        }
    }
    if (changed.empty())
        return;
    saveStateBeforeEdit(kUndoTympanometry, text(TR_REDO_IMPEDANCE_POINT));
    for (std::size_t at = 0; at < changed.size(); ++at)
        changed[at]->put_ProbeToneFrequency(probeTones[at]);
    m_dataNeedsSaved = true;
}

void CImpedance::reflexEdited(std::size_t panel, std::int32_t code, std::int32_t threshold, std::int32_t decay,
                              std::int32_t ear)
{
    if (!m_dataLayer)
        return;
    try {
        storeReflex(panel, ear, code, threshold, decay);
    } catch (const runtime::RuntimeError& error) {
        ShowRaisedError(this, error);
    }
}

void CImpedance::saveStateBeforeEdit(const std::string& undo, const std::string& redo)
{
    if (m_panelEdits.TakesStep())
        emit SaveState(undo, redo);
}

bool CImpedance::storeTympanogram(std::int32_t ear, const TympanogramRecord& record, const std::string& undo)
{
    const auto tympanograms = m_dataLayer->get_Tympanograms();
    vellum::ComPtr<vellum::IVellumTympanogram> tympanogram;
    const bool found = tympanograms->Find(ear, tympanogram);
    if (record == (found ? readTympanogram(*tympanogram) : TympanogramRecord{}))
        return false;
    saveStateBeforeEdit(undo, text(TR_REDO_IMPEDANCE_POINT));
    if (!found)
        tympanogram = tympanograms->Add(ear);
    writeTympanogram(*tympanogram, record);
    m_dataNeedsSaved = true;
    return true;
}

bool CImpedance::storeReflex(std::size_t panel, std::int32_t ear, std::int32_t code,
                             std::optional<std::int32_t> threshold, std::optional<std::int32_t> decay)
{
    const std::int32_t level = threshold ? storedLevel(*threshold) : kNoPoint;
    if (level == kNotStorable)
        return false;
    // Read through value_or: tested as "decay && *decay != ...", the compiled
    // code may compare an absent decay's never-written value before its flag.
    const std::int32_t decayValue = decay.value_or(vellum::kNoValue);
    const std::int32_t decayResult = decayValue != vellum::kNoValue ? decayValue : kNoPoint;

    const auto curves = m_dataLayer->get_PureToneCurves();
    vellum::ComPtr<vellum::IVellumPureToneCurve> thresholds;
    vellum::ComPtr<vellum::IVellumPureToneCurve> decays;
    const bool hasThresholds = curves->Find(kReflexCurves[panel].thresholds, ear, kUnaided, thresholds);
    const bool hasDecays = curves->Find(kReflexCurves[panel].decays, ear, kUnaided, decays);
    const auto storedPoint = [code](bool found, vellum::IVellumPureToneCurve* curve) {
        const auto points = found ? curve->get_Points() : nullptr;
        return points && points->Exists(code) ? points->Item(code) : nullptr;
    };
    const auto thresholdPoint = storedPoint(hasThresholds, thresholds.get());
    const auto decayPoint = storedPoint(hasDecays, decays.get());
    const bool thresholdChanges =
        threshold && level != (thresholdPoint ? std::int32_t{thresholdPoint->get_Level()} : kNoPoint);
    const bool decayChanges = decay && decayResult != (decayPoint ? std::int32_t{decayPoint->get_Decay()} : kNoPoint);
    if (!thresholdChanges && !decayChanges)
        return false;

    saveStateBeforeEdit(text(TR_UNDO_IMPEDANCE_POINT), text(TR_REDO_IMPEDANCE_POINT));
    if (thresholdChanges) {
        if (thresholdPoint)
            thresholds->get_Points()->Remove(code);
        if (level != kNoPoint) {
            if (!hasThresholds)
                thresholds = curves->Add(kReflexCurves[panel].thresholds, ear, kUnaided);
            thresholds->get_Points()->Add(code)->put_Level(static_cast<std::int16_t>(level));
        }
    }
    if (decayChanges) {
        if (decayResult == kNoPoint) {
            decays->get_Points()->Remove(code);
        } else {
            if (!hasDecays)
                decays = curves->Add(kReflexCurves[panel].decays, ear, kUnaided);
            (decayPoint ? decayPoint : decays->get_Points()->Add(code))->put_Decay(static_cast<std::int16_t>(decayResult));
        }
    }
    m_dataNeedsSaved = true;
    return true;
}

std::optional<TympanogramRecord> CImpedance::storedTympanogram(std::int32_t ear) const
{
    vellum::ComPtr<vellum::IVellumTympanogram> tympanogram;
    if (!m_dataLayer || !m_dataLayer->get_Tympanograms()->Find(ear, tympanogram))
        return std::nullopt;
    return readTympanogram(*tympanogram);
}

void CImpedance::linkImpedancePoint(const ImpedancePointArgs& event)
{
    const std::optional<std::int32_t> ear = earOfImpedanceEar(event.Ear);
    if (!ear || !m_dataLayer || event.PointType != link::TImpPointType_TYMP
        || event.ActionType != link::TImpActionType_MeasurementPoint)
        return;
    try {
        const std::vector<std::size_t> valid = validTympanograms(event);
        if (valid.empty())
            return;
        const std::optional<std::size_t> chosen = valid.size() == 1 ? valid.front() : chooseTympanogram(*ear, event);
        if (!chosen)
            return;
        const TympanogramRecord stored = storedTympanogram(*ear).value_or(TympanogramRecord{});
        if (storeTympanogram(*ear, tympanogramFromLink(event, *chosen, stored), kUndoTympanometry)) {
            showTympanogram(*ear);
            showProbeTone();
        }
    } catch (const runtime::RuntimeError& error) {
        ShowRaisedError(this, error);
    }
}

void CImpedance::linkReflexPoint(const ReflexPointArgs& event)
{
    const std::optional<std::int32_t> ear = earOfImpedanceEar(event.Ear);
    const std::optional<std::size_t> panel = panelOfTestType(event.ReflexTestType);
    const std::optional<std::int32_t> code = stimulusCodeOf(event.SignalType);
    if (!ear || !panel || !code || !m_dataLayer)
        return;
    if (!event.IsReflexScreenPoint && !event.ValidReflexPoint) {
        // The operator marked no threshold on the instrument: nothing to store.
        if (!m_unmarkedThresholdShown) {
            m_unmarkedThresholdShown = true;
            const std::string title = m_texts ? ProgramTitle(*m_texts) : ProgramTitle(CLangLoader());
            platform::ui::messageBox(this, kThresholdNotMarked, title,
                                     platform::ui::MB_OK | platform::ui::MB_ICONINFORMATION);
        }
        return;
    }
    try {
        if (storeReflex(*panel, *ear, *code, event.Threshold, std::nullopt))
            oART[*panel]->PlotPoint(*ear, *code, event.Threshold);
    } catch (const runtime::RuntimeError& error) {
        ShowRaisedError(this, error);
    }
}

void CImpedance::linkDecayPoint(const DecayPointArgs& event)
{
    const std::optional<std::int32_t> ear = earOfImpedanceEar(event.Ear);
    const std::optional<std::size_t> panel = panelOfTestType(event.ReflexTestType);
    const std::optional<std::int32_t> code = stimulusCodeOf(event.SignalType);
    if (!ear || !panel || !code || !m_dataLayer)
        return;
    const std::int32_t decay = event.DecayDetected ? 1 : 0;
    try {
        if (storeReflex(*panel, *ear, *code, std::nullopt, decay))
            oART[*panel]->PlotPointDecay(*ear, *code, decay);
    } catch (const runtime::RuntimeError& error) {
        ShowRaisedError(this, error);
    }
}

std::optional<std::size_t> CImpedance::chooseTympanogram(std::int32_t ear, const ImpedancePointArgs& event)
{
    const TympanometryCaptions captions = tympanometryCaptions();
    const std::vector<std::size_t> valid = validTympanograms(event);
    const TympanogramRecord shared = tympanogramFromLink(event, valid.front(), {});
    TympanogramChoice choice{
        m_texts ? m_texts->LoadResString2(TR_TYMPANOMETRY) + " - "
                      + m_texts->LoadResString2(ear == vellum::kEarLeft ? TR_LEFT : TR_RIGHT)
                : std::string(),
        captions.EarCanalVolume,
        shownStoredText(TympanogramField::EarCanalVolume, shared.EarCanalVolume),
        captions.ProbeToneFrequency,
        shownStoredText(TympanogramField::ProbeTone, shared.ProbeToneFrequency),
        {captions.PeakPressure, captions.StaticCompliance, captions.Gradient},
        {},
        text(TR_OK),
        text(TR_CANCEL)};
    for (std::size_t k : valid) {
        const TympanogramRecord candidate = tympanogramFromLink(event, k, {});
        choice.Rows.push_back({shownStoredText(TympanogramField::PeakPressure, candidate.PeakPressure),
                               shownStoredText(TympanogramField::StaticCompliance, candidate.StaticCompliance),
                               shownStoredText(TympanogramField::Gradient, candidate.Gradient)});
    }
    frmChooseTympanogram dialog(choice, this);
    dialog.exec();
    const std::optional<std::size_t> row = dialog.Chosen();
    return row ? std::optional(valid[*row]) : std::nullopt;
}

}  // namespace brisance
