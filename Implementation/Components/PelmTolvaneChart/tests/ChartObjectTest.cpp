#include "CChart.h"
#include "TestSite.h"
#include "platform/com/Stream.h"
#include "platform/com/VariantEnumerator.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace lumenplot {
namespace {

namespace com = platform::com;
using com::ComPtr;
using com::S_OK;
using com::Variant;
using test::TestSite;

constexpr OLE_COLOR kAmbientBackground = 0x00C0C0;

struct SitedChart : ::testing::Test {
    ComPtr<TestSite> site = com::make<TestSite>();
    ComPtr<CChart> chart = com::make<CChart>();
    ComPtr<com::IDispatch> dispatch = chart.as<com::IDispatch>();

    void SetUp() override
    {
        site->ambient[com::DISPID_AMBIENT_BACKCOLOR] = Variant(kAmbientBackground);
        ASSERT_EQ(chart->SetSite(site.get()), S_OK);
    }

    Variant get(DISPID dispid)
    {
        Variant value;
        EXPECT_EQ(dispatch->Invoke(dispid, com::DISPATCH_PROPERTYGET, {}, &value), S_OK) << "dispid " << dispid;
        return value;
    }

    HRESULT invoke(DISPID dispid, std::uint16_t flags, std::vector<Variant> args)
    {
        return dispatch->Invoke(dispid, flags, args, nullptr);
    }

