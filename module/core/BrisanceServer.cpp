// The entry points of the Brisance library: the classes that the host
// creates by class id, and their self-registration.

#include "platform/com/ServerExports.h"

#include <array>

namespace brisance {
namespace {

constexpr std::array<platform::com::ClassEntry, 0> kClasses{};

}  // namespace
}  // namespace brisance

BRISANCE_COM_SERVER(brisance::kClasses)
