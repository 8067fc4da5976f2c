#pragma once
// The manual-entry panel of one speech test: for each ear (right, left,
// binaural, in groups 0, 1, 2 from the left) up to four entry boxes, score in
// percent, presentation level in dB, masking level and noise level in whole
// dB. The test's curve type chooses the boxes (ConfigureTable); the binaural
// group never shows masking. The panel shows one speech curve (LoadCurve),
// reports every change of a box's text with DataChanged(Ear) and hands the
// typed values of an ear back through GetEarData; the host writes the point.
//
// Typing takes digits and the characters up to code 47 (the blank, the signs,
// the point and the like; anything above beeps), at most three characters;
// text set by code keeps its length. A box is read by the number at the start
// of its text, 0 when there is none. A box selects its
// whole text when it gets the focus, and Left and Right walk through the
// visible boxes and on through the tab order.
//
// Ear codes: 2 right, 3 left, 4 binaural.

#include "module/panels/FramedPanel.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QKeyEvent;
class QLineEdit;

namespace vellum {
class IVellumSpeechCurve;
}

namespace brisance {

class SpeechTable : public FramedPanel {
    Q_OBJECT

public:
    explicit SpeechTable(QWidget* parent = nullptr);

    // The ear names of the groups; a let shows all three again but does not
    // lay the panel out (Refresh does).
    const std::string& LeftEarCaption() const { return m_leftEarCaption; }
    void LeftEarCaption(const std::string& caption);
    const std::string& RightEarCaption() const { return m_rightEarCaption; }
    void RightEarCaption(const std::string& caption);
    const std::string& BinauralEarCaption() const { return m_binauralEarCaption; }
    void BinauralEarCaption(const std::string& caption);
    // The column headings, the same in all three groups.
    void ScoreCaption(const std::string& caption);
    void dBCaption(const std::string& caption);
    void MaskCaption(const std::string& caption);
    void NoiseCaption(const std::string& caption);
    std::string TableCaption() const;
    void TableCaption(const std::string& caption);
    // The host's tag for the panel.
    std::int32_t ItemData() const { return m_itemData; }
    void ItemData(std::int32_t value) { m_itemData = value; }
    std::string TestDescription() const;
    void TestDescription(const std::string& text);

    // Empties all twelve boxes without raising DataChanged.
    void Clear();
    // Shows the columns of the curve type (a type that names no test keeps
    // the columns shown now) and lays the panel out. Ear and Condition change
    // nothing.
    void ConfigureTable(std::int32_t TestType, std::int32_t Ear, std::int32_t Condition);
    // Fills the boxes of the curve's ear from its points (the last point
    // wins) without raising DataChanged; the other groups stay as they are.
    void LoadCurve(vellum::IVellumSpeechCurve& curve);
    // The typed values of an ear, in whole dB and whole percent, rounded half
    // to even; False, with the arguments unchanged, when its level box is
    // empty. An empty score box, or empty masking and noise boxes, give
    // -32767; a box whose text starts with no number reads 0. A
    // score above 100 is set back to 100 in its box, which takes the focus
    // (and DataChanged comes again, before this returns).
    bool GetEarData(std::int32_t Ear, std::int32_t& dB, std::int32_t& SCORE, std::int32_t& MaskOrNoise);
    // Shows the ear captions again and lays the panel out again.
    void Refresh();

signals:
    // The text of a box of the ear's group changed, by the user or by code.
    void DataChanged(std::int32_t Ear);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The columns of a group, in field order.
    enum Field { Score, dB, Mask, Noise, FieldCount };
    struct BoxPosition {
        int group;
        int field;
    };
    using Boxes = std::array<QLineEdit*, 3>;
    using Headings = std::array<QLabel*, 3>;
    // The boxes and the headings of each field, in field order.
    static const std::array<Boxes SpeechTable::*, FieldCount> kBoxes;
    static const std::array<Headings SpeechTable::*, FieldCount> kHeadings;

    QLineEdit* box(int group, int field) const;
    QLabel* heading(int group, int field) const;
    bool& shows(int field);
    std::optional<BoxPosition> positionOf(const QObject* object) const;
    std::optional<int> groupOfEar(std::int32_t ear) const;
    std::int32_t earOfGroup(int group) const;

    void ShowEarCaptions();
    // Shows the boxes and headings of the columns chosen, and lays them out.
    void ShowColumns();
    void ArrangeColumns();
    void setHeadings(Headings& headings, const std::string& caption);
    void boxTextChanged(int group);
    // What the key does in a box; true when the box must not see it.
    bool boxKeyPressed(QLineEdit& box, BoxPosition at, const QKeyEvent& key);
    void walkRight(BoxPosition from);
    void walkLeft(BoxPosition from);
    // The first visible box of the group, searched in field order or backwards.
    QLineEdit* firstVisibleBox(int group, bool backwards) const;

    // The ear of each group; fixed.
    static constexpr std::int16_t m_intRightPos = 0;
    static constexpr std::int16_t m_intLeftPos = 1;
    static constexpr std::int16_t m_intBinauralPos = 2;

    std::string m_leftEarCaption;
    std::string m_rightEarCaption;
    std::string m_binauralEarCaption;
    std::int32_t m_itemData = 0;
    bool m_blnShowScore = true;
    bool m_blnShowdB = true;
    bool m_blnShowMask = true;
    bool m_blnShowNoise = false;
    bool m_blnFireEvents = true;
    // The box whose focus came with a mouse press, which would drop the
    // selection made on focus; it selects again when the button goes up.
    QLineEdit* m_selectOnRelease = nullptr;

    Headings lblEarLabel;
    Headings lblScore;
    Headings lbldB;
    Headings lblMask;
    Headings lblNoise;
    Boxes txtScore;
    Boxes txtdB;
    Boxes txtMask;
    Boxes txtNoise;
    QLineEdit* txtTestConditions;
};

}  // namespace brisance
