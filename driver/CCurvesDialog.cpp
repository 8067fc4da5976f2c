#include "driver/CCurvesDialog.h"

#include "driver/AdvancedSetupDialog.h"
#include "driver/CurveQuestion.h"
#include "driver/DialogPlacement.h"
#include "driver/DialogText.h"
#include "driver/DriverLibrary.h"
#include "driver/ErrorBox.h"
#include "driver/PickCurveDialog.h"
#include "driver/TextIds.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace marlet {

namespace {

struct CurveButton {
    int id;
    int textId;
    AcCurve curve;
};

constexpr CurveButton kCurveButtons[] = {
    {CCurvesDialog::IdcHtl, TextHtl, AcCurve::Htl},
    {CCurvesDialog::IdcMcl, TextMcl, AcCurve::Mcl},
    {CCurvesDialog::IdcUcl, TextUcl, AcCurve::Ucl},
};

template <typename Widget>
Widget* named(Widget* widget, int id)
{
    widget->setObjectName(QString::number(id));
    return widget;
}

// The instrument a status text names: its model and port, or "None".
QString instrumentName(const SettingsValues& values, ModelIndex model)
{
    const QString name = QString::fromStdString(std::string(modelName(model)));
    if (model == ModelNone)
        return name;
    return name + " (" + QString::fromStdString(values.models[model].port) + ")";
}

}  // namespace

CCurvesDialog::CCurvesDialog(DriverLibrary& library, QWidget* parent)
    : QDialog(parent, parent ? Qt::Tool : Qt::Dialog), m_library(library)
{
    const TextTable& texts = library.texts();
    setWindowTitle("PELM CORVANE");
    setAutoFillBackground(true);

    auto* group = named(new QGroupBox(dialogText(texts, TextAcCurve)), IdcCurveGroup);
    auto* groupLayout = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(this);
    for (const CurveButton& button : kCurveButtons) {
        auto* radio = named(new QRadioButton(dialogText(texts, button.textId)), button.id);
        buttons->addButton(radio, static_cast<int>(button.curve));
        groupLayout->addWidget(radio);
    }
    buttons->button(static_cast<int>(AcCurve::Htl))->setChecked(true);
    connect(buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            m_library.status().setAcCurve(static_cast<AcCurve>(id));
    });

    const SettingsValues values = library.settings().values();
    lineOf(StatusField::Audiometer) = {named(new QLabel, IdcAudioStatus), instrumentName(values, values.audiometer())};
    lineOf(StatusField::Tympanometer) = {named(new QLabel, IdcTympStatus),
                                         instrumentName(values, values.tympanometer())};
    // Wide enough for the usual texts, so that the dialog keeps its size
    // while records come in.
    const std::string connected = texts.text(TextConnectedWaiting);
    const std::string received = texts.text(TextLastRecord) + " 00:00:00";
    for (const StatusLine& line : m_lines) {
        const QFontMetrics metrics = line.label->fontMetrics();
        line.label->setMinimumWidth(std::max(metrics.horizontalAdvance(QString::fromStdString(connected)),
                                             metrics.horizontalAdvance(QString::fromStdString(received))));
    }
    auto* advSetup = named(new QPushButton(dialogText(texts, TextAdvSetup)), IdcAdvSetup);
    connect(advSetup, &QPushButton::clicked, this, &CCurvesDialog::openAdvancedSetup);

    auto* layout = new QGridLayout(this);
    layout->addWidget(group, 0, 0, 4, 1);
    layout->addWidget(named(new QLabel(dialogText(texts, TextAudioStatus)), IdcAudioLabel), 0, 1);
    layout->addWidget(lineOf(StatusField::Audiometer).label, 1, 1);
    layout->addWidget(named(new QLabel(dialogText(texts, TextTympStatus)), IdcTympLabel), 2, 1);
    layout->addWidget(lineOf(StatusField::Tympanometer).label, 3, 1);
    layout->addWidget(advSetup, 4, 1);

    const PortSlots& ports = library.ports();
    showStatus(StatusField::Audiometer, ports.audiometer.active ? connected : std::string());
    showStatus(StatusField::Tympanometer, ports.tympanometer.active ? connected : std::string());
    if (parent) {
        parent->installEventFilter(this);
        parent->window()->installEventFilter(this);
    }
    library.status().attach(this);
}

CCurvesDialog::~CCurvesDialog()
{
    m_library.status().detach(this);
    // The pick dialog belongs to the caller's window, which outlives this one.
    delete m_pick;
}

void CCurvesDialog::showStatus(StatusField field, const std::string& text)
{
    const StatusLine& line = lineOf(field);
    line.label->setText(text.empty() ? line.instrument : line.instrument + "\n" + QString::fromStdString(text));
    adjustSize();
    place();
}

void CCurvesDialog::askPickCurve(CurveQuestion& question)
{
    if (m_pick)
        return;
    const SettingsValues values = m_library.settings().values();
    const ModelIndex audiometer = values.audiometer();
    auto* pick = new PickCurveDialog(m_library.texts(), values.models[audiometer], parentWidget());
    m_pick = pick;
    pick->setAttribute(Qt::WA_DeleteOnClose);
    connect(pick, &QDialog::finished, this, [this, pick, audiometer, &question](int result) {
        // The answered dialog deletes itself later, perhaps only after a nested
        // event loop ends; the next question must not wait for that.
        m_pick.clear();
        if (result == QDialog::Accepted) {
            m_library.settings().update([&](SettingsValues& values) { pick->store(values.models[audiometer]); });
            question.answer(pick->choice());
        } else {
            question.answer(CurveChoice::Air);
        }
    });
    placeBeside(*pick);
    pick->open();
}

bool CCurvesDialog::eventFilter(QObject* watched, QEvent* event)
{
    const bool callerWindow = parentWidget() && (watched == parentWidget() || watched == parentWidget()->window());
    if (callerWindow && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        place();
    return QDialog::eventFilter(watched, event);
}

void CCurvesDialog::place()
{
    const QWidget* caller = parentWidget();
    if (!caller)
        return;
    const QScreen* screen = caller->screen();
    const QRect callerArea(caller->mapToGlobal(QPoint(0, 0)), caller->size());
    move(statusDialogPosition(callerArea, frameGeometry().size(), screen ? screen->availableGeometry() : QRect()));
}

void CCurvesDialog::openAdvancedSetup()
{
    if (m_advanced)
        return;
    const SettingsValues values = m_library.settings().values();
    const ModelIndex audiometer = values.audiometer();
    AdvancedSetupDialog* dialog =
        advancedSetupFor(audiometer, m_library.texts(), values.models[audiometer], this);
    if (!dialog)
        return;
    m_advanced = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, dialog, audiometer](int result) {
        if (result == QDialog::Accepted)
            m_library.settings().update([&](SettingsValues& values) { dialog->store(values.models[audiometer]); });
        saveOrTell(this, m_library.texts(), [this] { m_library.settings().save(); });
    });
    placeBeside(*dialog);
    dialog->open();
}

}  // namespace marlet
