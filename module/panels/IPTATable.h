#pragma once
// A view's pure-tone-average panel: a framed panel that shows, per ear, the
// air- and bone-conduction averages and the sound-field average that the view
// hands it, with the number of frequencies averaged.
//
// Under the title stand the count line ("(" + the number of frequencies in
// ear 3's mask + the frequency word + ")") and the column heads, right ear
// first, then left; below them one row each for air conduction, bone
// conduction and sound field: the row's caption and its right and left values
// (one value for sound field). A hidden row takes no space: HeightNeeded
// follows the shown rows.
//
// A click on the close mark "X" at the top right raises HideMe; the
// right-click menu's one item raises ChangeFrequencies.
//
// Masks are kept per ear: 3 (left) and 2 (right); any other ear raises the
// runtime's error 5 (invalid procedure call or argument).

#include "module/panels/FramedPanel.h"

#include <array>
#include <cstdint>
#include <string>

class QLabel;

namespace brisance {

class IPTATable final : public FramedPanel {
    Q_OBJECT

public:
    explicit IPTATable(QWidget* parent = nullptr);

    // The shown averages, as texts ("" shows an empty cell).
    std::string ACLeftAverage() const;
    void ACLeftAverage(const std::string& text);
    std::string ACRightAverage() const;
    void ACRightAverage(const std::string& text);
    std::string BCLeftAverage() const;
    void BCLeftAverage(const std::string& text);
    std::string BCRightAverage() const;
    void BCRightAverage(const std::string& text);
    std::string SFAverage() const;
    void SFAverage(const std::string& text);

    // The frequencies averaged for an ear (vellum::kAverageFrequencies bits),
    // and those that count twice. Ear 3's mask gives the count line.
    std::int32_t AverageFrequencies(std::int32_t ear) const;
    void AverageFrequencies(std::int32_t ear, std::int32_t mask);
    std::int32_t DoubleAverageFrequencies(std::int32_t ear) const;
    void DoubleAverageFrequencies(std::int32_t ear, std::int32_t mask);

    // Which rows show.
    void ShowACAverage(bool show);
    void ShowBCAverage(bool show);
    void ShowSFAverage(bool show);

    // The rows' captions.
    void ACCaption(const std::string& text);
    void BCCaption(const std::string& text);
    void SFCaption(const std::string& text);

    // The panel's own texts, from the view's language library: the title, the
    // two column heads, the word after the frequency count and the menu item.
    void Caption(const std::string& text);
    void RightEarCaption(const std::string& text);
    void LeftEarCaption(const std::string& text);
    void FrequencyWord(const std::string& text);
    void ChangeFrequenciesCaption(const std::string& text);

    // The height, in twips, that shows the title, the count line, the column
    // heads and the shown rows.
    std::int32_t HeightNeeded() const;
    QSize sizeHint() const override;

signals:
    void HideMe();
    void ChangeFrequencies();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Row { AirRow, BoneRow, SoundFieldRow, RowCount };
    // Ear 3 or 2 as an index into the per-ear masks; raises 5 for any other.
    static std::size_t earIndex(std::int32_t ear);

    void showRow(Row row, bool show);
    void showFrequencyCount();
    void layOut();

    std::array<QLabel*, RowCount> lblRowCaption;
    std::array<QLabel*, RowCount> lblRight;  // the sound-field row's one value stands here
    std::array<QLabel*, RowCount> lblLeft;   // null in the sound-field row
    std::array<bool, RowCount> m_rowShown{true, true, true};
    QLabel* lblRightHead;
    QLabel* lblLeftHead;
    QLabel* lblFrequencies;
    QLabel* lblClose;

    std::array<std::int32_t, 2> m_averageFrequencies{};  // left, right
    std::array<std::int32_t, 2> m_doubleAverageFrequencies{};
    QString m_frequencyWord;
    QString m_changeFrequenciesCaption;
};

}  // namespace brisance