    ComPtr<IFont> font(HRESULT (IChart::*getter)(IFont**))
    {
        ComPtr<IFont> result;
        EXPECT_EQ((chart.get()->*getter)(result.put()), S_OK);
        return result;
    }
};

TEST_F(SitedChart, StartsWithItsDefaultsAndTheAmbientBackground)
{
    const std::pair<std::string, Variant> defaults[] = {
        {"XMin", Variant(0.0)},
        {"XMax", Variant(10.0)},
        {"XTickFreq", Variant(1.0)},
        {"YMin", Variant(0.0)},
        {"YMax", Variant(10.0)},
        {"YTickFreq", Variant(1.0)},
        {"LeftMargin", Variant(20.0)},
        {"BottomMargin", Variant(20.0)},
        {"TopMargin", Variant(0.0)},
        {"RightMargin", Variant(0.0)},
        {"GridLineColor", Variant(std::int32_t{0xDBDBDB})},
        {"GridBackgroundColor", Variant(std::int32_t{0xFFFFFF})},
        {"BackgroundColor", Variant(kAmbientBackground)},
        {"SymbolToLineBufferLength", Variant(std::int32_t{12})},
        {"UseSymbolToLineBuffer", Variant(VARIANT_TRUE)},
        {"AutoRedraw", Variant(VARIANT_TRUE)},
        {"InteractiveMode", Variant(VARIANT_TRUE)},
        {"DrawMetafileOverGrid", Variant(VARIANT_FALSE)},
        {"Underlay", Variant(std::int32_t{Underlay_None})},
        {"XGridLineMode", Variant(std::int32_t{grid_UseStandard})},
        {"YGridLineMode", Variant(std::int32_t{grid_UseStandard})},
        {"XLabelPosition", Variant(std::int32_t{grid_OnBottom})},
        {"YLabelPosition", Variant(std::int32_t{grid_OnLeft})},
        {"LabelFontSize", Variant(10.0)},
        {"MetaFilename", Variant(std::string())},
        {"ImageList", Variant(Variant::Object())},
        {"Picture", Variant(Variant::Object())},
    };
    for (const auto& [name, expected] : defaults) {
        Variant value;
        ASSERT_EQ(com::getProperty(dispatch.get(), name, &value), S_OK) << name;
        EXPECT_EQ(value, expected) << name;
    }
}

TEST_F(SitedChart, AChartNeverSitedKeepsItsOwnBackground)
{
    const ComPtr<CChart> unsited = com::make<CChart>();
    OLE_COLOR colour = 0;
    ASSERT_EQ(unsited->get_BackgroundColor(&colour), S_OK);
    EXPECT_EQ(colour, 0xFF0000);
}

TEST_F(SitedChart, DispatchByDispidReachesTheTypedMembers)
{
    struct Case {
        DISPID dispid;
        Variant value;
        std::function<Variant(IChart*)> typedGet;
    };
    const Case cases[] = {
        {chart_dispid::XMin, Variant(125.0), [](IChart* c) { double v; c->get_XMin(&v); return Variant(v); }},
        {chart_dispid::YMax, Variant(120.0), [](IChart* c) { double v; c->get_YMax(&v); return Variant(v); }},
        {chart_dispid::RightMargin, Variant(300.0), [](IChart* c) { double v; c->get_RightMargin(&v); return Variant(v); }},
        {chart_dispid::GridLineColor, Variant(std::int32_t{0x123456}),
         [](IChart* c) { OLE_COLOR v; c->get_GridLineColor(&v); return Variant(v); }},
        {chart_dispid::XGridLineMode, Variant(std::int32_t{grid_UseCustom}),
         [](IChart* c) { TGridLineMode v; c->get_XGridLineMode(&v); return Variant(std::int32_t{v}); }},
        {chart_dispid::InteractiveMode, Variant(VARIANT_FALSE),
         [](IChart* c) { VARIANT_BOOL v; c->get_InteractiveMode(&v); return Variant(v); }},
        {chart_dispid::MetaFilename, Variant(std::string("underlay.emf")),
         [](IChart* c) { std::string v; c->get_MetaFilename(&v); return Variant(v); }},
        {chart_dispid::SymbolToLineBufferLength, Variant(std::int32_t{7}),
         [](IChart* c) { std::int32_t v; c->get_SymbolToLineBufferLength(&v); return Variant(v); }},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(invoke(c.dispid, com::DISPATCH_PROPERTYPUT, {c.value}), S_OK) << c.dispid;
        EXPECT_EQ(c.typedGet(chart.get()), c.value) << c.dispid;
        EXPECT_EQ(get(c.dispid), c.value) << c.dispid;
    }

    ComPtr<ILines> lines;
    ASSERT_EQ(chart->get_Lines(lines.put()), S_OK);
    EXPECT_EQ(get(chart_dispid::Lines), Variant(lines)) << "the same collection both ways";
    EXPECT_NE(get(chart_dispid::BackLines), Variant(lines));
}

TEST_F(SitedChart, OnlyChangesThatShowAskForARepaint)
{
    const ComPtr<IFont> font = com::createFont();
    const ComPtr<IPicture> picture = com::createPicture(QImage(4, 4, QImage::Format_RGB32));
    struct Case {
        DISPID dispid;
        std::uint16_t flags;
        std::vector<Variant> args;
        bool repaints;
    };
    constexpr auto put = com::DISPATCH_PROPERTYPUT;
    constexpr auto putref = com::DISPATCH_PROPERTYPUTREF;
    constexpr auto call = com::DISPATCH_METHOD;
    const Case cases[] = {
        {chart_dispid::AutoRedraw, put, {Variant(VARIANT_FALSE)}, false},  // first: nothing below depends on it
        {chart_dispid::XMin, put, {Variant(1.0)}, true},
        {chart_dispid::XMax, put, {Variant(2.0)}, true},
        {chart_dispid::XTickFreq, put, {Variant(0.5)}, true},
        {chart_dispid::YMin, put, {Variant(1.0)}, true},
        {chart_dispid::YMax, put, {Variant(2.0)}, true},
        {chart_dispid::YTickFreq, put, {Variant(0.5)}, true},
        {chart_dispid::GridLineColor, put, {Variant(std::int32_t{1})}, true},
        {chart_dispid::BackgroundColor, put, {Variant(std::int32_t{1})}, true},
        {chart_dispid::GridBackgroundColor, put, {Variant(std::int32_t{1})}, true},
        {chart_dispid::LeftMargin, put, {Variant(1.0)}, true},
        {chart_dispid::BottomMargin, put, {Variant(1.0)}, true},
        {chart_dispid::TopMargin, put, {Variant(1.0)}, true},
        {chart_dispid::RightMargin, put, {Variant(1.0)}, true},
        {chart_dispid::LabelFontSize, put, {Variant(12.0)}, true},
        {chart_dispid::XGridLineMode, put, {Variant(std::int32_t{1})}, true},
        {chart_dispid::YGridLineMode, put, {Variant(std::int32_t{1})}, true},
        {chart_dispid::XLabelPosition, put, {Variant(std::int32_t{1})}, true},
        {chart_dispid::YLabelPosition, put, {Variant(std::int32_t{1})}, false},
        {chart_dispid::SymbolToLineBufferLength, put, {Variant(std::int32_t{3})}, true},
        {chart_dispid::UseSymbolToLineBuffer, put, {Variant(VARIANT_FALSE)}, true},
        {chart_dispid::InteractiveMode, put, {Variant(VARIANT_FALSE)}, true},
        {chart_dispid::Underlay, put, {Variant(std::int32_t{2})}, true},
        {chart_dispid::MetaFilename, put, {Variant("a.emf")}, false},
        {chart_dispid::DrawMetafileOverGrid, put, {Variant(VARIANT_TRUE)}, false},
        {chart_dispid::ImageList, putref, {Variant(Variant::Object())}, false},
        {chart_dispid::SymbolFont, put, {Variant(font)}, true},
        {chart_dispid::SymbolDescriptionFont, putref, {Variant(font)}, true},
        {chart_dispid::GridlineFont, put, {Variant(font)}, true},
        {chart_dispid::LabelFont, putref, {Variant(font)}, true},
        {chart_dispid::Picture, putref, {Variant(picture)}, true},
        {chart_dispid::AddXGridLine, call, {Variant(1.0), Variant("1"), Variant(true), Variant(false)}, true},
        {chart_dispid::AddYGridLine, call, {Variant(1.0), Variant("1"), Variant(true), Variant(false)}, true},
        {chart_dispid::AddXLabel, call, {Variant(1.0), Variant("x")}, true},
        {chart_dispid::AddYLabel, call, {Variant(1.0), Variant("y")}, true},
        {chart_dispid::ClearXGridLines, call, {}, true},
        {chart_dispid::ClearYGridLines, call, {}, true},
        {chart_dispid::ClearXLabels, call, {}, true},
        {chart_dispid::ClearYLabels, call, {}, true},
        {chart_dispid::ClearLines, call, {}, true},
        {chart_dispid::ClearBackLines, call, {}, true},
        {chart_dispid::Refresh, call, {}, true},
    };
    for (const Case& c : cases) {
        const int before = site->repaints;
        ASSERT_EQ(invoke(c.dispid, c.flags, c.args), S_OK) << "dispid " << c.dispid;
        EXPECT_EQ(site->repaints - before, c.repaints ? 1 : 0) << "dispid " << c.dispid;
    }

    ComPtr<ILines> lines;
    chart->get_Lines(lines.put());
    ComPtr<ILine> line;
    const int before = site->repaints;
    lines->Add(1, line.put());
    line->AddPoint(1, 1, 0, VARIANT_TRUE, "");
    line->put_LineColor(0xFF);
    EXPECT_EQ(site->repaints, before) << "lines show at the chart's next repaint";

    site->ambient[com::DISPID_AMBIENT_BACKCOLOR] = Variant(std::int32_t{0x00FF00});
    chart->OnAmbientPropertyChange(com::DISPID_AMBIENT_BACKCOLOR);
    EXPECT_EQ(site->repaints, before + 1);
    EXPECT_EQ(get(chart_dispid::BackgroundColor), Variant(std::int32_t{0x00FF00})) << "follows the ambient colour";
}

TEST_F(SitedChart, WithoutAnAmbientFontEachFontIsItsOwnArialTenPoints)
{
    const ComPtr<IFont> fonts[] = {font(&IChart::get_SymbolFont), font(&IChart::get_SymbolDescriptionFont),
                                   font(&IChart::get_GridlineFont), font(&IChart::get_LabelFont)};
    for (std::size_t i = 0; i < std::size(fonts); ++i) {
        ASSERT_TRUE(fonts[i]);
        EXPECT_EQ(fonts[i]->description(), com::FontDescription{});
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(fonts[i], fonts[j]);
    }
}

TEST_F(SitedChart, TheAmbientFontItselfServesAllFourFonts)
{
    const ComPtr<IFont> ambient = com::createFont({"DejaVu Sans", 9.0});
    const ComPtr<TestSite> container = com::make<TestSite>();
    container->ambient[com::DISPID_AMBIENT_FONT] = Variant(ambient);
    ASSERT_EQ(chart->SetSite(container.get()), S_OK);
    for (const auto getter : {&IChart::get_SymbolFont, &IChart::get_SymbolDescriptionFont, &IChart::get_GridlineFont,
                              &IChart::get_LabelFont})
        EXPECT_EQ(font(getter), ambient);
}

TEST_F(SitedChart, PutKeepsACopyOfAFontAndPutrefTheFontItself)
{
    const ComPtr<IFont> given = com::createFont({"DejaVu Sans", 14.0});
    ASSERT_EQ(chart->put_LabelFont(given.get()), S_OK);
    const ComPtr<IFont> copy = font(&IChart::get_LabelFont);
    EXPECT_NE(copy, given);
    EXPECT_EQ(copy->description(), given->description());
    given->put_Size(20);
    EXPECT_EQ(font(&IChart::get_LabelFont)->description().size, 14.0) << "the copy does not follow the original";

    ASSERT_EQ(chart->putref_LabelFont(given.get()), S_OK);
    EXPECT_EQ(font(&IChart::get_LabelFont), given);

    ASSERT_EQ(chart->put_GridlineFont(nullptr), S_OK);
    EXPECT_FALSE(font(&IChart::get_GridlineFont));
}

// Listens to the chart's property changes and may refuse them.
class PropertyListener final : public com::Object<com::IPropertyNotifySink> {
public:
    bool refuse = false;
    std::vector<DISPID> changes;
    HRESULT OnChanged(DISPID dispid) override
    {
        changes.push_back(dispid);
        return S_OK;
    }
    HRESULT OnRequestEdit(DISPID) override { return refuse ? com::S_FALSE : S_OK; }
};

TEST_F(SitedChart, TheSymbolFontAsksItsListenersBeforeItIsReplaced)
{
    const ComPtr<PropertyListener> listener = com::make<PropertyListener>();
    std::uint32_t cookie = 0;
    ASSERT_EQ(com::advise(static_cast<IChart*>(chart.get()), com::IPropertyNotifySink::iid, listener.get(), &cookie), S_OK);
    const ComPtr<IFont> before = font(&IChart::get_SymbolFont);
    const ComPtr<IFont> given = com::createFont({"DejaVu Sans", 12.0});

    listener->refuse = true;
    EXPECT_EQ(chart->putref_SymbolFont(given.get()), com::S_FALSE);
    EXPECT_EQ(font(&IChart::get_SymbolFont), before);
    EXPECT_TRUE(listener->changes.empty());

    listener->refuse = false;
    EXPECT_EQ(chart->putref_SymbolFont(given.get()), S_OK);
    EXPECT_EQ(font(&IChart::get_SymbolFont), given);
    EXPECT_EQ(listener->changes, std::vector<DISPID>{com::DISPID_FONT});
    EXPECT_EQ(chart->IsDirty(), S_OK);
    com::unadvise(static_cast<IChart*>(chart.get()), com::IPropertyNotifySink::iid, cookie);
}

TEST_F(SitedChart, SavingKeepsOnlyThePictureAndTheFourFonts)
{
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    chart->putref_Picture(com::createPicture(image).get());
    chart->put_SymbolFont(com::createFont({"DejaVu Sans", 8.0}).get());
    chart->put_SymbolDescriptionFont(com::createFont({"DejaVu Serif", 9.0}).get());
    chart->put_GridlineFont(com::createFont({"Liberation Sans", 11.0}).get());
    chart->put_LabelFont(nullptr);
    chart->put_XMin(125);
    const ComPtr<com::MemoryStream> stream = com::make<com::MemoryStream>();
    ASSERT_EQ(chart->Save(stream.get(), true), S_OK);
    EXPECT_EQ(chart->IsDirty(), com::S_FALSE);

    const ComPtr<CChart> loaded = com::make<CChart>();
    stream->rewind();
    ASSERT_EQ(loaded->Load(stream.get()), S_OK);
    ComPtr<IPicture> picture;
    ASSERT_EQ(loaded->get_Picture(picture.put()), S_OK);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image().size(), QSize(30, 20));
    const std::pair<HRESULT (IChart::*)(IFont**), const char*> fonts[] = {
        {&IChart::get_SymbolFont, "DejaVu Sans"},
        {&IChart::get_SymbolDescriptionFont, "DejaVu Serif"},
        {&IChart::get_GridlineFont, "Liberation Sans"},
    };
    for (const auto& [getter, name] : fonts) {
        ComPtr<IFont> font;
        ASSERT_EQ((loaded.get()->*getter)(font.put()), S_OK);
        ASSERT_TRUE(font);
        EXPECT_EQ(font->description().name, name);
    }
    ComPtr<IFont> label;
    loaded->get_LabelFont(label.put());
    EXPECT_FALSE(label);
    double xMin = -1;
    loaded->get_XMin(&xMin);
    EXPECT_EQ(xMin, 0) << "ranges are the container's to set, not saved";

