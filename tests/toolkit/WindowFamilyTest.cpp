// The window family under Wine: lazy windows, re-creation, child order,
// pointer routing to controls without windows, the design hit test, the
// exception barrier, layout, and forms reading stored layouts in order.
#include "stream/ClassRegistry.h"
#include "stream/Reader.h"
#include "stream/Writer.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/controls/Splitter.h"
#include "toolkit/win/controls/StdCtrls.h"
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Form.h"
#include "toolkit/win/window/ModalUI.h"
#include "toolkit/win/window/Registration.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

// A windowed container that paints nothing special.
class TBox : public TCustomControl {
    FW_CLASS(TBox)
    explicit TBox(TComponent* owner) : TCustomControl(owner) { SetControlStyle(ControlStyle() | csAcceptsControls); }
};

// A control without a window that records the pointer messages it gets.
class TDot : public TGraphicControl {
    FW_CLASS(TDot)
    using TGraphicControl::TGraphicControl;
    std::vector<POINT> Downs;
    int Paints = 0;

protected:
    void MouseDown(TMouseButton b, TShiftState s, int32_t x, int32_t y) override {
        Downs.push_back({x, y});
        TGraphicControl::MouseDown(b, s, x, y);
    }
    void Paint() override { ++Paints; }
};

// A box that swallows one character, as the design stage does with Ctrl+X.
class TKeyBox : public TBox {
    FW_CLASS(TKeyBox)
    using TBox::TBox;
    std::vector<int32_t> Seen;

protected:
    void KeyPress(int32_t& key) override {
        if (key == 24) key = 0;
        TBox::KeyPress(key);
        Seen.push_back(key);
    }
};

// Two forms that refer to each other's components through their layouts.
class TFirstForm : public TForm {
    FW_CLASS(TFirstForm)
    using TForm::TForm;
    TComponent* Partner = nullptr;
    void SetPartner(TComponent* c) {
        Partner = c;
        if (c) c->FreeNotification(this);
    }
    void Notification(TComponent* c, TOperation op) override {
        TForm::Notification(c, op);
        if (op == TOperation::opRemove && c == Partner) Partner = nullptr;
    }
};
class TSecondForm : public TForm {
    FW_CLASS(TSecondForm)
    using TForm::TForm;
    TComponent* Partner = nullptr;
    void SetPartner(TComponent* c) { Partner = c; }
};

} // namespace

const TClassInfo& TBox::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TBox, TCustomControl>().Build();
    return info;
}
const TClassInfo& TDot::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TDot, TGraphicControl>().Build();
    return info;
}
const TClassInfo& TKeyBox::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TKeyBox, TBox>().Build();
    return info;
}
const TClassInfo& TFirstForm::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TFirstForm, TForm>()
                                       .Prop("Partner", &TFirstForm::Partner, &TFirstForm::SetPartner)
                                       .Build();
    return info;
}
const TClassInfo& TSecondForm::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TSecondForm, TForm>()
                                       .Prop("Partner", &TSecondForm::Partner, &TSecondForm::SetPartner)
                                       .Build();
    return info;
}

namespace {

void Pump() {
    Application().ProcessMessages();
}

// Where a child window lies in its parent's client coordinates.
RECT RectInParent(HWND child, HWND parent) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct WindowFixture : ::testing::Test {
    TForm* form = nullptr;
    void SetUp() override {
        Application().Initialize();
        form = new TForm(nullptr);
        form->SetBounds(50, 50, 400, 300);
        form->Show();
        Pump();
    }
    void TearDown() override {
        delete form;
        Pump();
    }
};

} // namespace

TEST_F(WindowFixture, WindowsAreCreatedOnDemandAndFindTheirObject) {
    auto* box = new TBox(form);
    EXPECT_FALSE(box->HandleAllocated()) << "owned, but not placed anywhere yet";
    box->SetParent(form);
    EXPECT_TRUE(box->HandleAllocated()) << "a child of a shown form gets its window at once";
    auto* late = new TBox(nullptr);
    EXPECT_FALSE(late->HandleAllocated());
    late->SetParent(box);
    EXPECT_TRUE(late->HandleAllocated());
    EXPECT_EQ(GetParent(late->Handle()), box->Handle());
    EXPECT_EQ(TWinControl::FindControl(box->Handle()), box);
    EXPECT_EQ(TWinControl::FindControl(GetDesktopWindow()), nullptr);
}

