#include "host/com/ActionObjects.h"

#include "host/ActionState.h"
#include "host/Actions.h"
#include "host/com/ObjectSupport.h"
#include "host/com/SessionObjects.h"

namespace host::objects {

namespace {

using platform::runtime::Date;

using DataTypeMember = DispatchMember<IDataType>;
constexpr DataTypeMember kDataTypeMembers[] = {
    DataTypeMember::valueProperty<&IDataType::get_Code, &IDataType::put_Code>("Code", 1),
    DataTypeMember::valueProperty<&IDataType::get_Format, &IDataType::put_Format>("Format", 2),
};
std::span<const DataTypeMember> dataTypeMembers() { return kDataTypeMembers; }

class DataTypeObject final : public Object<Dispatched<IDataType, dataTypeMembers>> {
public:
    // A data type of its own, belonging to no action.
    DataTypeObject() : m_dataType(std::make_shared<detail::ActionState>()) {}
    explicit DataTypeObject(DataType dataType) : m_dataType(std::move(dataType)) {}

    std::int32_t get_Code() override { return m_dataType.code(); }
    void put_Code(std::int32_t code) override { m_dataType.setCode(code); }
    std::int32_t get_Format() override { return m_dataType.format(); }
    void put_Format(std::int32_t format) override { m_dataType.setFormat(format); }

private:
    DataType m_dataType;
};

using LinkedMember = DispatchMember<ILinkedActions>;
constexpr LinkedMember kLinkedMembers[] = {
    LinkedMember::valueProperty<&ILinkedActions::get_Count>("Count", 1),
    LinkedMember::valueMethod<&ILinkedActions::Item>("Item", DISPID_VALUE),
    LinkedMember::valueProperty<&ILinkedActions::get__NewEnum>("_NewEnum", DISPID_NEWENUM),
};
std::span<const LinkedMember> linkedMembers() { return kLinkedMembers; }

class LinkedActionsObject final : public Object<Dispatched<ILinkedActions, linkedMembers>> {
public:
    explicit LinkedActionsObject(std::vector<Action> actions) : m_actions(std::move(actions)) {}

    std::int32_t get_Count() override { return static_cast<std::int32_t>(m_actions.size()); }
    ComPtr<IAction> Item(std::int32_t index) override { return actionObject(at(m_actions, index, "linked action")); }
    ComPtr<IUnknown> get__NewEnum() override { return enumeratorOf(m_actions, actionObject); }

private:
    std::vector<Action> m_actions;
};

using ActionMember = DispatchMember<IAction>;
constexpr ActionMember kActionMembers[] = {
    ActionMember::valueProperty<&IAction::get_DateCreated, &IAction::put_DateCreated>("DateCreated", 1),
    ActionMember::valueProperty<&IAction::get_LastModified>("LastModified", 2),
    ActionMember::valueProperty<&IAction::get_UserInitials>("UserInitials", 3),
    ActionMember::valueProperty<&IAction::get_DataType>("DataType", 4),
    ActionMember::valueProperty<&IAction::get_Description, &IAction::put_Description>("Description", 5),
    ActionMember::valueProperty<&IAction::get_LinkedActions>("LinkedActions", 6),
    ActionMember::valueProperty<&IAction::get_PublicData, &IAction::put_PublicData>("PublicData", 7),
    ActionMember::valueProperty<&IAction::get_PrivateData, &IAction::put_PrivateData>("PrivateData", 8),
    ActionMember::valueProperty<&IAction::get_index>("index", 9),
    ActionMember::valueProperty<&IAction::get_ParentActions>("ParentActions", 10),
    ActionMember::valueProperty<&IAction::get_CreatorModuleID>("CreatorModuleID", 11),
    ActionMember::valueProperty<&IAction::get_TimeStamp, &IAction::put_TimeStamp>("TimeStamp", 12),
    ActionMember::valueProperty<&IAction::get_Revision>("Revision", 13),
};
std::span<const ActionMember> actionMembers() { return kActionMembers; }

class ActionObject final : public Object<Dispatched<IAction, actionMembers>> {
public:
    ActionObject() = default;  // a new action
    explicit ActionObject(Action action) : m_action(std::move(action)) {}

    Date get_DateCreated() override { return runtimeDate(m_action.dateCreated()); }
    void put_DateCreated(Date date) override { m_action.setDateCreated(date.days); }
    Date get_LastModified() override { return runtimeDate(m_action.lastModified()); }
    std::string get_UserInitials() override { return m_action.userInitials(); }
    ComPtr<IDataType> get_DataType() override { return dataTypeObject(m_action.dataType()); }
    std::string get_Description() override { return m_action.description(); }
    void put_Description(std::string description) override { m_action.setDescription(std::move(description)); }
    ComPtr<ILinkedActions> get_LinkedActions() override
    {
        return makeAs<ILinkedActions, LinkedActionsObject>(m_action.linkedActions());
    }
    Variant get_PublicData() override { return dataVariant(m_action.publicData()); }
    void put_PublicData(Variant data) override { m_action.setPublicData(dataOf(data, "PublicData")); }
    Variant get_PrivateData() override { return dataVariant(m_action.privateData()); }
    void put_PrivateData(Variant data) override { m_action.setPrivateData(dataOf(data, "PrivateData")); }
    std::int32_t get_index() override { return m_action.index(); }
    ComPtr<IActions> get_ParentActions() override { return actionsObject(m_action.parentActions()); }
    std::int32_t get_CreatorModuleID() override { return m_action.creatorModuleId(); }
    Date get_TimeStamp() override { return runtimeDate(m_action.timeStamp()); }
    void put_TimeStamp(Date timeStamp) override { m_action.setTimeStamp(timeStamp.days); }
    // Counted in 32 bits, as a module reads it; only equality matters.
    std::int32_t get_Revision() override { return static_cast<std::int32_t>(m_action.revision()); }

    const Action& action() const { return m_action; }

private:
    Action m_action;
};

}  // namespace

ComPtr<IAction> actionObject(const Action& action)
{
    return makeAs<IAction, ActionObject>(action);
}

ComPtr<IDataType> dataTypeObject(const DataType& dataType)
{
    return makeAs<IDataType, DataTypeObject>(dataType);
}

HRESULT createAction(const platform::com::IID& iid, void** object)
{
    return platform::com::createObject<ActionObject>(iid, object);
}

HRESULT createDataType(const platform::com::IID& iid, void** object)
{
    return platform::com::createObject<DataTypeObject>(iid, object);
}

Action actionBehind(IAction* action)
{
    const auto* ours = dynamic_cast<const ActionObject*>(action);
    if (!ours) raise(platform::com::E_INVALIDARG, "The object is not an action of this host");
    return ours->action();
}

}  // namespace host::objects
