#pragma once
// The settings of one serial port record: its board and the board's driver,
// sub-port, address, interrupt and card segment (object names "Board",
// "Driver", "SubPort", "Address", "Interrupt", "CardSeg"; the address and
// card segment may be typed in).
//
// OK reads the address and the card segment as "0x" and hexadecimal (a box
// says which one could not be read), then runs the port check with what was
// entered; only when both pass does the dialog end with OK, with the entered
// record, the address and segment written as "0x" and four upper-case digits.
// Otherwise the dialog stays.

#include "driver/Settings.h"
#include "driver/TextTable.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QComboBox;

namespace marlet {

class PortSetupDialog : public QDialog {
public:
    // Runs the port check with an entered record: none when it passed, else
    // the last-error text.
    using PortCheck = std::function<std::optional<std::string>(const PortSettings&)>;

    PortSetupDialog(const TextTable& texts, const std::string& portName, const PortSettings& settings,
                    PortCheck check, QWidget* parent);

    // What OK accepted.
    const PortSettings& entered() const { return m_entered; }

private:
    void boardChosen();
    void checkAndAccept();
    void refuse(const std::string& text);

    const TextTable& m_texts;
    PortCheck m_check;
    PortSettings m_entered;
    QComboBox* m_board = nullptr;
    QComboBox* m_driver = nullptr;
    QComboBox* m_subPort = nullptr;
    QComboBox* m_address = nullptr;
    QComboBox* m_interrupt = nullptr;
    QComboBox* m_cardSeg = nullptr;
};

}  // namespace marlet
