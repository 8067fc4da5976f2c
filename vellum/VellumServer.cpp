// The entry points of the Vellum library: the data object and the keyed
// store, created by class id.

#include "vellum/VellumDataLayer.h"
#include "vellum/VellumKeyedStore.h"

#include "platform/com/ServerExports.h"

namespace vellum {
namespace {

using platform::com::ClassEntry;
using platform::com::createObject;

constexpr ClassEntry kClasses[] = {
    {kVellumDataLayerClsid, createObject<VellumDataLayer>, "VellumDataLayer"},
    {kVellumKeyedStoreClsid, createObject<VellumKeyedStore>, "VellumKeyedStore"},
};

}  // namespace
}  // namespace vellum

BRISANCE_COM_SERVER(vellum::kClasses)
