#include "module/report/frmReportComments.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/core/TextResources.h"
#include "module/panels/TwipsGeometry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace brisance {
namespace {

// The layout, in twips: the instructions above the text, the buttons below it
// on the right.
constexpr int kMargin = 120;
constexpr int kWidth = 6000;
constexpr int kLabelHeight = 255;
constexpr int kTextHeight = 2400;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;

}  // namespace

frmReportComments::frmReportComments(QWidget* parent) : QDialog(parent)
{
    const CLangLoader& texts = *ModuleGlobals::TextLoader(false);
    const auto text = [&](TextResources id) { return QString::fromStdString(texts.LoadResString(id)); };

    lblInstructions = new QLabel(text(TR_ENTER_COMMENTS), this);
    lblInstructions->setObjectName("lblInstructions");
    txtComments = new QPlainTextEdit(this);
    txtComments->setObjectName("txtComments");
    cmdOK = new QPushButton(text(TR_OK), this);
    cmdOK->setObjectName("cmdOK");
    cmdCancel = new QPushButton(text(TR_CANCEL), this);
    cmdCancel->setObjectName("cmdCancel");
    setWindowTitle(QString::fromStdString(texts.LoadResString2(TR_REPORT_COMMENTS)));

    int top = kMargin;
    lblInstructions->setGeometry(twipsRect(kMargin, top, kWidth, kLabelHeight));
    top += kLabelHeight + kMargin / 2;
    txtComments->setGeometry(twipsRect(kMargin, top, kWidth, kTextHeight));
    top += kTextHeight + kMargin;
    const int right = kMargin + kWidth;
    cmdCancel->setGeometry(twipsRect(right - kButtonWidth, top, kButtonWidth, kButtonHeight));
    cmdOK->setGeometry(twipsRect(right - 2 * kButtonWidth - kMargin, top, kButtonWidth, kButtonHeight));
    setFixedSize(twipsRect(0, 0, right + kMargin, top + kButtonHeight + kMargin).size());

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &frmReportComments::reject);
}

std::string frmReportComments::Comments() const
{
    return txtComments->toPlainText().toStdString();
}

void frmReportComments::Comments(const std::string& text)
{
    txtComments->setPlainText(QString::fromStdString(text));
}

void frmReportComments::reject()
{
    OKPressed = false;
    QDialog::reject();
}

void frmReportComments::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowContextHelp(this, kHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmReportComments::cmdOK_Click()
{
    OKPressed = true;
    accept();
}

}  // namespace brisance
