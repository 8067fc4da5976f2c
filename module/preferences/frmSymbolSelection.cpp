#include "module/preferences/frmSymbolSelection.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/TextResources.h"
#include "module/panels/ControlColours.h"
#include "module/panels/TwipsGeometry.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Objects.h"
#include "platform/runtime/Conversions.h"
#include "platform/ui/Twips.h"

#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace brisance {

namespace gfx = platform::gfx;
namespace ui = platform::ui;

namespace {

// The grid, in twips.
constexpr int kCell = 400;
constexpr int kImageOffset = 75;
constexpr int kFrameEnd = 325;  // the hover frame runs from kImageOffset to here within its cell
constexpr int kMarginWidth = 150;
// The height of the grid that shows at once.
constexpr int kVisibleHeight = 2685;

// The form, in twips.
constexpr int kGridWidth = 3350;  // seven columns
constexpr int kScrollBarWidth = 255;
constexpr int kBandHeight = 240;  // the header and the footer

int columnsFor(int widthTwips)
{
    const double columns = platform::runtime::roundHalfEven((widthTwips - kMarginWidth) / double(kCell) - 1);
    return std::max(1, static_cast<int>(columns));
}

// The cell of a position along one axis; negative left of or above the first cell.
int cellOf(float twips)
{
    return static_cast<int>(std::floor((twips - kImageOffset) / kCell));
}

}  // namespace

frmSymbolSelection::frmSymbolSelection(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString2(TR_SYMBOLS)));
    const int formWidth = kGridWidth + kScrollBarWidth;

    picHeader = new PictureBox(this);
    picHeader->setObjectName("picHeader");
    picHeader->setGeometry(twipsRect(0, 0, formWidth, kBandHeight));

    // The grid scrolls inside a window of the visible height.
    auto* gridWindow = new QWidget(this);
    gridWindow->setGeometry(twipsRect(0, kBandHeight, kGridWidth, kVisibleHeight));
    picSym = new PictureBox(gridWindow);
    picSym->setObjectName("picSym");
    picSym->setGeometry(twipsRect(0, m_initialTop, kGridWidth, kVisibleHeight));
    connect(picSym, &PictureBox::MouseMove, this, [this](std::int16_t, std::int16_t, float x, float y) {
        picSym_MouseMove(x, y);
    });
    connect(picSym, &PictureBox::MouseUp, this, [this](std::int16_t button, std::int16_t, float x, float y) {
        picSym_MouseUp(button, x, y);
    });

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName("VScroll1");
    VScroll1->setGeometry(twipsRect(kGridWidth, kBandHeight, kScrollBarWidth, kVisibleHeight));
    VScroll1->setRange(0, 0);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int value) { picSym->Top(m_initialTop - value); });

    picFooter = new PictureBox(this);
    picFooter->setObjectName("picFooter");
    picFooter->setGeometry(twipsRect(0, kBandHeight + kVisibleHeight, formWidth, kBandHeight));

    setFixedSize(twipsRect(0, 0, formWidth, 2 * kBandHeight + kVisibleHeight).size());
}

void frmSymbolSelection::DrawSymbolSelection(const platform::com::ComPtr<gfx::ImageList>& images)
{
    for (PictureBox* picture : {picHeader, picSym, picFooter})
        picture->BorderStyle(1);
    m_imageCount = images ? images->count() : 0;
    m_columns = columnsFor(picSym->Width());
    const int rows = (m_imageCount + m_columns - 1) / m_columns;
    picSym->Height(rows * kCell + picSym->Height() - picSym->ScaleHeight());
    picSym->Cls();
    {
        PictureBox::Canvas canvas(*picSym);
        for (int image = 1; image <= m_imageCount; ++image) {
            const int column = (image - 1) % m_columns;
            const int row = (image - 1) / m_columns;
            images->draw(image, canvas.dc(), ui::twipsToPixelsX(column * kCell + kImageOffset),
                         ui::twipsToPixelsY(row * kCell + kImageOffset), gfx::ILD_TRANSPARENT);
        }
    }
    VScroll1->setRange(0, std::max(0, picSym->Height() - kVisibleHeight));
    VScroll1->setSingleStep(kCell);
    VScroll1->setPageStep(kCell);
    VScroll1->setEnabled(VScroll1->maximum() > 0);
}

int frmSymbolSelection::imageAt(float x, float y) const
{
    const int column = cellOf(x);
    const int row = cellOf(y);
    if (column < 0 || column >= m_columns || row < 0)
        return 0;
    const int image = row * m_columns + column + 1;
    return image <= m_imageCount ? image : 0;
}

void frmSymbolSelection::picSym_MouseMove(float x, float y)
{
    const int image = imageAt(x, y);
    if (image == m_hoverImage)
        return;
    if (m_hoverImage != 0)
        drawHoverFrame(m_hoverImage, drawingColour(picSym->BackColor()));
    if (image != 0)
        drawHoverFrame(image, drawingColour(picSym->ForeColor()));
    m_hoverImage = image;
}

void frmSymbolSelection::picSym_MouseUp(std::int16_t button, float x, float y)
{
    const int image = imageAt(x, y);
    if (button != vbLeftButton || image == 0)
        return;
    m_result = static_cast<std::int16_t>(image);
    accept();
}

void frmSymbolSelection::drawHoverFrame(int image, gfx::ColorRef colour)
{
    const int left = ((image - 1) % m_columns) * kCell;
    const int top = ((image - 1) / m_columns) * kCell;
    PictureBox::Canvas canvas(*picSym);
    const gfx::ObjectHandle pen = gfx::createPen(gfx::PS_SOLID, 1, colour);
    const gfx::ObjectHandle previousPen = gfx::selectObject(canvas.dc(), pen);
    const gfx::ObjectHandle previousBrush = gfx::selectObject(canvas.dc(), gfx::getStockObject(gfx::NULL_BRUSH));
    gfx::rectangle(canvas.dc(), ui::twipsToPixelsX(left + kImageOffset), ui::twipsToPixelsY(top + kImageOffset),
                   ui::twipsToPixelsX(left + kFrameEnd), ui::twipsToPixelsY(top + kFrameEnd));
    gfx::selectObject(canvas.dc(), previousBrush);
    gfx::selectObject(canvas.dc(), previousPen);
    gfx::deleteObject(pen);
}

}  // namespace brisance
