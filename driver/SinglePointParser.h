#pragma once
// The audiometer's point records: single tone points (types '1', '2', '5')
// and the automatic threshold table (type '3').

#include "driver/FieldReaders.h"
#include "driver/ParseResult.h"

namespace marlet {

ParseResult parseSinglePoint(const RecordFields& record, const ParseContext& context);
ParseResult parseThresholdTable(const RecordFields& record, const ParseContext& context);

}  // namespace marlet
