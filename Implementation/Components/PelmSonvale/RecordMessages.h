#pragma once
// Which message carries a decoded record from the measuring worker to the
// thread window. Results and point commands travel with their record; for
// "delete all curves" and "measurement complete" the message alone says it
// all, so the worker frees the record and posts the message without it.

#include "CPointInformation.h"
#include "LinkMessages.h"

#include <optional>

namespace pelmsonvale {

struct RecordMessage {
    MessageId message;
    bool carriesRecord;
};

// For a decoded point record, by its PointType. Nothing for a type without a
// message: the worker frees the record.
std::optional<RecordMessage> PointRecordMessage(const CPointInformation& information);

// For a decoded test block, by its ImpActionType and, for a measured result,
// its ImpPointType. Nothing for a combination without a message.
std::optional<RecordMessage> TestBlockMessage(const CPointInformation& information);

}  // namespace pelmsonvale
