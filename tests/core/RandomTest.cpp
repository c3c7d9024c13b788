// The random generator covers its whole range.
#include "toolkit/core/Random.h"

#include <gtest/gtest.h>

TEST(Random, RangesAndFull32BitValues) {
    fw::RandSeed(42);
    bool sawNegative = false, sawHighPositive = false;
    for (int i = 0; i < 10000; ++i) {
        int32_t r = fw::Random(10);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 10);
        int32_t v = fw::RandomInt32();
        sawNegative |= v < -(1 << 30);
        sawHighPositive |= v > (1 << 30);
        double f = fw::RandomFloat();
        ASSERT_GE(f, 0.0);
        ASSERT_LT(f, 1.0);
    }
    EXPECT_TRUE(sawNegative);
    EXPECT_TRUE(sawHighPositive);
    EXPECT_EQ(fw::Random(0), 0);
    fw::RandSeed(7);
    int32_t a = fw::RandomInt32();
    fw::RandSeed(7);
    EXPECT_EQ(fw::RandomInt32(), a) << "a seed repeats its sequence";
}
