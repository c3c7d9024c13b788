// Scroll bar, track bar, progress bar and up-down: positions move with the
// user's scrolling and run the events once, ranges keep Min <= Max, turning
// the control re-creates its window with the values kept, the up-down works
// its buddy, and properties round-trip with only non-default values stored.
#include "ControlsTestSupport.h"
#include "toolkit/win/controls/ProgressBar.h"
#include "toolkit/win/controls/ScrollBar.h"
#include "toolkit/win/controls/TrackBar.h"
#include "toolkit/win/controls/UpDown.h"

using namespace ctltest;

namespace {

void Scroll(TForm* form, TWinControl* bar, UINT msg, int code) {
    SendMessageW(form->Handle(), msg, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(bar->Handle()));
}

} // namespace

using RangeTest = ShownForm;

TEST_F(RangeTest, WindowsComeAndGo) {
    int before = ChildWindowCount(form->Handle());
    auto* scroll = Make<TScrollBar>("ScrollBar1");
    auto* track = Make<TTrackBar>("TrackBar1");
    auto* progress = Make<TProgressBar>("ProgressBar1");
    auto* edit = Make<TEdit>("Edit1");
    auto* updown = Make<TUpDown>("UpDown1");
    updown->SetAssociate(edit);
    int after = ChildWindowCount(form->Handle());
    EXPECT_GE(after, before + 5);
    scroll->SetKind(sbVertical);
    track->SetOrientation(trVertical);
    progress->SetOrientation(pbVertical);
    updown->SetOrientation(udHorizontal);
    Pump();
    EXPECT_EQ(ChildWindowCount(form->Handle()), after);
    delete updown;
    delete edit;
    delete scroll;
    delete track;
    delete progress;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(RangeTest, AScrollBarFollowsTheUsersScrolling) {
    auto* bar = Make<TScrollBar>("ScrollBar1");
    bar->SetSmallChange(3);
    bar->SetLargeChange(20);
    int changes = 0;
    bar->OnChange.Bind([&](TObject*) { ++changes; });
    Scroll(form, bar, WM_HSCROLL, SB_LINEDOWN);
    EXPECT_EQ(bar->Position(), 3);
    EXPECT_EQ(changes, 1);
    Scroll(form, bar, WM_HSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(bar->Position(), 23);
    EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 23);
    Scroll(form, bar, WM_HSCROLL, SB_ENDSCROLL);
    EXPECT_EQ(changes, 2) << "no change, no OnChange";
    Scroll(form, bar, WM_HSCROLL, SB_BOTTOM);
    EXPECT_EQ(bar->Position(), 100);
    Scroll(form, bar, WM_HSCROLL, SB_LINEDOWN);
    EXPECT_EQ(bar->Position(), 100) << "never past Max";
    // OnScroll sees the code and may change where the bar goes.
    TScrollCode seen = scEndScroll;
    bar->OnScroll.Bind([&](TObject*, TScrollCode code, int32_t& pos) {
        seen = code;
        pos = 50;
    });
    Scroll(form, bar, WM_HSCROLL, SB_PAGEUP);
    EXPECT_EQ(seen, scPageUp);
    EXPECT_EQ(bar->Position(), 50);
}

TEST_F(RangeTest, RangesKeepMinBelowMax) {
    auto* bar = Make<TScrollBar>("ScrollBar1");
    bar->SetPosition(80);
    bar->SetMax(50);
    EXPECT_EQ(bar->Position(), 50);
    bar->SetMin(70);
    EXPECT_EQ(bar->Max(), 70);
    EXPECT_EQ(bar->Position(), 70);
    auto* track = Make<TTrackBar>("TrackBar1");
    track->SetMin(-20);
    track->SetMax(-5);
    EXPECT_EQ(track->Min(), -20);
    EXPECT_EQ(track->Position(), -5);
    EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETRANGEMIN, 0, 0), -20);
    auto* progress = Make<TProgressBar>("ProgressBar1");
    progress->SetPosition(95);
    progress->StepIt();
    EXPECT_EQ(progress->Position(), 100);
    EXPECT_EQ(SendMessageW(progress->Handle(), PBM_GETPOS, 0, 0), 100);
    progress->SetMax(40);
    EXPECT_EQ(progress->Position(), 40);
}

