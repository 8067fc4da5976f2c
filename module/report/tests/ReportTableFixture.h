#pragma once
// What the tests of the report's tables share: the report fixture with a few
// data helpers, and reading a value back from the cell of the printed page
// it must stand in.

#include "module/report/tests/ReportFixture.h"
#include "module/report/tests/ReportPage.h"

#include "vellum/VellumValues.h"

#include <QLocale>

#include <string>

namespace brisance::testing {

using platform::testing::PdfPage;
using platform::testing::PdfWord;

inline constexpr int kDpi = 100;

// The words whose middle lies in the cell (page cm), joined by blanks.
inline std::string cellText(const PdfPage& page, double left, double top, double width, double height)
{
    const QRectF cell(left, top, width, height);
    std::string text;
    for (const PdfWord& word : page.words)
        if (cell.contains(word.box.center())) text += (text.empty() ? "" : " ") + word.text;
    return text;
}

inline int at(double cm)
{
    return static_cast<int>(cm / 2.54 * kDpi);
}

// Ink inside a cell, its border left out.
inline int inkInside(const QImage& image, double left, double top, double width, double height)
{
    return inkCount(image, QRect(at(left) + 3, at(top) + 3, at(width) - 6, at(height) - 6));
}

// Switches the user's locale for one test.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) : m_previous(QLocale()) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(m_previous); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    QLocale m_previous;
};

class ReportTableTest : public ReportTest {
protected:
    vellum::ComPtr<vellum::IVellumPureToneCurve> pureToneCurve(std::int32_t type, std::int32_t ear)
    {
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        if (!data->get_PureToneCurves()->Find(type, ear, 2, curve)) curve = data->get_PureToneCurves()->Add(type, ear, 2);
        return curve;
    }

    // A pure-tone point (or a reflex result keyed by its stimulus code).
    vellum::ComPtr<vellum::IVellumPureTonePoint> pureTonePoint(std::int32_t type, std::int32_t ear,
                                                               std::int32_t frequency, std::int16_t level,
                                                               std::int16_t masking = vellum::kNoValue)
    {
        const auto point = pureToneCurve(type, ear)->get_Points()->Add(frequency);
        point->put_Level(level);
        point->put_MaskingLevel(masking);
        return point;
    }

    vellum::ComPtr<vellum::IVellumSpeechCurve> speechCurve(std::int32_t type, std::int32_t ear)
    {
        return data->get_SpeechCurves()->Add(type, ear, 2, 10);
    }

    void speechPoint(std::int32_t type, std::int32_t ear, std::int32_t level, std::int16_t score,
                     std::int16_t masking = vellum::kNoSpeechMasking)
    {
        const auto point = speechCurve(type, ear)->get_Points()->Add(level);
        point->put_Score(score);
        point->put_MaskingLevel(masking);
    }
};

}  // namespace brisance::testing
