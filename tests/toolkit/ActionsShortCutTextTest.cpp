// Shortcut numbers and their text: the encoding, the names people read and
// type, and that every shortcut with a name reads back as itself.
#include "toolkit/win/ShortCuts.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(ShortCutText, TheNumberHoldsTheKeyAndTheModifierBits) {
    EXPECT_EQ(ShortCut(VK_F10, TShiftState{ssShift}), 8313);
    EXPECT_EQ(ShortCut('C', TShiftState{ssCtrl}), 0x4043);
    EXPECT_EQ(ShortCut(VK_DELETE, TShiftState{ssAlt, ssShift}), 0x8000 | 0x2000 | VK_DELETE);
    EXPECT_EQ(ShortCut('A', TShiftState{ssLeft, ssDouble}), 'A') << "only Shift, Ctrl and Alt count";
    uint16_t key = 0;
    TShiftState shift;
    ShortCutToKey(8313, key, shift);
    EXPECT_EQ(key, VK_F10);
    EXPECT_EQ(shift, TShiftState{ssShift});
    ShortCutToKey(0xC000 | 'S', key, shift);
    EXPECT_EQ(key, 'S');
    EXPECT_EQ(shift, (TShiftState{ssCtrl, ssAlt}));
}

TEST(ShortCutText, ShortCutsReadAsModifiersThenTheKeyName) {
    EXPECT_EQ(ShortCutToText(8313), "Shift+F10");
    EXPECT_EQ(ShortCutToText(0x4043), "Ctrl+C");
    EXPECT_EQ(ShortCutToText(scShift | scCtrl | scAlt | VK_RETURN), "Shift+Ctrl+Alt+Enter");
    EXPECT_EQ(ShortCutToText(VK_NUMPAD7), "Num 7");
    EXPECT_EQ(ShortCutToText(VK_F24), "F24");
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(scCtrl | 0xE5), "") << "a key without a name";
}

TEST(ShortCutText, TypedTextIsReadInAnyCaseAndModifierOrder) {
    EXPECT_EQ(TextToShortCut("Ctrl+C"), 0x4043);
    EXPECT_EQ(TextToShortCut("Shift+F10"), 8313);
    EXPECT_EQ(TextToShortCut("alt+ctrl+del"), scAlt | scCtrl | VK_DELETE);
    EXPECT_EQ(TextToShortCut("CTRL+SHIFT+s"), scCtrl | scShift | 'S');
    EXPECT_EQ(TextToShortCut("Ctrl+Num +"), scCtrl | VK_ADD);
    for (const char* bad : {"", "Ctrl+", "Ctrl", "Hyper+X", "Ctrl+Nope", "F25", "Ctrl+C+", "+C", "CtrlC"})
        EXPECT_EQ(TextToShortCut(bad), 0) << bad;
}

TEST(ShortCutText, EveryNamedShortCutRoundTrips) {
    int named = 0;
    for (int key = 1; key <= 0xFE; ++key)
        for (TShortCut mods : {0, scShift, scCtrl, scAlt, scShift | scCtrl, scCtrl | scAlt, scShift | scCtrl | scAlt}) {
            TShortCut sc = mods | key;
            std::string text = ShortCutToText(sc);
            if (text.empty()) continue;
            ++named;
            EXPECT_EQ(TextToShortCut(text), sc) << text;
        }
    // Letters, digits, function keys, number pad and the named keys.
    EXPECT_EQ(named, 7 * (26 + 10 + 24 + 10 + 31));
}
