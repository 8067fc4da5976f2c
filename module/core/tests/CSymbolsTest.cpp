#include "module/core/CSymbols.h"
#include "module/core/SymbolCatalogue.h"
#include "module/core/tests/ContactSheet.h"
#include "module/core/tests/SymbolPixels.h"

#include <gtest/gtest.h>

#include <QColor>

#include <filesystem>
#include <string>

namespace brisance {
namespace {

using testing::kSymbolLists;
using testing::symbolPixels;

TEST(CSymbols, EachListHoldsEveryNumberAtItsSizeInBlackAndWhiteOnly)
{
    const CSymbols symbols;
    for (const testing::SymbolList& which : kSymbolLists) {
        const auto list = (symbols.*which.get)();
        ASSERT_TRUE(list) << which.name;
        ASSERT_EQ(list->count(), kSymbolCount) << which.name;
        for (int number = 1; number <= kSymbolCount; ++number) {
            const QImage pixels = symbolPixels(*list, number);
            ASSERT_EQ(pixels.size(), QSize(which.size, which.size)) << which.name << " image " << number;
            int ink = 0;
            for (int y = 0; y < which.size; ++y)
                for (int x = 0; x < which.size; ++x) {
                    const QRgb pixel = pixels.pixel(x, y) & 0xFFFFFF;
                    ASSERT_TRUE(pixel == 0x000000 || pixel == 0xFFFFFF)
                        << which.name << " image " << number << " has the shade " << std::hex << pixel << " at (" << std::dec
                        << x << ", " << y << "): a chart would show it as a fringe";
                    ink += pixel == 0 ? 1 : 0;
                }
            EXPECT_GT(ink, 0) << which.name << " image " << number << " is blank";
        }
    }
}

TEST(CSymbols, EveryObjectHasListsOfItsOwnWithTheSameImages)
{
    const CSymbols first;
    const CSymbols second;
    EXPECT_NE(first.SymbolImages().get(), second.SymbolImages().get());
    EXPECT_NE(first.SymbolImagesLarge().get(), second.SymbolImagesLarge().get());
    for (const testing::SymbolList& which : kSymbolLists)
        for (const int number : {1, 26, kSymbolCount})
            EXPECT_EQ(symbolPixels(*(first.*which.get)(), number), symbolPixels(*(second.*which.get)(), number))
                << which.name << " image " << number;
}

// Red where the sheets differ, the golden faded elsewhere.
QImage differences(const QImage& actual, const QImage& golden)
{
    QImage result(actual.size(), QImage::Format_RGB32);
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const bool same = golden.valid(x, y) && golden.pixel(x, y) == actual.pixel(x, y);
            result.setPixel(x, y, !same ? qRgb(255, 0, 0) : testing::isInk(actual.pixel(x, y)) ? qRgb(200, 200, 200) : qRgb(255, 255, 255));
        }
    return result;
}

TEST(CSymbols, ImagesMatchTheReviewedGoldenSheets)
{
    const CSymbols symbols;
    for (const testing::SymbolList& which : kSymbolLists) {
        const auto list = (symbols.*which.get)();
        const std::string stem = "symbols-" + std::to_string(which.size);
        const QImage golden = QImage(QString::fromStdString(std::string(SYMBOL_GOLDEN_DIR) + "/" + stem + ".png"))
                                  .convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(golden.isNull()) << "no golden sheet " << stem;
        const QImage actual = testing::contactSheet(*list);
        if (actual == golden) continue;

        std::string changed;
        for (int number = 1; number <= list->count(); ++number) {
            const QRect cell = testing::sheetCell(*list, number);
            if (actual.copy(cell) != golden.copy(cell)) changed += " " + std::to_string(number);
        }
        const std::filesystem::path folder = SYMBOL_FAILURE_DIR;
        std::filesystem::create_directories(folder);
        actual.save(QString::fromStdString((folder / (stem + "-actual.png")).string()));
        differences(actual, golden).save(QString::fromStdString((folder / (stem + "-differences.png")).string()));
        ADD_FAILURE() << "the " << which.name << " symbols differ from their golden sheet"
                      << (actual.size() != golden.size() ? " in size" : "") << "; changed images:" << changed
                      << "\nThe actual sheet and the differences are in " << folder
                      << ". If the artwork changed on purpose, regenerate the goldens with symbol_contact_sheets"
                         " and review the numbered sheets.";
    }
}

}  // namespace
}  // namespace brisance
