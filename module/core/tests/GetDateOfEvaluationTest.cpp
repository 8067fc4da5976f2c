#include "module/core/GetDateOfEvaluation.h"

#include "module/core/tests/CoreTestSupport.h"

#include "platform/runtime/Dates.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace brisance {
namespace {

using platform::runtime::Date;
using platform::runtime::makeDate;
using platform::runtime::Variant;

class GetDateOfEvaluationTest : public testing::VellumTest {
protected:
    void SetUp() override
    {
        VellumTest::SetUp();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_notes = testing::NewStore();
        // Another section selected, as a caller may leave it.
        m_notes->put_Category(100);
        m_notes->put_Section(100);
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    // Stores the text under "DateOfEval", leaving another section selected.
    void StoreDate(const Variant& value)
    {
        m_notes->put_Category(0);
        m_notes->put_Section(0);
        m_notes->put_Value("DateOfEval", value);
        m_notes->put_Category(100);
        m_notes->put_Section(100);
    }
    Variant StoredDate() const { return m_notes->get_Value("DateOfEval"); }

    platform::runtime::ScopedClock m_clock{platform::runtime::withTime(makeDate(2026, 12, 10), 15, 45, 0)};
    platform::com::ComPtr<vellum::IVellumKeyedStore> m_notes;
};

TEST_F(GetDateOfEvaluationTest, AMissingDateBecomesTodayWrittenInIsoForm)
{
    EXPECT_EQ(GetDateOfEvaluation(*m_notes), makeDate(2026, 12, 10));
    EXPECT_EQ(m_notes->get_Category(), 0) << "category 0, section 0 stay selected";
    EXPECT_EQ(m_notes->get_Section(), 0);
    EXPECT_EQ(StoredDate(), Variant("2026-12-10"));

    m_clock.set(makeDate(2026, 12, 11));
    EXPECT_EQ(GetDateOfEvaluation(*m_notes), makeDate(2026, 12, 10)) << "the stored day, not the new today";
}

TEST_F(GetDateOfEvaluationTest, StoredTextsReadInIsoAndInTheLocalesFormsOfOlderDocuments)
{
    for (const char* text : {"2024-01-31", "1/31/2024", "Wednesday, January 31, 2024"}) {
        StoreDate(text);
        EXPECT_EQ(GetDateOfEvaluation(*m_notes), makeDate(2024, 1, 31)) << text;
        EXPECT_EQ(StoredDate(), Variant(text)) << "read, never rewritten";
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    StoreDate("2024-01-31");
    EXPECT_EQ(GetDateOfEvaluation(*m_notes), makeDate(2024, 1, 31)) << "the ISO form survives a change of locale";
}

TEST_F(GetDateOfEvaluationTest, ATextThatIsNoDateReadsAsNoDateAndStaysAsItIs)
{
    for (const char* text : {"sometime in spring", "", "46366"}) {
        StoreDate(text);
        std::optional<Date> date = makeDate(2026, 12, 10);
        EXPECT_EQ(platform::runtime::testing::errorNumberOf([&] { date = GetDateOfEvaluation(*m_notes); }), 0);
        EXPECT_EQ(date, std::nullopt) << text;
        EXPECT_EQ(StoredDate(), Variant(text));
    }
}

}  // namespace
}  // namespace brisance
