#include "driver/SetupDialog.h"

#include "driver/AdvancedSetupDialog.h"
#include "driver/ComboBoxes.h"
#include "driver/DialogButtons.h"
#include "driver/DialogPlacement.h"
#include "driver/DialogText.h"
#include "driver/DriverLibrary.h"
#include "driver/ErrorBox.h"
#include "driver/PortSetupDialog.h"
#include "driver/TextIds.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <span>

namespace marlet {

namespace {

constexpr std::string_view kAudiometers[] = {"Tessil", "Dunmor", "Halvec", "Pyrel", "None"};
constexpr std::string_view kTympanometers[] = {"Quorrel v2", "Quorrel v1", "None"};

constexpr std::string_view kTessilBauds[] = {"300", "600", "1200", "1800", "2400", "4800", "9600", "19200"};
constexpr std::string_view kDunmorBauds[] = {"300", "600", "1200", "2400", "4800", "9600"};
constexpr std::string_view kHalvecBauds[] = {"600", "1200", "2400", "4800", "9600", "19200"};
constexpr std::string_view kPyrelBauds[] = {"4800", "9600", "19200", "38400", "57600", "115200"};
constexpr std::string_view kQuorrelV2Bauds[] = {"300", "600", "1200", "2400", "4800", "9600", "19200"};
constexpr std::string_view kQuorrelV1Bauds[] = {"300", "600", "1200", "2400", "4800", "9600"};

constexpr std::string_view kSevenEven[] = {"7 / Even"};
constexpr std::string_view kAudiometerLines[] = {"7 / Space", "7 / Even", "7 / Odd", "8 / None"};
constexpr std::string_view kTympanometerLines[] = {"7 / None", "7 / Even", "7 / Odd", "8 / None"};

struct LineChoices {
    std::span<const std::string_view> bauds;
    std::span<const std::string_view> bitsParity;
    bool lineButtons;  // flow and stop bits may be chosen
};

// By ModelIndex; "None" offers nothing.
const LineChoices kLineChoices[kModelCount] = {
    {kTessilBauds, kSevenEven, false},     {kDunmorBauds, kSevenEven, false},
    {kHalvecBauds, kAudiometerLines, true}, {kQuorrelV2Bauds, kTympanometerLines, false},
    {kQuorrelV1Bauds, kTympanometerLines, false}, {kPyrelBauds, kAudiometerLines, true},
    {{}, {}, false},
};

QComboBox* combo(const std::string& objectName)
{
    auto* box = new QComboBox;
    box->setObjectName(QString::fromStdString(objectName));
    return box;
}

QStringList portNames()
{
    QStringList names;
    for (int index = 0; index < kPortCount; ++index)
        names << QString::fromStdString(portName(index));
    return names;
}

ModelIndex modelOf(const QComboBox& box)
{
    return modelNamed(comboText(box)).value_or(ModelNone);
}

void setStoredText(std::string& field, const std::string& text)
{
    if (!text.empty())
        field = text;
}

}  // namespace

SetupDialog::SetupDialog(DriverLibrary& library, QWidget* parent)
    : QDialog(parent), m_library(library), m_values(library.settings().values())
{
    const TextTable& texts = library.texts();
    setWindowTitle(dialogText(texts, TextSetupCaption));

    auto* layout = new QVBoxLayout(this);
    QGroupBox* audiometer = makeSide(m_audiometer, "Audiometer", TextAudiometer, true);
    m_advSetup = textButton<QPushButton>(texts, TextAdvSetup, "AdvSetup");
    audiometer->layout()->addWidget(m_advSetup);
    connect(m_advSetup, &QPushButton::clicked, this, &SetupDialog::openAdvancedSetup);
    layout->addWidget(audiometer);
    layout->addWidget(makeSide(m_tympanometer, "Tympanometer", TextTympanometer, false));
    auto* version = new QLabel("v1.1");
    version->setObjectName("Version");
    layout->addWidget(version);
    layout->addWidget(okCancelButtons(*this, texts, [this] { checkAndAccept(); }));

    fillCombo(*m_audiometer.model, textList(kAudiometers), m_values.model);
    fillCombo(*m_tympanometer.model, textList(kTympanometers), m_values.model2);
    for (Side* side : {&m_audiometer, &m_tympanometer}) {
        side->shown = modelOf(*side->model);
        fill(*side);
    }
}

QGroupBox* SetupDialog::makeSide(Side& side, const char* name, int captionId, bool lineButtons)
{
    const TextTable& texts = m_library.texts();
    const std::string prefix = name;
    side.model = combo(prefix + "Model");
    side.port = combo(prefix + "Port");
    side.baud = combo(prefix + "Baud");
    side.bitsParity = combo(prefix + "BitsParity");
    side.portSetup = textButton<QPushButton>(texts, TextPortSetup, (prefix + "PortSetup").c_str());

    auto* group = new QGroupBox(dialogText(texts, captionId));
    auto* form = new QFormLayout(group);
    form->addRow(dialogText(texts, TextModel), side.model);
    form->addRow(dialogText(texts, TextPort), side.port);
    form->addRow(side.portSetup);
    auto* line = new QGroupBox(dialogText(texts, TextCommunications));
    auto* lineForm = new QFormLayout(line);
    lineForm->addRow(dialogText(texts, TextBaudRate), side.baud);
    lineForm->addRow(dialogText(texts, TextBitsParity), side.bitsParity);
    if (lineButtons) {
        side.ctsRts = new QRadioButton("CTS/RTS");
        side.ctsRts->setObjectName(QString::fromStdString(prefix + "CtsRts"));
        side.xonXoff = new QRadioButton("XON/XOFF");
        side.xonXoff->setObjectName(QString::fromStdString(prefix + "XonXoff"));
        side.oneBit = new QRadioButton("1 Bit");
        side.oneBit->setObjectName(QString::fromStdString(prefix + "1Bit"));
        side.twoBits = new QRadioButton("2 Bits");
        side.twoBits->setObjectName(QString::fromStdString(prefix + "2Bits"));
        // Each pair is a group of its own.
        auto* flow = new QGroupBox(dialogText(texts, TextFlowControl));
        auto* flowLayout = new QHBoxLayout(flow);
        flowLayout->addWidget(side.ctsRts);
        flowLayout->addWidget(side.xonXoff);
        auto* stopBits = new QGroupBox(dialogText(texts, TextStopBits));
        auto* stopLayout = new QHBoxLayout(stopBits);
        stopLayout->addWidget(side.oneBit);
        stopLayout->addWidget(side.twoBits);
        lineForm->addRow(flow);
        lineForm->addRow(stopBits);
    }
    form->addRow(line);

    connect(side.model, &QComboBox::activated, this, [this, &side] { modelChosen(side); });
    connect(side.portSetup, &QPushButton::clicked, this, [this, &side] { openPortSetup(side); });
    return group;
}

void SetupDialog::modelChosen(Side& side)
{
    const ModelIndex chosen = modelOf(*side.model);
    if (chosen == side.shown)
        return;
    store(side, m_values);
    side.shown = chosen;
    fill(side);
}

void SetupDialog::fill(Side& side)
{
    const bool none = side.shown == ModelNone;
    const LineChoices& choices = kLineChoices[side.shown];
    if (none) {
        side.port->clear();
        side.baud->clear();
        side.bitsParity->clear();
    } else {
        const ModelSettings& record = m_values.models[side.shown];
        fillCombo(*side.port, portNames(), record.port);
        fillCombo(*side.baud, textList(choices.bauds), record.baud);
        fillCombo(*side.bitsParity, textList(choices.bitsParity), record.bitsParity);
        if (side.ctsRts) {
            side.ctsRts->setChecked(record.flow == "CTS/RTS");
            side.xonXoff->setChecked(record.flow == "XON/XOFF");
            side.oneBit->setChecked(record.stopBits == "1 Bit");
            side.twoBits->setChecked(record.stopBits == "2 Bits");
        }
    }
    for (QWidget* widget : {static_cast<QWidget*>(side.port), static_cast<QWidget*>(side.baud),
                            static_cast<QWidget*>(side.bitsParity), static_cast<QWidget*>(side.portSetup)})
        widget->setEnabled(!none);
    if (side.ctsRts) {
        for (QRadioButton* button : {side.ctsRts, side.xonXoff, side.oneBit, side.twoBits})
            button->setEnabled(choices.lineButtons);
        m_advSetup->setEnabled(side.shown == ModelTessil || side.shown == ModelDunmor || side.shown == ModelHalvec);
    }
}

void SetupDialog::store(const Side& side, SettingsValues& values) const
{
    if (side.shown == ModelNone)
        return;
    ModelSettings& record = values.models[side.shown];
    setStoredText(record.port, comboText(*side.port));
    setStoredText(record.baud, comboText(*side.baud));
    setStoredText(record.bitsParity, comboText(*side.bitsParity));
    if (side.ctsRts) {
        if (side.ctsRts->isChecked() || side.xonXoff->isChecked())
            record.flow = side.ctsRts->isChecked() ? "CTS/RTS" : "XON/XOFF";
        if (side.oneBit->isChecked() || side.twoBits->isChecked())
            record.stopBits = side.oneBit->isChecked() ? "1 Bit" : "2 Bits";
    }
}

SettingsValues SetupDialog::entered() const
{
    SettingsValues values = m_values;
    store(m_audiometer, values);
    store(m_tympanometer, values);
    values.model = comboText(*m_audiometer.model);
    values.model2 = comboText(*m_tympanometer.model);
    return values;
}

void SetupDialog::openPortSetup(const Side& side)
{
    const auto index = portIndex(comboText(*side.port));
    if (m_portSetup || !index)
        return;
    const int port = *index;
    auto check = [this, port](const PortSettings& record) -> std::optional<std::string> {
        SettingsValues values = entered();
        values.ports[port] = record;
        PortSlots slots;
        if (m_library.checkPorts(values, slots) == 0)
            return std::nullopt;
        return m_library.lastError().text();
    };
    auto* dialog = new PortSetupDialog(m_library.texts(), portName(port), m_values.ports[port], check, this);
    m_portSetup = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, port] {
        m_values.ports[port] = dialog->entered();
        m_library.settings().update([&](SettingsValues& values) { values.ports[port] = dialog->entered(); });
        saveOrTell(this, m_library.texts(), [this] { m_library.settings().savePorts(); });
    });
    placeBeside(*dialog);
    dialog->open();
}

void SetupDialog::openAdvancedSetup()
{
    const ModelIndex model = m_audiometer.shown;
    if (m_advanced)
        return;
    AdvancedSetupDialog* dialog = advancedSetupFor(model, m_library.texts(), m_values.models[model], this);
    if (!dialog)
        return;
    m_advanced = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, model] { dialog->store(m_values.models[model]); });
    placeBeside(*dialog);
    dialog->open();
}

void SetupDialog::checkAndAccept()
{
    const SettingsValues values = entered();
    PortSlots slots;
    if (m_library.checkPorts(values, slots) != 0) {
        showSetupError(this, m_library.texts(), m_library.lastError().text());
        openPortSetup(m_audiometer.shown != ModelNone ? m_audiometer : m_tympanometer);
        return;
    }
    m_values = values;
    m_library.settings().update([&](SettingsValues& stored) { stored = values; });
    m_library.selectModels(values.audiometer(), values.tympanometer());
    if (saveOrTell(this, m_library.texts(), [this] { m_library.settings().save(); }))
        accept();
}

}  // namespace marlet
