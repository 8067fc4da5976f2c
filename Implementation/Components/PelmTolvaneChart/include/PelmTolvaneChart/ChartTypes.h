#pragma once
// The value types and enumerations of the chart control's interfaces.

#include <cstdint>

namespace lumenplot {

// An automation Boolean: true is -1. Members that test for "true" test for -1,
// so other values count as neither true nor false where that matters.
using VARIANT_BOOL = std::int16_t;
inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

// A colour value as automation passes it, a Long: a plain RGB value
// 0x00BBGGRR, or a system colour 0x800000nn (negative).
using OLE_COLOR = std::int32_t;

enum TGridLineMode : std::int32_t { grid_UseStandard = 0, grid_UseCustom = 1 };
enum TXLabelPosition : std::int32_t { grid_OnBottom = 0, grid_OnTop = 1 };
enum TYLabelPosition : std::int32_t { grid_OnLeft = 0, grid_OnRight = 1 };

// Audiological Template Type
enum TAudiologicalUnderlays : std::int32_t {
    Underlay_None = 0,
    AudioSpeechTemplateA = 1,
    AudioSpeechTemplateB = 2,
    AudioSpeechTemplateC = 3,
    AudioSpeechTemplateD = 4,
};

}  // namespace lumenplot
