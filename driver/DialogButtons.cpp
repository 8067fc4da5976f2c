#include "driver/DialogButtons.h"

#include "driver/DialogText.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace marlet {

namespace {

constexpr int kOkText = 5000;
constexpr int kCancelText = 5001;

}  // namespace

QWidget* okCancelButtons(QDialog& dialog, const TextTable& texts, std::function<void()> onOk)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    ok->setObjectName("OK");
    ok->setText(dialogText(texts, kOkText));
    cancel->setObjectName("Cancel");
    cancel->setText(dialogText(texts, kCancelText));
    if (onOk)
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, std::move(onOk));
    else
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

}  // namespace marlet
