// The chart's persisted stream (its picture and four fonts) on any bytes. A
// load that succeeds gives a chart whose saved stream loads again to the same
// saved stream, and which paints; a refused load leaves the chart as it was.

#include "CChart.h"
#include "TestSite.h"

#include "platform/com/Stream.h"
#include "platform/gfx/tests/Canvas.h"
#include "platform/testing/FuzzEnvironment.h"
#include "platform/testing/FuzzExpect.h"

#include <cstdint>
#include <vector>

using namespace lumenplot;
namespace com = platform::com;
using com::ComPtr;
using platform::testing::fuzzExpect;

namespace {

// A chart with labels in each of its fonts' places, on a site.
ComPtr<CChart> sitedChart()
{
    static const ComPtr<test::TestSite> site = com::make<test::TestSite>();
    const ComPtr<CChart> chart = com::make<CChart>();
    chart->SetSite(site.get());
    chart->put_XGridLineMode(grid_UseCustom);
    chart->AddXGridLine(5, "1k", VARIANT_TRUE, VARIANT_FALSE);
    chart->AddYLabel(5, "dB HL");
    return chart;
}

std::vector<std::uint8_t> saved(CChart& chart)
{
    const ComPtr<com::MemoryStream> stream = com::make<com::MemoryStream>();
    fuzzExpect(com::succeeded(chart.Save(stream.get(), false)), "a chart saves");
    return stream->bytes();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    platform::testing::useFuzzingApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ComPtr<CChart> chart = sitedChart();
    const std::vector<std::uint8_t> before = saved(*chart);
    const ComPtr<com::MemoryStream> stream = com::make<com::MemoryStream>(std::vector<std::uint8_t>(data, data + size));
    if (com::failed(chart->Load(stream.get()))) {
        fuzzExpect(saved(*chart) == before, "a refused load leaves the chart as it was");
        return 0;
    }
    const std::vector<std::uint8_t> bytes = saved(*chart);
    const ComPtr<CChart> copy = sitedChart();
    const ComPtr<com::MemoryStream> again = com::make<com::MemoryStream>(bytes);
    fuzzExpect(com::succeeded(copy->Load(again.get())), "a saved chart loads");
    fuzzExpect(saved(*copy) == bytes, "a loaded chart saves as it loads");

    platform::gfx::testing::Canvas canvas(160, 120);
    chart->paint(canvas.dc, 160, 120);
    return 0;
}
