#include "host/Action.h"

#include "host/ActionState.h"
#include "host/Actions.h"
#include "host/HostErrors.h"

namespace host {

Action::Action() : m_state(std::make_shared<detail::ActionState>()) {}

Action::Action(std::shared_ptr<HostDatabase> database, RowId id)
    : m_state(std::make_shared<detail::ActionState>(detail::ActionState{std::move(database), ActionRecord{.id = id}}))
{
}

bool Action::isStored() const
{
    return m_state->database != nullptr;
}

RowId Action::id() const
{
    return m_state->record.id;
}

Date Action::dateCreated() const
{
    return m_state->read().dateCreated;
}

void Action::setDateCreated(Date date) const
{
    m_state->change(ActionField::DateCreated, &ActionRecord::dateCreated, date);
}

Date Action::lastModified() const
{
    return m_state->read().lastModified;
}

std::string Action::userInitials() const
{
    return m_state->read().userInitials;
}

DataType Action::dataType() const
{
    return DataType(m_state);
}

std::string Action::description() const
{
    return m_state->read().description;
}

void Action::setDescription(std::string description) const
{
    m_state->change(ActionField::Description, &ActionRecord::description, std::move(description));
}

std::optional<Bytes> Action::publicData() const
{
    return m_state->read().publicData;
}

void Action::setPublicData(std::optional<Bytes> data) const
{
    m_state->change(ActionField::PublicData, &ActionRecord::publicData, std::move(data));
}

std::optional<Bytes> Action::privateData() const
{
    return m_state->read().privateData;
}

void Action::setPrivateData(std::optional<Bytes> data) const
{
    m_state->change(ActionField::PrivateData, &ActionRecord::privateData, std::move(data));
}

std::int32_t Action::creatorModuleId() const
{
    return m_state->read().creatorModuleId;
}

Date Action::timeStamp() const
{
    return m_state->read().timeStamp;
}

void Action::setTimeStamp(Date timeStamp) const
{
    m_state->change(ActionField::TimeStamp, &ActionRecord::timeStamp, timeStamp);
}

std::int64_t Action::revision() const
{
    return m_state->read().revision;
}

std::vector<Action> Action::linkedActions() const
{
    std::vector<Action> linked;
    if (!isStored()) return linked;
    for (const RowId id : m_state->database->linkedActions(id())) linked.emplace_back(m_state->database, id);
    return linked;
}

int Action::index() const
{
    if (!isStored()) raise(errors::InvalidCall, "The action has no index until it is added to a session");
    return m_state->read().index;
}

Actions Action::parentActions() const
{
    if (!isStored()) raise(errors::InvalidCall, "The action belongs to no session until it is added to one");
    return Actions(m_state->database, m_state->read().sessionId);
}

ActionRecord Action::record() const
{
    return m_state->read();
}

}  // namespace host
