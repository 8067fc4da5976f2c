#pragma once
// The dialog in which the user keeps one of the tympanograms that the
// instrument measured for one ear: one selectable row per tympanogram with
// its peak pressure, peak compliance and gradient as the tympanometry panel
// shows them, under the ear-canal volume and probe tone that they share. The
// first row is selected at the start. OK records the selected row, Cancel
// none; either hides the dialog, and the impedance view reads the choice.

#include <QDialog>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class QTableWidget;

namespace brisance {

// Every text the dialog shows, ready for display.
struct TympanogramChoice {
    std::string Title;
    std::string VolumeCaption;
    std::string Volume;
    std::string ProbeToneCaption;
    std::string ProbeTone;
    // The captions of the peak pressure, peak compliance and gradient columns.
    std::array<std::string, 3> ColumnCaptions;
    std::vector<std::array<std::string, 3>> Rows;
    std::string OK;
    std::string Cancel;
};

class frmChooseTympanogram final : public QDialog {
    Q_OBJECT

public:
    explicit frmChooseTympanogram(const TympanogramChoice& choice, QWidget* parent = nullptr);

    // The row chosen with OK (0 the first), none after Cancel or a close.
    std::optional<std::size_t> Chosen() const { return m_chosen; }

private:
    void cmdOK_Click();

    QTableWidget* lvwTympanograms;
    std::optional<std::size_t> m_chosen;
};

}  // namespace brisance
