#include "module/views/frmChooseTympanogram.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace brisance {

namespace {

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

}  // namespace

frmChooseTympanogram::frmChooseTympanogram(const TympanogramChoice& choice, QWidget* parent)
    : QDialog(parent), lvwTympanograms(new QTableWidget(static_cast<int>(choice.Rows.size()), 3, this))
{
    setWindowTitle(text(choice.Title));
    setModal(true);

    auto* shared = new QFormLayout;
    auto* lblVolume = new QLabel(text(choice.Volume), this);
    lblVolume->setObjectName("lblVolume");
    auto* lblProbeTone = new QLabel(text(choice.ProbeTone), this);
    lblProbeTone->setObjectName("lblProbeTone");
    shared->addRow(text(choice.VolumeCaption), lblVolume);
    shared->addRow(text(choice.ProbeToneCaption), lblProbeTone);

    lvwTympanograms->setObjectName("lvwTympanograms");
    lvwTympanograms->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvwTympanograms->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwTympanograms->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwTympanograms->verticalHeader()->hide();
    lvwTympanograms->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The whole table shows, every column and row, without scrolling.
    lvwTympanograms->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    lvwTympanograms->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lvwTympanograms->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int column = 0; column < 3; ++column)
        lvwTympanograms->setHorizontalHeaderItem(
            column, new QTableWidgetItem(text(choice.ColumnCaptions[static_cast<std::size_t>(column)])));
    for (std::size_t row = 0; row < choice.Rows.size(); ++row)
        for (std::size_t column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(text(choice.Rows[row][column]));
            item->setTextAlignment(Qt::AlignCenter);
            lvwTympanograms->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    lvwTympanograms->selectRow(0);

    auto* cmdOK = new QPushButton(text(choice.OK), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    auto* cmdCancel = new QPushButton(text(choice.Cancel), this);
    cmdCancel->setObjectName("cmdCancel");
    connect(cmdOK, &QPushButton::clicked, this, &frmChooseTympanogram::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(shared);
    layout->addWidget(lvwTympanograms);
    layout->addLayout(buttons);
}

void frmChooseTympanogram::cmdOK_Click()
{
    const QList<QTableWidgetSelectionRange> selected = lvwTympanograms->selectedRanges();
    if (!selected.isEmpty())
        m_chosen = static_cast<std::size_t>(selected.first().topRow());
    accept();
}

}  // namespace brisance
