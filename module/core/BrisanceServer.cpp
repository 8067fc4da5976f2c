// The entry points of the Brisance library: the classes that the host
// creates by class id, and their self-registration.

#include "module/report/CCombinedReportHandler.h"

#include "platform/com/ServerExports.h"

#include <array>

namespace brisance {
namespace {

using platform::com::ClassEntry;
using platform::com::createObject;

constexpr std::array kClasses = {
    ClassEntry{CCombinedReportHandler::kClsid, createObject<CCombinedReportHandler>, "CCombinedReportHandler"},
};

}  // namespace
}  // namespace brisance

BRISANCE_COM_SERVER(brisance::kClasses)
