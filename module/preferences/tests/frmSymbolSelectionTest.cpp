#include "module/preferences/frmSymbolSelection.h"

#include "module/core/CSymbols.h"
#include "module/preferences/PictureBox.h"
#include "module/preferences/tests/DialogTestSupport.h"

#include "platform/gfx/Bitmap.h"
#include "platform/ui/Twips.h"

#include <QScrollBar>

#include <gtest/gtest.h>

#include <optional>

namespace brisance {
namespace {

using namespace testing;
namespace ui = platform::ui;

class frmSymbolSelectionTest : public DialogTest {
protected:
    // The small symbols: 52 images, seven columns in the picker's own width, eight rows.
    platform::com::ComPtr<platform::gfx::ImageList> Symbols() const
    {
        return ModuleGlobals::Symbols()->SymbolImages();
    }

    static PictureBox& Grid(const frmSymbolSelection& picker) { return *child<PictureBox>(picker, "picSym"); }

    // The pixel of the grid at a position in twips of its client area.
    static QPoint PointAt(PictureBox& grid, int x, int y)
    {
        const int border = (grid.width() - grid.Image().width()) / 2;
        return {border + ui::twipsToPixelsX(x), border + ui::twipsToPixelsY(y)};
    }
};

TEST_F(frmSymbolSelectionTest, AClickOnAnImageChoosesItAndAnyOtherClickIsIgnored)
{
    struct Case {
        const char* where;
        int x, y;  // twips in the grid
        std::optional<int> gridWidth;
        int chosen;  // kNothingChosen: ignored, still open
    };
    constexpr int none = frmSymbolSelection::kNothingChosen;
    const Case cases[] = {
        {"first image", 200, 200, {}, 1},
        {"first of the second row", 200, 600, {}, 8},
        {"last image", 2 * 400 + 200, 7 * 400 + 200, {}, 52},
        {"gap after the last image", 3 * 400 + 200, 7 * 400 + 200, {}, none},
        {"right of the last column", 7 * 400 + 200, 200, {}, none},
        {"left of the first column", 40, 200, {}, none},
        {"a picture narrow enough for one column", 200, 2 * 400 + 200, 500, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        frmSymbolSelection picker;
        if (c.gridWidth)
            Grid(picker).Width(*c.gridWidth);
        picker.DrawSymbolSelection(Symbols());
        picker.show();
        QTest::mouseClick(&Grid(picker), Qt::LeftButton, {}, PointAt(Grid(picker), c.x, c.y));
        EXPECT_EQ(picker.Result(), c.chosen);
        EXPECT_EQ(picker.isVisible(), c.chosen == none) << "a choice hides the picker";
    }
}

TEST_F(frmSymbolSelectionTest, EveryImageIsDrawnInItsCellTheLastRowIncluded)
{
    frmSymbolSelection picker;
    const auto symbols = Symbols();
    picker.DrawSymbolSelection(symbols);
    PictureBox& grid = Grid(picker);
    EXPECT_EQ(grid.Image().height(), ui::twipsToPixelsY(8 * 400)) << "52 images in seven columns take eight rows";
    for (int image : {1, 7, 8, 50, 52}) {
        const int column = (image - 1) % 7, row = (image - 1) / 7;
        const QImage symbol = platform::gfx::bitmapImage(symbols->picture(image));
        const QPoint origin(ui::twipsToPixelsX(column * 400 + 75), ui::twipsToPixelsY(row * 400 + 75));
        int ink = 0;
        for (int y = 0; y < symbol.height(); ++y)
            for (int x = 0; x < symbol.width(); ++x)
                if ((symbol.pixel(x, y) & 0xFFFFFF) == 0) {
                    ++ink;
                    EXPECT_EQ(grid.Image().pixel(origin + QPoint(x, y)) & 0xFFFFFF, 0u) << "image " << image;
                }
        EXPECT_GT(ink, 0);
    }
}

TEST_F(frmSymbolSelectionTest, TheHoverFrameFollowsTheMouseAndIsErased)
{
    frmSymbolSelection picker;
    picker.DrawSymbolSelection(Symbols());
    picker.show();
    PictureBox& grid = Grid(picker);
    const QImage plain = grid.Image().copy();
    // The pixels that differ from the plain grid, all expected black.
    const auto changed = [&] {
        QRect box;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if (grid.Image().pixel(x, y) != plain.pixel(x, y)) {
                    EXPECT_EQ(grid.Image().pixel(x, y) & 0xFFFFFF, 0u);
                    box |= QRect(x, y, 1, 1);
                }
        return box;
    };
    const auto frameOf = [](int column) {
        return QRect(QPoint(ui::twipsToPixelsX(column * 400 + 75), ui::twipsToPixelsY(75)),
                     QPoint(ui::twipsToPixelsX(column * 400 + 325) - 1, ui::twipsToPixelsY(325) - 1));
    };

    QTest::mouseMove(&grid, PointAt(grid, 200, 200));
    EXPECT_EQ(changed(), frameOf(0));
    QTest::mouseMove(&grid, PointAt(grid, 600, 250));
    EXPECT_EQ(changed(), frameOf(1)) << "the first frame erased";
    QTest::mouseMove(&grid, PointAt(grid, 7 * 400 + 200, 250));
    EXPECT_EQ(changed(), QRect()) << "no frame right of the last column";
}

TEST_F(frmSymbolSelectionTest, TheScrollBarMovesThePicture)
{
    frmSymbolSelection picker;
    picker.DrawSymbolSelection(Symbols());
    picker.show();
    auto* scrollBar = child<QScrollBar>(picker, "VScroll1");
    EXPECT_EQ(scrollBar->maximum(), Grid(picker).Height() - 2685);
    EXPECT_EQ(Grid(picker).y(), 0);
    QTest::keyClick(scrollBar, Qt::Key_Down);
    EXPECT_EQ(scrollBar->value(), 400);
    EXPECT_EQ(Grid(picker).y(), ui::twipsToPixelsY(-400));
}

TEST_F(frmSymbolSelectionTest, ClosingWithoutAClickLeavesNothingChosen)
{
    frmSymbolSelection picker;
    picker.DrawSymbolSelection(Symbols());
    dialogs.answer<frmSymbolSelection>([](frmSymbolSelection& shown) { shown.close(); });
    picker.exec();
    EXPECT_EQ(picker.Result(), frmSymbolSelection::kNothingChosen);
}

}  // namespace
}  // namespace brisance
