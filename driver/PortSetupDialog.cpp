#include "driver/PortSetupDialog.h"

#include "driver/ComboBoxes.h"
#include "driver/DialogButtons.h"
#include "driver/DialogText.h"
#include "driver/ErrorBox.h"
#include "driver/SettingNumbers.h"
#include "driver/TextIds.h"

#include <QFormLayout>
#include <QLabel>

#include <array>

namespace marlet {

namespace {

struct Board {
    std::string_view name;
    std::string_view driver;
    std::array<std::string_view, 2> segments;  // offered besides "0x0000"
};

constexpr Board kBoards[] = {
    {"Standard 1-Port", "DOS", {}},
    {"Windows", "Windows API", {}},
    {"AST 4-Port", "DOS", {"0xF1BF", "0xF2BF"}},
    {"BOCA 1004", "DOS", {"0xFFFF"}},
    {"BOCA 1008", "DOS", {"0xFFFF"}},
    {"BOCA 1610", "BOCA 1610", {}},
    {"Digi COM4I", "Digi COMxI", {}},
    {"Digi COM8I", "Digi COMxI", {}},
    {"Digi PC/4", "DOS", {}},
    {"Digi PC/8", "DOS", {}},
    {"Digi PC/16", "DOS", {}},
    {"Digi PC/2e", "Digi PC/xe", {}},
    {"Digi PC/4e", "Digi PC/xe", {}},
    {"Digi PC/8e", "Digi PC/xe", {}},
    {"Digi SmartPort/Plus", "Digi/Arnet SmartPort/Plus", {}},
    {"Dumb 4-Port", "DOS", {}},
    {"Dumb 8-Port", "DOS", {}},
    {"GTEK PCSS-8FX", "GTEK PCSS-8FX", {}},
    {"Int 14H", "Int 14H", {}},
    {"Intel HUB 6", "Intel HUB", {}},
    {"LCS-8880", "DOS", {"0x01BF", "0x02BF"}},
    {"WCSC PC-COM", "DOS", {"0x01BF", "0x02BF"}},
};

constexpr std::string_view kAddresses[] = {"0x03F8", "0x02F8", "0x03E8", "0x02E8", "0x02E0"};

const Board* boardNamed(const std::string& name)
{
    for (const Board& board : kBoards) {
        if (board.name == name)
            return &board;
    }
    return nullptr;
}

QStringList driversFor(const Board* board)
{
    return board ? QStringList{qText(board->driver)} : QStringList();
}

QStringList segmentsFor(const Board* board)
{
    QStringList segments{"0x0000"};
    for (const std::string_view segment : board ? board->segments : std::array<std::string_view, 2>{}) {
        if (!segment.empty())
            segments << qText(segment);
    }
    return segments;
}

QStringList numbers(int first, int last)
{
    QStringList list;
    for (int number = first; number <= last; ++number)
        list << QString::number(number);
    return list;
}

QComboBox* combo(const char* objectName, bool editable = false)
{
    auto* box = new QComboBox;
    box->setObjectName(objectName);
    box->setEditable(editable);
    return box;
}

}  // namespace

PortSetupDialog::PortSetupDialog(const TextTable& texts, const std::string& portName, const PortSettings& settings,
                                 PortCheck check, QWidget* parent)
    : QDialog(parent), m_texts(texts), m_check(std::move(check)), m_entered(settings)
{
    auto* portLabel = new QLabel(QString::fromStdString("Port :  " + portName));
    portLabel->setObjectName("PortLabel");
    m_board = combo("Board");
    m_driver = combo("Driver");
    m_subPort = combo("SubPort");
    m_address = combo("Address", true);
    m_interrupt = combo("Interrupt");
    m_cardSeg = combo("CardSeg", true);

    QStringList boards;
    for (const Board& board : kBoards)
        boards << qText(board.name);
    fillCombo(*m_board, boards, settings.board);
    const Board* board = boardNamed(settings.board);
    fillCombo(*m_driver, driversFor(board), settings.driver);
    fillCombo(*m_cardSeg, segmentsFor(board), settings.cardSeg);
    fillCombo(*m_subPort, numbers(0, 15), settings.subPort);
    fillCombo(*m_address, textList(kAddresses), settings.address);
    fillCombo(*m_interrupt, numbers(2, 15), settings.interrupt);
    connect(m_board, &QComboBox::activated, this, &PortSetupDialog::boardChosen);

    auto* form = new QFormLayout;
    form->addRow(portLabel);
    form->addRow(dialogText(texts, TextBoard), m_board);
    form->addRow(dialogText(texts, TextDriver), m_driver);
    form->addRow(dialogText(texts, TextSubPort), m_subPort);
    form->addRow(dialogText(texts, TextAddress), m_address);
    form->addRow(dialogText(texts, TextInterrupt), m_interrupt);
    form->addRow(dialogText(texts, TextSegment), m_cardSeg);
    form->addRow(okCancelButtons(*this, texts, [this] { checkAndAccept(); }));
    setLayout(form);
}

void PortSetupDialog::boardChosen()
{
    const Board* board = boardNamed(comboText(*m_board));
    const QStringList drivers = driversFor(board);
    fillCombo(*m_driver, drivers, drivers.isEmpty() ? comboText(*m_driver) : drivers.front().toStdString());
    fillCombo(*m_cardSeg, segmentsFor(board), "0x0000");
}

void PortSetupDialog::checkAndAccept()
{
    const std::string address = comboText(*m_address);
    const auto addressValue = readHexWord(address);
    if (!addressValue)
        return refuse("Invalid Address  \"" + address + "\"");
    const std::string cardSeg = comboText(*m_cardSeg);
    const auto cardSegValue = readHexWord(cardSeg);
    if (!cardSegValue)
        return refuse("Invalid Card Segment  \"" + cardSeg + "\"");

    const PortSettings entered{.board = comboText(*m_board),
                               .driver = comboText(*m_driver),
                               .subPort = comboText(*m_subPort),
                               .address = hexWordText(*addressValue),
                               .interrupt = comboText(*m_interrupt),
                               .cardSeg = hexWordText(*cardSegValue)};
    if (const auto error = m_check(entered))
        return refuse(*error);
    m_entered = entered;
    accept();
}

void PortSetupDialog::refuse(const std::string& text)
{
    showSetupError(this, m_texts, text);
}

}  // namespace marlet
