#include "module/document/frmSonvaleUpdate.h"

#include "module/core/CLangLoader.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/TextResources.h"
#include "module/panels/TwipsGeometry.h"

#include <QLabel>
#include <QPushButton>

namespace brisance {

namespace {

// The layout, in twips: the two lines of the question, OK and Cancel below
// them at the right.
constexpr int kMargin = 120;
constexpr int kTextWidth = 4800;
constexpr int kLineHeight = 480;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kFormWidth = kMargin * 2 + kTextWidth;
constexpr int kButtonTop = kMargin * 3 + kLineHeight * 2;
constexpr int kFormHeight = kButtonTop + kButtonHeight + kMargin;

QString Text(TextResources id)
{
    return QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString(id));
}

QLabel* NewLabel(QWidget* parent, const char* name, TextResources id, int top)
{
    auto* label = new QLabel(Text(id), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setGeometry(twipsRect(kMargin, top, kTextWidth, kLineHeight));
    return label;
}

}  // namespace

frmSonvaleUpdate::frmSonvaleUpdate(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Sonvale"));
    lblAlreadyExists = NewLabel(this, "lblAlreadyExists", TR_SONVALE_ALREADY_EXISTS, kMargin);
    lblReplace = NewLabel(this, "lblReplace", TR_SONVALE_REPLACE, kMargin * 2 + kLineHeight);

    cmdOK = new QPushButton(Text(TR_OK), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setGeometry(
        twipsRect(kFormWidth - 2 * (kMargin + kButtonWidth), kButtonTop, kButtonWidth, kButtonHeight));
    connect(cmdOK, &QPushButton::clicked, this, &frmSonvaleUpdate::cmdOK_Click);

    cmdCancel = new QPushButton(Text(TR_CANCEL), this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(twipsRect(kFormWidth - kMargin - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight));
    connect(cmdCancel, &QPushButton::clicked, this, &frmSonvaleUpdate::cmdCancel_Click);

    setFixedSize(twipsRect(0, 0, kFormWidth, kFormHeight).size());
}

void frmSonvaleUpdate::cmdOK_Click()
{
    m_replaceExisting = true;
    accept();
}

void frmSonvaleUpdate::cmdCancel_Click()
{
    m_replaceExisting = false;
    reject();
}

}  // namespace brisance
