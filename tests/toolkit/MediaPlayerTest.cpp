// Media players: the button bar shares its width out among the visible
// buttons, a press at a button's centre reports that button once released
// over it, hidden and disabled buttons take no clicks, the keyboard moves
// between buttons, and only settings that differ from the defaults are stored.
#include "ControlsTestSupport.h"
#include "toolkit/win/controls/MediaPlayer.h"

#include "toolkit/win/window/ModalUI.h"

using namespace ctltest;
using namespace fw::mpbtn;

namespace {

using MediaPlayerTest = ShownForm;

struct Clicks {
    std::vector<TMPBtnType> clicked, posted;
};

Clicks* Record(TMediaPlayer* mp, bool allow = true) {
    auto* c = new Clicks;
    mp->OnClick.Bind([c, allow](TObject*, TMPBtnType b, bool& doDefault) {
        c->clicked.push_back(b);
        if (!allow) doDefault = false;
    });
    mp->OnPostClick.Bind([c](TObject*, TMPBtnType b) { c->posted.push_back(b); });
    return c;
}

int CountColor(const TWindowImage& img, const RECT& r, COLORREF c) { return img.Count(r, c); }

} // namespace

TEST_F(MediaPlayerTest, WindowsComeAndGo) {
    int before = ChildWindowCount(form->Handle());
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    EXPECT_TRUE(IsWindowVisible(mp->Handle()));
    EXPECT_TRUE(GetWindowLongPtrW(mp->Handle(), GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 1);
    EXPECT_EQ(mp->Width(), 253);
    EXPECT_EQ(mp->Height(), 30);
    delete mp;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(MediaPlayerTest, ButtonsShareTheWidthAndHiddenOnesChangeTheLayout) {
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    RECT play = mp->ButtonRect(btPlay), eject = mp->ButtonRect(btEject);
    EXPECT_EQ(play.left, 0);
    EXPECT_EQ(play.right - play.left, 253 / 9);
    EXPECT_EQ(play.bottom, 30);
    EXPECT_EQ(eject.left, 8 * (253 / 9));
    mp->SetVisibleButtons(TButtonSet{btPlay, btPause, btStop, btRecord, btEject});
    EXPECT_EQ(mp->ButtonRect(btPlay).right, 253 / 5);
    RECT next = mp->ButtonRect(btNext);
    EXPECT_TRUE(IsRectEmpty(&next)) << "a hidden button has no place";
    EXPECT_EQ(mp->ButtonRect(btRecord).left, 3 * (253 / 5));
    TMPBtnType b{};
    ASSERT_TRUE(mp->ButtonAt(Centre(mp->ButtonRect(btRecord)).x, 15, b));
    EXPECT_EQ(b, btRecord);
    EXPECT_FALSE(mp->ButtonAt(252, 15, b)) << "the pixels left over belong to no button";

    mp->SetVisibleButtons(TButtonSet{});
    EXPECT_FALSE(mp->ButtonAt(10, 10, b));
    std::unique_ptr<Clicks> c(Record(mp));
    ClickAt(mp->Handle(), {10, 10});
    TWindowImage img(mp->Handle(), win::Rgb(1, 2, 3));
    RECT all{0, 0, img.Width(), img.Height()};
    EXPECT_EQ(img.Count(all, ColorToRGB(mp->Color()), false), 0) << "no buttons: only the face colour";
    EXPECT_TRUE(c->clicked.empty());
}

TEST_F(MediaPlayerTest, APressAndReleaseAtAButtonCentreClicksThatButton) {
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    std::unique_ptr<Clicks> c(Record(mp));
    for (TMPBtnType b : {btPlay, btStep, btEject}) ClickAt(mp->Handle(), Centre(mp->ButtonRect(b)));
    EXPECT_EQ(c->clicked, (std::vector<TMPBtnType>{btPlay, btStep, btEject}));
    EXPECT_EQ(c->posted, c->clicked) << "no handler declined the action";
    EXPECT_EQ(GetFocus(), mp->Handle()) << "a press takes the focus";
    EXPECT_EQ(mp->FocusButton(), btEject);

    // Through the message queue, as a user's press comes.
    c->clicked.clear();
    POINT p = Centre(mp->ButtonRect(btStop));
    PostMessageW(mp->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    PostMessageW(mp->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    Pump();
    EXPECT_EQ(c->clicked, (std::vector<TMPBtnType>{btStop}));
}

TEST_F(MediaPlayerTest, APressedButtonIsDrawnPushedUntilThePointerLeavesIt) {
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    std::unique_ptr<Clicks> c(Record(mp));
    RECT r = mp->ButtonRect(btPause);
    COLORREF up = TWindowImage(mp->Handle(), win::Rgb(1, 2, 3)).At(r.left, r.top);
    Press(mp->Handle(), Centre(r));
    EXPECT_TRUE(mp->ButtonPushed(btPause));
    EXPECT_EQ(GetCapture(), mp->Handle());
    TWindowImage pushed(mp->Handle(), win::Rgb(1, 2, 3));
    EXPECT_EQ(pushed.At(r.left, r.top), Sys(COLOR_BTNSHADOW)) << "a sunken edge";
    EXPECT_NE(pushed.At(r.left, r.top), up) << "a raised edge before";

    SendMessageW(mp->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(r.right + 40, 10));
    EXPECT_FALSE(mp->ButtonPushed(btPause)) << "drawn up while the pointer is elsewhere";
    EXPECT_EQ(TWindowImage(mp->Handle(), win::Rgb(1, 2, 3)).At(r.left, r.top), up);
    SendMessageW(mp->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(r.left + 3, 10));
    EXPECT_TRUE(mp->ButtonPushed(btPause));
    Release(mp->Handle(), {r.right + 40, 10});
    EXPECT_TRUE(c->clicked.empty()) << "released over another button: no click";
    EXPECT_NE(GetCapture(), mp->Handle());
    EXPECT_FALSE(mp->ButtonPushed(btPause));
}

TEST_F(MediaPlayerTest, DisabledButtonsTakeNoClicksAndADeclinedActionIsNotPosted) {
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    std::unique_ptr<Clicks> c(Record(mp, false));
    mp->SetEnabledButtons(TMediaPlayer::AllButtons() - TButtonSet{btRecord});
    ClickAt(mp->Handle(), Centre(mp->ButtonRect(btRecord)));
    EXPECT_TRUE(c->clicked.empty());
    mp->ClickButton(btRecord);
    EXPECT_TRUE(c->clicked.empty());
    ClickAt(mp->Handle(), Centre(mp->ButtonRect(btPlay)));
    EXPECT_EQ(c->clicked, (std::vector<TMPBtnType>{btPlay}));
    EXPECT_TRUE(c->posted.empty()) << "the handler cleared DoDefault";

    mp->SetEnabled(false);
    ClickAt(mp->Handle(), Centre(mp->ButtonRect(btPlay)));
    mp->ClickButton(btPlay);
    EXPECT_EQ(c->clicked.size(), 1u) << "a disabled player clicks nothing";
}

TEST_F(MediaPlayerTest, GlyphsAreColouredBlackOrEngraved) {
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    RECT play = mp->ButtonRect(btPlay), stop = mp->ButtonRect(btStop), record = mp->ButtonRect(btRecord);
    const COLORREF green = win::Rgb(0, 0xA0, 0), red = win::Rgb(0xFF, 0, 0);
    TWindowImage coloured(mp->Handle(), win::Rgb(1, 2, 3));
    EXPECT_GT(CountColor(coloured, play, green), 10);
    EXPECT_GT(CountColor(coloured, stop, red), 10);
    EXPECT_GT(CountColor(coloured, record, red), 10);
    EXPECT_EQ(CountColor(coloured, play, win::Rgb(1, 2, 3)), 0) << "every pixel painted";

    mp->SetColoredButtons(TButtonSet{btStop});
    TWindowImage black(mp->Handle(), win::Rgb(1, 2, 3));
    EXPECT_EQ(CountColor(black, play, green), 0);
    EXPECT_GT(CountColor(black, play, win::Rgb(0, 0, 0)), 10);
    EXPECT_GT(CountColor(black, stop, red), 10);
    EXPECT_EQ(CountColor(black, record, red), 0);

    mp->SetEnabledButtons(TButtonSet{btPlay});
    TWindowImage engraved(mp->Handle(), win::Rgb(1, 2, 3));
    EXPECT_EQ(CountColor(engraved, stop, red), 0);
    RECT inner = stop;
    InflateRect(&inner, -3, -3);
    EXPECT_GT(CountColor(engraved, inner, Sys(COLOR_BTNSHADOW)), 10) << "a grey glyph";
}

TEST_F(MediaPlayerTest, TheKeyboardMovesBetweenButtonsAndSpacePressesOne) {
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    std::unique_ptr<Clicks> c(Record(mp));
    mp->SetFocus();
    EXPECT_EQ(SendMessageW(mp->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
    EXPECT_EQ(mp->FocusButton(), btPlay);
    Key(mp->Handle(), VK_LEFT);
    EXPECT_EQ(mp->FocusButton(), btPlay) << "no wrapping round the ends";
    mp->SetVisibleButtons(TMediaPlayer::AllButtons() - TButtonSet{btPause});
    Key(mp->Handle(), VK_RIGHT);
    EXPECT_EQ(mp->FocusButton(), btStop) << "hidden buttons are passed over";
    SendMessageW(mp->Handle(), WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_TRUE(mp->ButtonPushed(btStop));
    EXPECT_TRUE(c->clicked.empty()) << "the click comes with the release";
    SendMessageW(mp->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(c->clicked, (std::vector<TMPBtnType>{btStop}));
    mp->SetVisibleButtons(TButtonSet{btEject});
    EXPECT_EQ(mp->FocusButton(), btEject) << "the keyboard's button never stays hidden";
}

TEST_F(MediaPlayerTest, TheDisplayIsForgottenWhenItGoes) {
    auto* panel = Make<TPanel>("Panel1");
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    mp->SetDisplay(mp);
    EXPECT_EQ(mp->Display(), nullptr) << "not its own display";
    mp->SetDisplay(panel);
    EXPECT_EQ(mp->Display(), panel);
    delete panel;
    EXPECT_EQ(mp->Display(), nullptr);
}

TEST_F(MediaPlayerTest, PropertiesRoundTripAndDefaultsAreNotStored) {
    TModalUIScope boxes; // the copy opens its missing file on loading, and reports that
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    EXPECT_EQ(StoredNames(Store(mp, form)), kWindowedDefaults);

    mp->SetBounds(8, 16, 253, 50);
    std::unique_ptr<TForm> proto;
    TMediaPlayer* pcopy = RoundTrip(mp, form, proto);
    ASSERT_NE(pcopy, nullptr);
    EXPECT_EQ(pcopy->Width(), 253);
    EXPECT_EQ(pcopy->Height(), 50);
    EXPECT_EQ(pcopy->Left(), 8);
    EXPECT_EQ(pcopy->Top(), 16);
    EXPECT_EQ(pcopy->VisibleButtons(), TMediaPlayer::AllButtons());

    mp->SetAutoEnable(false);
    mp->SetAutoOpen(true);
    mp->SetAutoRewind(false);
    mp->SetColoredButtons(TButtonSet{btPlay, btRecord});
    mp->SetDeviceType(dtWaveAudio);
    mp->SetEnabledButtons(TButtonSet{btPlay, btStop});
    mp->SetFileName("C:\\media\\chime.wav");
    mp->SetShareable(true);
    mp->SetTabStop(false);
    mp->SetVisibleButtons(TButtonSet{btPlay, btStop, btRecord});
    EXPECT_EQ(StoredNames(Store(mp, form)),
              PlainNamesAnd({"AutoEnable", "AutoOpen", "AutoRewind", "ColoredButtons", "DeviceType", "EnabledButtons",
                             "FileName", "Shareable", "TabStop", "VisibleButtons"}));
    std::unique_ptr<TForm> other;
    TMediaPlayer* copy = RoundTrip(mp, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->AutoEnable());
    EXPECT_TRUE(copy->AutoOpen());
    EXPECT_FALSE(copy->AutoRewind());
    EXPECT_EQ(copy->ColoredButtons(), (TButtonSet{btPlay, btRecord}));
    EXPECT_EQ(copy->DeviceType(), dtWaveAudio);
    EXPECT_EQ(copy->EnabledButtons(), (TButtonSet{btPlay, btStop}));
    EXPECT_EQ(copy->FileName(), "C:\\media\\chime.wav");
    EXPECT_TRUE(copy->Shareable());
    EXPECT_FALSE(copy->TabStop());
    EXPECT_EQ(copy->VisibleButtons(), (TButtonSet{btPlay, btStop, btRecord}));
    EXPECT_EQ(copy->ButtonRect(btStop).left, 253 / 3) << "the copy lays out its three buttons";
    EXPECT_FALSE(copy->DeviceOpen());
    EXPECT_EQ(boxes->Calls.size(), 1u);
}

TEST_F(MediaPlayerTest, TheDisplayAndTheClickHandlerAreStoredByName) {
    auto* panel = Make<TPanel>("Panel1");
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    mp->SetDisplay(panel);
    TMemoryStream s;
    WriteComponentList(s, {panel, mp}, form);
    std::set<std::string> names;
    TStreamDocument doc = ParseStreamDocument(s.Bytes());
    ASSERT_EQ(doc.components.size(), 2u);
    for (const auto& p : doc.components[1].properties) names.insert(p.name);
    EXPECT_TRUE(names.count("Display"));

    TForm copyForm(nullptr);
    copyForm.SetName("Copy");
    TMemoryStream in(s.Bytes());
    TReader r(in);
    r.ReadComponents(&copyForm, &copyForm);
    auto* copy = dynamic_cast<TMediaPlayer*>(copyForm.FindComponent("MediaPlayer1"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Display(), copyForm.FindComponent("Panel1"));
    EXPECT_NE(copy->Display(), nullptr);
}

TEST_F(MediaPlayerTest, ButtonSetsOutsideTheNineButtonsAreDropped) {
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    const TPropInfo* visible = mp->ClassInfo().FindProp("VisibleButtons");
    ASSERT_NE(visible, nullptr);
    visible->SetOrd(mp, -1);
    EXPECT_EQ(mp->VisibleButtons(), TMediaPlayer::AllButtons());
    EXPECT_EQ(StoredNames(Store(mp, form)), kWindowedDefaults);
    EXPECT_EQ(mp->ButtonRect(btEject).right, 9 * (253 / 9));
}
