#include "module/document/frmAudiogramProperties.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/TextResources.h"
#include "module/document/DatePicker.h"
#include "module/panels/TwipsGeometry.h"

#include <QCloseEvent>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace brisance {

namespace {

// The layout, in twips: the icon at the left, then one row per value, its
// label before it; OK at the bottom right.
constexpr int kMargin = 120;
constexpr int kIconSize = 480;
constexpr int kLabelLeft = kMargin * 2 + kIconSize;
constexpr int kLabelWidth = 1800;
constexpr int kValueLeft = kLabelLeft + kLabelWidth + kMargin;
constexpr int kValueWidth = 3600;
constexpr int kRowHeight = 315;
constexpr int kRowPitch = 420;
constexpr int kRows = 5;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kFormWidth = kValueLeft + kValueWidth + kMargin;
constexpr int kButtonTop = kMargin + kRows * kRowPitch + kMargin;
constexpr int kFormHeight = kButtonTop + kButtonHeight + kMargin;

}  // namespace

frmAudiogramProperties::frmAudiogramProperties(QWidget* parent) : QDialog(parent)
{
    const CLangLoader& texts = *ModuleGlobals::UiTextLoader();
    const auto text = [&](TextResources id) { return QString::fromStdString(texts.LoadResString(id)); };
    setWindowTitle(text(TR_AUDIOGRAM_PROPERTIES));

    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setPixmap(QPixmap(QStringLiteral(":/brisance/dialogs/AudiogramProperties.xpm")));
    Picture1->setGeometry(twipsRect(kMargin, kMargin, kIconSize, kIconSize));

    int row = 0;
    const auto place = [&row](QLabel* label, QWidget* value, const char* labelName, const char* valueName) {
        label->setObjectName(labelName);
        value->setObjectName(valueName);
        const int top = kMargin + row * kRowPitch;
        label->setGeometry(twipsRect(kLabelLeft, top, kLabelWidth, kRowHeight));
        value->setGeometry(twipsRect(kValueLeft, top, kValueWidth, kRowHeight));
        ++row;
    };
    lblDateCreated = new QLabel(text(TR_DATE_CREATED), this);
    lblDateCreatedValue = new QLabel(this);
    place(lblDateCreated, lblDateCreatedValue, "lblDateCreated", "lblDateCreatedValue");
    lblLastModified = new QLabel(text(TR_LAST_MODIFIED), this);
    lblLastModifiedValue = new QLabel(this);
    place(lblLastModified, lblLastModifiedValue, "lblLastModified", "lblLastModifiedValue");
    lblUserInitials = new QLabel(text(TR_USER_INITIALS), this);
    lblUserInitialsValue = new QLabel(this);
    place(lblUserInitials, lblUserInitialsValue, "lblUserInitials", "lblUserInitialsValue");
    lblDescription = new QLabel(text(TR_DESCRIPTION), this);
    txtDescription = new QLineEdit(this);
    place(lblDescription, txtDescription, "lblDescription", "txtDescription");
    lblDateOfEvaluation = new QLabel(QString::fromStdString(texts.LoadResString2(TR_DATE_OF_EVALUATION)), this);
    dtpDateOfEval = NewDatePicker(this);
    place(lblDateOfEvaluation, dtpDateOfEval, "lblDateOfEvaluation", "dtpDateOfEval");

    cmdOK = new QPushButton(text(TR_OK), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setGeometry(twipsRect(kFormWidth - kMargin - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight));
    setFixedSize(twipsRect(0, 0, kFormWidth, kFormHeight).size());

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAudiogramProperties::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void frmAudiogramProperties::closeEvent(QCloseEvent* event)
{
    // The user's close box; a close by the program goes through.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace brisance