TEST_F(WindowFixture, RecreationKeepsObjectChildrenAndState) {
    auto* box = new TBox(form);
    box->SetParent(form);
    box->SetBounds(10, 20, 200, 100);
    auto* inner = new TBox(form);
    inner->SetParent(box);
    inner->SetBounds(5, 6, 50, 40);
    inner->SetText("kept");
    auto* dot = new TDot(form);
    dot->SetParent(box);
    HWND oldBox = box->Handle(), oldInner = inner->Handle();
    box->RecreateWnd();
    Pump();
    ASSERT_TRUE(box->HandleAllocated());
    EXPECT_FALSE(IsWindow(oldBox));
    EXPECT_FALSE(IsWindow(oldInner));
    EXPECT_NE(box->Handle(), oldBox);
    EXPECT_EQ(TWinControl::FindControl(box->Handle()), box);
    EXPECT_EQ(GetParent(inner->Handle()), box->Handle());
    EXPECT_EQ(inner->GetText(), "kept");
    EXPECT_EQ(box->ControlCount(), 2);
    RECT r = RectInParent(inner->Handle(), box->Handle());
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 6);
    EXPECT_EQ(r.right - r.left, 50);
}

namespace {
int gMovesSeen = 0;
LRESULT CALLBACK CountMoves(int code, WPARAM w, LPARAM l) {
    auto* msg = reinterpret_cast<CWPSTRUCT*>(l);
    if (code == HC_ACTION && msg->message == WM_WINDOWPOSCHANGED) {
        auto* wp = reinterpret_cast<WINDOWPOS*>(msg->lParam);
        if (!(wp->flags & SWP_NOMOVE) || !(wp->flags & SWP_NOSIZE)) ++gMovesSeen;
    }
    return CallNextHookEx(nullptr, code, w, l);
}
} // namespace

// Controls read into a shown form get their windows once all their stored
// values are in: made early, each window would be moved and sized once per
// stored property, which makes reading large layouts slow.
TEST_F(WindowFixture, ReadControlsGetTheirWindowsWhenTheirReadingIsDone) {
    RegisterToolkitClasses();
    auto* box = new TPanel(form);
    box->SetName("Box1");
    box->SetParent(form);
    box->SetBounds(10, 20, 200, 100);
    for (const char* name : {"First", "Second"}) {
        auto* b = new TButton(form);
        b->SetName(name);
        b->SetParent(box);
        b->SetBounds(name[0] == 'F' ? 8 : 40, 16, 30, 20);
        b->SetText(name);
    }
    TMemoryStream stored;
    WriteComponentList(stored, {box}, form);
    delete box;
    Pump();

    gMovesSeen = 0;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &CountMoves, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    stored.SetPosition(0);
    TReader reader(stored);
    reader.ReadComponents(form, form);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(gMovesSeen, 0) << "no window was moved or sized while being read";

    auto* read = dynamic_cast<TPanel*>(form->FindComponent("Box1"));
    ASSERT_NE(read, nullptr);
    ASSERT_TRUE(read->HandleAllocated());
    auto* first = dynamic_cast<TButton*>(form->FindComponent("First"));
    auto* second = dynamic_cast<TButton*>(form->FindComponent("Second"));
    ASSERT_TRUE(first && second && first->HandleAllocated() && second->HandleAllocated());
    EXPECT_EQ(GetParent(first->Handle()), read->Handle());
    RECT r = RectInParent(second->Handle(), read->Handle());
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 16);
    EXPECT_EQ(r.right - r.left, 30);
    EXPECT_EQ(first->GetText(), "First");
    EXPECT_TRUE(IsWindowVisible(second->Handle()));
    // The last child is on top, as for children added one by one.
    EXPECT_EQ(GetWindow(read->Handle(), GW_CHILD), second->Handle());
}

