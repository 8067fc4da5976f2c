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
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

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

// Room for every text a status field may show: "Reading Message" and the
// error texts, as the text table (translations included) gives them.
QSize statusFieldSize(const TextTable& texts, const QFontMetrics& metrics)
{
    constexpr int kFirstErrorText = 5700;
    constexpr int kLastErrorText = 5999;
    QSize room = metrics.boundingRect(QRect(), 0, dialogText(texts, TextReadingMessage)).size();
    for (int id = kFirstErrorText; id <= kLastErrorText; ++id)
        room = room.expandedTo(metrics.boundingRect(QRect(), 0, dialogText(texts, id)).size());
    return room;
}

}  // namespace

CCurvesDialog::CCurvesDialog(DriverLibrary& library, QWidget* parent)
    : QDialog(parent), m_library(library)
{
    // A dialog is made a window of its own; with a caller's window it is a
    // child drawn inside that window instead.
    if (parent)
        setWindowFlags(Qt::Widget);
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

    m_audioStatus = named(new QLabel, IdcAudioStatus);
    m_tympStatus = named(new QLabel, IdcTympStatus);
    const QSize statusSize = statusFieldSize(texts, m_audioStatus->fontMetrics());
    for (QLabel* status : {m_audioStatus, m_tympStatus}) {
        status->setFixedSize(statusSize);
        status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    auto* advSetup = named(new QPushButton(dialogText(texts, TextAdvSetup)), IdcAdvSetup);
    connect(advSetup, &QPushButton::clicked, this, &CCurvesDialog::openAdvancedSetup);

    auto* layout = new QGridLayout(this);
    layout->addWidget(group, 0, 0, 4, 1);
    layout->addWidget(named(new QLabel(dialogText(texts, TextAudioStatus)), IdcAudioLabel), 0, 1);
    layout->addWidget(m_audioStatus, 1, 1);
    layout->addWidget(named(new QLabel(dialogText(texts, TextTympStatus)), IdcTympLabel), 2, 1);
    layout->addWidget(m_tympStatus, 3, 1);
    layout->addWidget(advSetup, 4, 1);

    adjustSize();
    place();
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
    (field == StatusField::Audiometer ? m_audioStatus : m_tympStatus)->setText(QString::fromStdString(text));
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

void CCurvesDialog::paintEvent(QPaintEvent* event)
{
    place();
    QDialog::paintEvent(event);
}

void CCurvesDialog::place()
{
    const QPoint position = statusDialogPosition(parentWidget() ? parentWidget()->width() : 0);
    if (pos() != position)
        move(position);
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
