#include "module/document/frmReadOnlyMsg.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/core/TextResources.h"
#include "module/panels/TwipsGeometry.h"

#include "platform/ui/MessageBox.h"
#include "platform/ui/Sound.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace brisance {

namespace {

// The layout, in twips: the icon at the left of the message, the three
// choices below it, OK at the bottom right.
constexpr int kMargin = 120;
constexpr int kIconSize = 480;
constexpr int kTextLeft = kMargin * 2 + kIconSize;
constexpr int kTextWidth = 5400;
constexpr int kMessageHeight = 720;
constexpr int kChoiceTop = kMargin * 2 + kMessageHeight;
constexpr int kChoiceHeight = 300;
constexpr int kChoicePitch = 360;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kFormWidth = kTextLeft + kTextWidth + kMargin;
constexpr int kButtonTop = kChoiceTop + 3 * kChoicePitch + kMargin;
constexpr int kFormHeight = kButtonTop + kButtonHeight + kMargin;

QString Text(TextResources id)
{
    return QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString(id));
}

}  // namespace

frmReadOnlyMsg::frmReadOnlyMsg(QWidget* parent) : QDialog(parent)
{
    platform::ui::playSystemSound("SystemQuestion");

    setWindowTitle(Text(TR_READ_ONLY_MODE));
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(QPixmap(QStringLiteral(":/brisance/dialogs/ReadOnly.xpm")));
    Image1->setGeometry(twipsRect(kMargin, kMargin, kIconSize, kIconSize));

    lblMsg = new QLabel(Text(TR_READ_ONLY_ALERT), this);
    lblMsg->setObjectName("lblMsg");
    lblMsg->setWordWrap(true);
    lblMsg->setGeometry(twipsRect(kTextLeft, kMargin, kTextWidth, kMessageHeight));

    static constexpr std::array<TextResources, 3> kChoiceTexts{
        TR_CREATE_NEW_ACTION_BASED_ON_THIS_ONE, TR_CREATE_NEW_EMPTY_ACTION,
        TR_CONTINUE_TO_VIEW_THIS_ACTION_IN_READONLY_MODE};
    for (std::size_t i = 0; i < optChoice.size(); ++i) {
        optChoice[i] = new QRadioButton(Text(kChoiceTexts[i]), this);
        optChoice[i]->setObjectName(QStringLiteral("optChoice%1").arg(i));
        optChoice[i]->setGeometry(
            twipsRect(kTextLeft, kChoiceTop + static_cast<int>(i) * kChoicePitch, kTextWidth, kChoiceHeight));
    }
    optChoice[0]->setChecked(true);

    cmdOK = new QPushButton(Text(TR_OK), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setGeometry(twipsRect(kFormWidth - kMargin - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(twipsRect(0, 0, kFormWidth, kFormHeight).size());
}

std::int32_t frmReadOnlyMsg::Choice() const
{
    if (optChoice[0]->isChecked())
        return platform::ui::IDYES;
    if (optChoice[1]->isChecked())
        return platform::ui::IDNO;
    return platform::ui::IDCANCEL;
}

void frmReadOnlyMsg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowContextHelp(this, kHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace brisance
