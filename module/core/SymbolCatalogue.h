#pragma once
// The audiogram symbols by number: what each image of the symbol lists shows,
// the rule that gives one side of a test its six symbol numbers, and the
// standard symbols of the usual tests.
//
// Numbers count from 1; 0 means "no symbol". Tests, users' module data and
// exported profiles store these numbers, so the order is a file format: new
// images only go on the end, and no number is ever reordered, removed or given
// another meaning.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace brisance {

// The drawn shape, without its mark.
enum class SymbolGlyph : std::uint8_t {
    None,          // no symbol
    Circle,        // O: right ear, air conduction
    Triangle,      // apex-up triangle: right ear, air conduction masked
    LessThan,      // <: right ear, bone conduction (mastoid)
    OpenBracket,   // [: right ear, bone conduction masked
    Cross,         // X: left ear, air conduction
    Square,        // left ear, air conduction masked
    GreaterThan,   // >: left ear, bone conduction (mastoid)
    CloseBracket,  // ]: left ear, bone conduction masked
    LetterS,       // sound field
    LetterA,       // aided sound field
    LetterM,       // most comfortable level
    LetterU,       // uncomfortable level
};

// The side an image belongs to: its glyph's ear, or for a letter the side of
// its mark. Any: a letter without a mark, used on every side.
enum class SymbolSide : std::uint8_t { Any, Right, Left, Binaural };

// What the image adds to its glyph for a point's status.
enum class SymbolMark : std::uint8_t { None, NoResponse, Unmeasurable };

struct SymbolDescriptor {
    SymbolGlyph glyph = SymbolGlyph::None;
    SymbolSide side = SymbolSide::Any;
    SymbolMark mark = SymbolMark::None;

    friend constexpr bool operator==(const SymbolDescriptor&, const SymbolDescriptor&) = default;
};

// Images in each symbol list.
inline constexpr int kSymbolCount = 52;

// What image number (1 to kSymbolCount) shows; a descriptor of glyph None for
// any other number.
SymbolDescriptor symbolDescriptor(int number);
// The number of the image that descriptor describes; 0 when there is none.
int symbolNumber(const SymbolDescriptor& descriptor);
// The ear a glyph is drawn for: Right or Left, Any for letters and None.
SymbolSide glyphSide(SymbolGlyph glyph);

// One side's six symbol numbers in symbol-index order: unmasked, no response,
// unmeasurable, masked, masked no response, masked unmeasurable.
using SideSymbols = std::array<std::int32_t, 6>;

// The expansion rule: the six numbers of side (Right, Left or Binaural) of a
// test drawn with glyph unmasked and, when masked, glyph masked; the status
// images take side's arrow and mark. A side without symbols (glyph None) gets
// six zeros, and so does an ear glyph on a side other than its own ear, since
// the catalogue has no such images.
SideSymbols expandSymbols(SymbolSide side, SymbolGlyph unmasked, SymbolGlyph masked);

// The glyphs of one side of a test; None on both for a side without symbols.
struct SideGlyphs {
    SymbolGlyph unmasked = SymbolGlyph::None;
    SymbolGlyph masked = SymbolGlyph::None;
};

// The symbols of one usual test, by its notation key ("1-1-1-").
struct StandardSymbolSet {
    std::string_view key;
    SideGlyphs right;
    SideGlyphs left;
    SideGlyphs binaural;
};

// The eighteen symbol numbers of a test.
struct TestSymbols {
    SideSymbols right{};
    SideSymbols left{};
    SideSymbols binaural{};
};

// Every standard set, one per notation key.
std::span<const StandardSymbolSet> standardSymbolSets();
// The standard set of the test with notation key key; null when it has none.
const StandardSymbolSet* findStandardSymbolSet(std::string_view key);
// A standard set's three sides through the expansion rule.
TestSymbols expandSymbols(const StandardSymbolSet& set);

}  // namespace brisance
