#include "platform/com/Creation.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/DispatchSink.h"
#include "platform/com/DispatchTable.h"
#include "platform/com/tests/TestServer.h"
#include "platform/com/tests/component/TestInterfaces.h"
#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace platform::com;
using namespace testcomponent;
using platform::runtime::ErrorValue;
using platform::runtime::Variant;

struct Dispatch : ::testing::Test {
    void SetUp() override
    {
        comtest::registerTestComponent();
        ASSERT_EQ(createInstance(kCounterClsid, counter), S_OK);
    }

    HRESULT call(DISPID dispid, std::uint16_t flags, std::vector<Variant> args = {}, Variant* result = nullptr)
    {
        return counter->Invoke(dispid, flags, args, result);
    }

    ComPtr<ICounter> counter;
};

TEST_F(Dispatch, ByDispidAndByNameAgreeWithTheTypedCalls)
{
    ASSERT_EQ(putProperty(counter.get(), "value", Variant(5)), S_OK);
    std::int32_t typed = 0;
    counter->get_Value(&typed);
    EXPECT_EQ(typed, 5);

    counter->put_Value(7);
    Variant value;
    ASSERT_EQ(call(1, DISPATCH_PROPERTYGET, {}, &value), S_OK);
    EXPECT_EQ(value, Variant(7));
    ASSERT_EQ(getProperty(counter.get(), "Name", &value), S_OK);
    EXPECT_EQ(value, Variant("counter"));

    // Add(amount, [optional] times) -> total: left out, passed as missing, given; a string that reads as a number.
    std::vector<Variant> args{Variant(1)};
    ASSERT_EQ(callMethod(counter.get(), "ADD", args, &value), S_OK);
    EXPECT_EQ(value, Variant(8));
    ASSERT_EQ(call(3, DISPATCH_METHOD, {Variant(2), missingArgument()}, &value), S_OK);
    EXPECT_EQ(value, Variant(10));
    ASSERT_EQ(call(3, DISPATCH_METHOD, {Variant("3"), Variant(std::int16_t{2})}, &value), S_OK);
    EXPECT_EQ(value, Variant(16));
    counter->Add(1, std::nullopt, &typed);
    EXPECT_EQ(typed, 17);
}

TEST_F(Dispatch, OutArgumentsComeBackThroughTheirArguments)
{
    counter->put_Value(9);
    std::vector<Variant> args{Variant(), Variant("replaced")};
    Variant even;
    ASSERT_EQ(counter->Invoke(4, DISPATCH_METHOD, args, &even), S_OK);
    EXPECT_EQ(args, (std::vector<Variant>{Variant(4), Variant(5)}));
    EXPECT_EQ(even, Variant(false));

    std::vector<Variant> all{Variant(), Variant(), Variant()};
    ASSERT_EQ(counter->Invoke(4, DISPATCH_METHOD, all, nullptr), S_OK);
    EXPECT_EQ(all[2], Variant(false)) << "with every argument given, the last out parameter is one of them";
}

