#pragma once
// The tympanometer's '|' records, checked by the record reader, turned into
// test blocks (ParseResult.h). Only type '1' carries results, by its sub-type:
// 0 tympanogram, 1 tympanogram with screening reflexes, 2 reflex thresholds,
// 6 reflex decay.

#include "driver/ParseResult.h"

#include <string_view>

namespace marlet {

// `record`: the received bytes from '|' to LF. A record whose fields reach
// beyond them records error 106 and gives nothing; an empty record records
// serial error 1.
ParseResult parseTympanometerRecord(std::string_view record);

}  // namespace marlet