TEST_F(WindowFixture, ChildOrderPutsControlsWithoutWindowsFirst) {
    auto* a = new TBox(form);
    a->SetParent(form);
    auto* d = new TDot(form);
    d->SetParent(form);
    auto* b = new TBox(form);
    b->SetParent(form);
    ASSERT_EQ(form->ControlCount(), 3);
    EXPECT_EQ(form->Controls(0), d);
    EXPECT_EQ(form->Controls(1), a);
    EXPECT_EQ(form->Controls(2), b);
    form->SetChildOrder(b, 1);
    EXPECT_EQ(form->Controls(1), b);
    EXPECT_EQ(b->TabOrder(), 0);
    // The window system's stacking follows the list, its last entry on top.
    EXPECT_EQ(GetWindow(form->Handle(), GW_CHILD), a->Handle());
    EXPECT_EQ(GetWindow(a->Handle(), GW_HWNDNEXT), b->Handle());
    b->BringToFront();
    EXPECT_EQ(form->Controls(2), b);
    EXPECT_EQ(GetWindow(form->Handle(), GW_CHILD), b->Handle());
}

TEST_F(WindowFixture, PointerMessagesReachControlsWithoutWindowsThroughTheirParent) {
    auto* box = new TBox(form);
    box->SetParent(form);
    box->SetBounds(0, 0, 300, 200);
    auto* dot = new TDot(form);
    dot->SetParent(box);
    dot->SetBounds(40, 30, 20, 20);
    int clicks = 0;
    dot->OnClick.Bind([&](TObject* sender) {
        EXPECT_EQ(sender, dot);
        ++clicks;
    });
    SendMessageW(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(45, 37));
    SendMessageW(box->Handle(), WM_LBUTTONUP, 0, PointToLParam(45, 37));
    ASSERT_EQ(dot->Downs.size(), 1u);
    EXPECT_EQ(dot->Downs[0].x, 5);
    EXPECT_EQ(dot->Downs[0].y, 7);
    EXPECT_EQ(clicks, 1);
    // A press beside it is the box's own.
    SendMessageW(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(200, 150));
    SendMessageW(box->Handle(), WM_LBUTTONUP, 0, PointToLParam(200, 150));
    EXPECT_EQ(dot->Downs.size(), 1u);
    // Disabled: the pointer passes it by, but the design query still finds it.
    dot->SetEnabled(false);
    EXPECT_EQ(box->ControlAtPos({45, 37}, false), nullptr);
    EXPECT_EQ(box->ControlAtPos({45, 37}, true), dot);
    // The parent paints it.
    InvalidateRect(box->Handle(), nullptr, TRUE);
    UpdateWindow(box->Handle());
    EXPECT_GT(dot->Paints, 0);
}

TEST_F(WindowFixture, DesignHitTestIsZeroByDefault) {
    auto* box = new TBox(form);
    box->SetParent(form);
    EXPECT_EQ(SendMessageW(box->Handle(), CM_DESIGNHITTEST, 0, PointToLParam(1, 1)), 0);
    auto* dot = new TDot(form);
    EXPECT_EQ(dot->Perform(CM_DESIGNHITTEST, 0, 0), 0);
}

TEST_F(WindowFixture, AnExceptionInAHandlerIsReportedAndTheProgramGoesOn) {
    TModalUIScope ui;
    auto* box = new TBox(form);
    box->SetParent(form);
    box->SetBounds(0, 0, 100, 100);
    int after = 0;
    box->OnClick.Bind([](TObject*) { throw Exception("Handler failed"); });
    box->OnMouseUp.Bind([&](TObject*, TMouseButton, TShiftState, int32_t, int32_t) { ++after; });
    SendMessageW(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(10, 10));
    SendMessageW(box->Handle(), WM_LBUTTONUP, 0, PointToLParam(10, 10));
    ASSERT_EQ(ui->Calls.size(), 1u);
    EXPECT_EQ(ui->Calls[0].Kind, "MessageBox");
    EXPECT_EQ(ui->Calls[0].Text, "Handler failed");
    EXPECT_EQ(after, 1);
    // Messages keep flowing.
    PostMessageW(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(10, 10));
    PostMessageW(box->Handle(), WM_LBUTTONUP, 0, PointToLParam(10, 10));
    Pump();
    EXPECT_EQ(ui->Calls.size(), 2u);
    EXPECT_EQ(after, 2);
    // An application handler takes over from the box.
    std::string seen;
    Application().OnException.Bind([&](TObject*, const std::string& msg) { seen = msg; });
    SendMessageW(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(10, 10));
    SendMessageW(box->Handle(), WM_LBUTTONUP, 0, PointToLParam(10, 10));
    Application().OnException.Clear();
    EXPECT_EQ(seen, "Handler failed");
    EXPECT_EQ(ui->Calls.size(), 2u);
}

