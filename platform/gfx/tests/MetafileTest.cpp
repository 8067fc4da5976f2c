#include "platform/gfx/Metafile.h"
#include "platform/gfx/tests/Canvas.h"

#include "platform/machine/MachineRoot.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>

#include <sys/stat.h>

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
    std::filesystem::resize_file(path, std::uintmax_t{16} << 30);
    EXPECT_EQ(getEnhMetaFile(path), 0) << "larger than a metafile can be: refused before it is read";
    std::filesystem::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(getEnhMetaFile(path), 0) << "a FIFO: refused, never waited on for a writer";
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(getEnhMetaFile(path), 0) << "a folder";

    Canvas canvas(10, 10);
    EXPECT_FALSE(playEnhMetaFile(canvas.dc, 0, Rect{0, 0, 10, 10}));
}

TEST(Metafile, FramesBeyondTheRangeOfCoordinatesAreRefused)
{
    const std::string path = recordUnderlay();
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    // The digest covers the drawing only, so these files reach every check of the frame.
    const auto withFrame = [&](std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
        std::string changed = bytes;
        const std::int32_t edges[] = {left, top, right, bottom};
        for (std::size_t i = 0; i < 4; ++i)
            for (std::size_t b = 0; b < 4; ++b)
                changed[8 + 4 * i + b] = static_cast<char>(static_cast<std::uint32_t>(edges[i]) >> (8 * b));
        std::ofstream(path, std::ios::binary | std::ios::trunc) << changed;
        return getEnhMetaFile(path);
    };
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(withFrame(0, 0, kMin, 100), 0) << "a right edge that cannot be stepped back";
    EXPECT_EQ(withFrame(0, 0, 100, kMin), 0) << "a bottom edge that cannot be stepped back";
    EXPECT_EQ(withFrame(-2'000'000'000, 0, 2'000'000'000, 100), 0) << "wider than an int";
    EXPECT_EQ(withFrame(0, -2'000'000'000, 100, 2'000'000'000), 0) << "higher than an int";
    EXPECT_EQ(withFrame(kMin, kMin, 100, 100), 0) << "a corner that cannot be negated";
    EXPECT_EQ(withFrame(kMax - 1, 0, kMax, 100), 0) << "a frame at the end of the range";

    const MetafileHandle large = withFrame(-1'000'000'000, -1'000'000'000, 1'000'000'000, 1'000'000'000);
    ASSERT_NE(large, 0) << "a large frame inside the range still reads";
    Canvas canvas(10, 10);
    EXPECT_TRUE(playEnhMetaFile(canvas.dc, large, Rect{0, 0, 10, 10}));
    deleteEnhMetaFile(large);
}

}  // namespace
}  // namespace platform::gfx
