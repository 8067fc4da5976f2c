#include "vellum/DataLayerCollections.h"

#include "vellum/DataLayerItems.h"

#include "platform/com/Object.h"
#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <string>

namespace vellum {

namespace {

using platform::com::make;
using platform::com::Object;
namespace errors = platform::runtime::errors;

[[noreturn]] void raiseDuplicate(const std::string& what)
{
    platform::runtime::raise(errors::DuplicateKey, "The audiogram holds " + what + " already", "Vellum");
}

std::string keysText(std::int32_t curveType, std::int32_t ear, std::int32_t condition)
{
    return "curve type " + std::to_string(curveType) + ", ear " + std::to_string(ear) + ", condition " +
           std::to_string(condition);
}

ComPtr<IVellumPureToneCurve> wrap(const std::shared_ptr<AudiogramContent>& content,
                                  const std::shared_ptr<PureToneCurve>& curve)
{
    return wrapPureToneCurve(content, curve);
}

ComPtr<IVellumSpeechCurve> wrap(const std::shared_ptr<AudiogramContent>& content,
                                const std::shared_ptr<SpeechCurve>& curve)
{
    return wrapSpeechCurve(content, curve);
}

ComPtr<IVellumTympanogram> wrap(const std::shared_ptr<AudiogramContent>&, const std::shared_ptr<Tympanogram>& t)
{
    return wrapTympanogram(t);
}

// What the three collections share: the members of one vector of the content.
template <class ICollection, auto Members>
class Collection : public Object<ICollection> {
public:
    explicit Collection(std::shared_ptr<AudiogramContent> content) : m_content(std::move(content)) {}

    void Clear() override { members().clear(); }
    std::int32_t get_Count() override { return static_cast<std::int32_t>(members().size()); }

    ComPtr<IEnumVARIANT> get__NewEnum() override
    {
        std::vector<Variant> items;
        for (const auto& member : members()) items.emplace_back(wrap(m_content, member));
        return platform::com::createVariantEnumerator(std::move(items));
    }

protected:
    auto& members() { return (*m_content).*Members; }

    // The 1-based index'th member removed; 9 outside 1 to Count.
    void removeAt(std::int32_t index)
    {
        if (index < 1 || index > get_Count())
            platform::runtime::raise(errors::SubscriptOutOfRange,
                                     "There is no curve at position " + std::to_string(index), "Vellum");
        members().erase(members().begin() + (index - 1));
    }

    // Whether a member matches; found receives the first one that does.
    template <class Matches, class I>
    bool findFirst(Matches matches, ComPtr<I>& found)
    {
        const auto match = std::ranges::find_if(members(), [&](const auto& m) { return matches(*m); });
        if (match == members().end()) return false;
        found = wrap(m_content, *match);
        return true;
    }

    template <class Member>
    auto append(std::shared_ptr<Member> member)
    {
        members().push_back(member);
        return wrap(m_content, member);
    }

    std::shared_ptr<AudiogramContent> m_content;
};

template <class Node>
std::shared_ptr<Node> newCurve(std::int32_t curveType, std::int32_t ear, std::int32_t condition, std::int32_t wordList)
{
    auto curve = std::make_shared<Node>();
    curve->measurement.curveType = curveType;
    curve->measurement.ear = ear;
    curve->measurement.condition = condition;
    curve->measurement.wordList = wordList;
    return curve;
}

class PureToneCurves final : public Collection<IVellumPureToneCurves, &AudiogramContent::pureToneCurves> {
public:
    using Collection::Collection;

    bool Find(std::int32_t curveType, std::int32_t ear, std::int32_t condition,
              ComPtr<IVellumPureToneCurve>& curve) override
    {
        return findFirst(
            [&](const PureToneCurve& c) { return samePureToneKey(c.measurement, curveType, ear, condition); }, curve);
    }

    ComPtr<IVellumPureToneCurve> Add(std::int32_t curveType, std::int32_t ear, std::int32_t condition) override
    {
        ComPtr<IVellumPureToneCurve> existing;
        if (Find(curveType, ear, condition, existing))
            raiseDuplicate("a curve of " + keysText(curveType, ear, condition));
        return append(newCurve<PureToneCurve>(curveType, ear, condition, 0));
    }

    void Remove(std::int32_t index) override { removeAt(index); }
};

class SpeechCurves final : public Collection<IVellumSpeechCurves, &AudiogramContent::speechCurves> {
public:
    using Collection::Collection;

    bool Find(std::int32_t curveType, std::int32_t ear, std::int32_t condition, std::int32_t wordList,
              ComPtr<IVellumSpeechCurve>& curve) override
    {
        return findFirst(
            [&](const SpeechCurve& c) { return sameSpeechKey(c.measurement, curveType, ear, condition, wordList); },
            curve);
    }

    bool FindAnyWordList(std::int32_t curveType, std::int32_t ear, std::int32_t condition,
                         ComPtr<IVellumSpeechCurve>& curve) override
    {
        return findFirst(
            [&](const SpeechCurve& c) { return samePureToneKey(c.measurement, curveType, ear, condition); }, curve);
    }

    ComPtr<IVellumSpeechCurve> Add(std::int32_t curveType, std::int32_t ear, std::int32_t condition,
                                   std::int32_t wordList) override
    {
        ComPtr<IVellumSpeechCurve> existing;
        if (Find(curveType, ear, condition, wordList, existing))
            raiseDuplicate("a curve of " + keysText(curveType, ear, condition) + ", word list " +
                           std::to_string(wordList));
        return append(newCurve<SpeechCurve>(curveType, ear, condition, wordList));
    }

    void Remove(std::int32_t index) override { removeAt(index); }
};

class Tympanograms final : public Collection<IVellumTympanograms, &AudiogramContent::tympanograms> {
public:
    using Collection::Collection;

    bool Find(std::int32_t ear, ComPtr<IVellumTympanogram>& tympanogram) override
    {
        return findFirst([ear](const Tympanogram& t) { return t.ear == ear; }, tympanogram);
    }

    ComPtr<IVellumTympanogram> Add(std::int32_t ear) override
    {
        ComPtr<IVellumTympanogram> existing;
        if (Find(ear, existing)) raiseDuplicate("a tympanogram of ear " + std::to_string(ear));
        auto tympanogram = std::make_shared<Tympanogram>();
        tympanogram->ear = ear;
        return append(tympanogram);
    }
};

}  // namespace

ComPtr<IVellumPureToneCurves> makePureToneCurves(std::shared_ptr<AudiogramContent> content)
{
    return make<PureToneCurves>(std::move(content));
}

ComPtr<IVellumSpeechCurves> makeSpeechCurves(std::shared_ptr<AudiogramContent> content)
{
    return make<SpeechCurves>(std::move(content));
}

ComPtr<IVellumTympanograms> makeTympanograms(std::shared_ptr<AudiogramContent> content)
{
    return make<Tympanograms>(std::move(content));
}

}  // namespace vellum