TEST_F(RangeTest, TurningAControlKeepsItsValues) {
    auto* bar = Make<TScrollBar>("ScrollBar1");
    bar->SetBounds(10, 10, 150, 17);
    bar->SetMax(200);
    bar->SetPosition(120);
    HWND old = bar->Handle();
    bar->SetKind(sbVertical);
    EXPECT_NE(bar->Handle(), old);
    EXPECT_EQ(StyleOf(bar->Handle()) & SBS_VERT, SBS_VERT);
    EXPECT_EQ(bar->Width(), 17);
    EXPECT_EQ(bar->Height(), 150);
    EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 120);
    int changes = 0;
    bar->OnChange.Bind([&](TObject*) { ++changes; });
    Scroll(form, bar, WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(bar->Position(), 119);
    EXPECT_EQ(changes, 1);

    auto* track = Make<TTrackBar>("TrackBar1");
    track->SetMax(30);
    track->SetPosition(12);
    track->SetFrequency(5);
    old = track->Handle();
    track->SetOrientation(trVertical);
    EXPECT_NE(track->Handle(), old);
    EXPECT_TRUE(StyleOf(track->Handle()) & TBS_VERT);
    EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETPOS, 0, 0), 12);
    EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETRANGEMAX, 0, 0), 30);
    track->SetTickStyle(tsNone);
    EXPECT_TRUE(StyleOf(track->Handle()) & TBS_NOTICKS);
    track->SetTickMarks(tmBoth);
    EXPECT_TRUE(StyleOf(track->Handle()) & TBS_BOTH);
    EXPECT_EQ(track->Position(), 12);

    auto* progress = Make<TProgressBar>("ProgressBar1");
    progress->SetMax(300);
    progress->SetPosition(200);
    old = progress->Handle();
    progress->SetOrientation(pbVertical);
    progress->SetSmooth(true);
    EXPECT_NE(progress->Handle(), old);
    EXPECT_TRUE(StyleOf(progress->Handle()) & PBS_VERTICAL);
    EXPECT_TRUE(StyleOf(progress->Handle()) & PBS_SMOOTH);
    EXPECT_EQ(SendMessageW(progress->Handle(), PBM_GETRANGE, FALSE, 0), 300);
    EXPECT_EQ(SendMessageW(progress->Handle(), PBM_GETPOS, 0, 0), 200);
}