TEST_F(WindowFixture, KeyCharactersCanBeInterceptedBeforeTheWindowSeesThem) {
    auto* box = new TKeyBox(form);
    box->SetParent(form);
    int32_t got = -1;
    box->OnKeyPress.Bind([&](TObject*, int32_t& key) { got = key; });
    SendMessageW(box->Handle(), WM_CHAR, 24, 0);
    EXPECT_EQ(got, 0) << "the character was cleared before the handler";
    SendMessageW(box->Handle(), WM_CHAR, 'a', 0);
    EXPECT_EQ(got, 'a');
}

TEST_F(WindowFixture, AlignmentAnchorsAndCoordinates) {
    auto* top = new TBox(form);
    top->SetParent(form);
    top->SetHeight(30);
    top->SetAlign(alTop);
    auto* client = new TBox(form);
    client->SetParent(form);
    client->SetAlign(alClient);
    RECT cr = form->ClientRect();
    EXPECT_EQ(top->Width(), cr.right);
    EXPECT_EQ(client->Top(), 30);
    EXPECT_EQ(client->Height(), cr.bottom - 30);
    auto* pinned = new TBox(form);
    pinned->SetParent(client);
    pinned->SetBounds(100, 10, 20, 20);
    pinned->SetAnchors(TAnchors{akTop, akRight});
    form->SetWidth(form->Width() + 50);
    Pump();
    EXPECT_EQ(pinned->Left(), 150) << "follows the right edge";
    POINT mine = client->ClientToScreen({3, 4});
    POINT sys{3, 4};
    ::ClientToScreen(client->Handle(), &sys);
    EXPECT_EQ(mine.x, sys.x);
    EXPECT_EQ(mine.y, sys.y);
    auto* dot = new TDot(form);
    dot->SetParent(client);
    dot->SetBounds(7, 8, 5, 5);
    POINT d = dot->ClientToScreen({0, 0});
    EXPECT_EQ(d.x, sys.x - 3 + 7);
    EXPECT_EQ(dot->ScreenToClient(d).y, 0);
}

TEST_F(WindowFixture, PointerConfinementIsObservable) {
    RECT want;
    GetWindowRect(form->Handle(), &want);
    ClipCursor(&want);
    RECT got{};
    GetClipCursor(&got);
    ClipCursor(nullptr);
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.bottom, want.bottom);
}

TEST(FormsInOrder, LayoutsResolveReferencesToFormsCreatedLater) {
    Application().Initialize();
    RegisterClass(TBox::StaticClassInfo());
    // Layouts: Form1 names Form2's component, which does not exist yet when
    // Form1 is read; Form2 names Form1 itself.
    std::vector<uint8_t> layout1, layout2;
    {
        TFirstForm f1(nullptr);
        f1.SetName("Form1");
        f1.SetText("First");
        TSecondForm f2(nullptr);
        f2.SetName("Form2");
        auto* thing = new TBox(&f2);
        thing->SetName("Thing");
        f1.SetPartner(thing);
        f2.SetPartner(&f1);
        TMemoryStream s1, s2;
        {
            TWriter w(s1);
            w.WriteRootComponent(&f1);
        }
        {
            TWriter w(s2);
            w.WriteRootComponent(&f2);
        }
        layout1 = s1.Bytes();
        layout2 = s2.Bytes();
    }
    auto* first = Application().CreateForm<TFirstForm>(layout1);
    EXPECT_EQ(first->Name(), "Form1");
    EXPECT_EQ(first->GetText(), "First");
    EXPECT_EQ(first->Partner, nullptr) << "Form2 does not exist yet";
    auto* second = Application().CreateForm<TSecondForm>(layout2);
    EXPECT_EQ(second->Partner, first);
    ASSERT_NE(second->FindComponent("Thing"), nullptr);
    EXPECT_EQ(first->Partner, second->FindComponent("Thing")) << "completed when Form2 was created";
    EXPECT_EQ(Application().MainForm(), first);
    delete second;
    EXPECT_EQ(first->Partner, nullptr);
    delete first;
    EXPECT_EQ(Application().MainForm(), nullptr);
}

