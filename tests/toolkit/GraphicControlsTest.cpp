// Shapes, bevels and splitters: what shapes and bevels paint on their
// parent, a splitter dragged resizing its neighbour within MinSize, and
// properties round-tripping with only non-default values stored.
#include "ControlsTestSupport.h"
#include "toolkit/win/controls/Bevel.h"
#include "toolkit/win/controls/Shape.h"
#include "toolkit/win/controls/Splitter.h"

using namespace ctltest;

namespace {

void Drag(TForm* form, POINT from, POINT to) {
    SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(from.x, from.y));
    SendMessageW(form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointToLParam((from.x + to.x) / 2, to.y));
    SendMessageW(form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(to.x, to.y));
    SendMessageW(form->Handle(), WM_LBUTTONUP, 0, PointToLParam(to.x, to.y));
}

} // namespace

using GraphicControlsTest = ShownForm;

TEST_F(GraphicControlsTest, ShapesPaintWithTheirPenAndBrush) {
    auto* shape = new TShape(form);
    shape->SetParent(form);
    shape->SetBounds(10, 10, 60, 40);
    shape->Brush()->SetColor(clRed);
    shape->Pen()->SetColor(clBlue);
    const COLORREF red = ColorToRGB(clRed), blue = ColorToRGB(clBlue);
    TWindowImage rect(form->Handle(), win::Rgb(0, 255, 0));
    EXPECT_EQ(rect.At(40, 30), red);
    EXPECT_EQ(rect.At(10, 30), blue) << "the outline on the left edge";
    EXPECT_EQ(rect.At(69, 49), blue) << "the bottom right corner";
    EXPECT_EQ(rect.Count({12, 12, 68, 48}, red), 56 * 36);

    shape->SetShape(stCircle);
    TWindowImage circle(form->Handle(), win::Rgb(0, 255, 0));
    EXPECT_EQ(circle.At(40, 30), red) << "the middle";
    EXPECT_NE(circle.At(12, 12), red) << "the corner lies outside a circle";
    EXPECT_EQ(circle.Count({10, 10, 20, 50}, red), 0) << "a circle of the height, centred across";
    EXPECT_EQ(circle.At(40, 10), blue) << "the top of the circle";

    shape->SetShape(stRoundRect);
    shape->Pen()->SetWidth(4);
    TWindowImage round(form->Handle(), win::Rgb(0, 255, 0));
    EXPECT_NE(round.At(10, 10), blue) << "rounded corners";
    EXPECT_EQ(round.At(10, 30), blue);
    EXPECT_EQ(round.At(13, 30), blue) << "a wide pen stays inside the bounds";
    EXPECT_EQ(round.At(40, 30), red);
}

TEST_F(GraphicControlsTest, BevelsPaintShadowAndHighlight) {
    auto* bevel = new TBevel(form);
    bevel->SetParent(form);
    bevel->SetBounds(100, 10, 50, 40);
    const COLORREF shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
    ASSERT_NE(shadow, light);
    TWindowImage box(form->Handle(), win::Rgb(0, 255, 0));
    EXPECT_EQ(box.At(100, 30), shadow) << "a lowered box is shadowed at the left";
    EXPECT_EQ(box.At(149, 30), light) << "and lit at the right";
    EXPECT_EQ(box.At(120, 49), light);

    bevel->SetStyle(bsRaised);
    TWindowImage raised(form->Handle(), win::Rgb(0, 255, 0));
    EXPECT_EQ(raised.At(100, 30), light);
    EXPECT_EQ(raised.At(149, 30), shadow);

    bevel->SetStyle(bsLowered);
    bevel->SetShape(bsFrame);
    TWindowImage frame(form->Handle(), win::Rgb(0, 255, 0));
    EXPECT_EQ(frame.At(100, 30), shadow);
    EXPECT_EQ(frame.At(101, 30), light) << "the groove's inner line";
    EXPECT_EQ(frame.At(148, 30), shadow);
    EXPECT_EQ(frame.At(149, 30), light);

    bevel->SetShape(bsTopLine);
    TWindowImage line(form->Handle(), win::Rgb(0, 255, 0));
    EXPECT_EQ(line.At(120, 10), shadow);
    EXPECT_EQ(line.At(120, 11), light);
    EXPECT_EQ(line.Count({100, 12, 150, 50}, shadow) + line.Count({100, 12, 150, 50}, light), 0)
        << "a top line draws nothing below it";

    bevel->SetShape(bsRightLine);
    TWindowImage right(form->Handle(), win::Rgb(0, 255, 0));
    EXPECT_EQ(right.At(148, 30), shadow);
    EXPECT_EQ(right.At(149, 30), light);
    EXPECT_NE(right.At(100, 30), shadow);

    bevel->SetShape(bsSpacer);
    TWindowImage spacer(form->Handle(), win::Rgb(0, 255, 0));
    EXPECT_EQ(spacer.Count(bevel->BoundsRect(), shadow) + spacer.Count(bevel->BoundsRect(), light), 0);
}

