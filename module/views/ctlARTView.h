#pragma once
// An acoustic-reflex panel of the impedance view (the view shows one for the
// ipsilateral and one for the contralateral reflexes): for both ears side by
// side, one row of reflex thresholds over nine stimulus columns (250 Hz to
// 6 kHz and the three noise bands) and under it one decay button per column.
// The user types thresholds and clicks decay results; each such edit is
// reported with PointPlot. The host fills the panel with PlotPoint and
// PlotPointDecay, which report nothing.
//
// Ear codes: 3 left, any other right. With RightEarOnLeft (true at creation)
// the right ear stands on side 0, the left of the panel.
//
// Thresholds are whole dB; 400 to 404 are result codes shown as " NA", " NT",
// " NR", " YES" and " NR", read back (trimmed, in any case) as 400 to 403;
// -32767 is no threshold (an empty cell). A decay result is 1 present (a
// "+"), 0 absent (a "-") or -32767 none (no picture).

#include "module/panels/FramedPanel.h"

#include <QIcon>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QLabel;
class QPushButton;

namespace brisance {

class TolvEditGrid;

class ctlARTView final : public FramedPanel {
    Q_OBJECT

public:
    static constexpr std::size_t kColumnCount = 9;

    explicit ctlARTView(QWidget* parent = nullptr);

    std::string Caption() const;
    void Caption(const std::string& text);
    // Bit i lets the user type into column i of both grids.
    void FreqsToRecord(std::int32_t mask);
    // Bit i shows the decay buttons of column i.
    void DecaysToRecord(std::int32_t mask);
    // True puts the right ear on side 0. The ear labels move with their ears;
    // cells and buttons stay where they are: the host fills them again.
    bool RightEarOnLeft() const { return m_rightEarOnLeft; }
    void RightEarOnLeft(bool rightOnLeft);

    // Shows a threshold in the column of the stimulus code on the ear's side;
    // a code of none of the nine columns (7000, unknown) writes no cell.
    void PlotPoint(std::int32_t Ear, std::int32_t Frequency, std::int32_t Intensity);
    // Shows a decay result (1 or 10 present, 0 absent, anything else none)
    // on the button of the stimulus code's column on the ear's side.
    void PlotPointDecay(std::int32_t Ear, std::int32_t Frequency, std::int32_t Decay);
    // Empties both grids and gives every decay button no result.
    void Clear();

    // Row 0 stands beside the column headers, row 1 beside the decay buttons;
    // any other row raises the runtime's error 9.
    void RowCaption(std::int32_t Row, const std::string& Caption);
    void EarLabel(std::int32_t Ear, const std::string& text);

    // The headers of the noise-band columns; a let sets both grids up again
    // (keeping FreqsToRecord).
    std::string BBN_Text() const { return m_noiseTexts[0]; }
    void BBN_Text(const std::string& text);
    std::string LBN_Text() const { return m_noiseTexts[1]; }
    void LBN_Text(const std::string& text);
    std::string HBN_Text() const { return m_noiseTexts[2]; }
    void HBN_Text(const std::string& text);

signals:
    // A threshold typed or a decay clicked: the column's stimulus code, the
    // cell's threshold (-32767 none), the column's decay (-32767 none, 0
    // absent, 1 present) and the ear of the side.
    void PointPlot(std::int32_t Frequency, std::int32_t Intensity, std::int32_t Decay, std::int32_t Ear);
    // An edit begins: the user enters a threshold cell, or clicks a decay
    // button. The PointPlots that follow, up to the next EditBegins, are the
    // changes of that one edit.
    void EditBegins();

private:
    enum DecayState : int { NoDecay = 0, DecayPresent = 1, DecayAbsent = -1 };

    int sideOf(std::int32_t ear) const;
    std::int32_t earOfSide(int side) const;
    void setUpGrids();
    void setDecayState(int side, int column, DecayState state);
    // The threshold the cell holds; nullopt when it holds no threshold that
    // can be stored.
    std::optional<std::int32_t> cellThreshold(int side, int column) const;
    void thresholdTyped(int side, std::int32_t column);
    void decayClicked(int side, int column);
    void report(int side, int column, std::int32_t threshold);

    bool m_rightEarOnLeft = true;
    int m_leftEarSide = 1;
    int m_rightEarSide = 0;
    std::int32_t m_freqsToRecord;
    std::array<std::string, 3> m_noiseTexts;

    std::array<QLabel*, 2> lblEar;
    std::array<QLabel*, 2> lblRowCaption;
    std::array<TolvEditGrid*, 2> grdEar;
    // By side: cmdDecay0 under grid 0, cmdDecay1 under grid 1.
    std::array<std::array<QPushButton*, kColumnCount>, 2> cmdDecay;
    std::array<std::array<DecayState, kColumnCount>, 2> m_decayStates{};
    // Image 1 (decay present) and image 2 (decay absent).
    QIcon m_presentImage;
    QIcon m_absentImage;
};

}  // namespace brisance
