// Scope guards put temporary state back on return and on a throw.
#include "toolkit/core/ScopeGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace fw;

TEST(ScopeGuard, ValuesAndFlagsComeBackOnReturnAndOnThrow) {
    bool busy = false;
    uint32_t state = 0x4;
    int exits = 0;
    auto body = [&](bool fail) {
        TScopedValue<bool> guard(busy, true);
        TScopedFlags<uint32_t> flags(state, 0x1 | 0x4);
        TScopeExit count([&] { ++exits; });
        EXPECT_TRUE(busy);
        EXPECT_EQ(state, 0x5u);
        if (fail) throw std::runtime_error("fail");
    };
    body(false);
    EXPECT_FALSE(busy);
    EXPECT_EQ(state, 0x4u) << "a bit that was set before stays set";
    EXPECT_THROW(body(true), std::runtime_error);
    EXPECT_FALSE(busy);
    EXPECT_EQ(state, 0x4u);
    EXPECT_EQ(exits, 2);
}
