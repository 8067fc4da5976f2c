#include "module/document/frmSonvaleSelection.h"

#include "module/core/CLangLoader.h"
#include "module/core/ListView.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/core/ProgramTitle.h"
#include "module/core/ShowRaisedError.h"
#include "module/core/TextResources.h"
#include "module/document/frmSonvaleUpdate.h"
#include "module/document/InstrumentDrivers.h"
#include "module/panels/TwipsGeometry.h"

#include "platform/com/Failure.h"
#include "platform/gfx/ImageList.h"
#include "platform/runtime/Conversions.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHandle.h"

#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace brisance {

namespace {

namespace ui = platform::ui;

constexpr const char* kSource = "SonvaleController";

// The layout, in twips: the list at the left, the buttons in a column at its
// right, OK at the bottom.
constexpr int kMargin = 120;
constexpr int kListWidth = 4800;
constexpr int kListHeight = 2640;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kButtonLeft = kMargin * 2 + kListWidth;
constexpr int kFormWidth = kButtonLeft + kButtonWidth + kMargin;
constexpr int kFormHeight = kMargin * 2 + kListHeight;

constexpr double kColumnShare = 0.47;
constexpr int kDriverIcon = 1;

QString Text(TextResources id)
{
    return QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString(id));
}

// imgMain's one picture: an audiometer, a grey case with a dial and a lamp.
platform::com::ComPtr<platform::gfx::ImageList> DriverIcons()
{
    constexpr int kSize = 16;
    QImage icon(kSize, kSize, QImage::Format_RGB32);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.setBrush(QColor(200, 200, 200));
    painter.drawRoundedRect(QRectF(1.5, 3.5, 13.0, 9.0), 1.5, 1.5);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(5.5, 8.0), 2.5, 2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 160, 0));
    painter.drawEllipse(QPointF(11.5, 6.5), 1.2, 1.2);
    painter.end();
    auto icons = platform::gfx::ImageList::create(kSize, kSize);
    icons->add(icon);
    return icons;
}

ui::FileDialogRequest InstallIniRequest()
{
    ui::FileDialogRequest request;
    request.title = "Locate installation .ini file";
    request.filter = "Installation files (*.ini)|*.ini";
    return request;
}

std::int32_t WindowHandleOf(QWidget* widget)
{
    return static_cast<std::int32_t>(ui::windowHandle(widget));
}

}  // namespace

frmSonvaleSelection::frmSonvaleSelection(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString2(TR_SETUP_AUDIOMETERS)));

    lvwDrivers = new ListView(this);
    lvwDrivers->setObjectName("lvwDrivers");
    lvwDrivers->SmallIcons(DriverIcons().as<platform::com::IUnknown>());
    lvwDrivers->setGeometry(twipsRect(kMargin, kMargin, kListWidth, kListHeight));
    lvwDrivers->setHeaderLabels({Text(TR_NAME), Text(TR_MANUFACTURER)});
    lvwDrivers->header()->setStretchLastSection(false);
    const int columnWidth = static_cast<int>(lvwDrivers->width() * kColumnShare);
    lvwDrivers->setColumnWidth(0, columnWidth);
    lvwDrivers->setColumnWidth(1, columnWidth);

    const auto newButton = [this](const char* name, TextResources text, int row) {
        auto* button = new QPushButton(Text(text), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(twipsRect(kButtonLeft, kMargin + row * (kButtonHeight + kMargin), kButtonWidth,
                                      kButtonHeight));
        return button;
    };
    cmdNew = newButton("cmdNew", TR_NEW, 0);
    cmdSetup = newButton("cmdSetup", TR_SETUP, 1);
    cmdOK = newButton("cmdOK", TR_OK, 0);
    cmdOK->setDefault(true);
    cmdOK->move(cmdOK->x(), twipsRect(0, kFormHeight - kMargin - kButtonHeight, 0, 0).y());

    connect(cmdNew, &QPushButton::clicked, this, [this] { RunShowingRaisedError(this, [this] { cmdNew_Click(); }); });
    connect(cmdSetup, &QPushButton::clicked, this,
            [this] { RunShowingRaisedError(this, [this] { cmdSetup_Click(); }); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(twipsRect(0, 0, kFormWidth, kFormHeight).size());
}

void frmSonvaleSelection::AudiController(platform::com::ComPtr<pelmsonvale::ISonvaleController> controller)
{
    m_controller = std::move(controller);
}

void frmSonvaleSelection::LoadSonvaleDrivers()
{
    lvwDrivers->clear();
    for (const SonvaleDriverPtr& driver : RegisteredDrivers(*m_controller)) {
        const std::string index = std::to_string(DriverIndex(*driver));
        QTreeWidgetItem& row = lvwDrivers->AddItem("K" + index, DriverName(*driver), kDriverIcon);
        ListView::Tag(row, index);
        row.setText(1, QString::fromStdString(DriverManufacturer(*driver)));
    }
}

void frmSonvaleSelection::cmdNew_Click()
{
    // Cancelling the file dialog or declining the replacement installs
    // nothing; the note and the list read again follow all the same.
    bool failed = false;
    if (const std::optional<std::string> path = ui::getOpenFileName(InstallIniRequest(), this))
        RunShowingRaisedError(this, [this, &path, &failed] { failed = !InstallDriverFrom(*path); });
    // The installer runs on by itself; the link adds its driver when it is done.
    if (!failed)
        ui::messageBox(this, "Press OK after installation to update the driver list.", ModuleMessageTitle(),
                       ui::MB_OK);
    LoadSonvaleDrivers();
}

bool frmSonvaleSelection::InstallDriverFrom(const std::string& iniPath)
{
    std::string moduleName;
    bool errorInIni = false;
    bool installed = false;
    platform::com::raiseOnFailure(m_controller->IsDriverInstalled(iniPath, &moduleName, &errorInIni, &installed),
                                  kSource);
    if (installed) {
        frmSonvaleUpdate question(this);
        question.exec();
        if (!question.ReplaceExisting())
            return true;
    }
    // A file with errors is not installed: the installation's own checks
    // name what is wrong with it.
    pelmsonvale::TAudiInstallReturn result = pelmsonvale::TAudiInstallReturn_SUCCESS;
    platform::com::raiseOnFailure(m_controller->InstallDriver(iniPath, &result), kSource);
    if (result == pelmsonvale::TAudiInstallReturn_SUCCESS)
        return true;
    ui::messageBox(this, Text(TR_DRIVER_NOT_INSTALLED).toStdString() + " " + std::to_string(result), ModuleMessageTitle(),
                   ui::MB_OK | ui::MB_ICONSTOP);
    return false;
}

void frmSonvaleSelection::cmdSetup_Click()
{
    const QList<QTreeWidgetItem*> selected = lvwDrivers->selectedItems();
    if (selected.isEmpty())
        return;
    const std::int32_t index = platform::runtime::CLng(platform::runtime::Val(ListView::Tag(*selected.front())));
    // The driver shows its own settings; what they come to is its business.
    pelmsonvale::TFuncResult result = pelmsonvale::TFuncResult_er_Sonvale;
    platform::com::raiseOnFailure(RegisteredDriver(*m_controller, index)->SetupAudi(WindowHandleOf(this), &result),
                                  kSource);
}

void frmSonvaleSelection::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowContextHelp(this, kHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace brisance
