#include "module/core/CCurvePrefs.h"

#include "module/core/PreferenceValues.h"
#include "module/core/StoreSelection.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <array>
#include <optional>
#include <ranges>
#include <string_view>
#include <vector>

namespace brisance {

namespace {

using platform::runtime::Variant;
using vellum::IVellumKeyedStore;

// The fields of one side (left, right, binaural) and their stored keys.
struct Side {
    const char* symbolKey;
    const char* colorKey;
    const char* styleKey;
    const char* widthKey;
    SymbolFields symbols;
    platform::gfx::ColorRef CCurvePref::*color;
    std::int16_t CCurvePref::*style;
    std::int16_t CCurvePref::*width;
};

constexpr std::array<Side, 3> kSides = {{
    {"LeftSym", "LeftLineColor", "LeftLineStyle", "LeftLineWidth", kLeftSymbolFields, &CCurvePref::LeftColor,
     &CCurvePref::LeftLineStyle, &CCurvePref::LeftLineWidth},
    {"RightSym", "RightLineColor", "RightLineStyle", "RightLineWidth", kRightSymbolFields, &CCurvePref::RightColor,
     &CCurvePref::RightLineStyle, &CCurvePref::RightLineWidth},
    {"BinauralSym", "BinauralLineColor", "BinauralLineStyle", "BinauralLineWidth", kBinauralSymbolFields,
     &CCurvePref::BinauralColor, &CCurvePref::BinauralLineStyle, &CCurvePref::BinauralLineWidth},
}};

constexpr std::int16_t kFirstRecordSection = 1001;
constexpr std::int32_t kRecordSectionOffset = 1000;

// The record section an index value names: its leading number, rounded. Only
// 1001 to 32767 name a record; anything else (no number, the options'
// section 0, the index's section 1, a number beyond 16 bits) names none.
std::optional<std::int16_t> RecordSection(const Variant& indexValue)
{
    try {
        const double section = platform::runtime::roundHalfEven(platform::runtime::Val(PreferenceText(indexValue)));
        if (section >= kFirstRecordSection && section <= INT16_MAX)
            return static_cast<std::int16_t>(section);
    } catch (const platform::runtime::RuntimeError&) {
        // A number too large to read names no record.
    }
    return std::nullopt;
}

// A stored 16-bit number; 0 when the stored number does not fit, so that one
// bad value never stops a load.
std::int16_t StoredInteger(IVellumKeyedStore& store, const char* key)
{
    const std::int32_t number = PreferenceNumber(store, key);
    return number >= INT16_MIN && number <= INT16_MAX ? static_cast<std::int16_t>(number) : 0;
}

// One part of a stored symbol list as a whole number; 0 when it is not one.
std::int32_t SymbolNumber(std::string_view part)
{
    try {
        const auto number = platform::runtime::parseNumber(part);
        return number ? platform::runtime::CLng(*number) : 0;
    } catch (const platform::runtime::RuntimeError&) {
        return 0;
    }
}

// The six symbol numbers of one side as "n,n,n,n,n,n".
std::string SymbolText(const CCurvePref& pref, const Side& side)
{
    std::string text;
    for (const auto symbol : side.symbols) {
        if (!text.empty()) text += ',';
        text += std::to_string(pref.*symbol);
    }
    return text;
}

// Sets one side's six symbols from a stored list of at least six parts; with
// fewer parts they stay 0. Parts beyond the sixth are ignored.
void LoadSymbols(CCurvePref& pref, const Side& side, const std::string& text)
{
    std::vector<std::string_view> parts;
    for (const auto part : std::views::split(text, ',')) parts.emplace_back(part.begin(), part.end());
    if (parts.size() < side.symbols.size()) return;
    for (std::size_t i = 0; i < side.symbols.size(); ++i) pref.*side.symbols[i] = SymbolNumber(parts[i]);
}

// Empties the record sections that category 100's index names, then the
// index itself. Category 100 is selected.
void ClearStoredCurvePrefs(IVellumKeyedStore& store)
{
    store.put_Section(CCurvePrefs::kIndexSection);
    for (const std::string& key : SelectedSectionKeys(store)) {
        if (const auto section = RecordSection(store.get_Value(key))) {
            store.put_Section(*section);
            store.ClearSection();
            store.put_Section(CCurvePrefs::kIndexSection);
        }
    }
    store.ClearSection();
}

void WriteRecord(IVellumKeyedStore& store, const CCurvePref& pref)
{
    store.put_Value("Notation", pref.Label);
    store.put_Value("AidedCondition", pref.Condition);
    store.put_Value("TestType", pref.TestType);
    store.put_Value("PrefType", static_cast<std::int32_t>(pref.PrefType));
    store.put_Value("WordList", pref.WordList);
    for (const Side& side : kSides) store.put_Value(side.symbolKey, SymbolText(pref, side));
    for (const Side& side : kSides) store.put_Value(side.colorKey, static_cast<std::int32_t>(pref.*side.color));
    for (const Side& side : kSides) {
        store.put_Value(side.styleKey, static_cast<std::int32_t>(pref.*side.style));
        store.put_Value(side.widthKey, static_cast<std::int32_t>(pref.*side.width));
    }
}

void ReadRecord(IVellumKeyedStore& store, CCurvePref& pref)
{
    for (const Side& side : kSides)
        pref.*side.color = static_cast<platform::gfx::ColorRef>(PreferenceNumber(store, side.colorKey));
    pref.Condition = PreferenceNumber(store, "AidedCondition");
    pref.TestType = PreferenceNumber(store, "TestType");
    pref.PrefType = static_cast<CurvePrefType>(PreferenceNumber(store, "PrefType"));
    pref.WordList = PreferenceNumber(store, "WordList");
    for (const Side& side : kSides) LoadSymbols(pref, side, PreferenceText(store.get_Value(side.symbolKey)));
    for (const Side& side : kSides) {
        pref.*side.style = StoredInteger(store, side.styleKey);
        pref.*side.width = StoredInteger(store, side.widthKey);
    }
}

}  // namespace

CCurvePrefs::Entry CCurvePrefs::Add(const std::string& sKey)
{
    auto pref = std::make_shared<CCurvePref>();
    pref->CurveID = m_nextCurveID++;
    pref->Key(sKey);
    if (sKey.empty())
        m_items.Add(pref);
    else
        m_items.Add(pref, sKey);
    return pref;
}

CCurvePrefs::Entry CCurvePrefs::Item(const Variant& vntIndexKey) const
{
    try {
        return m_items.Item(vntIndexKey);
    } catch (const platform::runtime::RuntimeError&) {
        return nullptr;  // no such key or position
    }
}

CCurvePrefs::Entry CCurvePrefs::ItemByCurveID(std::int32_t lngCurveID) const
{
    for (const Entry& pref : m_items)
        if (pref->CurveID == lngCurveID) return pref;
    return nullptr;
}

CCurvePrefs::Entry CCurvePrefs::ItemByMeasuredCondition(
    const platform::com::ComPtr<vellum::IVellumMeasurement>& oMeas) const
{
    if (!oMeas) platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
    return ItemByCurveAndCondition(oMeas->get_CurveType(), oMeas->get_Condition());
}

CCurvePrefs::Entry CCurvePrefs::ItemByCurveAndCondition(std::int32_t CurveType, std::int32_t Condition) const
{
    for (const Entry& pref : m_items)
        if (pref->TestType == CurveType && pref->Condition == Condition) return pref;
    return nullptr;
}

bool CCurvePrefs::ItemExist(const Variant& vntIndexKey) const
{
    return Item(vntIndexKey) != nullptr;
}

std::int32_t CCurvePrefs::Count() const
{
    return m_items.Count();
}

void CCurvePrefs::Remove(const Variant& vntIndexKey)
{
    m_items.Remove(vntIndexKey);
}

void CCurvePrefs::RemoveAllCurvePrefs()
{
    m_items = {};
    m_nextCurveID = 1;
}

void CCurvePrefs::SaveToPreferences(IVellumKeyedStore& oPref) const
{
    const StoreSelectionKeeper selection(oPref, kCategory, kIndexSection);
    const Variant before = oPref.get_CategoryData();
    try {
        ClearStoredCurvePrefs(oPref);
        for (const Entry& pref : m_items) {
            const std::int32_t section = pref->CurveID + kRecordSectionOffset;
            oPref.put_Section(kIndexSection);
            oPref.put_Value(pref->Key(), section);
            oPref.put_Section(platform::runtime::CInt(section));
            WriteRecord(oPref, *pref);
        }
    } catch (...) {
        // The caller gets the save's own error; putting the category back is
        // what can still be done for it, and its failure would hide that error.
        try {
            oPref.put_CategoryData(before);
        } catch (...) {
        }
        throw;
    }
}

void CCurvePrefs::LoadFromPreferences(IVellumKeyedStore& oPref)
{
    RemoveAllCurvePrefs();
    const StoreSelectionKeeper selection(oPref, kCategory, kIndexSection);
    for (const std::string& key : SelectedSectionKeys(oPref)) {
        const auto section = RecordSection(oPref.get_Value(key));
        if (!section) continue;
        oPref.put_Section(*section);
        const std::string label = PreferenceText(oPref.get_Value("Notation"));
        if (!label.empty()) {
            const Entry pref = Add(key);
            pref->Label = label;
            ReadRecord(oPref, *pref);
        }
        oPref.put_Section(kIndexSection);
    }
}

}  // namespace brisance
