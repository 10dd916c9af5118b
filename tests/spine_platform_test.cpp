// Platform layer: drawing state, blends on read-back pixels, images, files, input counters and random draws.
#include <gtest/gtest.h>

#include "platform/sys.h"

TEST(Random, SwappedBoundsAndRange)
{
    Sys_SeedRnd(7);
    for (int i = 0; i < 1000; ++i) {
        int v = randInt(5, 1);
        EXPECT_GE(v, 1);
        EXPECT_LE(v, 5);
        float f = randFloat(2.0f, 3.0f);
        EXPECT_GE(f, 2.0f);
        EXPECT_LT(f, 3.0f);
    }
}
