#include "module/core/ChartLineRoutines.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CSymbols.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/tests/SymbolPixels.h"
#include "module/core/tests/TextsTestSupport.h"

#include "PelmTolvaneChart/ClassIds.h"
#include "platform/com/ControlSite.h"
#include "platform/com/Creation.h"
#include "platform/com/Object.h"
#include "platform/gfx/Types.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace brisance {
namespace {

namespace com = platform::com;
using com::ComPtr;
using com::S_OK;
using lumenplot::VARIANT_FALSE;
using lumenplot::VARIANT_TRUE;

// A chart line that keeps the points it is given, in order.
class RecordingLine final : public com::Object<lumenplot::ILine> {
public:
    struct Point {
        double x, y;
        std::int32_t symbol;
        bool connected;
        friend bool operator==(const Point&, const Point&) = default;
    };
    std::vector<Point> points;

    com::HRESULT AddPoint(double X, double Y, std::int32_t SymbolID, lumenplot::VARIANT_BOOL newVal,
                          const std::string&) override
    {
        points.push_back({X, Y, SymbolID, newVal != VARIANT_FALSE});
        return S_OK;
    }
    com::HRESULT RemovePoint(double X) override
    {
        const auto found = std::ranges::find(points, X, &Point::x);
        if (found != points.end())
            points.erase(found);
        return S_OK;
    }

    com::HRESULT GetIDsOfNames(std::span<const std::string>, com::DISPID*) override { return com::E_NOTIMPL; }
    com::HRESULT Invoke(com::DISPID, std::uint16_t, std::span<platform::runtime::Variant>, platform::runtime::Variant*,
                        com::ExceptionInfo*) override
    {
        return com::E_NOTIMPL;
    }
    com::HRESULT get_LineColor(lumenplot::OLE_COLOR*) override { return com::E_NOTIMPL; }
    com::HRESULT put_LineColor(lumenplot::OLE_COLOR) override { return com::E_NOTIMPL; }
    com::HRESULT get_LineID(std::int32_t*) override { return com::E_NOTIMPL; }
    com::HRESULT get_Visible(lumenplot::VARIANT_BOOL*) override { return com::E_NOTIMPL; }
    com::HRESULT put_Visible(lumenplot::VARIANT_BOOL) override { return com::E_NOTIMPL; }
    com::HRESULT get_LineStyle(std::int32_t*) override { return com::E_NOTIMPL; }
    com::HRESULT put_LineStyle(std::int32_t) override { return com::E_NOTIMPL; }
    com::HRESULT get_LineWidth(std::int32_t*) override { return com::E_NOTIMPL; }
    com::HRESULT put_LineWidth(std::int32_t) override { return com::E_NOTIMPL; }
    com::HRESULT Clear() override { return com::E_NOTIMPL; }
    com::HRESULT get_ShowXValueBySymbol(lumenplot::VARIANT_BOOL*) override { return com::E_NOTIMPL; }
    com::HRESULT put_ShowXValueBySymbol(lumenplot::VARIANT_BOOL) override { return com::E_NOTIMPL; }
};

// A test whose symbol numbers tell side and index apart: left 11 to 16,
// right 21 to 26, binaural 31 to 36.
CCurvePref NumberedTest()
{
    CCurvePref test;
    for (std::size_t i = 0; i < 6; ++i) {
        test.*kLeftSymbolFields[i] = 11 + static_cast<std::int32_t>(i);
        test.*kRightSymbolFields[i] = 21 + static_cast<std::int32_t>(i);
        test.*kBinauralSymbolFields[i] = 31 + static_cast<std::int32_t>(i);
    }
    return test;
}

TEST(PlotPointOnLine, ReplacesThePointAtXWithTheTestsSymbolForEarAndIndex)
{
    using Point = RecordingLine::Point;
    struct Case {
        std::int32_t ear;
        std::int32_t index;
        std::optional<Point> added;
    };
    const Case cases[] = {
        {3, 0, Point{500, 40, 10, true}},  {3, 1, Point{500, 40, 11, false}}, {3, 2, Point{500, 40, 12, false}},
        {3, 3, Point{500, 40, 13, true}},  {3, 4, Point{500, 40, 14, false}}, {3, 5, Point{500, 40, 15, false}},
        {2, 0, Point{500, 40, 20, true}},  {2, 4, Point{500, 40, 24, false}}, {4, 3, Point{500, 40, 33, true}},
        {0, 0, std::nullopt},              {3, 6, std::nullopt},              {3, -1, std::nullopt},
    };
    const CCurvePref test = NumberedTest();
    for (const Case& c : cases) {
        const auto line = com::make<RecordingLine>();
        line->points = {{250, 30, 0, true}, {500, 20, 0, true}};
        PlotPointOnLine(*line, 500, 40, c.index, c.ear, test);
        std::vector<Point> expected{{250, 30, 0, true}};
        if (c.added)
            expected.push_back(*c.added);
        EXPECT_EQ(line->points, expected) << "ear " << c.ear << ", symbol index " << c.index;
    }

    const auto line = com::make<RecordingLine>();
    PlotPointOnLine(*line, 500, 40, 0, 3, test);
    PlotPointOnLine(*line, 500, 55, 3, 3, test);
    EXPECT_EQ(line->points, (std::vector<Point>{{500, 55, 13, true}})) << "two calls at one x leave the second point";
}

// A speech chart sited offscreen, 692 x 492 pixels with one-inch margins and
// both axes from 0 to 100: the plot runs from (96, 96) to (596, 396), a unit
// is 5 pixels across and 3 down. The module's tests hold four tests; the
// fourth, "1-1-10-1-", has CurveID 4.
class SpeechChartLinesTest : public testing::ModuleTextsTest {
protected:
    static constexpr int kWidth = 692;
    static constexpr int kHeight = 492;
    static constexpr platform::gfx::ColorRef kBinauralColour = platform::gfx::rgb(0, 128, 0);
    static constexpr platform::gfx::ColorRef kRightColour = platform::gfx::rgb(255, 0, 0);

