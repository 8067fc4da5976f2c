#pragma once
// The audiometer's ':' records, checked by the record reader, turned into
// what the driver pushes, records and sends (ParseResult.h).

#include "driver/ParseResult.h"

#include <string_view>

namespace marlet {

// `record`: the received bytes from ':' on. A type without a parser is
// accepted with no output; an empty record records serial error 1.
ParseResult parseAudiometerRecord(std::string_view record, const ParseContext& context);

}  // namespace marlet
