#pragma once
// The pure-tone results table under the pure-tone charts: one edit grid per
// ear (grdEar 0 on the left, 1 on the right), one column per audiometric
// frequency, a row of threshold levels and a row of masking levels. The view
// writes every plotted or deleted point into it; a clinician types thresholds
// into it, and each complete, valid entry goes back to the view as PointPlot
// (or SpecifyMasking in a table without a level row), which the view plots as
// if it had been clicked on the chart. The table keeps nothing but its cell
// texts.
//
// Cells show levels in dB and masking levels in whole dB, with "." as the
// decimal point whatever the locale, and typed numbers are read the same way.
// A no-response or unmeasurable point shows NoResponseText or
// UnMeasurableText; the level behind the mark is kept in the grid's hidden
// row 2. A level text that starts with "-" is read by its leading number (a
// minus alone is 0 dB). A typed value outside LowLimit to HighLimit beeps and
// loses its last character; an emptied level cell raises DeletePoint.
//
// Ear codes: 3 left, 2 right, 4 binaural. Plot types: 0 unmasked, 1 no
// response, 2 unmeasurable, 3 masked, 4 masked no response, 5 masked
// unmeasurable.

#include "module/panels/FramedPanel.h"

#include <array>
#include <cstdint>
#include <string>

class QLabel;

namespace vellum {
class IVellumPureTonePoint;
}

namespace brisance {

class TolvEditGrid;

class TableView : public FramedPanel {
    Q_OBJECT

public:
    explicit TableView(QWidget* parent = nullptr);

    // True shows grid 0 alone, for the binaural results, and lays out again.
    bool BinauralMode() const { return m_binauralMode; }
    void BinauralMode(bool binaural);
    // The limits, in whole dB, of every typed level and masking level.
    std::int32_t LowLimit() const { return m_lowLimit; }
    void LowLimit(std::int32_t limit) { m_lowLimit = limit; }
    std::int32_t HighLimit() const { return m_highLimit; }
    void HighLimit(std::int32_t limit) { m_highLimit = limit; }
    // 13 columns (125 Hz to 16 kHz) when true, 11 (to 8 kHz) when false. It
    // sets the grids' rows back to their first state, so set the range before
    // ConfigureAsPureToneTable.
    void ShowFullRange(bool full);
    std::string TestConditions() const;
    void TestConditions(const std::string& text);
    std::string TableCaption() const;
    void TableCaption(const std::string& caption);
    // The caption of row label 0, 1 (the level row) or 2 (the masking row);
    // raises 9 for any other.
    void RowCaption(std::int32_t Row, const std::string& Caption);
    // True holds the right ear in grid 0; cells already shown stay where they are.
    bool RightEarOnLeft() const { return m_rightEarOnLeft; }
    void RightEarOnLeft(bool rightOnLeft);
    const std::string& NoResponseText() const { return m_noResponseText; }
    void NoResponseText(const std::string& text) { m_noResponseText = text; }
    const std::string& UnMeasurableText() const { return m_unMeasurableText; }
    void UnMeasurableText(const std::string& text) { m_unMeasurableText = text; }

    // Empties the grid of ear 3 or 2, or both for ear 4; any other ear does nothing.
    void ClearData(std::int32_t Ear);
    // Chooses the shown rows and sizes the table to them.
    void ConfigureAsPureToneTable(bool ShowLevelRow, bool ShowMaskingRow, bool ShowTestConditions);
    // Shows a point (frequency in Hz, level in tenths of dB, masking level in
    // whole dB, status) in the grid of the ear; a frequency without a column
    // is not shown.
    void PureTonePlotPoint(std::int32_t Ear, vellum::IVellumPureTonePoint& Point);
    // Empties the column of the frequency in the grid of the ear: level,
    // masking and the level behind a mark.
    void PureToneDeletePoint(std::int32_t Ear, std::int32_t Freq);
    // Lays the table out again.
    void Refresh();

signals:
    // A complete, valid entry in a table with a level row: the column's
    // frequency, the level and the masking level (0 when none is typed).
    void PointPlot(std::int32_t X, std::int32_t Y, std::int32_t MASKING, std::int32_t Ear, std::int32_t PlotType);
    // A complete, valid masking entry in a table without a level row.
    void SpecifyMasking(std::int32_t X, std::int32_t MASKING, std::int32_t Ear);
    // The user emptied a level cell (or typed what cannot be a level, which
    // empties it): the point of that column is gone, and the table has
    // emptied the column's masking too.
    void DeletePoint(std::int32_t Freq, std::int32_t Ear);
    // The user begins to edit a cell: the entries that follow, up to the
    // next CellEditBegins, are the keystrokes of one edit of one cell.
    void CellEditBegins();
    // Offered to hosts with the other events; the table raises neither.
    void HideMe();
    void ConfigureMe();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Entry { Neither, Partial, Complete };

    void SetEarGrids();
    TolvEditGrid& GridForEar(std::int32_t ear) const;
    // Empties the level, masking and hidden level cells of a column.
    void EmptyColumn(TolvEditGrid& grid, std::int32_t col);
    void ConfigureGridColumns(TolvEditGrid& grid, std::int32_t count);
    void ApplyBinauralMode();
    void layOut();
    // The labels of the level and the masking row; label 0 stays where it is.
    std::array<QLabel*, 2> rowLabels() const;
    void grdEar_TextChange(int Index, std::int32_t Col, std::int32_t Row, const std::string& Text);
    Entry classify(const TolvEditGrid& grid, std::int32_t col, std::int32_t row, const std::string& text) const;
    // The ear of the grid's entries: 4 in binaural mode, else the grid's own.
    std::int32_t earOfGrid(int index) const;
    bool isMark(const std::string& text) const;
    std::int32_t PlotTypeFromTexts(const std::string& levelText, const std::string& maskingText) const;
    // Raises the entry's event when its values lie within the limits; false
    // when they do not.
    bool raiseEntry(int index, std::int32_t col, const std::string& levelText, const std::string& maskingText,
                    const std::string& hiddenLevelText);

    std::string m_noResponseText;
    std::string m_unMeasurableText;
    bool m_rightEarOnLeft = false;
    int m_leftGrid = 0;
    int m_rightGrid = 1;
    std::int32_t m_levelRow = -1;
    std::int32_t m_maskingRow = -1;
    bool m_binauralMode = false;
    std::int32_t m_lowLimit = 0;
    std::int32_t m_highLimit = 0;

    std::array<TolvEditGrid*, 2> grdEar;
    std::array<QLabel*, 3> lblRowLabel;
    QLabel* lblTestConditions;
};

}  // namespace brisance
