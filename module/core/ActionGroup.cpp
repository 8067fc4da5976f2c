#include "module/core/ActionGroup.h"

namespace brisance {

namespace {

using host::ComPtr;
using host::IAction;

// 1 January 1900: no action of that day or before counts as the latest.
constexpr double kEarliestLatestDay = 2.0;

double TimeOfAction(IAction& action)
{
    const double created = action.get_DateCreated().days;
    const double modified = action.get_LastModified().days;
    return modified > created ? modified : created;
}

// Calls visit for every action of every session of the client, in the host's order.
template <class Visit>
void ForEachAction(host::IClient& client, Visit visit)
{
    const ComPtr<host::ISessions> sessions = client.get_Sessions();
    const std::int32_t sessionCount = sessions->get_Count();
    for (std::int32_t s = 1; s <= sessionCount; ++s) {
        const ComPtr<host::IActions> actions = sessions->Item(s)->get_Actions();
        const std::int32_t actionCount = actions->get_Count();
        for (std::int32_t a = 1; a <= actionCount; ++a)
            visit(*actions->Item(a));
    }
}

}  // namespace

std::optional<std::size_t> SlotOfCode(std::int32_t code)
{
    switch (code) {
    case kAudiogramCode:
        return 0;
    case kLeftImpedanceCode:
        return 1;
    case kRightImpedanceCode:
        return 2;
    default:
        return std::nullopt;
    }
}

GroupRevisions RevisionsOf(const ActionGroup& group)
{
    GroupRevisions revisions{};
    for (std::size_t slot = 0; slot < group.size(); ++slot)
        if (group[slot])
            revisions[slot] = group[slot]->get_Revision();
    return revisions;
}

ActionGroup GroupOfAction(const ComPtr<IAction>& action)
{
    ActionGroup group;
    if (!action)
        return group;
    const std::optional<std::size_t> ownSlot = SlotOfCode(action->get_DataType()->get_Code());
    if (ownSlot)
        group[*ownSlot] = action;
    const platform::runtime::Date stamp = action->get_TimeStamp();
    const ComPtr<host::IActions> siblings = action->get_ParentActions();
    const std::int32_t count = siblings->get_Count();
    for (std::int32_t i = 1; i <= count; ++i) {
        ComPtr<IAction> sibling = siblings->Item(i);
        if (sibling->get_TimeStamp() != stamp)
            continue;
        const std::optional<std::size_t> slot = SlotOfCode(sibling->get_DataType()->get_Code());
        if (slot && slot != ownSlot)
            group[*slot] = std::move(sibling);
    }
    return group;
}

ComPtr<IAction> LatestAudiogramAction(const ComPtr<host::IClient>& client)
{
    ComPtr<IAction> latest;
    if (!client)
        return latest;
    double latestTime = kEarliestLatestDay;
    ForEachAction(*client, [&](IAction& action) {
        if (action.get_DataType()->get_Code() != kAudiogramCode)
            return;
        const double time = TimeOfAction(action);
        if (time > latestTime) {
            latestTime = time;
            latest = ComPtr<IAction>(&action);
        }
    });
    return latest;
}

bool IsActionLinked(IAction& action, host::IClient& client)
{
    const std::int32_t index = action.get_index();
    const std::int32_t sessionIndex = action.get_ParentActions()->get_Parent()->get_index();
    bool linked = false;
    ForEachAction(client, [&](IAction& from) {
        const ComPtr<host::ILinkedActions> links = from.get_LinkedActions();
        const std::int32_t count = links->get_Count();
        for (std::int32_t i = 1; i <= count; ++i) {
            const ComPtr<IAction> entry = links->Item(i);
            if (entry->get_index() == index && entry->get_ParentActions()->get_Parent()->get_index() == sessionIndex)
                linked = true;
        }
    });
    return linked;
}

}  // namespace brisance
