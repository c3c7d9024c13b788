// Text crossing the Win32 boundary.
#include "toolkit/win/window/Win32.h"

#include <gtest/gtest.h>

using namespace fw::win;

TEST(Win32Boundary, Utf8AndUtf16) {
    EXPECT_EQ(Wide("caf\xC3\xA9 \xF0\x9F\x98\x80"), std::wstring(L"caf\u00e9 \U0001F600"));
    EXPECT_EQ(Narrow(L"\u20AC"), "\xE2\x82\xAC");
    EXPECT_EQ(Rgb(1, 2, 3), 0x030201u);
}
