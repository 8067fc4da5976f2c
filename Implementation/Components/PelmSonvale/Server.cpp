// The server's classes and its entry points.

#include "CSonvaleController.h"
#include "PelmSonvale/ClassIds.h"
#include "platform/com/ServerExports.h"

namespace pelmsonvale {

namespace {

using platform::com::ClassEntry;
using platform::com::ClassKey;
using platform::com::createObject;

constexpr ClassKey kProgrammable[] = {{"Programmable"}};

constexpr ClassEntry kClasses[] = {
    {kSonvaleControllerClsid, createObject<CSonvaleController>, "SonvaleController Class",
     "PelmSonvale.SonvaleController.1", "PelmSonvale.SonvaleController", "Apartment", kProgrammable},
    {kSonvaleDriversClsid, createObject<CSonvaleDrivers>, "SonvaleDrivers Class", "PelmSonvale.SonvaleDrivers.1",
     "PelmSonvale.SonvaleDrivers", "Apartment", kProgrammable},
    {kSonvaleDriverClsid, createObject<CSonvaleDriver>, "SonvaleDriver Class", "PelmSonvale.SonvaleDriver.1",
     "PelmSonvale.SonvaleDriver", "Apartment", kProgrammable},
};

}  // namespace

}  // namespace pelmsonvale

BRISANCE_COM_SERVER(pelmsonvale::kClasses)
