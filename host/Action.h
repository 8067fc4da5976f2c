#pragma once
// One entry of a client's record, made by a module in a session: its data
// type, public and private data, dates, the exact time stamp that groups
// actions into one document, and the actions it refers to.
//
// A new Action lives in memory until it is added to a session's Actions;
// from then on it reads and writes the host database, so that every change
// is stored at once (and seen by other processes). An Action is a handle:
// copies share the action, and the setters, being const, change the action
// rather than the handle.

#include "host/DataType.h"
#include "host/Records.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace host {

class Actions;
class HostDatabase;

namespace detail {
struct ActionState;
}

class Action {
public:
    // A new action, in no session yet.
    Action();
    // The stored action with this id.
    Action(std::shared_ptr<HostDatabase> database, RowId id);

    bool isStored() const;
    RowId id() const;  // 0 while new

    Date dateCreated() const;
    void setDateCreated(Date date) const;
    Date lastModified() const;
    std::string userInitials() const;
    DataType dataType() const;
    std::string description() const;
    void setDescription(std::string description) const;
    std::optional<Bytes> publicData() const;  // nullopt: null
    void setPublicData(std::optional<Bytes> data) const;
    std::optional<Bytes> privateData() const;
    void setPrivateData(std::optional<Bytes> data) const;
    std::int32_t creatorModuleId() const;
    Date timeStamp() const;
    void setTimeStamp(Date timeStamp) const;
    // How often the stored action was changed; 0 while new.
    std::int64_t revision() const;

    // The actions this one refers to, in the order the links were made.
    std::vector<Action> linkedActions() const;
    // Its 1-based position in its session; raises InvalidCall while new.
    int index() const;
    // The actions of its session, itself included; raises InvalidCall while new.
    Actions parentActions() const;

    // Every value at once.
    ActionRecord record() const;

private:
    friend class Actions;
    std::shared_ptr<detail::ActionState> m_state;
};

}  // namespace host