TEST_F(RangeTest, ATrackBarReportsTheUsersMoves) {
    auto* track = Make<TTrackBar>("TrackBar1");
    int changes = 0;
    track->OnChange.Bind([&](TObject*) { ++changes; });
    SendMessageW(track->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(track->Handle(), WM_KEYUP, VK_RIGHT, 0);
    EXPECT_EQ(track->Position(), 1);
    EXPECT_GE(changes, 1);
    int now = changes;
    SendMessageW(track->Handle(), TBM_SETPOS, TRUE, 7);
    Scroll(form, track, WM_HSCROLL, TB_THUMBPOSITION);
    EXPECT_EQ(track->Position(), 7);
    EXPECT_EQ(changes, now + 1);
    Scroll(form, track, WM_HSCROLL, TB_ENDTRACK);
    EXPECT_EQ(changes, now + 1) << "the same position is reported once";
}

TEST_F(RangeTest, AnUpDownWorksItsBuddy) {
    auto* edit = Make<TEdit>("Edit1");
    edit->SetBounds(20, 20, 80, 21);
    auto* updown = Make<TUpDown>("UpDown1");
    updown->SetAssociate(edit);
    updown->SetPosition(5);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(updown->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());
    EXPECT_EQ(GetParent(updown->Handle()), GetParent(edit->Handle())) << "the buddy is a sibling";
    EXPECT_EQ(edit->GetText(), "5");

    std::vector<TUDBtnType> pressed;
    updown->OnClick.Bind([&](TObject*, TUDBtnType b) { pressed.push_back(b); });
    RECT r;
    GetClientRect(updown->Handle(), &r);
    LPARAM top = PointToLParam(r.right / 2, 2), bottom = PointToLParam(r.right / 2, r.bottom - 3);
    SendMessageW(updown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, top);
    SendMessageW(updown->Handle(), WM_LBUTTONUP, 0, top);
    EXPECT_EQ(updown->Position(), 6);
    EXPECT_EQ(edit->GetText(), "6");
    SendMessageW(updown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, bottom);
    SendMessageW(updown->Handle(), WM_LBUTTONUP, 0, bottom);
    EXPECT_EQ(updown->Position(), 5);
    EXPECT_EQ(pressed, (std::vector<TUDBtnType>{btNext, btPrev}));

    updown->OnChanging.Bind([](TObject*, bool& allow) { allow = false; });
    SendMessageW(updown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, top);
    SendMessageW(updown->Handle(), WM_LBUTTONUP, 0, top);
    EXPECT_EQ(updown->Position(), 5) << "OnChanging refused the step";

    updown->SetWrap(true); // a new window keeps the buddy and the position
    EXPECT_TRUE(StyleOf(updown->Handle()) & UDS_WRAP);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(updown->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());
    EXPECT_EQ(updown->Position(), 5);

    HWND oldEdit = edit->Handle();
    edit->SetBorderStyle(bsNone); // the buddy gets a new window: the up-down follows it
    ASSERT_NE(edit->Handle(), oldEdit);
    updown->OnChanging.Clear();
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(updown->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());
    SendMessageW(updown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, top);
    SendMessageW(updown->Handle(), WM_LBUTTONUP, 0, top);
    EXPECT_EQ(edit->GetText(), "6") << "the new window shows the position";
    delete edit;
    EXPECT_EQ(updown->Associate(), nullptr);
}

TEST_F(RangeTest, PropertiesRoundTripAndDefaultsAreNotStored) {
    auto* scroll = Make<TScrollBar>("ScrollBar1");
    auto* track = Make<TTrackBar>("TrackBar1");
    auto* progress = Make<TProgressBar>("ProgressBar1");
    auto* updown = Make<TUpDown>("UpDown1");
    scroll->SetPageSize(0); // the palette prototype's, which is the default
    for (TControl* c : std::initializer_list<TControl*>{scroll, track, progress, updown}) {
        c->SetBounds(0, 0, 50, 50);
        EXPECT_EQ(StoredNames(Store(c, form)), kWindowedDefaults) << c->ClassName();
    }

    // Each control round-trips alone, first in tab order as its copy is.
    delete track;
    delete progress;
    delete updown;
    scroll->SetKind(sbVertical);
    scroll->SetMin(-10);
    scroll->SetMax(400);
    scroll->SetPageSize(40);
    scroll->SetPosition(33);
    scroll->SetSmallChange(4);
    scroll->SetLargeChange(44);
    std::unique_ptr<TForm> f1;
    TScrollBar* s = RoundTrip(scroll, form, f1);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Kind(), sbVertical);
    EXPECT_EQ(s->Position(), 33);
    EXPECT_EQ(s->Min(), -10);
    EXPECT_EQ(s->PageSize(), 40);
    delete scroll;

    track = Make<TTrackBar>("TrackBar1");
    track->SetOrientation(trVertical);
    track->SetMin(2);
    track->SetMax(60);
    track->SetPosition(9);
    track->SetFrequency(6);
    track->SetPageSize(7);
    track->SetLineSize(3);
    track->SetTickMarks(tmTopLeft);
    track->SetTickStyle(tsManual);
    std::unique_ptr<TForm> f2;
    TTrackBar* t = RoundTrip(track, form, f2);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Position(), 9);
    EXPECT_EQ(t->TickStyle(), tsManual);
    delete track;

    progress = Make<TProgressBar>("ProgressBar1");
    progress->SetMin(-5);
    progress->SetMax(-1);
    progress->SetPosition(-3);
    progress->SetOrientation(pbVertical);
    progress->SetSmooth(true);
    progress->SetStep(2);
    std::unique_ptr<TForm> f3;
    TProgressBar* p = RoundTrip(progress, form, f3);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Position(), -3);
    EXPECT_EQ(p->Max(), -1);
    delete progress;

    auto* edit = Make<TEdit>("Edit1");
    edit->SetBounds(100, 30, 80, 21);
    updown = Make<TUpDown>("UpDown1");
    updown->SetAssociate(edit);
    updown->SetAlignButton(udLeft);
    updown->SetArrowKeys(false);
    updown->SetIncrement(5);
    updown->SetMin(10);
    updown->SetMax(500);
    updown->SetPosition(250);
    updown->SetThousands(false);
    updown->SetWrap(true);
    // The buddy travels with the up-down.
    TMemoryStream out;
    WriteComponentList(out, {edit, updown}, form);
    auto copyForm = std::make_unique<TForm>(nullptr);
    copyForm->SetName("Copy");
    copyForm->Show();
    TMemoryStream in(out.Bytes());
    TReader reader(in);
    reader.ReadComponents(copyForm.get(), copyForm.get());
    auto* u = dynamic_cast<TUpDown*>(copyForm->FindComponent("UpDown1"));
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(u->Associate(), copyForm->FindComponent("Edit1"));
    EXPECT_EQ(u->Position(), 250);
    EXPECT_EQ(u->Increment(), 5);
    EXPECT_FALSE(u->Thousands());
    EXPECT_EQ(updown->BoundsRect().right, 100) << "the arrows sit left of the buddy";
    EXPECT_EQ(updown->Height(), 21);
    EXPECT_EQ(edit->Width(), 80) << "the buddy keeps its size through every new window";
    EXPECT_EQ(Differences(Store(u, copyForm.get()), Store(updown, form)), "");
}