TEST_F(GraphicControlsTest, DraggingASplitterResizesItsNeighbour) {
    // A splitter without a window between two windowed panels: aligned
    // controls stack in the order of their positions, windows or not.
    auto* left = new TPanel(form);
    left->SetParent(form);
    left->SetAlign(alLeft);
    left->SetWidth(100);
    auto* splitter = new TSplitter(form);
    splitter->SetName("Splitter1");
    splitter->SetParent(form);
    splitter->SetLeft(200);
    auto* rest = new TPanel(form);
    rest->SetParent(form);
    rest->SetLeft(300);
    rest->SetAlign(alLeft);
    form->Realign();
    ASSERT_EQ(splitter->Left(), 100) << "the splitter follows the left panel";
    EXPECT_EQ(rest->Left(), 100 + splitter->Width()) << "and the next panel follows the splitter";
    EXPECT_EQ(splitter->Neighbour(), left);
    rest->SetAlign(alNone);
    rest->SetVisible(false);
    EXPECT_EQ(splitter->Cursor(), crHSplit);
    int moved = 0;
    splitter->OnMoved.Bind([&](TObject*) { ++moved; });

    Drag(form, {101, 50}, {141, 50});
    EXPECT_EQ(left->Width(), 140);
    EXPECT_EQ(splitter->Left(), 140);
    EXPECT_EQ(moved, 1);

    Drag(form, {141, 50}, {-300, 50});
    EXPECT_EQ(left->Width(), 30) << "MinSize keeps the neighbour";
    int client = form->ClientWidth();
    Drag(form, {31, 50}, {client + 300, 50});
    EXPECT_EQ(left->Width(), client - splitter->Width() - 30) << "and the space beyond";

    splitter->SetResizeStyle(rsUpdate);
    SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(splitter->Left() + 1, 50));
    SendMessageW(form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(61, 50));
    EXPECT_EQ(left->Width(), 60) << "rsUpdate resizes while dragging";
    SendMessageW(form->Handle(), WM_LBUTTONUP, 0, PointToLParam(61, 50));
    EXPECT_EQ(left->Width(), 60);

    auto* top = new TShape(form);
    top->SetParent(form);
    top->SetAlign(alTop);
    top->SetHeight(80);
    auto* hsplit = new TSplitter(form);
    hsplit->SetParent(form);
    hsplit->SetSplitterAlign(alTop);
    hsplit->SetTop(300);
    form->Realign();
    EXPECT_EQ(hsplit->Cursor(), crVSplit);
    ASSERT_EQ(hsplit->Top(), 80);
    EXPECT_EQ(hsplit->Height(), 3) << "the bar lies down with its thickness";
    EXPECT_EQ(hsplit->Neighbour(), top);
    Drag(form, {300, 81}, {300, 121});
    EXPECT_EQ(top->Height(), 120);
}

TEST_F(GraphicControlsTest, PropertiesRoundTripAndDefaultsAreNotStored) {
    auto* shape = new TShape(form);
    shape->SetName("Shape1");
    shape->SetParent(form);
    auto* bevel = new TBevel(form);
    bevel->SetName("Bevel1");
    bevel->SetParent(form);
    EXPECT_EQ(StoredNames(Store(shape, form)), kGraphicDefaults);
    EXPECT_EQ(StoredNames(Store(bevel, form)), kGraphicDefaults);

    shape->SetShape(stRoundSquare);
    shape->Pen()->SetColor(clRed);
    shape->Pen()->SetWidth(3);
    shape->Pen()->SetStyle(psDash);
    shape->Brush()->SetColor(clNavy);
    shape->Brush()->SetStyle(bsCross);
    std::set<std::string> names = StoredNames(Store(shape, form));
    for (const char* n : {"Shape", "Pen.Color", "Pen.Width", "Pen.Style", "Brush.Color", "Brush.Style"})
        EXPECT_TRUE(names.count(n)) << n;
    std::unique_ptr<TForm> f1;
    TShape* s = RoundTrip(shape, form, f1);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Shape(), stRoundSquare);
    EXPECT_EQ(s->Pen()->Width(), 3);
    EXPECT_EQ(s->Brush()->Color(), clNavy);

    bevel->SetShape(bsLeftLine);
    bevel->SetStyle(bsRaised);
    std::unique_ptr<TForm> f2;
    TBevel* b = RoundTrip(bevel, form, f2);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Shape(), bsLeftLine);
    EXPECT_EQ(b->Style(), bsRaised);

    // The palette prototype: a splitter in a 50 pixel high bevelled panel.
    auto* deposit = Make<TPanel>("Deposit");
    deposit->SetBounds(0, 0, 400, 50);
    auto* splitter = new TSplitter(form);
    splitter->SetName("Dpst_TSplitter");
    splitter->SetParent(deposit);
    splitter->SetWidth(50);
    EXPECT_EQ(splitter->BoundsRect().left, 1);
    EXPECT_EQ(splitter->BoundsRect().top, 1);
    EXPECT_EQ(splitter->Width(), 50);
    EXPECT_EQ(splitter->Height(), 48);
    EXPECT_EQ(StoredNames(Store(splitter, form)), kGraphicDefaults);

    splitter->SetBeveled(true);
    splitter->SetMinSize(12);
    splitter->SetResizeStyle(rsLine);
    splitter->SetSplitterAlign(alBottom);
    EXPECT_EQ(splitter->Cursor(), crVSplit);
    // On the form, so that the copy on a form of the same size has the same bounds.
    splitter->SetParent(form);
    names = StoredNames(Store(splitter, form));
    for (const char* n : {"Align", "Beveled", "Cursor", "MinSize", "ResizeStyle"}) EXPECT_TRUE(names.count(n)) << n;
    // The splitter's own values come back (its bounds follow the new parent).
    TForm f3(nullptr);
    f3.SetName("Copy");
    TSplitter* sp = Restore<TSplitter>(Store(splitter, form), f3, "Dpst_TSplitter");
    ASSERT_NE(sp, nullptr);
    EXPECT_TRUE(sp->Beveled());
    ASSERT_NE(sp, nullptr);
    EXPECT_EQ(sp->Align(), alBottom);
    EXPECT_EQ(sp->Cursor(), crVSplit);
    EXPECT_EQ(sp->MinSize(), 12);
    EXPECT_EQ(sp->ResizeStyle(), rsLine);
}
