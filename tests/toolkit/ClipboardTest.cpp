// The clipboard wrapper: a registered format, a block in and the same block
// out, and clear failures.
#include "toolkit/win/window/Clipboard.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(Clipboard, ABlockGoesInAndComesOutWhole) {
    UINT format = RegisterClipboardFormatName("Fw_TestClipboardFormat");
    EXPECT_EQ(RegisterClipboardFormatName("Fw_TestClipboardFormat"), format) << "the same name, the same format";
    std::vector<uint8_t> bytes(1000);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7);
    {
        TClipboard clip;
        clip.Clear();
        EXPECT_FALSE(clip.HasFormat(format));
        EXPECT_THROW(clip.GetBlock(format), EClipboardError);
        clip.SetBlock(format, bytes);
    }
    TClipboard clip;
    ASSERT_TRUE(clip.HasFormat(format));
    std::vector<uint8_t> out = clip.GetBlock(format);
    // The system may round a block up; what was put in leads it.
    ASSERT_GE(out.size(), bytes.size());
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), out.begin()));
    clip.Clear();
    EXPECT_FALSE(clip.HasFormat(format));
}

TEST(Clipboard, FailuresAreClear) {
    EXPECT_THROW(RegisterClipboardFormatName(""), EClipboardError);
    TClipboard first;
    first.Clear();
    // An unknown format cannot be set.
    EXPECT_THROW(first.SetBlock(0, {1, 2, 3}), EClipboardError);
}
