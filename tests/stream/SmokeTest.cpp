#include <gtest/gtest.h>
TEST(StreamSmoke, Builds) { EXPECT_EQ(2 + 2, 4); }
