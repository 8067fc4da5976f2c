#pragma once
// The symbol picker: every image of a symbol image list in a grid, and the one
// the user clicks. The test-properties dialog shows it modally and reads
// Result afterwards; a click on an image sets the result and hides the
// picker, and closing it leaves kNothingChosen.
//
// Grid geometry, in twips of the grid's client area: cells of 400 x 400, each
// image 75 in from its cell's top-left corner, as many columns as
// (width - 150) / 400 - 1 rounded (at least one), as many rows as the images
// fill.

#include "module/preferences/PictureBox.h"

#include "platform/com/ComPtr.h"
#include "platform/gfx/ImageList.h"

#include <QDialog>

#include <cstdint>

class QScrollBar;

namespace brisance {

class frmSymbolSelection : public QDialog {
    Q_OBJECT

public:
    static constexpr std::int16_t kNothingChosen = -32767;

    explicit frmSymbolSelection(QWidget* parent = nullptr);

    // Draws every image of the list into the grid, sized to hold them all, and
    // sets the scroll bar to the grid's height.
    void DrawSymbolSelection(const platform::com::ComPtr<platform::gfx::ImageList>& images);

    // The chosen image's number (from 1), or kNothingChosen.
    std::int16_t Result() const { return m_result; }

private:
    // The grid cell under a point, as the image number it holds; 0 when the
    // point is off the grid or on a cell without an image.
    int imageAt(float x, float y) const;
    void picSym_MouseMove(float x, float y);
    void picSym_MouseUp(std::int16_t button, float x, float y);
    // The frame around a cell's image, in the given colour.
    void drawHoverFrame(int image, platform::gfx::ColorRef colour);

    PictureBox* picHeader;
    PictureBox* picSym;
    PictureBox* picFooter;
    QScrollBar* VScroll1;

    std::int16_t m_result = kNothingChosen;
    int m_imageCount = 0;
    int m_columns = 1;
    // The image number framed under the mouse; 0 when none.
    int m_hoverImage = 0;
    int m_initialTop = 0;
};

}  // namespace brisance
