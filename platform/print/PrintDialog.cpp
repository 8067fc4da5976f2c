#include "platform/print/PrintDialog.h"

#include "platform/print/Printers.h"
#include "platform/ui/TestResponder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

namespace platform::print {
namespace {

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : "|") + name;
    return text;
}

// The printer chosen by the test responder, or nothing when it cancels.
std::optional<std::string> chosenByResponder(ui::TestResponder& responder, const ui::ShownDialog& shown,
                                             const std::vector<std::string>& names)
{
    const auto reply = responder.respond(shown);
    if (std::holds_alternative<std::monostate>(reply)
        || std::holds_alternative<ui::reply::Cancel>(std::get<ui::Reply>(reply)))
        return std::nullopt;
    const auto* printer = std::get_if<ui::reply::Printer>(&std::get<ui::Reply>(reply));
    if (!printer || std::find(names.begin(), names.end(), printer->name) == names.end())
        ui::TestResponder::misfit(shown, "one of the machine's printers or Cancel");
    return printer->name;
}

std::optional<PrintDialogResult> showDialog(const std::vector<std::string>& names, std::uint32_t flags,
                                            QWidget* owner)
{
    QDialog dialog(owner);
    dialog.setWindowTitle(QStringLiteral("Print"));
    auto* printers = new QComboBox(&dialog);
    for (const std::string& name : names)
        printers->addItem(QString::fromStdString(name));
    printers->setCurrentText(QString::fromStdString(defaultPrinterName()));
    auto* copies = new QSpinBox(&dialog);
    copies->setRange(1, 999);
    auto* collate = new QCheckBox(QStringLiteral("Collate"), &dialog);
    collate->setChecked((flags & PD_COLLATE) != 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QFormLayout(&dialog);
    layout->addRow(QStringLiteral("Printer:"), printers);
    layout->addRow(QStringLiteral("Copies:"), copies);
    layout->addRow(collate);
    layout->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return PrintDialogResult{PrintDialogOutcome::Printer, printers->currentText().toStdString(), copies->value(),
                             collate->isChecked()};
}

PrintDialogResult outcome(PrintDialogOutcome kind)
{
    PrintDialogResult result;
    result.outcome = kind;
    return result;
}

}  // namespace

PrintDialogResult printDialog(std::uint32_t flags, QWidget* owner)
{
    PrintDialogResult result;
    if (flags & PD_RETURNDEFAULT) {
        result.printerName = defaultPrinterName();
        result.collate = (flags & PD_COLLATE) != 0;
    } else {
        const std::vector<std::string> names = printerNames();
        if (names.empty())
            return outcome(PrintDialogOutcome::NoPrinter);
        const ui::ShownDialog shown{ui::DialogKind::Print, joined(names), "Print", flags};
        std::optional<PrintDialogResult> chosen;
        if (ui::TestResponder* responder = ui::TestResponder::current()) {
            if (std::optional<std::string> name = chosenByResponder(*responder, shown, names))
                chosen = PrintDialogResult{PrintDialogOutcome::Printer, *name, 1, (flags & PD_COLLATE) != 0};
        } else {
            ui::refuseOffscreenModal(shown);
            chosen = showDialog(names, flags, owner);
        }
        if (!chosen)
            return outcome(PrintDialogOutcome::Cancelled);
        result = *chosen;
    }
    if (result.printerName.empty())
        return outcome(PrintDialogOutcome::NoPrinter);
    result.outcome = PrintDialogOutcome::Printer;
    result.blocks = allocPrinterBlocks(result.printerName, result.copies, result.collate);
    if (flags & PD_RETURNDC)
        result.dc = createPrinterDc(result.printerName, {result.copies, result.collate});
    return result;
}

}  // namespace platform::print
