// A busy audiogram chart: both ears' curves (twelve lines of eleven points
// with symbols) over the custom grid of a 125-8000 Hz by -10-120 dB
// audiogram, 1000 x 700 pixels. Its full repaint, a move of its cross-hair
// with the paint that follows, and the same chart printed as the report
// prints it.

#include "CChart.h"
#include "GdiScope.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageList.h"
#include "platform/print/PrintJob.h"
#include "platform/print/Printers.h"
#include "platform/testing/TemporaryFolder.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <array>
#include <cmath>
#include <string>

namespace {

namespace com = platform::com;
namespace gfx = platform::gfx;
using lumenplot::CChart;
using lumenplot::VARIANT_FALSE;
using lumenplot::VARIANT_TRUE;

constexpr int kWidth = 1000;
constexpr int kHeight = 700;
constexpr std::array kFrequencies = {125, 250, 500, 750, 1000, 1500, 2000, 3000, 4000, 6000, 8000};

// Octaves above 125 Hz: the audiogram's X axis.
double octaves(int frequency) { return std::log2(frequency / 125.0); }

com::ComPtr<gfx::ImageList> symbols()
{
    auto images = gfx::ImageList::create(24, 24);
    for (int i = 0; i < 12; ++i) {
        QImage symbol(24, 24, QImage::Format_RGB32);
        symbol.fill(Qt::white);
        QPainter painter(&symbol);
        painter.setPen(QPen(Qt::black, 2));
        if (i % 2) {
            painter.drawEllipse(5, 5, 14, 14);
        } else {
            painter.drawLine(5, 5, 19, 19);
            painter.drawLine(19, 5, 5, 19);
        }
        images->add(symbol);
    }
    return images;
}

com::ComPtr<CChart> busyAudiogram(const com::ComPtr<gfx::ImageList>& images)
{
    auto chart = com::make<CChart>();
    chart->put_XMin(-0.5);
    chart->put_XMax(6.5);
    chart->put_YMin(-10);
    chart->put_YMax(120);
    chart->put_LeftMargin(600);
    chart->put_TopMargin(400);
    chart->put_RightMargin(300);
    chart->put_BottomMargin(400);
    chart->put_XGridLineMode(lumenplot::grid_UseCustom);
    chart->put_YGridLineMode(lumenplot::grid_UseCustom);
    for (const int frequency : kFrequencies) {
        const bool octave = (frequency & (frequency - 1)) == 0 || frequency == 125;
        chart->AddXGridLine(octaves(frequency), std::to_string(frequency), VARIANT_TRUE, octave ? VARIANT_FALSE : VARIANT_TRUE);
    }
    for (int level = -10; level <= 120; level += 10) chart->AddYGridLine(level, std::to_string(level), VARIANT_TRUE, VARIANT_FALSE);
    chart->AddXLabel(3, "Hz");
    chart->AddYLabel(55, "dB HL");
    chart->putref_ImageList(images.get());
    chart->putref_SymbolFont(com::createFont().get());
    chart->putref_GridlineFont(com::createFont().get());
    chart->putref_LabelFont(com::createFont().get());

    com::ComPtr<lumenplot::ILines> lines;
    chart->get_Lines(lines.put());
    for (int id = 1; id <= 12; ++id) {
        com::ComPtr<lumenplot::ILine> line;
        lines->Add(id % 2 ? id : -id, line.put());
        line->put_LineColor(id % 2 ? 0xFF0000 : 0x0000FF);
        line->put_LineStyle(id % 3);
        for (std::size_t i = 0; i < kFrequencies.size(); ++i)
            line->AddPoint(octaves(kFrequencies[i]), 5.0 * id + 3.0 * static_cast<double>(i), id - 1, VARIANT_TRUE, "");
    }
    return chart;
}

void BM_RepaintBusyAudiogram(benchmark::State& state)
{
    const auto images = symbols();
    const auto chart = busyAudiogram(images);
    const lumenplot::MemoryContext target(0);
    const lumenplot::SelectedObject bitmap(target.get(), gfx::createCompatibleBitmap(target.get(), kWidth, kHeight));
    for (auto _ : state) chart->paint(target.get(), kWidth, kHeight);
}
BENCHMARK(BM_RepaintBusyAudiogram)->Unit(benchmark::kMillisecond);

// The mouse moves to the next octave's grid line (from 8000 Hz back to
// 125 Hz), and the window paints the column that the line leaves and the one
// that it covers.
void BM_CrossHairMoveToNextGridValue(benchmark::State& state)
{
    const auto images = symbols();
    const auto chart = busyAudiogram(images);
    QWidget* widget = chart->widget();
    widget->resize(kWidth, kHeight);
    widget->show();
    QCoreApplication::processEvents();

    // The plot spans x = 40 to 980 for the octaves -0.5 to 6.5.
    constexpr int kOctaves = 7;
    const auto octaveX = [](int octave) { return 40 + static_cast<int>((octave + 0.5) / 7.0 * 940.0); };
    int octave = 0;
    for (auto _ : state) {
        octave = (octave + 1) % kOctaves;
        chart->mouseMoved(octaveX(octave), 350);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_CrossHairMoveToNextGridValue)->Unit(benchmark::kMicrosecond);

// RenderToDC on a page of the built-in PDF printer (600 dots per inch) at the
// report's size: 9 x 7 cm in units of 0.01 cm with y up. Each print gets a
// document of its own, opened and closed outside the measurement.
void BM_PrintBusyAudiogram(benchmark::State& state)
{
    const platform::testing::ScopedMachineRoot machine;
    const auto images = symbols();
    const auto chart = busyAudiogram(images);
    const gfx::DcHandle printer = platform::print::createPrinterDc(platform::print::builtInPrinterSettings().name);
    const std::string file = (machine.path() / "chart.pdf").string();
    for (auto _ : state) {
        state.PauseTiming();
        platform::print::startDoc(printer, "Chart", file);
        platform::print::startPage(printer);
        gfx::setMapMode(printer, gfx::MM_LOMETRIC);
        state.ResumeTiming();
        chart->RenderToDC(printer, 300, -300, 900, -700);
        state.PauseTiming();
        platform::print::endPage(printer);
        platform::print::endDoc(printer);
        state.ResumeTiming();
    }
    gfx::deleteDc(printer);
}
BENCHMARK(BM_PrintBusyAudiogram)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
