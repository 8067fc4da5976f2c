#include "platform/gfx/Metafile.h"
#include "platform/gfx/tests/Canvas.h"

#include "platform/machine/MachineRoot.h"

#include <gtest/gtest.h>

#include <fstream>

namespace platform::gfx {
namespace {

using testing::Canvas;

std::string recordUnderlay()
{
    const std::string path = (machine::root() / "Underlay.emf").string();
    const Rect frame{0, 0, 100, 100};
    const DcHandle recording = createEnhMetaFile(0, path, &frame);
    const ObjectHandle red = createSolidBrush(testing::kRed);
    fillRect(recording, Rect{50, 0, 100, 100}, red);  // the right half
    deleteObject(red);
    const MetafileHandle metafile = closeEnhMetaFile(recording);
    EXPECT_NE(metafile, 0);
    deleteEnhMetaFile(metafile);
    return path;
}

TEST(Metafile, RecordedSavedReloadedAndPlayedStretched)
{
    const std::string path = recordUnderlay();
    const MetafileHandle metafile = getEnhMetaFile(path);
    ASSERT_NE(metafile, 0);

    Canvas canvas(220, 60);
    intersectClipRect(canvas.dc, 0, 0, 150, 60);
    // The 100 x 100 frame stretched 2 x 0.4: its red right half covers x 100..199, y 10..49.
    ASSERT_TRUE(playEnhMetaFile(canvas.dc, metafile, Rect{0, 10, 200, 50}));
    EXPECT_EQ(canvas.at(120, 30), testing::kRed);
    EXPECT_EQ(canvas.at(120, 49), testing::kRed);
    EXPECT_EQ(canvas.at(120, 50), testing::kWhite);  // below the rectangle
    EXPECT_EQ(canvas.at(120, 5), testing::kWhite);   // above it
    EXPECT_EQ(canvas.at(90, 30), testing::kWhite);   // the left half of the frame is empty
    EXPECT_EQ(canvas.at(160, 30), testing::kWhite);  // clipped
    EXPECT_TRUE(deleteEnhMetaFile(metafile));
}

TEST(Metafile, MissingOrDamagedFilesAreRefused)
{
    EXPECT_EQ(getEnhMetaFile((machine::root() / "none.emf").string()), 0);

    const std::string path = recordUnderlay();
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const auto rewrite = [&](const std::string& content) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
        return getEnhMetaFile(path);
    };
    std::string flipped = bytes;
    flipped[flipped.size() - 3] ^= 0x55;
    EXPECT_EQ(rewrite(flipped), 0) << "damaged drawing";
    EXPECT_EQ(rewrite(bytes.substr(0, bytes.size() / 2)), 0) << "cut short";
    EXPECT_EQ(rewrite("BRISEMF"), 0) << "header only";
    EXPECT_EQ(rewrite("not a metafile at all, just text"), 0);
    EXPECT_NE(rewrite(bytes), 0) << "the intact file still reads";

    Canvas canvas(10, 10);
    EXPECT_FALSE(playEnhMetaFile(canvas.dc, 0, Rect{0, 0, 10, 10}));
}

}  // namespace
}  // namespace platform::gfx
