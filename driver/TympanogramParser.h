#pragma once
// The audiometer's tympanograms with screening reflexes: types 'x' (226 Hz
// probe tone) and 'z' (1000 Hz).

#include "driver/FieldReaders.h"
#include "driver/ParseResult.h"

namespace marlet {

ParseResult parseTympanogram(const RecordFields& record);

}  // namespace marlet
