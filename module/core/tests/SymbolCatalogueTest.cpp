#include "module/core/SymbolCatalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace brisance {
namespace {

using G = SymbolGlyph;
using S = SymbolSide;
using M = SymbolMark;

TEST(SymbolCatalogue, EveryNumberNamesOneImageAndNoOtherNumberDoes)
{
    for (int number = 1; number <= kSymbolCount; ++number) {
        const SymbolDescriptor symbol = symbolDescriptor(number);
        EXPECT_NE(symbol.glyph, G::None) << number;
        EXPECT_EQ(symbolNumber(symbol), number) << "two numbers for one image: " << number;
    }
    for (const int number : {0, -1, kSymbolCount + 1}) EXPECT_EQ(symbolDescriptor(number).glyph, G::None) << number;
    EXPECT_EQ(symbolNumber({G::Circle, S::Left, M::None}), 0) << "no right-ear glyph on the left ear";
    EXPECT_EQ(symbolNumber({G::LetterS, S::Any, M::NoResponse}), 0) << "an arrow points to one side";
}

TEST(SymbolCatalogue, TheExpansionRuleGivesASideItsSixNumbers)
{
    struct Case {
        SymbolSide side;
        SymbolGlyph unmasked, masked;
        SideSymbols expected;
    };
    const Case cases[] = {
        {S::Right, G::Circle, G::Triangle, {1, 2, 3, 4, 5, 6}},
        {S::Right, G::LessThan, G::OpenBracket, {7, 8, 9, 10, 11, 12}},
        {S::Left, G::Cross, G::Square, {13, 14, 15, 16, 17, 18}},
        {S::Left, G::GreaterThan, G::CloseBracket, {19, 20, 21, 22, 23, 24}},
        {S::Right, G::LetterS, G::LetterS, {25, 26, 29, 25, 26, 29}},
        {S::Left, G::LetterS, G::LetterS, {25, 27, 30, 25, 27, 30}},
        {S::Binaural, G::LetterS, G::LetterS, {25, 28, 31, 25, 28, 31}},
        {S::Left, G::LetterA, G::LetterA, {32, 34, 37, 32, 34, 37}},
        {S::Binaural, G::LetterM, G::LetterM, {39, 42, 45, 39, 42, 45}},
        {S::Right, G::LetterU, G::LetterU, {46, 47, 50, 46, 47, 50}},
        {S::Right, G::LetterU, G::LetterM, {46, 47, 50, 39, 40, 43}},
        {S::Binaural, G::None, G::None, {}},
        {S::Left, G::Circle, G::Triangle, {}},        // an ear glyph only on its own ear
        {S::Binaural, G::LessThan, G::OpenBracket, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(expandSymbols(c.side, c.unmasked, c.masked), c.expected)
            << "side " << static_cast<int>(c.side) << ", glyphs " << static_cast<int>(c.unmasked) << "/"
            << static_cast<int>(c.masked);
    }
}

TEST(SymbolCatalogue, StandardSetsNameTheirGlyphsOnTheirSidesByIndex)
{
    struct Expected {
        const char* key;
        SymbolGlyph right, rightMasked, left, leftMasked, binaural;
    };
    const Expected tests[] = {
        {"1-1-1-", G::Circle, G::Triangle, G::Cross, G::Square, G::None},
        {"1-1-10-1-", G::Circle, G::Triangle, G::Cross, G::Square, G::None},
        {"2-1-10-1-", G::Circle, G::Triangle, G::Cross, G::Square, G::None},
        {"3-1-8-1-", G::Circle, G::Triangle, G::Cross, G::Square, G::None},
        {"1-2-1-", G::LessThan, G::OpenBracket, G::GreaterThan, G::CloseBracket, G::None},
        {"1-3-1-", G::LetterS, G::LetterS, G::LetterS, G::LetterS, G::LetterS},
        {"1-3-10-1-", G::LetterS, G::LetterS, G::LetterS, G::LetterS, G::LetterS},
        {"1-3-2-", G::LetterA, G::LetterA, G::LetterA, G::LetterA, G::LetterA},
        {"1-3-10-2-", G::LetterA, G::LetterA, G::LetterA, G::LetterA, G::LetterA},
        {"2-1-1-", G::LetterM, G::LetterM, G::LetterM, G::LetterM, G::None},
        {"7-1-2-1-", G::LetterM, G::LetterM, G::LetterM, G::LetterM, G::None},
        {"2-3-1-", G::LetterM, G::LetterM, G::LetterM, G::LetterM, G::LetterM},
        {"3-1-1-", G::LetterU, G::LetterU, G::LetterU, G::LetterU, G::None},
        {"8-1-2-1-", G::LetterU, G::LetterU, G::LetterU, G::LetterU, G::None},
    };
    EXPECT_EQ(standardSymbolSets().size(), std::size(tests)) << "a standard set this test does not know";
    EXPECT_EQ(findStandardSymbolSet("4-0-1-"), nullptr) << "reflex tests have no standard symbols";

    constexpr SymbolMark kMarkByIndex[] = {M::None, M::NoResponse, M::Unmeasurable, M::None, M::NoResponse, M::Unmeasurable};
    for (const Expected& test : tests) {
        const StandardSymbolSet* set = findStandardSymbolSet(test.key);
        ASSERT_NE(set, nullptr) << test.key;
        const TestSymbols symbols = expandSymbols(*set);
        const struct {
            SymbolSide side;
            const SideSymbols& numbers;
            SymbolGlyph unmasked, masked;
        } sides[] = {{S::Right, symbols.right, test.right, test.rightMasked},
                     {S::Left, symbols.left, test.left, test.leftMasked},
                     {S::Binaural, symbols.binaural, test.binaural, test.binaural}};
        for (const auto& side : sides) {
            SCOPED_TRACE(std::string(test.key) + " side " + std::to_string(static_cast<int>(side.side)));
            if (side.unmasked == G::None) {
                EXPECT_EQ(side.numbers, SideSymbols{}) << "a side without symbols";
                continue;
            }
            const SideGlyphs& glyphs = side.side == S::Right ? set->right : side.side == S::Left ? set->left : set->binaural;
            EXPECT_EQ(side.numbers, expandSymbols(side.side, glyphs.unmasked, glyphs.masked));
            for (std::size_t index = 0; index < side.numbers.size(); ++index) {
                const SymbolDescriptor image = symbolDescriptor(side.numbers[index]);
                EXPECT_EQ(image.glyph, index < 3 ? side.unmasked : side.masked) << "index " << index;
                EXPECT_EQ(image.mark, kMarkByIndex[index]) << "index " << index;
                const bool onAnySide = image.mark == M::None && glyphSide(image.glyph) == S::Any;
                EXPECT_EQ(image.side, onAnySide ? S::Any : side.side) << "index " << index;
            }
        }
    }
}

}  // namespace
}  // namespace brisance
