#include "driver/DialogButtons.h"

#include "driver/DialogText.h"
#include "driver/TextIds.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace marlet {

QWidget* okCancelButtons(QDialog& dialog, const TextTable& texts, std::function<void()> onOk)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    ok->setObjectName("OK");
    ok->setText(dialogText(texts, TextOk));
    cancel->setObjectName("Cancel");
    cancel->setText(dialogText(texts, TextCancel));
    if (onOk)
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, std::move(onOk));
    else
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

}  // namespace marlet
