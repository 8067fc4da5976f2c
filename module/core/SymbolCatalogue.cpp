#include "module/core/SymbolCatalogue.h"

#include <algorithm>

namespace brisance {

namespace {

using G = SymbolGlyph;
using S = SymbolSide;
using M = SymbolMark;

// Image number n is entry n - 1. Append only: these numbers are stored.
constexpr std::array<SymbolDescriptor, kSymbolCount> kCatalogue{{
    // 1-6: right ear, air conduction
    {G::Circle, S::Right, M::None},
    {G::Circle, S::Right, M::NoResponse},
    {G::Circle, S::Right, M::Unmeasurable},
    {G::Triangle, S::Right, M::None},
    {G::Triangle, S::Right, M::NoResponse},
    {G::Triangle, S::Right, M::Unmeasurable},
    // 7-12: right ear, bone conduction
    {G::LessThan, S::Right, M::None},
    {G::LessThan, S::Right, M::NoResponse},
    {G::LessThan, S::Right, M::Unmeasurable},
    {G::OpenBracket, S::Right, M::None},
    {G::OpenBracket, S::Right, M::NoResponse},
    {G::OpenBracket, S::Right, M::Unmeasurable},
    // 13-18: left ear, air conduction
    {G::Cross, S::Left, M::None},
    {G::Cross, S::Left, M::NoResponse},
    {G::Cross, S::Left, M::Unmeasurable},
    {G::Square, S::Left, M::None},
    {G::Square, S::Left, M::NoResponse},
    {G::Square, S::Left, M::Unmeasurable},
    // 19-24: left ear, bone conduction
    {G::GreaterThan, S::Left, M::None},
    {G::GreaterThan, S::Left, M::NoResponse},
    {G::GreaterThan, S::Left, M::Unmeasurable},
    {G::CloseBracket, S::Left, M::None},
    {G::CloseBracket, S::Left, M::NoResponse},
    {G::CloseBracket, S::Left, M::Unmeasurable},
    // 25-31: S
    {G::LetterS, S::Any, M::None},
    {G::LetterS, S::Right, M::NoResponse},
    {G::LetterS, S::Left, M::NoResponse},
    {G::LetterS, S::Binaural, M::NoResponse},
    {G::LetterS, S::Right, M::Unmeasurable},
    {G::LetterS, S::Left, M::Unmeasurable},
    {G::LetterS, S::Binaural, M::Unmeasurable},
    // 32-38: A
    {G::LetterA, S::Any, M::None},
    {G::LetterA, S::Right, M::NoResponse},
    {G::LetterA, S::Left, M::NoResponse},
    {G::LetterA, S::Binaural, M::NoResponse},
    {G::LetterA, S::Right, M::Unmeasurable},
    {G::LetterA, S::Left, M::Unmeasurable},
    {G::LetterA, S::Binaural, M::Unmeasurable},
    // 39-45: M
    {G::LetterM, S::Any, M::None},
    {G::LetterM, S::Right, M::NoResponse},
    {G::LetterM, S::Left, M::NoResponse},
    {G::LetterM, S::Binaural, M::NoResponse},
    {G::LetterM, S::Right, M::Unmeasurable},
    {G::LetterM, S::Left, M::Unmeasurable},
    {G::LetterM, S::Binaural, M::Unmeasurable},
    // 46-52: U
    {G::LetterU, S::Any, M::None},
    {G::LetterU, S::Right, M::NoResponse},
    {G::LetterU, S::Left, M::NoResponse},
    {G::LetterU, S::Binaural, M::NoResponse},
    {G::LetterU, S::Right, M::Unmeasurable},
    {G::LetterU, S::Left, M::Unmeasurable},
    {G::LetterU, S::Binaural, M::Unmeasurable},
}};

constexpr SideGlyphs kNoSymbols{};
constexpr SideGlyphs kRightAir{G::Circle, G::Triangle};
constexpr SideGlyphs kLeftAir{G::Cross, G::Square};
constexpr SideGlyphs kRightBone{G::LessThan, G::OpenBracket};
constexpr SideGlyphs kLeftBone{G::GreaterThan, G::CloseBracket};
// Letters are not tied to one ear; masking does not change them.
constexpr SideGlyphs kSoundField{G::LetterS, G::LetterS};
constexpr SideGlyphs kAided{G::LetterA, G::LetterA};
constexpr SideGlyphs kComfortable{G::LetterM, G::LetterM};
constexpr SideGlyphs kUncomfortable{G::LetterU, G::LetterU};

constexpr std::array kStandardSets{
    // air conduction; speech by phones
    StandardSymbolSet{"1-1-1-", kRightAir, kLeftAir, kNoSymbols},
    StandardSymbolSet{"1-1-10-1-", kRightAir, kLeftAir, kNoSymbols},
    StandardSymbolSet{"2-1-10-1-", kRightAir, kLeftAir, kNoSymbols},
    StandardSymbolSet{"3-1-8-1-", kRightAir, kLeftAir, kNoSymbols},
    // bone conduction
    StandardSymbolSet{"1-2-1-", kRightBone, kLeftBone, kNoSymbols},
    // sound field, unaided and aided; speech in the sound field
    StandardSymbolSet{"1-3-1-", kSoundField, kSoundField, kSoundField},
    StandardSymbolSet{"1-3-10-1-", kSoundField, kSoundField, kSoundField},
    StandardSymbolSet{"1-3-2-", kAided, kAided, kAided},
    StandardSymbolSet{"1-3-10-2-", kAided, kAided, kAided},
    // most comfortable level by phones and by speaker; speech
    StandardSymbolSet{"2-1-1-", kComfortable, kComfortable, kNoSymbols},
    StandardSymbolSet{"7-1-2-1-", kComfortable, kComfortable, kNoSymbols},
    StandardSymbolSet{"2-3-1-", kComfortable, kComfortable, kComfortable},
    // uncomfortable level by phones; speech
    StandardSymbolSet{"3-1-1-", kUncomfortable, kUncomfortable, kNoSymbols},
    StandardSymbolSet{"8-1-2-1-", kUncomfortable, kUncomfortable, kNoSymbols},
};

// The image of glyph on side with mark; a letter without a mark serves any side.
int imageFor(SymbolSide side, SymbolGlyph glyph, SymbolMark mark)
{
    if (glyph == G::None) return 0;
    const bool anySide = mark == M::None && glyphSide(glyph) == S::Any;
    return symbolNumber({glyph, anySide ? S::Any : side, mark});
}

}  // namespace

SymbolDescriptor symbolDescriptor(int number)
{
    if (number < 1 || number > kSymbolCount) return {};
    return kCatalogue[static_cast<std::size_t>(number - 1)];
}

int symbolNumber(const SymbolDescriptor& descriptor)
{
    const auto found = std::find(kCatalogue.begin(), kCatalogue.end(), descriptor);
    return found == kCatalogue.end() ? 0 : static_cast<int>(found - kCatalogue.begin()) + 1;
}

SymbolSide glyphSide(SymbolGlyph glyph)
{
    switch (glyph) {
    case G::Circle:
    case G::Triangle:
    case G::LessThan:
    case G::OpenBracket:
        return S::Right;
    case G::Cross:
    case G::Square:
    case G::GreaterThan:
    case G::CloseBracket:
        return S::Left;
    default:
        return S::Any;
    }
}

SideSymbols expandSymbols(SymbolSide side, SymbolGlyph unmasked, SymbolGlyph masked)
{
    return {imageFor(side, unmasked, M::None), imageFor(side, unmasked, M::NoResponse),
            imageFor(side, unmasked, M::Unmeasurable), imageFor(side, masked, M::None),
            imageFor(side, masked, M::NoResponse), imageFor(side, masked, M::Unmeasurable)};
}

std::span<const StandardSymbolSet> standardSymbolSets()
{
    return kStandardSets;
}

const StandardSymbolSet* findStandardSymbolSet(std::string_view key)
{
    const auto found = std::find_if(kStandardSets.begin(), kStandardSets.end(),
                                    [key](const StandardSymbolSet& set) { return set.key == key; });
    return found == kStandardSets.end() ? nullptr : &*found;
}

TestSymbols expandSymbols(const StandardSymbolSet& set)
{
    return {expandSymbols(S::Right, set.right.unmasked, set.right.masked),
            expandSymbols(S::Left, set.left.unmasked, set.left.masked),
            expandSymbols(S::Binaural, set.binaural.unmasked, set.binaural.masked)};
}

}  // namespace brisance
