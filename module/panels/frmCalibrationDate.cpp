#include "module/panels/frmCalibrationDate.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/TextResources.h"
#include "module/panels/TwipsGeometry.h"

#include <QLineEdit>
#include <QPushButton>

namespace brisance {

namespace {

// The layout, in twips: the box across the top, the buttons below it on the right.
constexpr int kMargin = 120;
constexpr int kBoxWidth = 3600;
constexpr int kBoxHeight = 315;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;

QString Text(TextResources id)
{
    return QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString(id));
}

}  // namespace

frmCalibrationDate::frmCalibrationDate(const std::string& date, QWidget* parent) : QDialog(parent)
{
    txtDate = new QLineEdit(QString::fromStdString(date), this);
    txtDate->setObjectName("txtDate");
    txtDate->selectAll();
    cmdOK = new QPushButton(Text(TR_OK), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(Text(TR_CANCEL), this);
    cmdCancel->setObjectName("cmdCancel");
    setWindowTitle(QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString2(TR_CALIBRATION_DATE)));

    const int right = kMargin + kBoxWidth;
    const int buttonTop = kMargin + kBoxHeight + kMargin;
    txtDate->setGeometry(twipsRect(kMargin, kMargin, kBoxWidth, kBoxHeight));
    cmdCancel->setGeometry(twipsRect(right - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight));
    cmdOK->setGeometry(twipsRect(right - 2 * kButtonWidth - kMargin, buttonTop, kButtonWidth, kButtonHeight));
    setFixedSize(twipsRect(0, 0, right + kMargin, buttonTop + kButtonHeight + kMargin).size());

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmCalibrationDate::cmdOK_Click()
{
    m_newDate = txtDate->text().toStdString();
    accept();
}

}  // namespace brisance
