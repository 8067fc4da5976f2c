#include "platform/com/PropertyNotify.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace platform::com;

class ISetting : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{5D7A4B30-0000-4000-8000-000000000001}");
    using Base = IUnknown;
    virtual HRESULT put(int value) = 0;

protected:
    ~ISetting() = default;
};

class Setting final : public Object<ISetting, PropertyNotifications> {
public:
    HRESULT put(int value) override
    {
        if (!requestEdit(DISPID_FONT)) return S_FALSE;
        m_value = value;
        changed(DISPID_FONT);
        return S_OK;
    }
    int m_value = 0;
};

class Listener final : public Object<IPropertyNotifySink> {
public:
    Listener(HRESULT answer, std::vector<DISPID>& asked, std::vector<DISPID>& told) : m_answer(answer), m_asked(asked), m_told(told) {}
    HRESULT OnRequestEdit(DISPID dispid) override
    {
        m_asked.push_back(dispid);
        return m_answer;
    }
    HRESULT OnChanged(DISPID dispid) override
    {
        m_told.push_back(dispid);
        return S_OK;
    }

private:
    HRESULT m_answer;
    std::vector<DISPID>& m_asked;
    std::vector<DISPID>& m_told;
};

TEST(PropertyNotify, EveryListenerIsAskedAndOneRefusalKeepsTheValue)
{
    const auto setting = make<Setting>();
    std::vector<DISPID> asked, told;
    const auto allows = make<Listener>(S_OK, asked, told);
    std::uint32_t cookie = 0;
    ASSERT_EQ(advise(static_cast<ISetting*>(setting.get()), IPropertyNotifySink::iid, allows.get(), &cookie), S_OK);
    EXPECT_EQ(setting->put(3), S_OK);
    EXPECT_EQ(told, std::vector<DISPID>{DISPID_FONT});

    const auto refuses = make<Listener>(S_FALSE, asked, told);
    ASSERT_EQ(advise(static_cast<ISetting*>(setting.get()), IPropertyNotifySink::iid, refuses.get(), &cookie), S_OK);
    asked.clear();
    EXPECT_EQ(setting->put(4), S_FALSE);
    EXPECT_EQ(setting->m_value, 3);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(told.size(), 1u);
}

}  // namespace