    void SetUp() override
    {
        ModuleTextsTest::SetUp();
        ModuleGlobals::ViewTextLoader()->OpenResourceLibrary(testing::kEnglishLibrary);
        ASSERT_NO_FATAL_FAILURE(brisance::testing::registerServer(LUMENPLOT_LIBRARY_PATH));
        ASSERT_EQ(com::createInstance(lumenplot::kChartClsid, chart), S_OK);
        ASSERT_EQ(site->attach(chart.as<com::IControl>().get()), S_OK);
        for (auto put : {&lumenplot::IChart::put_LeftMargin, &lumenplot::IChart::put_TopMargin,
                         &lumenplot::IChart::put_RightMargin, &lumenplot::IChart::put_BottomMargin})
            (chart.get()->*put)(1440);
        chart->put_XMax(100);
        chart->put_YMax(100);
        chart->put_XGridLineMode(lumenplot::grid_UseCustom);
        chart->put_YGridLineMode(lumenplot::grid_UseCustom);
        ASSERT_EQ(chart->putref_ImageList(ModuleGlobals::Symbols()->SymbolImagesLarge().get()), S_OK);
        chart.as<com::IControl>()->widget()->setGeometry(0, 0, kWidth, kHeight);
        container.resize(kWidth, kHeight);
        container.show();

        CCurvePrefs& tests = *ModuleGlobals::CurvePrefs();
        for (const char* key : {"1-1-1-", "1-2-1-", "1-3-1-"})
            tests.Add(key);
        wordRecognition = tests.Add("1-1-10-1-");
        wordRecognition->BinauralColor = kBinauralColour;
        wordRecognition->BinauralLineStyle = 2;
        wordRecognition->BinauralLineWidth = 3;
        wordRecognition->Binaural0Unmasked = 1;
        wordRecognition->RightColor = kRightColour;
        wordRecognition->RightLineStyle = 1;
        wordRecognition->RightLineWidth = 2;

        data = com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
    }

    void TearDown() override
    {
        site->detach();
        ModuleTextsTest::TearDown();
    }

    // A speech curve with one point: level in tenths of dB, score in hundredths of a percent.
    ComPtr<vellum::IVellumSpeechCurve> Curve(std::int32_t curveType, std::int32_t ear, std::int32_t condition,
                                             std::int32_t wordList, std::int32_t level = 255,
                                             std::int16_t score = 7550)
    {
        const auto curve = data->get_SpeechCurves()->Add(curveType, ear, condition, wordList);
        curve->get_Points()->Add(level)->put_Score(score);
        return curve;
    }

