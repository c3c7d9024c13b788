// The inspector base: activation, writing values into the selection with the
// change announced to the design surface, selecting through the component's
// window, and its link to the property set.
#include "designer/DesignerTestControls.h"
#include "designer/DsnMessages.h"
#include "designer/DsnProp.h"
#include "support/TestUtil.h"
#include "toolkit/win/window/Application.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace dsntest;
using fwtest::MessageOf;

namespace {

// A standard panel that remembers the designer's requests (the private
// messages from 0x600 on) reaching its window, and answers them with 77.
class TRecordingPanel : public TPanel {
public:
    using TPanel::TPanel;
    std::vector<TMessage> Requests;

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg >= 0x600 && m.Msg < 0x700) {
            Requests.push_back(m);
            m.Result = 77;
            return;
        }
        TPanel::WndProc(m);
    }
};

class TProbeInspector : public TCustomInspector {
public:
    using TCustomInspector::TCustomInspector;
    std::vector<std::string> Calls;
    void ShowInspector() override { Calls.push_back("Show"); }
    void HideInspector() override { Calls.push_back("Hide"); }
    void BtnClick(const std::string& propName, std::string& value) override {
        TSelectedComponents targets;
        if (Props()) targets.AddList(Props()->Components());
        OnBtnClick(this, &targets, propName, value);
    }
    void UpdateView() override { Calls.push_back("UpdateView " + std::to_string(Props()->PropNames().Count())); }
    void GetPropLists(TStrings* names, TStrings* captions) override {}
};

struct InspectorTest : ::testing::Test {
    TDesignForm* form = nullptr;
    TRecordingPanel* stage = nullptr;
    TProbeInspector* inspector = nullptr;
    TTargetList targets;
    std::unique_ptr<TMultiProps> props = std::make_unique<TMultiProps>();
    void SetUp() override {
        Application().Initialize();
        form = new TDesignForm(nullptr);
        form->SetBounds(0, 0, 300, 200);
        stage = new TRecordingPanel(form);
        stage->SetParent(form);
        inspector = new TProbeInspector(form);
        targets.AddReceiver(props.get());
        props->SetInspector(inspector);
        TStringList want{"Left", "Caption"};
        props->SetWantNames(&want);
    }
    void TearDown() override {
        props.reset();
        delete form;
    }
    TButton* Button(const char* name, int32_t left) {
        auto* b = new TButton(form);
        b->SetName(name);
        b->SetParent(stage);
        b->SetLeft(left);
        return b;
    }
    std::vector<UINT> Posted() {
        Application().ProcessMessages();
        std::vector<UINT> out;
        for (auto& m : stage->Requests) out.push_back(m.Msg);
        return out;
    }
};

} // namespace

TEST_F(InspectorTest, ActivationShowsAndHidesOncePerChange) {
    EXPECT_FALSE(inspector->Active());
    inspector->SetActive(true);
    inspector->SetActive(true);
    inspector->SetActive(false);
    inspector->SetActive(false);
    inspector->SetActive(true);
    EXPECT_EQ(inspector->Calls, (std::vector<std::string>{"Show", "Hide", "Show"}));
    EXPECT_TRUE(inspector->Active());
}

TEST_F(InspectorTest, SetPropValueWritesAnnouncesAndRereads) {
    auto* a = Button("A", 8);
    auto* b = Button("B", 16);
    targets.Add(a);
    targets.Add(b);
    targets.Update();
    EXPECT_EQ(inspector->Calls, (std::vector<std::string>{"UpdateView 2"})) << "Update redraws the inspector";
    EXPECT_EQ(props->PropValues()[0], "");
    inspector->SetNotifyWindow(stage->Handle());
    inspector->SetPropValue("Left", "40");
    EXPECT_EQ(a->Left(), 40);
    EXPECT_EQ(b->Left(), 40);
    EXPECT_EQ(props->PropValues()[0], "40") << "values re-read after writing";
    EXPECT_EQ(Posted(), (std::vector<UINT>{DM_PROPCHANGED}));

    stage->Requests.clear();
    EXPECT_EQ(MessageOf([&] { inspector->SetPropValue("Left", "4O"); }), "4O is illegal (Left)");
    EXPECT_TRUE(Posted().empty()) << "nothing is announced for an illegal text";
    EXPECT_EQ(a->Left(), 40);
}

TEST_F(InspectorTest, FreeingEitherSideUnlinksTheOther) {
    props.reset();
    EXPECT_EQ(inspector->Props(), nullptr);
    inspector->SetPropValue("Left", "1"); // no selection: nothing to write, no crash

    props = std::make_unique<TMultiProps>();
    props->SetInspector(inspector);
    auto second = std::make_unique<TMultiProps>();
    second->SetInspector(inspector);
    EXPECT_EQ(props->Inspector(), nullptr) << "an inspector shows one property set";
    delete inspector;
    inspector = nullptr;
    EXPECT_EQ(second->Inspector(), nullptr);
    second->Update(); // must not reach the freed inspector
}

TEST_F(InspectorTest, SelectComponentAsksTheWindowThatHoldsIt) {
    auto* inner = new TRecordingPanel(form);
    inner->SetParent(stage);
    auto* label = new TLabel(form);
    label->SetParent(inner);
    EXPECT_EQ(inspector->SelectComponent(inner), 77) << "sent, and the answer returned";
    ASSERT_EQ(inner->Requests.size(), 1u);
    EXPECT_EQ(inner->Requests[0].Msg, DM_SELECTONLY);
    EXPECT_EQ(inner->Requests[0].WParam, reinterpret_cast<WPARAM>(inner));
    inspector->SelectComponent(label);
    ASSERT_EQ(inner->Requests.size(), 2u) << "a control without a window is selected through its parent";
    EXPECT_EQ(inner->Requests[1].WParam, reinterpret_cast<WPARAM>(label));
    EXPECT_EQ(inspector->SelectComponent(inspector), 0) << "not a control: no window to ask";
}

TEST_F(InspectorTest, ListsAreCopiedAndPublished) {
    TStringList lines{"Text", "Items|Entries"};
    inspector->ClassInfo().FindProp("SelfProps")->SetObj(inspector, &lines);
    lines.Clear();
    EXPECT_EQ(inspector->SelfProps()->Count(), 2) << "a copy, not the given list";
    std::vector<std::string> order;
    for (const TPropInfo* p : inspector->ClassInfo().Props()) order.push_back(p->Name);
    EXPECT_EQ(order, (std::vector<std::string>{"Name", "Tag", "SelfProps", "BtnProps", "OutProps", "OnBtnClick"}));
}

TEST_F(InspectorTest, ButtonClickHandsTheSelectionToTheHandler) {
    auto* a = Button("A", 8);
    targets.Add(a);
    std::vector<TComponent*> seen;
    inspector->OnBtnClick.Bind([&](TObject* sender, TSelectedComponents* t, const std::string& prop, std::string& value) {
        EXPECT_EQ(sender, inspector);
        EXPECT_EQ(prop, "Caption");
        for (int i = 0; i < t->Count(); ++i) seen.push_back(t->Items(i));
        value = "edited";
    });
    std::string value = "before";
    inspector->BtnClick("Caption", value);
    EXPECT_EQ(value, "edited");
    EXPECT_EQ(seen, (std::vector<TComponent*>{a}));
}
