#pragma once
// One test as the user sees it: a kind of curve with its own look. It holds
// the curve type it records, its aided condition and word list, and for each
// of left, right and binaural a colour, a line style and width and six symbol
// numbers (symbol index 0 to 5: unmasked, no response, unmeasurable, masked,
// masked no response, masked unmeasurable).
//
// Symbol numbers count from 1 in the symbol image lists; 0 draws none. A new
// test has every number 0 and every text empty.

#include "platform/gfx/Types.h"

#include <array>
#include <cstdint>
#include <string>

namespace brisance {

enum CurvePrefType : std::int32_t {
    PrefType_PureTone = 0,
    PrefType_Speech = 1,
};

class CCurvePref {
public:
    std::string Label;
    // Given by CCurvePrefs.Add, unique in its collection; never stored.
    std::int32_t CurveID = 0;
    CurvePrefType PrefType = PrefType_PureTone;
    // The curve type the test records (1 to 29).
    std::int32_t TestType = 0;
    // The aided condition as the measurement records code it: 2 unaided, 3
    // and 4 the first and second aided solution.
    std::int32_t Condition = 0;
    std::int32_t WordList = 0;
    platform::gfx::ColorRef LeftColor = 0;
    platform::gfx::ColorRef RightColor = 0;
    platform::gfx::ColorRef BinauralColor = 0;
    std::int16_t LeftLineStyle = 0;
    std::int16_t LeftLineWidth = 0;
    std::int16_t RightLineStyle = 0;
    std::int16_t RightLineWidth = 0;
    std::int16_t BinauralLineStyle = 0;
    std::int16_t BinauralLineWidth = 0;
    std::int32_t Left0Unmasked = 0;
    std::int32_t Left1NoReponse = 0;
    std::int32_t Left2UnMeasurable = 0;
    std::int32_t Left3Masked = 0;
    std::int32_t Left4MaskedNoResponse = 0;
    std::int32_t Left5MaskedUnMeasurable = 0;
    std::int32_t Right0Unmasked = 0;
    std::int32_t Right1NoReponse = 0;
    std::int32_t Right2UnMeasurable = 0;
    std::int32_t Right3Masked = 0;
    std::int32_t Right4MaskedNoResponse = 0;
    std::int32_t Right5MaskedUnMeasurable = 0;
    std::int32_t Binaural0Unmasked = 0;
    std::int32_t Binaural1NoReponse = 0;
    std::int32_t Binaural2UnMeasurable = 0;
    std::int32_t Binaural3Masked = 0;
    std::int32_t Binaural4MaskedNoResponse = 0;
    std::int32_t Binaural5MaskedUnMeasurable = 0;

    // The test's notation key. It is written once: setting it while it holds
    // a key changes nothing.
    const std::string& Key() const { return m_key; }
    void Key(const std::string& strNewKey);

private:
    std::string m_key;
};

// The six symbol fields of one side, in symbol-index order.
using SymbolFields = std::array<std::int32_t CCurvePref::*, 6>;
inline constexpr SymbolFields kLeftSymbolFields = {
    &CCurvePref::Left0Unmasked, &CCurvePref::Left1NoReponse,        &CCurvePref::Left2UnMeasurable,
    &CCurvePref::Left3Masked,   &CCurvePref::Left4MaskedNoResponse, &CCurvePref::Left5MaskedUnMeasurable};
inline constexpr SymbolFields kRightSymbolFields = {
    &CCurvePref::Right0Unmasked, &CCurvePref::Right1NoReponse,        &CCurvePref::Right2UnMeasurable,
    &CCurvePref::Right3Masked,   &CCurvePref::Right4MaskedNoResponse, &CCurvePref::Right5MaskedUnMeasurable};
inline constexpr SymbolFields kBinauralSymbolFields = {
    &CCurvePref::Binaural0Unmasked, &CCurvePref::Binaural1NoReponse,        &CCurvePref::Binaural2UnMeasurable,
    &CCurvePref::Binaural3Masked,   &CCurvePref::Binaural4MaskedNoResponse, &CCurvePref::Binaural5MaskedUnMeasurable};

}  // namespace brisance
