#include "module/report/CCurveFinder.h"

#include "module/testing/RegisterServer.h"

#include "vellum/VellumValues.h"

#include "platform/com/Creation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace brisance {
namespace {

using Finder = bool (CCurveFinder::*)(vellum::IVellumDataLayer&, std::int32_t, CCurveFinder::SpeechPoint&) const;

struct Case {
    const char* what;
    Finder find;
    std::vector<std::int32_t> rightCurves;  // curve types, each with points at type * 10 and type * 10 + 500
    std::vector<std::int32_t> emptyRightCurves;
    std::vector<std::int32_t> leftCurves;
    bool found;
    std::int32_t level;  // of the point handed out
};

TEST(CCurveFinder, EachQuestionTakesTheFirstPointOfTheFirstCurveOfItsListInTheAskedEar)
{
    ASSERT_NO_FATAL_FAILURE(testing::registerServer(VELLUM_LIBRARY_PATH));
    const Case cases[] = {
        {"SRT before awareness", &CCurveFinder::GetSRTPoint, {25, 15}, {}, {}, true, 150},
        {"17 before 15", &CCurveFinder::GetSRTPoint, {15, 17}, {}, {}, true, 170},
        {"only awareness", &CCurveFinder::GetSRTPoint, {23}, {}, {}, true, 230},
        {"detection last", &CCurveFinder::GetSRTPoint, {20, 10}, {}, {}, true, 200},
        {"no speech curves", &CCurveFinder::GetSRTPoint, {}, {}, {}, false, 0},
        {"only the other ear's", &CCurveFinder::GetSRTPoint, {}, {}, {15}, false, 0},
        {"a found empty curve", &CCurveFinder::GetSRTPoint, {15}, {17}, {}, false, 0},
        {"MCL", &CCurveFinder::GetMCLPoint, {26, 27}, {}, {}, true, 270},
        {"UCL", &CCurveFinder::GetUCLPoint, {28, 27}, {}, {}, true, 280},
        {"word recognition", &CCurveFinder::GetWordRecognitionPoint, {11, 10, 13}, {}, {}, true, 100},
        {"word recognition in noise", &CCurveFinder::GetWordRecognitionWithNoisePoint, {10, 13}, {}, {}, true, 130},
    };
    for (const Case& c : cases) {
        const auto data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        const auto add = [&](std::int32_t type, std::int32_t ear, bool withPoints) {
            const auto points = data->get_SpeechCurves()->Add(type, ear, 2, 10)->get_Points();
            if (!withPoints) return;
            points->Add(type * 10 + 500);
            points->Add(type * 10);
        };
        for (const std::int32_t type : c.emptyRightCurves) add(type, vellum::kEarRight, false);
        for (const std::int32_t type : c.rightCurves) add(type, vellum::kEarRight, true);
        for (const std::int32_t type : c.leftCurves) add(type, vellum::kEarLeft, true);

        const auto untouched = data->get_SpeechCurves()->Add(1, 4, 2, 1)->get_Points()->Add(-5);
        CCurveFinder::SpeechPoint point = untouched;
        EXPECT_EQ((CCurveFinder().*c.find)(*data, vellum::kEarRight, point), c.found) << c.what;
        if (c.found) {
            ASSERT_TRUE(point) << c.what;
            EXPECT_EQ(point->get_Level(), c.level) << c.what;
        } else {
            EXPECT_EQ(point.get(), untouched.get()) << c.what << ": the point is left as it was";
        }
    }
}

}  // namespace
}  // namespace brisance
