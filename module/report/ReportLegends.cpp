// The report's legend boxes and the labels of the speech table's tests.
#include "module/core/CCurvePrefs.h"
#include "module/core/CLangLoader.h"
#include "module/core/CurveKeys.h"
#include "module/core/StoreSelection.h"
#include "module/core/TextResources.h"
#include "module/report/CPrinter.h"
#include "module/report/CReport.h"

#include "platform/runtime/Collection.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <array>
#include <optional>
#include <string_view>

namespace brisance {
namespace {

namespace runtime = platform::runtime;

constexpr float kRowHeight = 0.6f;
constexpr float kFirstRowOffset = 0.9f;
constexpr float kHeadLineOffset = 0.8f;

// The symbols of a legend row: right, binaural and left ear.
struct RowSymbols {
    std::int32_t CCurvePref::*right;
    std::int32_t CCurvePref::*binaural;
    std::int32_t CCurvePref::*left;
};
constexpr RowSymbols kUnmasked = {&CCurvePref::Right0Unmasked, &CCurvePref::Binaural0Unmasked,
                                  &CCurvePref::Left0Unmasked};
constexpr RowSymbols kMasked = {&CCurvePref::Right3Masked, &CCurvePref::Binaural3Masked, &CCurvePref::Left3Masked};

struct SymbolLegendRow {
    std::string_view notation;
    std::optional<TextResources> secondText;
    RowSymbols symbols;
};

// Air conduction unmasked and masked, bone conduction unmasked and masked,
// most comfortable level by speaker, uncomfortable level by phones, sound
// field unaided and aided.
constexpr std::array<SymbolLegendRow, 8> kSymbolLegendRows = {{
    {"1-1-1-", TR_UNMASKED, kUnmasked},
    {"1-1-1-", TR_MASKED, kMasked},
    {"1-2-1-", TR_UNMASKED, kUnmasked},
    {"1-2-1-", TR_MASKED, kMasked},
    {"2-3-1-", std::nullopt, kUnmasked},
    {"3-1-1-", std::nullopt, kUnmasked},
    {"1-3-1-", TR_UNAIDED, kUnmasked},
    {"1-3-2-", TR_AIDED, kUnmasked},
}};

// The speech test a speech-table row shows: its usual notation, and the two
// curve types a test of that row may have.
struct SpeechTableRow {
    std::string_view defaultNotation;
    std::string_view firstCode;
    std::string_view secondCode;
};
// Most comfortable level, uncomfortable level, word recognition, word
// recognition in noise.
constexpr std::array<SpeechTableRow, 4> kSpeechTableRows = {{
    {"7-1-2-1-", "26", "27"},
    {"8-1-2-1-", "28", "29"},
    {"1-1-10-1-", "10", "12"},
    {"2-1-10-1-", "13", "14"},
}};

// The column centres of a legend: right, binaural, left; and the centre of
// the row texts, the middle of the space left of the columns.
struct LegendColumns {
    float right, binaural, left, rowTexts;
    explicit LegendColumns(float X, float W)
        : right(X + W - 2.4f), binaural(X + W - 1.4f), left(X + W - 0.4f), rowTexts(X + (right - X) / 2)
    {
    }
};

}  // namespace

void CReport::PrintLegendFrame(float X, float Y, float W, float H)
{
    CPrinter& out = printer();
    const CLangLoader& texts = languageLoader();
    const LegendColumns columns(X, W);

    out.PrintRectangle(X, Y, W, H);
    out.SetFont("Arial", 9, false);
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_LEGEND), X + W / 2, Y + 0.1f, false);
    out.SetFont("Arial", 7, false);
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_RIGHT), columns.right, Y + 0.5f, false);
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_LEFT), columns.left, Y + 0.5f, false);
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_BINAURAL), columns.binaural, Y + 0.5f, false);
}

void CReport::PrintLegendLines(float X, float Y, float W, float H)
{
    CPrinter& out = printer();
    const LegendColumns columns(X, W);
    out.PrintLine(X, Y + kHeadLineOffset, X + W, Y + kHeadLineOffset);
    for (const float centre : {columns.right, columns.left, columns.binaural})
        out.PrintLine(centre, Y + kHeadLineOffset, centre, Y + H);
}