    std::vector<std::uint8_t> truncated = stream->bytes();
    truncated.resize(truncated.size() / 2);
    const ComPtr<com::MemoryStream> broken = com::make<com::MemoryStream>(truncated);
    EXPECT_TRUE(com::failed(chart->Load(broken.get())));
    ComPtr<IFont> kept;
    chart->get_SymbolFont(kept.put());
    EXPECT_EQ(kept->description().name, "DejaVu Sans") << "a failed load changes nothing";
}

TEST_F(SitedChart, TheImageListMustBeAnImageList)
{
    const ComPtr<platform::gfx::ImageList> images = platform::gfx::ImageList::create(24, 24);
    ASSERT_EQ(chart->putref_ImageList(images.get()), S_OK);
    ComPtr<com::IUnknown> held;
    ASSERT_EQ(chart->get_ImageList(held.put()), S_OK);
    EXPECT_EQ(held.get(), static_cast<com::IUnknown*>(images.get()));

    EXPECT_EQ(chart->putref_ImageList(com::createFont().get()), com::E_NOINTERFACE);
    ASSERT_EQ(chart->get_ImageList(held.put()), S_OK);
    EXPECT_FALSE(held);
}

TEST_F(SitedChart, LinesAreKeyedByIdAndOutliveTheirCollection)
{
    ComPtr<ILines> lines;
    ASSERT_EQ(chart->get_Lines(lines.put()), S_OK);
    ComPtr<ILine> line;
    for (const std::int32_t id : {5, -3, 1000}) ASSERT_EQ(lines->Add(id, line.put()), S_OK);
    EXPECT_EQ(lines->Add(5, line.put()), com::E_INVALIDARG);
    EXPECT_EQ(lines->Item(7, line.put()), com::E_INVALIDARG);

    ComPtr<com::IUnknown> enumeratorObject;
    ASSERT_EQ(lines->get__NewEnum(enumeratorObject.put()), S_OK);
    const auto enumerator = enumeratorObject.as<com::IEnumVARIANT>();
    Variant items[4];
    std::uint32_t fetched = 0;
    EXPECT_EQ(enumerator->Next(4, items, &fetched), com::S_FALSE);
    ASSERT_EQ(fetched, 3u);
    std::vector<std::int32_t> ids;
    for (std::uint32_t i = 0; i < fetched; ++i) {
        std::int32_t id = 0;
        items[i].toObject().as<ILine>()->get_LineID(&id);
        ids.push_back(id);
    }
    EXPECT_EQ(ids, (std::vector<std::int32_t>{-3, 5, 1000}));

    ComPtr<ILine> kept;
    ASSERT_EQ(lines->Item(5, kept.put()), S_OK);
    VARIANT_BOOL success = VARIANT_FALSE;
    ASSERT_EQ(lines->Remove(5, &success), S_OK);
    EXPECT_EQ(success, VARIANT_TRUE);
    ASSERT_EQ(lines->Remove(5, &success), S_OK);
    EXPECT_EQ(success, VARIANT_FALSE);
    EXPECT_EQ(kept->AddPoint(1, 2, 0, VARIANT_TRUE, ""), S_OK) << "a removed line stays usable";

    ComPtr<ILines> backLines;
    chart->get_BackLines(backLines.put());
    backLines->Add(1, line.put());
    chart->ClearLines();
    VARIANT_BOOL exists = VARIANT_TRUE;
    lines->ItemExist(-3, &exists);
    EXPECT_EQ(exists, VARIANT_FALSE);
    backLines->ItemExist(1, &exists);
    EXPECT_EQ(exists, VARIANT_TRUE) << "ClearLines leaves the back lines";
}

}  // namespace
}  // namespace lumenplot
