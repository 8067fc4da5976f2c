#include "module/preferences/frmAudiometers.h"

#include "module/core/ListView.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/core/StoreSelection.h"
#include "module/core/TextResources.h"
#include "module/panels/TwipsGeometry.h"
#include "module/panels/frmCalibrationDate.h"

#include "platform/runtime/Dates.h"
#include "platform/ui/MessageBox.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>
#include <string>

namespace brisance {

namespace ui = platform::ui;

namespace {

// The layout, in twips: the list on the left, the buttons in a column on its right.
constexpr int kMargin = 120;
constexpr int kListWidth = 6000;
constexpr int kListHeight = 3600;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kButtonPitch = 450;

constexpr int kAudiometerColumn = 0;
constexpr int kDateColumn = 1;
// The audiometer text a row had before the user edited it in place.
constexpr int kSavedTextRole = Qt::UserRole + 16;

QString Text(TextResources id)
{
    return QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString(id));
}

}  // namespace

frmAudiometers::frmAudiometers(QWidget* parent) : QDialog(parent)
{
    lvwAudiometers = new ListView(this);
    lvwAudiometers->setObjectName("lvwAudiometers");
    lvwAudiometers->setColumnCount(2);
    lvwAudiometers->setHeaderLabels({Text(TR_AUDIOMAKEMODELSERIAL), Text(TR_CALIBRATION_DATE)});
    lvwAudiometers->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    lvwAudiometers->setGeometry(twipsRect(kMargin, kMargin, kListWidth, kListHeight));
    // A fifth of the list for the date, but never less than its whole
    // caption; the audiometer column gives way to it.
    QHeaderView& header = *lvwAudiometers->header();
    const int listWidth = lvwAudiometers->width();
    const int dateWidth = std::max(listWidth / 5, header.sectionSizeHint(kDateColumn));
    const int inside = listWidth - 2 * lvwAudiometers->frameWidth();
    header.resizeSection(kAudiometerColumn, std::min(listWidth * 3 / 4, inside - dateWidth));
    header.resizeSection(kDateColumn, dateWidth);

    const auto button = [this](const char* name, TextResources caption) {
        auto* b = new QPushButton(Text(caption), this);
        b->setObjectName(name);
        return b;
    };
    cmdNew = button("cmdNew", TR_NEW);
    cmdRename = button("cmdRename", TR_RENAME);
    cmdChangeDate = button("cmdChangeDate", TR_DATE);
    cmdDelete = button("cmdDelete", TR_DELETE);
    cmdOK = button("cmdOK", TR_OK);
    cmdCancel = button("cmdCancel", TR_CANCEL);
    setWindowTitle(QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString2(TR_AUDIOMETERS)));

    const int buttonLeft = 2 * kMargin + kListWidth;
    int top = kMargin;
    for (QPushButton* b : {cmdNew, cmdRename, cmdChangeDate, cmdDelete}) {
        b->setGeometry(twipsRect(buttonLeft, top, kButtonWidth, kButtonHeight));
        top += kButtonPitch;
    }
    const int listBottom = kMargin + kListHeight;
    cmdCancel->setGeometry(twipsRect(buttonLeft, listBottom - kButtonHeight, kButtonWidth, kButtonHeight));
    cmdOK->setGeometry(twipsRect(buttonLeft, listBottom - kButtonHeight - kButtonPitch, kButtonWidth, kButtonHeight));
    setFixedSize(twipsRect(0, 0, buttonLeft + kButtonWidth + kMargin, listBottom + kMargin).size());

    connect(lvwAudiometers, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* row, int column) { RowEdited(*row, column); });
    connect(cmdNew, &QPushButton::clicked, this, [this] { cmdNew_Click(); });
    connect(cmdRename, &QPushButton::clicked, this, [this] { cmdRename_Click(); });
    connect(cmdChangeDate, &QPushButton::clicked, this, [this] { cmdChangeDate_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &frmAudiometers::reject);
}

void frmAudiometers::LoadAudiometers()
{
    if (!m_store)
        return;
    StoreSelectionKeeper keeper(*m_store, kCategory, 0);
    for (const std::string& audiometer : SelectedSectionKeys(*m_store))
        AddRow(QString::fromStdString(audiometer), QString::fromStdString(m_store->get_Value(audiometer).toString()));
}

void frmAudiometers::reject()
{
    OKPressed = false;
    QDialog::reject();
}

void frmAudiometers::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowContextHelp(this, kHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

QTreeWidgetItem& frmAudiometers::AddRow(const QString& audiometer, const QString& date)
{
    const QSignalBlocker quiet(lvwAudiometers);
    QTreeWidgetItem& row =
        lvwAudiometers->AddItem(std::to_string(m_nextRowKey++) + "K", audiometer.toStdString(), 0);
    row.setText(kDateColumn, date);
    row.setData(kAudiometerColumn, kSavedTextRole, audiometer);
    row.setFlags(row.flags() | Qt::ItemIsEditable);
    return row;
}

QTreeWidgetItem* frmAudiometers::SelectedRow() const
{
    const auto selected = lvwAudiometers->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

// The audiometer text is the row's key in the store: an edit that leaves it
// empty would store the date under no name, so it keeps the old one.
void frmAudiometers::RowEdited(QTreeWidgetItem& row, int column)
{
    if (column != kAudiometerColumn)
        return;
    const QSignalBlocker quiet(lvwAudiometers);
    if (row.text(column).trimmed().isEmpty())
        row.setText(column, row.data(column, kSavedTextRole).toString());
    else
        row.setData(column, kSavedTextRole, row.text(column));
}

void frmAudiometers::cmdNew_Click()
{
    namespace runtime = platform::runtime;
    AddRow(Text(TR_NEW_AUDIOMETER), QString::fromStdString(runtime::shortDateText(runtime::today())));
}

void frmAudiometers::cmdRename_Click()
{
    QTreeWidgetItem* row = SelectedRow();
    if (!row)
        return;
    lvwAudiometers->setFocus();
    lvwAudiometers->editItem(row, kAudiometerColumn);
}

void frmAudiometers::cmdChangeDate_Click()
{
    QTreeWidgetItem* row = SelectedRow();
    if (!row)
        return;
    frmCalibrationDate dialog(row->text(kDateColumn).toStdString(), this);
    dialog.exec();
    if (!dialog.NewDate().empty())
        row->setText(kDateColumn, QString::fromStdString(dialog.NewDate()));
}

void frmAudiometers::cmdDelete_Click()
{
    QTreeWidgetItem* row = SelectedRow();
    if (!row)
        return;
    const auto& texts = *ModuleGlobals::UiTextLoader();
    if (ui::messageBox(this, texts.LoadResString(TR_ARE_YOU_SURE_YOU_WANT_TO_DELETE_THIS_AUDIOMETER),
                       texts.LoadResString(TR_CONFIRM_DELETE), ui::MB_YESNO | ui::MB_ICONQUESTION) == ui::IDYES)
        delete row;
}

void frmAudiometers::cmdOK_Click()
{
    OKPressed = true;
    SaveAudiometers();
    accept();
}

// Rows of one text make one entry: the later row's date wins.
void frmAudiometers::SaveAudiometers()
{
    if (!m_store)
        return;
    StoreSelectionKeeper keeper(*m_store, kCategory, 0);
    m_store->ClearSection();
    for (int i = 0; i < lvwAudiometers->topLevelItemCount(); ++i) {
        const QTreeWidgetItem& row = *lvwAudiometers->topLevelItem(i);
        m_store->put_Value(row.text(kAudiometerColumn).toStdString(), row.text(kDateColumn).toStdString());
    }
}

}  // namespace brisance