void CReport::PrintSymbolLegend(float X, float Y, float W, float H)
{
    CPrinter& out = printer();
    const CLangLoader& texts = languageLoader();
    const LegendColumns columns(X, W);

    PrintLegendFrame(X, Y, W, H);
    float top = Y + kFirstRowOffset;
    for (const SymbolLegendRow& row : kSymbolLegendRows) {
        const std::string notation(row.notation);
        if (curvePrefs().ItemExist(notation)) {
            const CCurvePref& test = *curvePrefs().Item(notation);
            out.PrintTextCenteredOnPoint(test.Label, columns.rowTexts, top, false);
            if (row.secondText)
                out.PrintTextCenteredOnPoint(texts.LoadResString(*row.secondText), columns.rowTexts, out.CurrentY(),
                                             false);
            DrawLegendSymbol(columns.right, top, test.*row.symbols.right);
            DrawLegendSymbol(columns.binaural, top, test.*row.symbols.binaural);
            DrawLegendSymbol(columns.left, top, test.*row.symbols.left);
        }
        top += kRowHeight;  // a missing test leaves its row blank
    }
    PrintLegendLines(X, Y, W, H);
}

void CReport::PrintSpeechLegend(float X, float Y, float W, float H)
{
    CPrinter& out = printer();
    const LegendColumns columns(X, W);

    PrintLegendFrame(X, Y, W, H);
    const auto curves = dataLayer().get_SpeechCurves()->get__NewEnum();
    runtime::Collection<std::string> notations;
    float top = Y + kFirstRowOffset;
    runtime::Variant item;
    bool first = true;
    // From the first curve on, a failing step is passed over and the legend
    // goes on, so that one odd curve never stops the report.
    const auto tolerant = [&first](auto step) {
        try {
            step();
        } catch (const runtime::RuntimeError&) {
            if (first) throw;
        }
    };
    while (true) {
        bool more = false;
        tolerant([&] { more = curves->Next(1, &item, nullptr) == platform::com::S_OK; });
        if (!more) break;
        std::string key;
        tolerant([&] { key = SpeechCurveKey(*item.toObject().as<vellum::IVellumSpeechCurve>()->get_Measurement()); });
        first = false;
        bool added = false;
        tolerant([&] {
            notations.Add(key, key);  // 457 for a notation that has its row already
            added = true;
        });
        bool known = false;
        if (added) tolerant([&] { known = curvePrefs().ItemExist(key); });
        if (!known) continue;
        tolerant([&] {
            const CCurvePref& test = *curvePrefs().Item(key);
            tolerant([&] { out.PrintTextCenteredOnPoint(test.Label, columns.rowTexts, top, false); });
            tolerant([&] { DrawLegendSymbol(columns.right, top, test.Right0Unmasked); });
            tolerant([&] { DrawLegendSymbol(columns.binaural, top, test.Binaural0Unmasked); });
            tolerant([&] { DrawLegendSymbol(columns.left, top, test.Left0Unmasked); });
        });
        top += kRowHeight;
    }
    tolerant([&] { PrintLegendLines(X, Y, W, H); });
}

void CReport::DrawLegendSymbol(float X, float Y, std::int32_t ImageIndex)
{
    const platform::gfx::ImageList& images = symbolImages();
    if (ImageIndex < 1 || ImageIndex > images.count()) return;
    printer().RenderImage(X - 0.25f, Y, images.picture(ImageIndex));
}

std::string CReport::SpeechTestLabel(std::int32_t Row) const
{
    const SpeechTableRow& row = kSpeechTableRows.at(static_cast<std::size_t>(Row));
    const auto store = m_userPrefs.as<vellum::IVellumKeyedStore>();
    if (!store) runtime::raise(runtime::errors::ObjectNotSet, {}, "CReport");
    const StoreSelectionKeeper keeper(*store, CCurvePrefs::kCategory, CCurvePrefs::kIndexSection);

    const auto sectionOf = [&](const std::string& key) { return store->get_Value(key).toInteger(); };
    std::optional<std::int16_t> section;
    const runtime::Variant stored = store->get_Value(std::string(row.defaultNotation));
    if (!stored.isNull() && !stored.isEmpty()) {
        section = stored.toInteger();
    } else {
        const std::vector<std::string> keys = SelectedSectionKeys(*store);
        for (const std::string_view code : {row.firstCode, row.secondCode}) {
            for (const std::string& key : keys) {
                store->put_Section(sectionOf(key));
                const bool matches =
                    !runtime::joinedText(store->get_Value("Notation")).empty() &&
                    runtime::numberText(runtime::Val(runtime::joinedText(store->get_Value("TestType")))) == code;
                if (matches) {
                    section = store->get_Section();
                    break;
                }
                store->put_Section(CCurvePrefs::kIndexSection);
            }
            if (section) break;
        }
    }
    if (!section) return {};
    store->put_Section(*section);
    return runtime::joinedText(store->get_Value("Notation"));
}

}  // namespace brisance
