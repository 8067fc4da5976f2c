#pragma once
// What an Action and its DataType share: a new action keeps its values here
// until it is added to a session; a stored one reads and writes the database.

#include "host/HostContext.h"
#include "host/HostDatabase.h"
#include "host/Records.h"

#include "platform/runtime/Dates.h"

#include <memory>
#include <type_traits>

namespace host::detail {

struct ActionState {
    std::shared_ptr<HostDatabase> database;  // null while the action is new
    ActionRecord record;                     // the values of a new action; of a stored one only its id

    // The action's values now.
    ActionRecord read() const;
    // Changes one field: in the database when stored, else in the record.
    template <class T>
    void change(ActionField field, T ActionRecord::*member, T value)
    {
        if (!database) {
            record.*member = std::move(value);
            return;
        }
        if constexpr (std::is_integral_v<T>)
            database->setActionField(record.id, field, std::int64_t{value}, platform::runtime::now().days);
        else
            database->setActionField(record.id, field, HostDatabase::FieldValue(std::move(value)),
                                    platform::runtime::now().days);
        HostContext::current().tellActionsWritten();
    }
};

}  // namespace host::detail
