#pragma once
// A picture box: a surface that keeps what is drawn on it between paints (an
// image of its client area, cleared to its back colour), with an optional
// sunken border. The symbol pictures and colour swatches of the test dialogs
// and the symbol picker's grid are picture boxes.
//
// MouseDown, MouseMove and MouseUp report positions in twips from the
// top-left corner of the client area, inside the border; a double click raises
// DblClick.

#include "module/panels/ClickableControl.h"

#include "platform/gfx/Types.h"

#include <QImage>
#include <QPainter>

namespace brisance {

class PictureBox : public ClickableControl {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    using UserControl::BackColor;
    // A new back colour clears the picture to it.
    void BackColor(platform::gfx::OleColor colour);

    // 0 none, 1 a sunken border around the client area.
    int BorderStyle() const { return m_borderStyle; }
    void BorderStyle(int style);

    // Clears the picture to its back colour.
    void Cls();

    // The client area inside the border, in twips.
    int ScaleWidth() const;
    int ScaleHeight() const;

    // What the picture keeps: an image of its client area.
    const QImage& Image();

    // Drawing onto the kept picture through a device context, in pixels of
    // the client area; the picture repaints when the canvas goes.
    class Canvas {
    public:
        explicit Canvas(PictureBox& picture);
        ~Canvas();
        Canvas(const Canvas&) = delete;
        Canvas& operator=(const Canvas&) = delete;

        platform::gfx::DcHandle dc() const { return m_dc; }

    private:
        PictureBox& m_picture;
        QPainter m_painter;
        platform::gfx::DcHandle m_dc;
    };

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int borderWidth() const;
    QRect clientRect() const;
    // The kept image, first grown or shrunk to the client area (a widget not
    // yet shown gets no resize events), keeping what it holds.
    QImage& keptImage();
    platform::gfx::ColorRef backColour() const;
    // Raises one of the mouse events with the position moved into the client area.
    void raiseMouse(const QMouseEvent& event,
                    void (ClickableControl::*signal)(std::int16_t, std::int16_t, float, float));

    int m_borderStyle = 0;
    QImage m_image;
};

}  // namespace brisance