    ComPtr<lumenplot::ILines> Lines(bool back = false)
    {
        ComPtr<lumenplot::ILines> lines;
        EXPECT_EQ(back ? chart->get_BackLines(lines.put()) : chart->get_Lines(lines.put()), S_OK);
        return lines;
    }
    ComPtr<lumenplot::ILine> Line(std::int32_t id, bool back = false)
    {
        ComPtr<lumenplot::ILine> line;
        EXPECT_EQ(Lines(back)->Item(id, line.put()), S_OK) << "no line " << id;
        return line;
    }
    int LineCount(bool back = false)
    {
        ComPtr<com::IUnknown> unknown;
        Lines(back)->get__NewEnum(unknown.put());
        int count = 0;
        platform::runtime::Variant item;
        while (unknown.as<com::IEnumVARIANT>()->Next(1, &item, nullptr) == S_OK)
            ++count;
        return count;
    }

    QImage Grab()
    {
        chart->Refresh();
        return chart.as<com::IControl>()->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    QWidget container;
    ComPtr<com::ControlSite> site = com::make<com::ControlSite>(&container);
    ComPtr<lumenplot::IChart> chart;
    ComPtr<vellum::IVellumDataLayer> data;
    CCurvePrefs::Entry wordRecognition;
};

TEST_F(SpeechChartLinesTest, EachEarsCurveGoesToItsLineInTheTestsLook)
{
    const auto binaural = Curve(10, vellum::kEarBinaural, 2, 10);
    BuildSpeechChartLines(*chart, *binaural, false);
    BuildSpeechChartLines(*chart, *Curve(10, vellum::kEarRight, 2, 10), false);

    struct Look {
        std::int32_t id;
        platform::gfx::ColorRef colour;
        std::int32_t style, width;
    };
    for (const Look& look : {Look{1004, kBinauralColour, 2, 3}, Look{-4, kRightColour, 1, 2}}) {
        const auto line = Line(look.id);
        lumenplot::OLE_COLOR colour = 0;
        std::int32_t style = 0, width = 0;
        line->get_LineColor(&colour);
        line->get_LineStyle(&style);
        line->get_LineWidth(&width);
        EXPECT_EQ(static_cast<platform::gfx::ColorRef>(colour), look.colour) << "line " << look.id;
        EXPECT_EQ(style, look.style) << "line " << look.id;
        EXPECT_EQ(width, look.width) << "line " << look.id;
    }
    EXPECT_EQ(LineCount(), 2);

    Line(1004)->put_LineStyle(0);
    BuildSpeechChartLines(*chart, *binaural, false);
    std::int32_t style = -1;
    Line(1004)->get_LineStyle(&style);
    EXPECT_EQ(style, 0) << "an existing line keeps its look";

    BuildSpeechChartLines(*chart, *binaural, true);
    lumenplot::OLE_COLOR colour = 0;
    Line(1004, true)->get_LineColor(&colour);
    EXPECT_EQ(static_cast<platform::gfx::ColorRef>(colour), platform::gfx::rgb(190, 190, 190)) << "a back line is grey";
    EXPECT_EQ(LineCount(true), 1);
}

TEST_F(SpeechChartLinesTest, APointStandsAtItsLevelAndScoreWithItsTestsSymbol)
{
    const QImage symbol = brisance::testing::symbolPixels(*ModuleGlobals::Symbols()->SymbolImagesLarge(), 1);
    const QPoint corner = QPoint(96 + 26 * 5, 96 + 24 * 3) - QPoint(CSymbols::kLargeSize / 2, CSymbols::kLargeSize / 2);
    const auto binaural = Curve(10, vellum::kEarBinaural, 2, 10);

    struct Case {
        bool asBackLine;
        QRgb shown;
    };
    for (const Case c : {Case{false, qRgb(0, 128, 0)}, Case{true, qRgb(190, 190, 190)}}) {
        SCOPED_TRACE(c.asBackLine ? "back line" : "line");
        chart->ClearLines();
        chart->ClearBackLines();
        BuildSpeechChartLines(*chart, *binaural, c.asBackLine);
        const QImage shown = Grab();
        int ink = 0;
        for (int y = 0; y < CSymbols::kLargeSize; ++y)
            for (int x = 0; x < CSymbols::kLargeSize; ++x) {
                if (!brisance::testing::isInk(symbol.pixel(x, y)))
                    continue;
                ASSERT_EQ(shown.pixel(corner + QPoint(x, y)), c.shown | 0xFF000000)
                    << "the symbol's ink at " << x << ", " << y << " is not where level 25.5 dB and 75.5 % stand";
                ++ink;
            }
        EXPECT_GT(ink, 0);
    }
}

TEST_F(SpeechChartLinesTest, ACurveWithoutItsTestDrawsNothingAndNamesItself)
{
    ModuleGlobals::SetMissingTestText("left over");
    BuildSpeechChartLines(*chart, *Curve(15, vellum::kEarLeft, 2, 8), false);
    EXPECT_EQ(ModuleGlobals::MissingTestText(), "Threshold,Phones,Spondaic Words,Unaided");
    BuildSpeechChartLines(*chart, *Curve(18, vellum::kEarLeft, 3, 3), false);
    EXPECT_EQ(ModuleGlobals::MissingTestText(), "Threshold with Noise,Phones,Multisyllabic Words,Aided Solution 1")
        << "replaced, not appended to";
    BuildSpeechChartLines(*chart, *Curve(0, vellum::kEarLeft, 2, 1), false);
    EXPECT_EQ(ModuleGlobals::MissingTestText(), "Threshold with Noise,Phones,Multisyllabic Words,Aided Solution 1")
        << "a curve of type 0 names nothing";
    EXPECT_EQ(LineCount(), 0);

    BuildSpeechChartLines(*chart, *Curve(10, 0, 2, 10), false);
    EXPECT_EQ(LineCount(), 0) << "a curve of no known ear draws nothing";
}

TEST_F(SpeechChartLinesTest, TheLabelRowIsAddedOnceWithALabelEveryTenUpToXMaxLessFive)
{
    // The columns where labels were drawn, counted as groups apart from each other.
    const auto labelsShown = [this](double xMax) {
        Lines()->Clear();
        chart->put_XMax(xMax);
        const QImage before = Grab();
        AddXAxisLabelLine(*chart);
        const QImage after = Grab();
        int labels = 0;
        int lastColumn = -100;
        for (int x = 0; x < kWidth; ++x) {
            bool drawn = false;
            for (int y = 0; y < kHeight && !drawn; ++y)
                drawn = before.pixel(x, y) != after.pixel(x, y);
            if (drawn && x - lastColumn > 12)
                ++labels;
            if (drawn)
                lastColumn = x;
        }
        return labels;
    };
    EXPECT_EQ(labelsShown(104), 10) << "0 to 90: 100 lies beyond 99";
    EXPECT_EQ(labelsShown(105), 11) << "0 to 100";

    std::int32_t style = 0;
    Line(0)->get_LineStyle(&style);
    EXPECT_EQ(style, 5) << "no line joins the labels";
    Line(0)->put_LineStyle(0);
    AddXAxisLabelLine(*chart);
    Line(0)->get_LineStyle(&style);
    EXPECT_EQ(style, 0) << "a second call adds nothing";
}

TEST_F(SpeechChartLinesTest, SetChartLineVisibleShowsOrHidesALineThatIsThere)
{
    ComPtr<lumenplot::ILine> line;
    ASSERT_EQ(Lines()->Add(7, line.put()), S_OK);
    SetChartLineVisible(*Lines(), 7, false);
    lumenplot::VARIANT_BOOL visible = VARIANT_TRUE;
    line->get_Visible(&visible);
    EXPECT_EQ(visible, VARIANT_FALSE);
    SetChartLineVisible(*Lines(), 7, true);
    line->get_Visible(&visible);
    EXPECT_EQ(visible, VARIANT_TRUE);

    EXPECT_EQ(platform::runtime::testing::errorNumberOf([&] { SetChartLineVisible(*Lines(), 8, false); }), 0);
    EXPECT_EQ(LineCount(), 1);
}

}  // namespace
}  // namespace brisance
