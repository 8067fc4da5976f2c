#pragma once
// The dialog in which the user chooses the frequencies of the pure-tone
// average: one row per frequency of vellum::kAverageFrequencies (bit n of a
// mask is the n-th frequency), a box that counts it and, beside it, a box
// that counts it twice. A frequency counts twice only while it counts at
// all: its second box is enabled only then, and unticked with the first.
//
// The caller shows it modally; after OK the two masks hold the ticked boxes,
// after Cancel they hold what the dialog was opened with.

#include <QDialog>

#include <cstdint>
#include <memory>
#include <vector>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace brisance {

class CLangLoader;

class frmAverageFrequencies : public QDialog {
    Q_OBJECT

public:
    // Texts from the loader; none without one.
    frmAverageFrequencies(std::shared_ptr<const CLangLoader> texts, std::int32_t lngAverage,
                          std::int32_t lngDoubleAverage, QWidget* parent = nullptr);

    std::int32_t FrequenciesToAverage() const { return m_average; }
    std::int32_t FrequenciesToDblAverage() const { return m_doubleAverage; }

private:
    void chkFreq_Click(std::size_t index);
    void cmdOK_Click();

    std::int32_t m_average;
    std::int32_t m_doubleAverage;
    QGroupBox* fraWeight;
    QGroupBox* fraDoubleWeight;
    std::vector<QCheckBox*> chkFreq;
    std::vector<QCheckBox*> chkFreqDbl;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

}  // namespace brisance
