#pragma once
// The tympanometry panel of the impedance view: both ears' tympanogram
// summaries side by side, one column per ear, with one probe-tone frequency
// for both. Each column has its type list and boxes for peak pressure,
// ear-canal volume, static compliance, peak height and gradient; the row
// captions stand left of the columns, the ear labels above them.
//
// Values pass as texts (TympanogramValues.h): peak pressure and gradient
// unscaled, volume, compliance and height in hundredths (150 shows "1.5"),
// "-32767" for no value and "NP" for no peak. Ear codes: 3 left, 2 right, 4
// both; any ear but 3 addresses the right ear's column.
//
// Every change of a box's text, by the user or by code, while FireEvents is
// true: a number above 32767 is cut to its first four characters, then
// DataChanged is raised with the column's ear; a new type raises it too, and
// a change of the probe tone raises DataChanged(4). The host stores the
// values; the panel keeps none of its own.

#include "module/panels/FramedPanel.h"

#include "module/views/TympanogramValues.h"

#include <array>
#include <cstdint>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace brisance {

class ctlTympanometry final : public FramedPanel {
    Q_OBJECT

public:
    explicit ctlTympanometry(QWidget* parent = nullptr);

    std::string Caption() const;
    void Caption(const std::string& text);
    bool FireEvents() const { return m_fireEvents; }
    void FireEvents(bool fire) { m_fireEvents = fire; }
    // True puts the right ear's column on the left. The ear labels move with
    // their ears; the boxes keep what they show: the host fills them again.
    bool RightEarOnLeft() const { return m_rightEarOnLeft; }
    void RightEarOnLeft(bool rightOnLeft);

    void TypeCaption(const std::string& text);
    void PeakPressureCaption(const std::string& text);
    void EarCanalVolumeCaption(const std::string& text);
    void StaticComplianceCaption(const std::string& text);
    void PeakHeightCaption(const std::string& text);
    void GradientCaption(const std::string& text);
    void ProbeToneFrequencyCaption(const std::string& text);
    void EarLabel(std::int32_t Ear, const std::string& text);

    // The type code (TympanogramValues.h): a let selects its list entry, a
    // get reads the shown text.
    std::int32_t TympType(std::int32_t Ear) const;
    void TympType(std::int32_t Ear, std::int32_t code);
    std::string PeakPressure(std::int32_t Ear) const;
    void PeakPressure(std::int32_t Ear, const std::string& value);
    std::string EarCanalVolume(std::int32_t Ear) const;
    void EarCanalVolume(std::int32_t Ear, const std::string& value);
    std::string StaticCompliance(std::int32_t Ear) const;
    void StaticCompliance(std::int32_t Ear, const std::string& value);
    std::string PeakHeight(std::int32_t Ear) const;
    void PeakHeight(std::int32_t Ear, const std::string& value);
    std::string Gradient(std::int32_t Ear) const;
    void Gradient(std::int32_t Ear, const std::string& value);
    // Both ears' probe tone in Hz.
    std::string ProbeToneFrequency() const;
    void ProbeToneFrequency(const std::string& value);

    // The list entries, separated by ","; an empty last entry is dropped. The
    // first entry (the host's "other" text) goes to the end of the list; the
    // shown text and a selected type are kept where the new list has them.
    void PossibleProbeToneFrequencies(const std::string& list);
    void PossibleTypes(const std::string& list);

    // Empties every box and the probe tone and selects no type; raises nothing.
    void Clear();

signals:
    void DataChanged(std::int32_t Ear);
    // An edit begins: a box, a type list or the probe tone gets the focus.
    // The DataChanged that follow, up to the next EditBegins, are the
    // changes of that one edit.
    void EditBegins();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int columnOf(std::int32_t ear) const;
    std::int32_t earOfColumn(int column) const;
    QLineEdit& box(TympanogramField field, std::int32_t ear) const;
    std::string fieldValue(TympanogramField field, std::int32_t ear) const;
    void showValue(TympanogramField field, std::int32_t ear, const std::string& value);
    void boxEdited(TympanogramField field, int column);
    void raiseDataChanged(std::int32_t ear);

    bool m_fireEvents = true;
    bool m_rightEarOnLeft = false;
    int m_leftEarColumn = 0;
    int m_rightEarColumn = 1;

    std::array<QLabel*, 2> lblEar;
    std::array<QComboBox*, 2> cboType;
    std::array<QLineEdit*, 2> txtPeakPressure;
    std::array<QLineEdit*, 2> txtEarCanalVolume;
    std::array<QLineEdit*, 2> txtStaticCompliance;
    std::array<QLineEdit*, 2> txtPeakHeight;
    std::array<QLineEdit*, 2> txtGradient;
    QComboBox* cboProbeToneFreq;
    // By row, from the type to the probe tone.
    std::array<QLabel*, 7> lblRowCaption;
};

}  // namespace brisance