TEST_F(WindowFixture, FontsFollowTheParentUntilSetAndReachTheWindow) {
    auto* box = new TBox(form);
    box->SetParent(form);
    auto* inner = new TBox(form);
    inner->SetParent(box);
    EXPECT_TRUE(inner->ParentFont());
    box->Font()->SetHeight(-20);
    EXPECT_FALSE(box->ParentFont()) << "a font set on the control itself";
    EXPECT_TRUE(inner->ParentFont());
    EXPECT_EQ(inner->Font()->Height(), -20);
    LOGFONTW lf{};
    HFONT shown = reinterpret_cast<HFONT>(SendMessageW(inner->Handle(), WM_GETFONT, 0, 0));
    ASSERT_NE(shown, nullptr);
    GetObjectW(shown, sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, -20);
    inner->Font()->SetHeight(-9);
    box->Font()->SetHeight(-30);
    EXPECT_EQ(inner->Font()->Height(), -9) << "no longer follows";
}

TEST(ControlStream, ColoursCursorsAndFontsAsIdentifiersAndPaths) {
    RegisterClass(TBox::StaticClassInfo());
    TForm root(nullptr);
    auto* box = new TBox(&root);
    box->SetName("Box1");
    box->SetColor(clRed);
    box->SetCursor(crHandPoint);
    box->Font()->SetStyle(TFontStyles{fsBold});
    TMemoryStream s;
    WriteComponentList(s, {box}, &root);
    const auto& b = s.Bytes();
    auto has = [&](const std::string& text) {
        return std::search(b.begin(), b.end(), text.begin(), text.end()) != b.end();
    };
    EXPECT_TRUE(has("clRed"));
    EXPECT_TRUE(has("crHandPoint"));
    EXPECT_TRUE(has("Font.Style"));
    EXPECT_TRUE(has("ParentFont")) << "stored as False beside the font";
    TForm other(nullptr);
    TMemoryStream in(b);
    TReader r(in);
    r.ReadComponents(&other, &other);
    auto* copy = dynamic_cast<TBox*>(other.FindComponent("Box1"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Color(), clRed);
    EXPECT_EQ(copy->Cursor(), crHandPoint);
    EXPECT_TRUE(copy->Font()->Style() == TFontStyles{fsBold});
    EXPECT_FALSE(copy->ParentFont());
}

// Alignment waits until a control has been read completely: a control whose
// class starts aligned keeps the bounds stored with Align set to none.
TEST(LoadingLayout, StoredBoundsSurviveAnAlignReadAfterThem) {
    RegisterToolkitClasses();
    TForm root(nullptr);
    auto* panel = new TPanel(&root);
    panel->SetName("Panel1");
    panel->SetParent(&root);
    panel->SetBounds(0, 0, 200, 150);
    auto* split = new TSplitter(&root);
    split->SetName("Splitter1");
    split->SetParent(panel);
    split->SetAlign(alNone);
    split->SetBounds(10, 20, 5, 100);
    auto* left = new TPanel(&root);
    left->SetName("Left1");
    left->SetParent(panel);
    left->SetAlign(alLeft);
    TMemoryStream s;
    WriteComponentList(s, {panel}, &root);
    TForm other(nullptr);
    TMemoryStream in(s.Bytes());
    TReader r(in);
    r.ReadComponents(&other, &other);
    auto* copy = dynamic_cast<TSplitter*>(other.FindComponent("Splitter1"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Align(), alNone);
    EXPECT_EQ(copy->Left(), 10);
    EXPECT_EQ(copy->Top(), 20);
    EXPECT_EQ(copy->Height(), 100);
    auto* leftCopy = dynamic_cast<TPanel*>(other.FindComponent("Left1"));
    ASSERT_NE(leftCopy, nullptr);
    EXPECT_EQ(leftCopy->Height(), left->Height()) << "aligned once loading ended";
    EXPECT_GT(leftCopy->Height(), 100);
}
