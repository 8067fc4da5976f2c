#include "module/document/ReportPlacement.h"

#include <gtest/gtest.h>

namespace brisance {
namespace {

TEST(ReportPlacement, TheReportStands1Point6CentimetresFromThePaperEdgeOrAtThePrintableEdge)
{
    struct Case {
        const char* printer;
        int offsetX, dpiX, offsetY, dpiY;
        float X, Y;
    };
    const Case cases[] = {
        {"no margins", 0, 600, 0, 600, 1.6f, 1.6f},
        {"a quarter inch each way", 150, 600, 150, 600, 1.6f - 0.635f, 1.6f - 0.635f},
        {"margins of their own per axis", 30, 300, 60, 300, 1.6f - 0.254f, 1.6f - 0.508f},
        {"different resolutions", 100, 600, 100, 300, 1.6f - 0.42333f, 1.6f - 0.84667f},
        {"a left margin just inside 1.6 cm", 377, 600, 0, 600, 1.6f - 1.59597f, 1.6f},
        {"a left margin just beyond 1.6 cm", 378, 600, 0, 600, 0.0f, 1.6f},
        {"a top margin wider than 1.6 cm", 0, 600, 1200, 600, 1.6f, 0.0f},
        {"a device without a resolution", 50, 0, 50, 0, 1.6f, 1.6f},
    };
    for (const Case& c : cases) {
        const ReportPlacement placement = PlaceReportOnPage(c.offsetX, c.dpiX, c.offsetY, c.dpiY);
        EXPECT_NEAR(placement.X, c.X, 1e-4) << c.printer;
        EXPECT_NEAR(placement.Y, c.Y, 1e-4) << c.printer;
        EXPECT_FLOAT_EQ(placement.W, placement.X + 17.0f) << c.printer;
        EXPECT_FLOAT_EQ(placement.H, placement.Y + 22.4f) << c.printer;
    }
}

}  // namespace
}  // namespace brisance
