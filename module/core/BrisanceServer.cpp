// The entry points of the Brisance library: the classes that the host
// creates by class id, and their self-registration.

#include "module/core/AudiogramDocumentObject.h"

#include "platform/com/ServerExports.h"

#include <array>

namespace brisance {
namespace {

constexpr std::array<platform::com::ClassEntry, 1> kClasses{{
    {kAudiogramDocumentClsid, CreateAudiogramDocument, "docAudiogramModule"},
}};

}  // namespace
}  // namespace brisance

BRISANCE_COM_SERVER(brisance::kClasses)
