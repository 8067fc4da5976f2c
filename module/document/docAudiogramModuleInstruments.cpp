// The Audiometer menu: one item per driver that the instrument link has
// registered, a click starting a measurement with its driver or stopping the
// one that runs; and the Tools item that opens the link's set-up dialog.

#include "module/document/docAudiogramModule.h"

#include "module/core/CLangLoader.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ProgramTitle.h"
#include "module/core/TextResources.h"
#include "module/document/frmSonvaleSelection.h"
#include "module/document/InstrumentDrivers.h"
#include "module/views/CPureTone.h"
#include "module/views/SonvaleEvents.h"

#include "platform/com/Failure.h"
#include "platform/runtime/Conversions.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHandle.h"

#include <QAction>

namespace brisance {

namespace {

constexpr const char* kSource = "SonvaleController";

}  // namespace

void docAudiogramModule::ConnectInstrumentCommands()
{
    connect(m_menus.mnuSonvaleDevice, &MenuControlArray::Click, this,
            [this](std::int32_t index) { Guarded([this, index] { mnuSonvaleDevice_Click(index); }); });
    connect(m_menus.mnuToolsSonvale, &QAction::triggered, this,
            [this] { Guarded([this] { mnuToolsSonvale_Click(); }); });
}

void docAudiogramModule::ListenToInstrumentLink()
{
    m_instrumentLink = std::make_unique<SonvaleEvents>(m_sonvale);
    connect(m_instrumentLink.get(), &SonvaleEvents::SetupDone, this,
            [this] { Guarded([this] { m_oAudi_SetupDone(); }); });
}

void docAudiogramModule::FillInstrumentMenu()
{
    MenuControlArray& items = *m_menus.mnuSonvaleDevice;
    for (std::int32_t index = 0; index <= items.UBound(); ++index)
        if (items.Exists(index))
            items.Enabled(index, false);
    for (std::int32_t index = items.UBound(); index >= 1; --index)
        if (items.Exists(index))
            items.Unload(index);

    const std::string start = ModuleGlobals::UiTextLoader()->LoadResString(TR_START);
    std::int32_t index = 0;
    for (const SonvaleDriverPtr& driver : RegisteredDrivers(*m_sonvale)) {
        if (!items.Exists(index)) {
            items.Load(index);
            items.Action(index).setCheckable(false);
        }
        items.Caption(index, start + " " + DriverName(*driver));
        items.Visible(index, true);
        items.Tag(index, std::to_string(DriverIndex(*driver)));
        items.Enabled(index, true);
        ++index;
    }
}

void docAudiogramModule::mnuSonvaleDevice_Click(std::int32_t Index)
{
    // The running driver's item stops it in every mode: a document that has
    // become read-only during a measurement must still be able to end it.
    if (IsDriverActive(*DriverOfInstrumentItem(Index))) {
        StopMeasurement(Index);
    } else {
        if (m_mode == kModeReadOnly)
            picViewPort_MouseDown();
        if (m_mode != kModeReadOnly)
            StartMeasurement(Index);
    }
    UpdateViewMenus();
}

void docAudiogramModule::StartMeasurement(std::int32_t Index)
{
    const SonvaleDriverPtr driver = DriverOfInstrumentItem(Index);
    pelmsonvale::TFuncResult result = pelmsonvale::TFuncResult_er_Sonvale;
    // The link refuses a start while a driver of another document runs: a
    // failed start like any other.
    if (platform::com::failed(driver->Start(static_cast<std::int32_t>(platform::ui::windowHandle(this)), &result)))
        result = pelmsonvale::TFuncResult_er_Sonvale;
    if (result == pelmsonvale::TFuncResult_fr_OK) {
        m_oPureTone->OnStartAudi();
        // The clicked item stays enabled: a second click stops the measurement.
        EnableOtherInstrumentCommands(Index, false);
        return;
    }
    m_menus.mnuToolsSonvale->setEnabled(true);
    // A driver that finds no instrument has told the user itself.
    if (result != pelmsonvale::TFuncResult_er_NoConnection)
        platform::ui::messageBox(this,
                                 ModuleGlobals::UiTextLoader()->LoadResString(TR_INSTRUMENT_NOT_STARTED) + " " +
                                     std::to_string(result),
                                 ModuleMessageTitle(), platform::ui::MB_OK | platform::ui::MB_ICONSTOP);
}

void docAudiogramModule::StopMeasurement(std::int32_t Index)
{
    pelmsonvale::TFuncResult result = pelmsonvale::TFuncResult_er_Sonvale;
    platform::com::raiseOnFailure(m_sonvale->Stop(&result), kSource);
    EnableOtherInstrumentCommands(Index, true);
}

platform::com::ComPtr<pelmsonvale::ISonvaleDriver> docAudiogramModule::DriverOfInstrumentItem(std::int32_t Index) const
{
    using platform::runtime::CLng;
    using platform::runtime::Val;
    return RegisteredDriver(*m_sonvale, CLng(Val(m_menus.mnuSonvaleDevice->Tag(Index))));
}

void docAudiogramModule::EnableOtherInstrumentCommands(std::int32_t Index, bool enabled)
{
    MenuControlArray& items = *m_menus.mnuSonvaleDevice;
    for (std::int32_t index = 0; index <= items.UBound(); ++index)
        if (index != Index && items.Exists(index))
            items.Enabled(index, enabled);
    m_menus.mnuToolsSonvale->setEnabled(enabled);
}

void docAudiogramModule::mnuToolsSonvale_Click()
{
    // An initialisation that failed before the link was made leaves nothing to set up.
    if (!m_sonvale)
        return;
    {
        frmSonvaleSelection dialog(this);
        dialog.AudiController(m_sonvale);
        dialog.LoadSonvaleDrivers();
        dialog.exec();
    }
    FillInstrumentMenu();
    UpdateViewMenus();
}

void docAudiogramModule::m_oAudi_SetupDone()
{
    FillInstrumentMenu();
}

}  // namespace brisance
