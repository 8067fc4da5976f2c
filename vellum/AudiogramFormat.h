#pragma once
// The stored form of an audiogram (IVellumDataLayer.Data), little-endian:
//
//   "VAUD", i32 format (200 current, 100 earlier)
//   average masks: i32 left, right, double left, double right
//   u32 count of pure-tone curves, each:
//       measurement: i32 ear, curve type, condition, word list
//                    (format 200: then the condition, transducer and word-list
//                    descriptions, each a u32 byte length and UTF-8 bytes)
//       u32 count of points, each: i32 frequency, i16 level, masking level,
//                    status, decay
//   u32 count of speech curves, each:
//       measurement as above
//       u32 count of points, each: i32 level, i16 score, masking level,
//                    i32 number of words
//   u32 count of tympanograms, each: i32 ear, static compliance, ear-canal
//       volume, peak pressure, type, probe-tone frequency, gradient, peak
//       height, gradient status
//
// Format 100 is the earlier layout: the same content without the measurement
// descriptions. They travel beside it as the secondary data of the module's
// own actions:
//
//   "VDSC", u32 count, each: u8 kind (0 pure tone, 1 speech), i32 curve type,
//       ear, condition, word list, then the three descriptions as above
//
// Reading checks everything before it hands anything back: truncated,
// oversized or corrupt data (an unknown layout or format, two curves with the
// same keys, two points with the same key, two tympanograms of one ear,
// trailing bytes) raises runtime error 5.

#include "vellum/AudiogramContent.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vellum {

bool isKnownFormat(std::int32_t format);

std::vector<std::uint8_t> writeAudiogram(const AudiogramContent& content, std::int32_t format);

struct StoredAudiogram {
    AudiogramContent content;
    std::int32_t format = kFormatCurrent;
};
StoredAudiogram readAudiogram(std::span<const std::uint8_t> data);

// The descriptions of every curve, in the secondary layout.
std::vector<std::uint8_t> writeDescriptions(const AudiogramContent& content);
// Gives the curves of content that data names their descriptions; curves that
// content lacks are passed over. Nothing changes when data is not valid.
void applyDescriptions(std::span<const std::uint8_t> data, AudiogramContent& content);

}  // namespace vellum
