// The clinical rules of the symbol images, checked on their pixels at both
// sizes: both lists keep the one numbering, ear symbols and their marks stand
// on their ear's side, and the bone-conduction glyphs beside the point.

#include "module/core/CSymbols.h"
#include "module/core/SymbolCatalogue.h"
#include "module/core/tests/SymbolPixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>

namespace brisance {
namespace {

using testing::boxOf;
using testing::inkOf;
using testing::isInk;
using G = SymbolGlyph;
using S = SymbolSide;

// The numbers of one glyph: its plain image first, then its marked images.
struct Range {
    int first;
    int last;
    SymbolGlyph glyph;
};

const Range kRanges[] = {
    {1, 3, G::Circle},         {4, 6, G::Triangle},      {7, 9, G::LessThan},     {10, 12, G::OpenBracket},
    {13, 15, G::Cross},        {16, 18, G::Square},      {19, 21, G::GreaterThan}, {22, 24, G::CloseBracket},
    {25, 31, G::LetterS},      {32, 38, G::LetterA},     {39, 45, G::LetterM},    {46, 52, G::LetterU},
};

// The rows with ink in column x, and the columns with ink in row y.
std::vector<int> inkRows(const QImage& image, int x)
{
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (isInk(image.pixel(x, y))) rows.push_back(y);
    return rows;
}

std::vector<int> inkColumns(const QImage& image, int y)
{
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x)
        if (isInk(image.pixel(x, y))) columns.push_back(x);
    return columns;
}

std::vector<int> span(int first, int last)
{
    std::vector<int> all;
    for (int i = first; i <= last; ++i) all.push_back(i);
    return all;
}

// One image of one list, with the plain image of its glyph.
struct Image {
    const platform::gfx::ImageList& list;
    int size;
    const Range& range;
    int number;
    QImage pixels;
    QImage plain;
};

struct Symbols : ::testing::Test {
    const CSymbols symbols;

