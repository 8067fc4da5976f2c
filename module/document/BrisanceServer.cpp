// The entry points of the Brisance library: the classes that the host
// creates by class id, and their self-registration.

#include "module/document/AudiogramDocumentObject.h"
#include "module/report/CCombinedReportHandler.h"

#include "platform/com/ServerExports.h"

#include <array>

namespace brisance {
namespace {

using platform::com::ClassEntry;
using platform::com::createObject;

constexpr std::array<ClassEntry, 2> kClasses{{
    {kAudiogramDocumentClsid, CreateAudiogramDocument, "docAudiogramModule"},
    {CCombinedReportHandler::kClsid, createObject<CCombinedReportHandler>, "CCombinedReportHandler"},
}};

}  // namespace
}  // namespace brisance

BRISANCE_COM_SERVER(brisance::kClasses)
