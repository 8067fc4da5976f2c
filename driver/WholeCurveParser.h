#pragma once
// The audiometer's whole-curve transfer (type '6'): air, bone and sound-field
// curves of both ears in one record.

#include "driver/FieldReaders.h"
#include "driver/ParseResult.h"

namespace marlet {

ParseResult parseWholeCurve(const RecordFields& record, const ParseContext& context);

}  // namespace marlet