    template <class Check>
    void forEachImage(Check check)
    {
        for (const testing::SymbolList& which : testing::kSymbolLists) {
            const auto list = (symbols.*which.get)();
            for (const Range& range : kRanges)
                for (int number = range.first; number <= range.last; ++number) {
                    SCOPED_TRACE(::testing::Message() << which.name << " image " << number);
                    check(Image{*list, which.size, range, number, testing::symbolPixels(*list, number),
                                testing::symbolPixels(*list, range.first)});
                }
        }
    }
};

TEST_F(Symbols, BothListsFollowTheOneCatalogue)
{
    forEachImage([](const Image& image) {
        const SymbolDescriptor symbol = symbolDescriptor(image.number);
        EXPECT_EQ(symbol.glyph, image.range.glyph);
        EXPECT_EQ(symbol.mark == SymbolMark::None, image.number == image.range.first) << "the plain image comes first";
        EXPECT_TRUE(inkOf(image.plain, image.pixels).empty()) << "a marked image keeps all of its glyph";
    });
}

TEST_F(Symbols, ArrowsAndQuestionMarksStandBelowOnTheirEarsSide)
{
    forEachImage([](const Image& image) {
        const SymbolDescriptor symbol = symbolDescriptor(image.number);
        const int point = image.size / 2;  // the column and row a chart centres on its point
        const int body = image.size / 4;   // half the width of a symbol's body
        const auto inLowerLeft = [&](const QPoint& p) { return p.x() < point - body && p.y() > point + body; };
        const auto inLowerRight = [&](const QPoint& p) { return p.x() > point + body && p.y() > point + body; };
        const std::vector<QPoint> ink = inkOf(image.pixels);
        if (symbol.side != S::Left) {
            EXPECT_TRUE(std::none_of(ink.begin(), ink.end(), inLowerRight)) << "ink in the lower-right corner";
        }
        if (symbol.side != S::Right) {
            EXPECT_TRUE(std::none_of(ink.begin(), ink.end(), inLowerLeft)) << "ink in the lower-left corner";
        }
        if (symbol.mark == SymbolMark::None) return;

        const std::vector<QPoint> mark = inkOf(image.pixels, image.plain);
        ASSERT_FALSE(mark.empty()) << "no mark";
        const QRect glyph = boxOf(inkOf(image.plain));
        const auto all = [&](auto test) { return std::all_of(mark.begin(), mark.end(), test); };
        const QRect box = boxOf(mark);
        switch (symbol.side) {
        case S::Right:
            EXPECT_TRUE(all([&](const QPoint& p) { return p.x() < point && p.y() > point; })) << "outside the lower left";
            EXPECT_TRUE(box.left() < glyph.left() && box.bottom() > glyph.bottom()) << "not out at the glyph's lower left";
            break;
        case S::Left:
            EXPECT_TRUE(all([&](const QPoint& p) { return p.x() > point && p.y() > point; })) << "outside the lower right";
            EXPECT_TRUE(box.right() > glyph.right() && box.bottom() > glyph.bottom()) << "not out at the glyph's lower right";
            break;
        default:
            EXPECT_TRUE(all([&](const QPoint& p) { return p.y() > glyph.bottom(); })) << "not below the glyph";
            EXPECT_TRUE(box.left() <= point && box.right() >= point) << "not below the centre";
        }
    });
}

TEST_F(Symbols, NoResponseAndUnmeasurableNeverLookAlike)
{
    forEachImage([](const Image& image) {
        const SymbolDescriptor symbol = symbolDescriptor(image.number);
        for (int other = image.range.first + 1; other <= image.range.last; ++other)
            if (other != image.number && symbolDescriptor(other).side == symbol.side) {
                EXPECT_NE(image.pixels, testing::symbolPixels(image.list, other)) << "looks like image " << other;
            }
    });
}

TEST_F(Symbols, BoneConductionGlyphsStandBesideThePointWithTheirOpenSideTowardsIt)
{
    forEachImage([](const Image& image) {
        const int point = image.size / 2;
        const std::vector<QPoint> ink = inkOf(image.pixels);
        const auto allInk = [&](auto test) { return std::all_of(ink.begin(), ink.end(), test); };
        const G glyph = image.range.glyph;
        if (glyph == G::LessThan || glyph == G::OpenBracket) {
            EXPECT_TRUE(allInk([&](const QPoint& p) { return p.x() < point; })) << "right-ear bone ink at or right of the point";
        } else if (glyph == G::GreaterThan || glyph == G::CloseBracket) {
            EXPECT_TRUE(allInk([&](const QPoint& p) { return p.x() > point; })) << "left-ear bone ink at or left of the point";
        } else {
            return;
        }
        if (image.number != image.range.first) return;

        const QRect box = boxOf(inkOf(image.plain));
        const std::vector<int> middle{(box.top() + box.bottom()) / 2};
        const std::vector<int> ends{box.top(), box.bottom()};
        const std::vector<int> fullHeight = span(box.top(), box.bottom());
        switch (glyph) {
        case G::LessThan:
            EXPECT_EQ(inkRows(image.plain, box.left()), middle) << "the point of '<' is its leftmost ink";
            EXPECT_EQ(inkRows(image.plain, box.right()), ends) << "the arms of '<' reach right";
            break;
        case G::GreaterThan:
            EXPECT_EQ(inkRows(image.plain, box.right()), middle) << "the point of '>' is its rightmost ink";
            EXPECT_EQ(inkRows(image.plain, box.left()), ends) << "the arms of '>' reach left";
            break;
        case G::OpenBracket:
            EXPECT_EQ(inkRows(image.plain, box.left()), fullHeight) << "the stroke of '[' is on its left";
            EXPECT_EQ(inkRows(image.plain, box.right()), ends) << "'[' is open on its right";
            break;
        default:
            EXPECT_EQ(inkRows(image.plain, box.right()), fullHeight) << "the stroke of ']' is on its right";
            EXPECT_EQ(inkRows(image.plain, box.left()), ends) << "']' is open on its left";
        }
    });
}

TEST_F(Symbols, AirConductionGlyphsHaveTheirShapesCentredOnThePoint)
{
    forEachImage([](const Image& image) {
        if (image.number != image.range.first) return;
        const int point = image.size / 2;
        const QRect box = boxOf(inkOf(image.plain));
        const std::vector<int> fullWidth = span(box.left(), box.right());
        const bool centreInked = isInk(image.plain.pixel(point, point));
        switch (image.range.glyph) {
        case G::Circle:
            EXPECT_FALSE(centreInked) << "O has a white centre";
            EXPECT_EQ(inkColumns(image.plain, point), (std::vector<int>{box.left(), box.right()})) << "O is a ring";
            break;
        case G::Cross:
            EXPECT_TRUE(centreInked) << "X crosses at its centre";
            break;
        case G::Triangle:
            EXPECT_EQ(inkColumns(image.plain, box.top()), std::vector<int>{point}) << "the apex is at the top, over the point";
            EXPECT_EQ(inkColumns(image.plain, box.bottom()), fullWidth) << "the base is at the bottom";
            break;
        case G::Square:
            EXPECT_FALSE(centreInked) << "the square is open";
            EXPECT_EQ(inkColumns(image.plain, box.top()), fullWidth) << "the square's top";
            EXPECT_EQ(inkColumns(image.plain, box.bottom()), fullWidth) << "the square's bottom";
            break;
        default:
            return;
        }
        EXPECT_EQ(box.center(), QPoint(point, point)) << "the body is centred on the point";
    });
}

}  // namespace
}  // namespace brisance
