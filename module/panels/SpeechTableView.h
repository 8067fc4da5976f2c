#pragma once
// The speech results table of the speech view: for the test selected on the
// palette, per ear, the presentation levels measured (row 0, whole dB) with
// the score (row 1, whole percent) and the masking or noise level (row 2,
// whole dB) at each, one column per level in ascending order. Two edit grids
// side by side (left and right ear, as RightEarOnLeft places them) with the
// row labels between them, or in binaural mode grid 0 alone.
//
// The table keeps its own list of up to 13 levels per ear, filled by the host
// (PlotPoint, DeletePoint, Clear); a grid has columns for the first 12. Only
// the masking row may be edited, and only in a column that holds a level;
// each edit is reported with PointPlot. A typed value outside -32767 to 32767
// empties the cell.
//
// Ear codes: 3 left, 2 right, 4 binaural. -32767 is no score or no masking,
// and -3276 (the data object's mark) is no masking as well.

#include "module/panels/FramedPanel.h"

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "platform/runtime/Variant.h"
#endif

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QLabel;

namespace brisance {

class TolvEditGrid;

class SpeechTableView : public FramedPanel {
    Q_OBJECT

public:
    explicit SpeechTableView(QWidget* parent = nullptr);

    // True shows only the binaural results, in grid 0.
    bool BinauralMode() const { return m_binauralMode; }
    void BinauralMode(bool Binaural);
    // The two names of row 2; the one that fits blnNoiseTest is shown.
    const std::string& MaskCaption() const { return m_maskCaption; }
    void MaskCaption(const std::string& caption);
    const std::string& NoiseCaption() const { return m_noiseCaption; }
    void NoiseCaption(const std::string& caption);
    // True shows the right ear in grid 0. Until the first let every ear
    // shows in grid 0; points already shown stay where they are.
    bool RightEarOnLeft() const { return m_rightEarOnLeft; }
    void RightEarOnLeft(bool rightOnLeft);
    // True for a test in noise: row 2 holds the noise level, and may be
    // edited in binaural mode too.
    bool blnNoiseTest() const { return m_noiseTest; }
    void blnNoiseTest(bool WithNoiseTest);

    // Removes the level from the ear's list (3 left, 2 right, any other
    // binaural); a level not in it changes nothing.
    void DeletePoint(std::int32_t Ear, std::int32_t dB);
    // Adds the level to the ear's list (3, 2 or 4; any other does nothing), or
    // gives a listed level the new score and masking level (0 when Value is
    // not given). A new level does not fit into a list of 13.
    void PlotPoint(std::int32_t Ear, std::int32_t dB, std::int32_t SCORE,
                   const std::optional<platform::runtime::Variant>& Value = std::nullopt);
    // Empties the ear's list and grid (3 left, 2 right, any other binaural).
    void Clear(std::int32_t Ear);
    // The caption of row label 0, 1 or 2 (9 for any other); lays out again.
    void RowCaption(std::int32_t Row, const std::string& Caption);
    std::string TestConditions() const;
    void TestConditions(const std::string& text);
    void TableCaption(const std::string& caption);

signals:
    // The user changed the masking cell of a level: the ear of the grid and
    // the level's entry after the change (Value -32767 for an emptied cell).
    void PointPlot(std::int32_t Ear, std::int32_t dB, std::int32_t SCORE, std::int32_t Value);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr std::size_t kListSize = 13;

    struct SpeechResult {
        std::int32_t dB = 0;
        std::int32_t Score = 0;
        std::int32_t Value = 0;
    };
    struct ResultList {
        std::int32_t ear;
        std::array<SpeechResult, kListSize> entries{};
        std::int32_t count = 0;
    };

    // The list of an ear as PlotPoint chooses it (null for another ear), and
    // as DeletePoint and Clear choose it.
    ResultList* listToPlot(std::int32_t ear);
    ResultList& listToRemove(std::int32_t ear);
    TolvEditGrid& gridOf(const ResultList& list) const;
    // The list that a grid shows now.
    ResultList& listOfGrid(int index);
    void refill(const ResultList& list);
    void ApplyBinauralMode();
    void layOut();
    void grdEar_BeforeCellEdit(int index, std::int32_t Col, bool& Cancel);
    void grdEar_TextChange(int index, std::int32_t Col, std::int32_t Row, const std::string& Text);

    bool m_binauralMode = false;
    bool m_rightEarOnLeft = false;
    bool m_noiseTest = false;
    std::string m_maskCaption;
    std::string m_noiseCaption;
    std::int16_t m_intLeftGrid = 0;
    std::int16_t m_intRightGrid = 0;
    std::int16_t m_intBinauralGrid = 0;
    ResultList m_left;
    ResultList m_right;
    ResultList m_binaural;

    std::array<TolvEditGrid*, 2> grdEar;
    std::array<QLabel*, 3> lblRowLabel;
    QLabel* lblTestConditions;
};

}  // namespace brisance
