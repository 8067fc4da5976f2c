#include "module/document/frmDateOfEvaluation.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/core/TextResources.h"
#include "module/document/DatePicker.h"
#include "module/panels/TwipsGeometry.h"

#include "platform/runtime/Dates.h"

#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace brisance {

namespace {

// The layout, in twips: the icon at the left, the label over the picker
// beside it, OK and Cancel at the bottom right.
constexpr int kMargin = 120;
constexpr int kIconSize = 480;
constexpr int kLeft = kMargin * 2 + kIconSize;
constexpr int kWidth = 3000;
constexpr int kLabelHeight = 255;
constexpr int kPickerTop = kMargin + kLabelHeight + kMargin / 2;
constexpr int kPickerHeight = 315;
constexpr int kButtonTop = kPickerTop + kPickerHeight + kMargin * 2;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kFormWidth = kLeft + kWidth + kMargin;
constexpr int kFormHeight = kButtonTop + kButtonHeight + kMargin;

}  // namespace

frmDateOfEvaluation::frmDateOfEvaluation(QWidget* parent) : QDialog(parent)
{
    const CLangLoader& texts = *ModuleGlobals::UiTextLoader();
    const QString title = QString::fromStdString(texts.LoadResString2(TR_DATE_OF_EVALUATION));
    setWindowTitle(title);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(QPixmap(QStringLiteral(":/brisance/dialogs/DateOfEvaluation.xpm")));
    Image1->setGeometry(twipsRect(kMargin, kMargin, kIconSize, kIconSize));

    lblDateOfEvaluation = new QLabel(title, this);
    lblDateOfEvaluation->setObjectName("lblDateOfEvaluation");
    lblDateOfEvaluation->setGeometry(twipsRect(kLeft, kMargin, kWidth, kLabelHeight));

    dtpDateOfEval = NewDatePicker(this);
    dtpDateOfEval->setObjectName("dtpDateOfEval");
    dtpDateOfEval->setGeometry(twipsRect(kLeft, kPickerTop, kWidth, kPickerHeight));
    SetPickerDate(*dtpDateOfEval, platform::runtime::today());

    cmdOK = new QPushButton(QString::fromStdString(texts.LoadResString(TR_OK)), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QString::fromStdString(texts.LoadResString(TR_CANCEL)), this);
    cmdCancel->setObjectName("cmdCancel");
    const int right = kFormWidth - kMargin;
    cmdCancel->setGeometry(twipsRect(right - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight));
    cmdOK->setGeometry(twipsRect(right - 2 * kButtonWidth - kMargin, kButtonTop, kButtonWidth, kButtonHeight));
    setFixedSize(twipsRect(0, 0, kFormWidth, kFormHeight).size());

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &frmDateOfEvaluation::reject);
}

platform::runtime::Date frmDateOfEvaluation::EvaluationDate() const
{
    return PickerDate(*dtpDateOfEval);
}

void frmDateOfEvaluation::EvaluationDate(platform::runtime::Date date)
{
    SetPickerDate(*dtpDateOfEval, date);
}

void frmDateOfEvaluation::reject()
{
    Accepted = false;
    QDialog::reject();
}

void frmDateOfEvaluation::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowContextHelp(this, kHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmDateOfEvaluation::cmdOK_Click()
{
    Accepted = true;
    accept();
}

}  // namespace brisance
