// The pictures under the pure-tone and speech charts, the test-palette
// configuration of the shown view, and the help topics.

#include "module/document/docAudiogramModule.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/document/KeyedTabStrip.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"
#include "module/views/CUnderlayGenerator.h"

#include "platform/ui/Help.h"

#include <QAction>

#include <array>
#include <optional>

namespace brisance {

namespace {

// The pure-tone underlays by menu element: how each is generated and whether
// it is drawn over the grid lines.
struct PureToneUnderlay {
    bool (CUnderlayGenerator::*generate)(vellum::IVellumKeyedStore&, const std::string&) const;
    bool aboveGrid;
};
constexpr std::array<PureToneUnderlay, 3> kPureToneUnderlays{{
    {&CUnderlayGenerator::GenerateSeverityOfLossUnderlay, false},
    {&CUnderlayGenerator::GenerateSpeechSpectrumUnderlay, false},
    {&CUnderlayGenerator::GenerateAudibilityIndexUnderlay, true},
}};

// The speech underlay that the menu or preference index 0 to 3 selects: the
// chart's templates 1 to 4; any other index selects none (0).
std::int32_t SpeechChartUnderlay(std::int32_t index)
{
    return index >= 0 && index <= 3 ? index + 1 : 0;
}

// The profile's speech underlay argument: the first bit of its graph options
// that names one, in this order (bit 1 asks for none: 100); graph options
// without any of them name no underlay at all.
std::optional<std::int32_t> SpeechUnderlayOfGraphOptions(std::int32_t options)
{
    static constexpr std::array<std::pair<std::int32_t, std::int32_t>, 5> kBits{{
        {0x2, 100},
        {0x400, 0},
        {0x200, 1},
        {0x80, 2},
        {0x100, 3},
    }};
    for (const auto& [bit, underlay] : kBits)
        if (options & bit)
            return underlay;
    return std::nullopt;
}

}  // namespace

void docAudiogramModule::ConnectUnderlayCommands()
{
    connect(m_menus.mnuViewUnderlay, &MenuControlArray::Click, this,
            [this](std::int32_t index) { Guarded([this, index] { mnuViewUnderlay_Click(index); }); });
    connect(m_menus.mnuEditAddRemoveTest, &QAction::triggered, this,
            [this] { Guarded([this] { ConfigureCurrentTestPalette(); }); });
    connect(m_menus.mnuHelpTopics, &QAction::triggered, this, [this] { Guarded([this] { ShowHelpTopics(); }); });
}

void docAudiogramModule::mnuViewUnderlay_Click(std::int32_t Index)
{
    ShowPureToneUnderlay(Index, false);
}

void docAudiogramModule::ShowPureToneUnderlay(std::int32_t Index, bool Force)
{
    MenuControlArray& items = *m_menus.mnuViewUnderlay;
    const bool known = Index >= 0 && Index < static_cast<std::int32_t>(kPureToneUnderlays.size());
    if (!Force && known && items.Checked(Index)) {
        m_oPureTone->DisplayMetaFileInChart(std::string(), false);
        CheckPureToneUnderlay(-1);
        return;
    }
    if (known) {
        const PureToneUnderlay& underlay = kPureToneUnderlays[static_cast<std::size_t>(Index)];
        const std::string& file = m_underlayFile.Path();
        // A picture that could not be written leaves the file as it was.
        (CUnderlayGenerator().*underlay.generate)(*ModuleGlobals::PreferenceStore(), file);
        m_oPureTone->DisplayMetaFileInChart(file, underlay.aboveGrid);
    }
    CheckPureToneUnderlay(Index);
}

void docAudiogramModule::CheckPureToneUnderlay(std::int32_t Index)
{
    MenuControlArray& items = *m_menus.mnuViewUnderlay;
    for (std::int32_t element = 0; element <= items.UBound(); ++element)
        items.Checked(element, element == Index);
}

void docAudiogramModule::ShowProfilePureToneUnderlay(std::int32_t graphOptions)
{
    // The first of the three underlay bits wins.
    for (std::int32_t index = 0; index < static_cast<std::int32_t>(kPureToneUnderlays.size()); ++index)
        if (graphOptions & (1 << index)) {
            ShowPureToneUnderlay(index, true);
            return;
        }
    m_oPureTone->DisplayMetaFileInChart(std::string(), false);
    // No element stays ticked for an underlay that is not shown.
    CheckPureToneUnderlay(-1);
}

void docAudiogramModule::SetSpeechUnderlay(std::int32_t Index, bool Show)
{
    if (!Show)
        m_oSpeech->DisplayMetaFileInChart(std::string(), false);
    else
        m_oSpeech->SetChartUnderlay(SpeechChartUnderlay(Index));
}

void docAudiogramModule::ShowProfileSpeechUnderlay(std::int32_t graphOptions)
{
    // Graph options without an underlay bit leave the chart's underlay as it is.
    if (const std::optional<std::int32_t> underlay = SpeechUnderlayOfGraphOptions(graphOptions))
        SetSpeechUnderlay(*underlay, true);
}

void docAudiogramModule::ConfigureCurrentTestPalette()
{
    const std::string tab = m_tabMain->SelectedKey();
    if (tab == "PURETONE")
        m_oPureTone->ConfigureTestPalette();
    else if (tab == "SPEECH")
        m_oSpeech->ConfigureTestPalette();
}

void docAudiogramModule::ShowHelpTopics()
{
    platform::ui::htmlHelp(this, HelpPath(), platform::ui::HH_DISPLAY_TOPIC);
}

}  // namespace brisance
