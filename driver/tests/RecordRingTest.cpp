#include "driver/RecordRing.h"

#include <gtest/gtest.h>

namespace marlet {
namespace {

using Ring = RecordRing<int>;

TEST(RecordRing, KeepsTheFirstTwoHundredInOrderAndDropsTheRest)
{
    Ring ring;
    for (int i = 0; i < 205; ++i)
        EXPECT_EQ(ring.push(i), i < Ring::kCapacity) << "record " << i;
    EXPECT_EQ(ring.size(), 200);
    int out = -1;
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(ring.pop(out));
        EXPECT_EQ(out, i);
    }
    EXPECT_FALSE(ring.pop(out));
}

TEST(RecordRing, WrapsAroundItsSlots)
{
    Ring ring;
    ASSERT_TRUE(ring.push(0));
    int out = -1;
    // One record always waiting while the indices pass the end of the slots several times.
    for (int i = 1; i < 3 * Ring::kSlots; ++i) {
        ASSERT_TRUE(ring.push(i));
        ASSERT_TRUE(ring.pop(out));
        EXPECT_EQ(out, i - 1);
        EXPECT_EQ(ring.size(), 1);
    }
}

TEST(RecordRing, FailedAllocationHoldsNothing)
{
    Ring ring([](std::size_t) -> void* { return nullptr; });
    EXPECT_FALSE(ring.allocated());
    EXPECT_FALSE(ring.push(1));
    int out = 0;
    EXPECT_FALSE(ring.pop(out));
}

}  // namespace
}  // namespace marlet
