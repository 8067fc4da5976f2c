#include "driver/ConnectionSession.h"

#include "driver/CCurvesDialog.h"
#include "driver/DialogPlacement.h"
#include "driver/DriverLibrary.h"
#include "driver/ErrorBox.h"
#include "driver/SetupDialog.h"
#include "platform/ui/WindowHandle.h"

#include <QApplication>
#include <QThread>

namespace marlet {

namespace {

// Widgets can be made only by a Qt application's user-interface thread.
bool userInterfaceAvailable()
{
    const auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    return application && QThread::currentThread() == application->thread();
}

bool modelNamesSet(const SettingsValues& values)
{
    return !values.model.empty() && !values.model2.empty();
}

}  // namespace

ConnectionSession::~ConnectionSession()
{
    delete m_dialog;
}

bool ConnectionSession::connect(DriverLibrary& library, WindowHandle parent)
{
    if (!userInterfaceAvailable()) {
        library.lastError().recordSerialError(ErrorNotSupported);
        return false;
    }
    SettingsValues values = library.settings().values();
    if (!modelNamesSet(values)) {
        showSetup(library, 0);
        values = library.settings().values();
        if (!modelNamesSet(values))
            return false;
    }
    library.selectModels(values.audiometer(), values.tympanometer());
    if (library.checkPorts(values, library.ports()) != 0) {
        showConnectFailure(library.texts(), library.lastError().text());
        return false;
    }
    m_dialog = new CCurvesDialog(library, platform::ui::widgetOf(parent));
    m_dialog->show();
    return true;
}

void ConnectionSession::release(DriverLibrary& library)
{
    library.ports().release();
    delete m_dialog;
    library.curveQuestion().drop();
    library.settings().save();
}

bool ConnectionSession::showSetup(DriverLibrary& library, WindowHandle parent)
{
    if (!userInterfaceAvailable()) {
        library.lastError().recordSerialError(ErrorNotSupported);
        return false;
    }
    SetupDialog dialog(library, platform::ui::widgetOf(parent));
    placeCentred(dialog);
    dialog.exec();
    return true;
}

}  // namespace marlet
