// The audiogram data object's Data load on any bytes, in either format. A load
// that succeeds gives an object whose saved bytes, in each format, load again
// to the same saved bytes; a refused load leaves the object as it was.

#include "vellum/VellumDataLayer.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/testing/FuzzExpect.h"

#include <cstdint>
#include <span>

using namespace vellum;
using platform::com::make;
using platform::testing::fuzzExpect;

namespace {

// Saved in the format, then loaded into a new object and saved again.
bool savesAndLoadsAlike(IVellumDataLayer& layer, std::int32_t format)
{
    layer.put_DataFormat(format);
    const Variant saved = layer.get_Data();
    const ComPtr<IVellumDataLayer> copy = make<VellumDataLayer>();
    copy->put_Data(saved);
    return copy->get_DataFormat() == format && copy->get_Data() == saved;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ComPtr<IVellumDataLayer> layer = make<VellumDataLayer>();
    layer->put_DataFormat(kFormatEarlier);
    layer->put_AverageFrequenciesLeft(7);
    const Variant before = layer->get_Data();
    try {
        layer->put_Data(Variant::fromBytes(std::span(data, size)));
    } catch (const platform::runtime::RuntimeError&) {
        fuzzExpect(layer->get_Data() == before, "a refused load leaves the object as it was");
        return 0;
    }
    fuzzExpect(savesAndLoadsAlike(*layer, layer->get_DataFormat()), "a loaded audiogram saves as it loads");
    fuzzExpect(savesAndLoadsAlike(*layer, kFormatCurrent), "a loaded audiogram saves and loads in the current format");
    fuzzExpect(savesAndLoadsAlike(*layer, kFormatEarlier), "a loaded audiogram saves and loads in the earlier format");
    return 0;
}
