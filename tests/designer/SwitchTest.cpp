// The design switch: down turns design mode on, up turns it off; SwitchOn
// and SwitchOff act only on a change; the optional message; its group.
#include "designer/EngineTestSupport.h"
#include "stream/Reader.h"
#include "stream/Writer.h"
#include "toolkit/win/window/ModalUI.h"

using namespace dsntest;

namespace {

// Records the design-mode changes it hears.
struct TModeLog : TDesignListener {
    std::vector<bool> Heard;
    void DesignModeChanged(bool on) override { Heard.push_back(on); }
};

struct SwitchTest : TEngineFixture {
    TDsnSwitch* sw = nullptr;
    TModeLog log;
    TModalUIScope ui;
    void SetUp() override {
        TEngineFixture::SetUp();
        stage->SetAlign(alNone);
        stage->SetBounds(0, 0, 300, 200);
        sw = new TDsnSwitch(form);
        sw->SetName("DsnSwitch1");
        sw->SetParent(form);
        sw->SetBounds(400, 300, 33, 33);
        sw->SetDsnRegister(reg);
        reg->AddDesignListener(&log);
        PumpPending();
    }
    void TearDown() override {
        if (reg) reg->RemoveDesignListener(&log);
        TEngineFixture::TearDown();
    }
};

} // namespace

TEST_F(SwitchTest, ClicksToggleDesignModeAndSwitchOnActsOnlyOnAChange) {
    ClickAt(ScreenOf(sw, 10, 10));
    EXPECT_TRUE(sw->Down());
    EXPECT_TRUE(reg->Designing());
    sw->SwitchOn();
    EXPECT_EQ(log.Heard, std::vector<bool>{true}) << "already on: nothing";
    sw->SwitchOff();
    EXPECT_FALSE(reg->Designing());
    sw->SwitchOff();
    ClickAt(ScreenOf(sw, 10, 10));
    ClickAt(ScreenOf(sw, 10, 10));
    EXPECT_EQ(log.Heard, (std::vector<bool>{true, false, true, false}));
    EXPECT_TRUE(ui->Calls.empty()) << "no message without the flag";
}

TEST_F(SwitchTest, TheMessageComesOnlyWhenGoingDown) {
    sw->SetDsnMessageFlg(true);
    sw->SwitchOn();
    sw->SwitchOff();
    ASSERT_EQ(ui->Calls.size(), 1u);
    EXPECT_EQ(ui->Calls[0].Text, "Now, Starting Design");
}

TEST_F(SwitchTest, AStoredSwitchIsAloneInItsGroupAndCanGoUp) {
    sw->SetGroupIndex(7);
    sw->SetAllowAllUp(false);
    auto bytes = stdtest::Store(sw, form);
    TForm other(nullptr);
    other.Show();
    auto* copy = stdtest::Restore<TDsnSwitch>(bytes, other, "DsnSwitch1");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GroupIndex(), 2302);
    EXPECT_TRUE(copy->AllowAllUp());
    copy->SwitchOn();
    copy->SwitchOff();
    EXPECT_FALSE(copy->Down());
    // A controller that goes leaves no dangling link.
    delete reg;
    reg = nullptr;
    EXPECT_EQ(sw->DsnRegister(), nullptr);
    sw->SwitchOn();
    EXPECT_TRUE(sw->Down());
}
