#include "module/panels/frmNewFieldName.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/TextResources.h"
#include "module/panels/TwipsGeometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace brisance {

namespace {

// The layout, in twips: the label, the box under it, the buttons below on the right.
constexpr int kMargin = 120;
constexpr int kWidth = 4200;
constexpr int kLabelHeight = 255;
constexpr int kBoxTop = kMargin + kLabelHeight + 60;
constexpr int kBoxHeight = 315;
constexpr int kButtonTop = kBoxTop + kBoxHeight + kMargin;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;

}  // namespace

frmNewFieldName::frmNewFieldName(const std::string& name, QWidget* parent) : QDialog(parent)
{
    const CLangLoader& texts = *ModuleGlobals::UiTextLoader();
    setWindowTitle(QString::fromStdString(texts.LoadResString2(TR_ENTER_NEW_NAME_FOR_FIELD)));
    lblCustomize = new QLabel(QString::fromStdString(texts.LoadResString(TR_CUSTOMIZE)), this);
    lblCustomize->setObjectName("lblCustomize");
    lblCustomize->setGeometry(twipsRect(kMargin, kMargin, kWidth, kLabelHeight));
    txtFieldName = new QLineEdit(QString::fromStdString(name), this);
    txtFieldName->setObjectName("txtFieldName");
    txtFieldName->selectAll();
    txtFieldName->setGeometry(twipsRect(kMargin, kBoxTop, kWidth, kBoxHeight));
    lblCustomize->setBuddy(txtFieldName);

    cmdOK = new QPushButton(QString::fromStdString(texts.LoadResString(TR_OK)), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QString::fromStdString(texts.LoadResString(TR_CANCEL)), this);
    cmdCancel->setObjectName("cmdCancel");
    const int right = kMargin + kWidth;
    cmdCancel->setGeometry(twipsRect(right - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight));
    cmdOK->setGeometry(twipsRect(right - 2 * kButtonWidth - kMargin, kButtonTop, kButtonWidth, kButtonHeight));
    setFixedSize(twipsRect(0, 0, right + kMargin, kButtonTop + kButtonHeight + kMargin).size());

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmNewFieldName::cmdOK_Click()
{
    m_newName = txtFieldName->text().toStdString();
    accept();
}

}  // namespace brisance
