#pragma once
// The group of host actions that makes one audiogram document: the audiogram
// action and the two impedance actions (one per ear) that share one time
// stamp. Each slot may be empty.
//
// The searches over a client's actions here read the host's objects only and
// raise the host's failures to the caller.

#include "host/HostInterfaces.h"

#include <array>
#include <cstdint>
#include <optional>

namespace brisance {

// The module identity: given to the host's module server and compared with an
// action's creator.
inline constexpr std::int32_t kModuleIdentity = 0x200001;

// Host data-type codes of the group's actions.
inline constexpr std::int32_t kAudiogramCode = 1;
inline constexpr std::int32_t kLeftImpedanceCode = 15;
inline constexpr std::int32_t kRightImpedanceCode = 16;

// Slot 0 the audiogram (code 1), slot 1 the left impedance (15), slot 2 the
// right impedance (16).
using ActionGroup = std::array<host::ComPtr<host::IAction>, 3>;

// The revision of each slot's action (IAction::get_Revision), 0 for an empty
// slot: what the group was when it was read, to see later whether someone
// else changed it since.
using GroupRevisions = std::array<std::int32_t, 3>;
GroupRevisions RevisionsOf(const ActionGroup& group);

// The slot of a data-type code; none for any other code.
std::optional<std::size_t> SlotOfCode(std::int32_t code);

// The group of an action: the action in the slot of its code, and every
// sibling of its session whose time stamp equals the action's exactly in the
// slot of its code, unless that is the action's own slot. Among several
// siblings of one code the last one in the session's order wins. Null gives
// an empty group.
ActionGroup GroupOfAction(const host::ComPtr<host::IAction>& action);

// The client's audiogram action (code 1) with the latest time, where an
// action's time is its LastModified when that is later than its DateCreated,
// else its DateCreated. Of several with the same time the first walked wins;
// actions of 1 January 1900 or earlier are never chosen. Null for a null
// client or when there is none.
host::ComPtr<host::IAction> LatestAudiogramAction(const host::ComPtr<host::IClient>& client);

// True when an action of the client lists this action among its linked
// actions: an entry whose index and whose session's index equal the action's.
bool IsActionLinked(host::IAction& action, host::IClient& client);

}  // namespace brisance
