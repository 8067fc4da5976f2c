#pragma once
// One ear's immittance results, which the host keeps as that ear's impedance
// action: the ear's tympanogram and its reflex and decay curves (curve types
// 8, 9, 30 and 31 of that ear).
//
// The action carries two values: the results in the earlier audiogram layout
// (format 100) and the curves' descriptions in the secondary layout
// (AudiogramFormat.h); with format 200 the first value carries everything and
// the second is empty. An ear has data when its tympanogram holds a value that
// is not -32767, or one of its reflex or decay curves holds a point.

#include "vellum/AudiogramContent.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vellum {

struct EarImpedanceData {
    std::vector<std::uint8_t> data;
    std::optional<std::vector<std::uint8_t>> data2;  // none with format 200
    bool hasData = false;
};

// The ear's impedance data in the given format (100 or 200). Raises runtime
// error 5 for an ear other than 2 or 3 or an unknown format.
EarImpedanceData splitEarImpedance(const AudiogramContent& content, std::int32_t ear, std::int32_t format);

// Replaces the ear's impedance data in content by what data (and data2, when
// given) hold, and tells whether the ear now has data. Everything is checked
// first: a bad ear, data that is not valid, or data that holds anything but
// that ear's impedance results raises runtime error 5 and changes nothing.
bool mergeEarImpedance(AudiogramContent& content, std::int32_t ear, std::span<const std::uint8_t> data,
                       std::optional<std::span<const std::uint8_t>> data2);

}  // namespace vellum