TEST_F(Dispatch, RefusesWhatItCannotCallWithTheStandardErrors)
{
    const struct {
        const char* what;
        DISPID dispid;
        std::uint16_t flags;
        std::vector<Variant> args;
        HRESULT expected;
    } cases[] = {
        {"unknown DISPID", 99, DISPATCH_METHOD, {}, DISP_E_MEMBERNOTFOUND},
        {"put of a read-only property", 2, DISPATCH_PROPERTYPUT, {Variant("x")}, DISP_E_MEMBERNOTFOUND},
        {"putref of a value property", 1, DISPATCH_PROPERTYPUTREF, {Variant(1)}, DISP_E_MEMBERNOTFOUND},
        {"no argument", 3, DISPATCH_METHOD, {}, DISP_E_BADPARAMCOUNT},
        {"too many arguments", 3, DISPATCH_METHOD, {Variant(1), Variant(1), Variant(), Variant()}, DISP_E_BADPARAMCOUNT},
        {"put without a value", 1, DISPATCH_PROPERTYPUT, {}, DISP_E_BADPARAMCOUNT},
        {"required argument missing", 3, DISPATCH_METHOD, {missingArgument()}, DISP_E_PARAMNOTOPTIONAL},
        {"text that is no number", 3, DISPATCH_METHOD, {Variant("abc")}, DISP_E_TYPEMISMATCH},
        {"number too large", 1, DISPATCH_PROPERTYPUT, {Variant(3e10)}, DISP_E_OVERFLOW},
        {"a number for an object", 5, DISPATCH_PROPERTYPUTREF, {Variant(1)}, DISP_E_TYPEMISMATCH},
        {"an object that is no font", 5, DISPATCH_PROPERTYPUTREF, {Variant(ComPtr<IEnumVARIANT>(createVariantEnumerator({})))}, DISP_E_TYPEMISMATCH},
    };
    for (const auto& c : cases) EXPECT_EQ(call(c.dispid, c.flags, c.args), c.expected) << c.what;

    std::int32_t value = -1;
    counter->get_Value(&value);
    EXPECT_EQ(value, 0) << "a refused call changed the object";

    DISPID dispids[2] = {0, 0};
    const std::string names[] = {"Value", "Nonesuch"};
    EXPECT_EQ(counter->GetIDsOfNames(names, dispids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(dispids[0], 1);
    EXPECT_EQ(dispids[1], DISPID_UNKNOWN);
    EXPECT_EQ(callMethod(counter.get(), "Nonesuch", {}), DISP_E_UNKNOWNNAME);
}

TEST_F(Dispatch, ARaisedErrorComesBackAsAnExceptionWithItsNumberAndSource)
{
    ExceptionInfo exception;
    EXPECT_EQ(counter->Invoke(6, DISPATCH_METHOD, {}, nullptr, &exception), DISP_E_EXCEPTION);
    EXPECT_EQ(exception.number, 5);
    EXPECT_EQ(exception.source, "Counter");
    EXPECT_FALSE(exception.description.empty());
}

TEST_F(Dispatch, ObjectPropertiesTakeTheObjectByPutrefAndACopyByPut)
{
    const ComPtr<IFont> font = createFont();
    ASSERT_EQ(call(5, DISPATCH_PROPERTYPUTREF, {Variant(font)}), S_OK);
    Variant held;
    ASSERT_EQ(call(5, DISPATCH_PROPERTYGET, {}, &held), S_OK);
    EXPECT_EQ(held.toObject().as<IFont>(), font);

    ASSERT_EQ(call(5, DISPATCH_PROPERTYPUT, {Variant(font)}), S_OK);
    ComPtr<IFont> copy;
    counter->get_Font(copy.put());
    EXPECT_NE(copy, font);
    EXPECT_EQ(copy->description(), font->description());

    ASSERT_EQ(call(5, DISPATCH_PROPERTYPUTREF, {Variant(Variant::Object())}), S_OK);
    ASSERT_EQ(call(5, DISPATCH_PROPERTYGET, {}, &held), S_OK);
    EXPECT_FALSE(held.toObject()) << "Nothing clears the font";
}

TEST_F(Dispatch, TheEnumeratorWalksASnapshotOfTheCollection)
{
    for (int value : {3, 1, 4}) counter->put_Value(value);
    Variant result;
    ASSERT_EQ(call(DISPID_NEWENUM, DISPATCH_PROPERTYGET, {}, &result), S_OK);
    const ComPtr<IEnumVARIANT> values = result.toObject().as<IEnumVARIANT>();
    ASSERT_TRUE(values);
    counter->put_Value(5);

    Variant items[2];
    std::uint32_t fetched = 0;
    EXPECT_EQ(values->Next(2, items, &fetched), S_OK);
    EXPECT_EQ(items[0], Variant(3));
    EXPECT_EQ(items[1], Variant(1));
    ComPtr<IEnumVARIANT> copy;
    ASSERT_EQ(values->Clone(copy.put()), S_OK);
    EXPECT_EQ(values->Next(2, items, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(items[0], Variant(4));
    EXPECT_EQ(copy->Next(1, items, nullptr), S_OK);
    EXPECT_EQ(items[0], Variant(4)) << "a clone starts where its original was";
    EXPECT_EQ(values->Skip(1), S_FALSE);
    values->Reset();
    EXPECT_EQ(values->Skip(3), S_OK);
}

TEST_F(Dispatch, EventsReachDispatchSinksInAdviseOrder)
{
    std::vector<std::string> log;
    auto sinkNamed = [&log](std::string name) {
        return make<DispatchSink>(kCounterEventsIid, [&log, name](DISPID event, std::span<Variant> args) {
            log.push_back(name + std::to_string(event) + ":" + args[0].toString());
            return S_OK;
        });
    };
    const auto first = sinkNamed("first");
    const auto second = sinkNamed("second");
    std::uint32_t cookie = 0;
    ASSERT_EQ(advise(counter.get(), kCounterEventsIid, first.get(), &cookie), S_OK);
    ASSERT_EQ(advise(counter.get(), kCounterEventsIid, second.get(), &cookie), S_OK);
    ASSERT_EQ(putProperty(counter.get(), "Value", Variant(12)), S_OK);
    EXPECT_EQ(log, (std::vector<std::string>{"first1:12", "second1:12"}));
}

// An interface whose members return their values and raise their failures.
class IEntry : public IDispatch {
public:
    static constexpr IID iid = makeGuid("{4E2B7C90-0000-4000-8000-000000000001}");
    using Base = IDispatch;
    virtual std::int32_t index() const = 0;
    virtual void setIndex(std::int32_t index) = 0;
    virtual std::string label(const std::string& prefix) = 0;

protected:
    ~IEntry() = default;
};

std::span<const DispatchMember<IEntry>> entryMembers();

class Entry final : public Object<Dispatched<IEntry, entryMembers>> {
public:
    std::int32_t index() const override { return m_index; }
    void setIndex(std::int32_t index) override { m_index = index; }
    std::string label(const std::string& prefix) override
    {
        if (prefix.empty()) platform::runtime::raise(platform::runtime::errors::InvalidProcedureCall, {}, "Entry");
        return prefix + std::to_string(m_index);
    }

private:
    std::int32_t m_index = 0;
};

using E = DispatchMember<IEntry>;
constexpr E kEntryMembers[] = {
    E::valueProperty<&IEntry::index, &IEntry::setIndex>("index", 1),
    E::valueMethod<&IEntry::label>("Label", 2),
};
std::span<const DispatchMember<IEntry>> entryMembers()
{
    return kEntryMembers;
}

TEST(ValueMembers, LateBindingReachesMembersThatReturnTheirValueAndRaiseTheirErrors)
{
    const ComPtr<IEntry> entry = make<Entry>();
    ASSERT_EQ(putProperty(entry.get(), "Index", Variant(std::int16_t{3})), S_OK);
    EXPECT_EQ(entry->index(), 3);
    Variant value;
    ASSERT_EQ(getProperty(entry.get(), "index", &value), S_OK);
    EXPECT_EQ(value, Variant(3));

    std::vector<Variant> args{Variant("#")};
    ASSERT_EQ(callMethod(entry.get(), "label", args, &value), S_OK);
    EXPECT_EQ(value, Variant("#3"));
    args = {Variant("")};
    ExceptionInfo exception;
    EXPECT_EQ(entry->Invoke(2, DISPATCH_METHOD, args, &value, &exception), DISP_E_EXCEPTION);
    EXPECT_EQ(exception.number, 5);
    EXPECT_EQ(callMethod(entry.get(), "label", {}, &value), DISP_E_BADPARAMCOUNT);
}

}  // namespace
