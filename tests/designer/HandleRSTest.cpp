// The resizing controller's handles: one bottom-right handle per control,
// black and draggable even in a multiple selection.
#include "designer/DsnHandleRS.h"
#include "designer/DsnMessages.h"
#include "designer/HandleTestSupport.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace dsntest;

namespace {

struct HandleRSTest : THandleFixture<TMultiRSHandler> {
    TPanel* a = nullptr;
    TPanel* b = nullptr;
    void SetUp() override {
        THandleFixture::SetUp();
        set->SetGridX(8);
        set->SetGridY(8);
        a = Make<TPanel>("Panel1");
        a->SetBounds(40, 30, 100, 50);
        b = Make<TPanel>("Panel2");
        b->SetBounds(200, 150, 80, 40);
        Select(a);
        Select(b);
    }
};

} // namespace

TEST_F(HandleRSTest, EachControlKeepsOneActiveBottomRightHandle) {
    for (TPanel* c : {a, b}) {
        THandlerRect* g = GroupOf(c);
        ASSERT_NE(dynamic_cast<THandlerRSRect*>(g), nullptr);
        ASSERT_EQ(g->HandleCount(), 1);
        auto* h = dynamic_cast<TMigishitaRect*>(g->HandleWindows(0));
        ASSERT_NE(h, nullptr);
        EXPECT_TRUE(h->Active()) << c->Name();
        EXPECT_EQ(h->Color(), clBlack);
        EXPECT_EQ(h->Left(), c->Left() + c->Width() - 4);
        EXPECT_EQ(h->Top(), c->Top() + c->Height() - 4);
        POINT s = ScreenOf(h);
        EXPECT_TRUE(PumpUntil([&] { return ScreenPixel({s.x + 3, s.y + 3}) == Rgb(0, 0, 0); })) << c->Name();
    }
}

TEST_F(HandleRSTest, HandleResizesItsControlInAMultipleSelection) {
    TMessageSpy agent(b->Handle());
    ASSERT_NO_FATAL_FAILURE(DragBy(HandleOf<TMigishitaRect>(b), 21, -11));
    EXPECT_EQ(BoundsOf(*b), (TBounds{200, 150, 96, 32}));
    EXPECT_EQ(BoundsOf(*a), (TBounds{40, 30, 100, 50}));
    ASSERT_EQ(agent.Count(DM_RESIZED), 1);
    EXPECT_EQ(LowWordOf(static_cast<uintptr_t>(agent.Of(DM_RESIZED)[0].LParam)), 80);
    EXPECT_TRUE(HandleOf<TMigishitaRect>(b)->Active());
    EXPECT_EQ(HandleOf<TMigishitaRect>(b)->Left(), 200 + 96 - 4);
}
