// Ownership, names, removal notification and state of components.
#include "support/TestComponents.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/List.h"

#include "support/TestUtil.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace fwtest;

namespace {

// Records the notifications it hears.
class TListener : public TComponent {
public:
    using TComponent::TComponent;
    std::vector<std::pair<TComponent*, TOperation>> Heard;
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        Heard.emplace_back(c, op);
    }
};
} // namespace

TEST(Component, OwnerFreesWhatItOwnsAndFindsByNameIgnoringCase) {
    auto* owner = new TTestForm(nullptr);
    auto* a = new TTestControl(owner);
    a->SetName("Alpha");
    auto* b = new TTestControl(owner);
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_EQ(owner->FindComponent("ALPHA"), a);
    EXPECT_EQ(owner->FindComponent(""), nullptr) << "an empty name finds nothing, not the unnamed b";
    EXPECT_EQ(MessageOf([&] { owner->Components(2); }), "List index out of bounds (2)");
    delete a;
    EXPECT_EQ(owner->ComponentCount(), 1);
    delete owner; // frees b; the sanitizer build reports a leak otherwise
}

TEST(Component, NameRules) {
    TTestForm owner(nullptr);
    auto* a = new TTestControl(&owner);
    a->SetName("Button1");
    auto* b = new TTestControl(&owner);
    EXPECT_EQ(MessageOf([&] { b->SetName("button1"); }), "A component named button1 already exists");
    EXPECT_EQ(MessageOf([&] { b->SetName("1abc"); }), "'1abc' is not a valid component name");
    EXPECT_EQ(MessageOf([&] { b->SetName("a b"); }), "'a b' is not a valid component name");
    EXPECT_EQ(b->Name(), "");
    a->SetName("BUTTON1"); // the same name in other letters is no clash with itself
    EXPECT_EQ(a->Name(), "BUTTON1");
    b->SetName("_x9");
    EXPECT_EQ(b->Name(), "_x9");
    // Look-ups follow renames, removals and moves between owners.
    EXPECT_EQ(owner.FindComponent("button1"), a);
    a->SetName("Renamed");
    EXPECT_EQ(owner.FindComponent("Button1"), nullptr);
    EXPECT_EQ(owner.FindComponent("RENAMED"), a);
    b->SetName("Button1"); // the old name is free again
    a->SetName("");
    EXPECT_EQ(owner.FindComponent("Renamed"), nullptr);
    TTestForm other(nullptr);
    other.InsertComponent(b);
    EXPECT_EQ(owner.FindComponent("Button1"), nullptr);
    EXPECT_EQ(other.FindComponent("Button1"), b);
    delete b;
    EXPECT_EQ(other.FindComponent("Button1"), nullptr);
    // Components without an owner may share names.
    TTestControl free1(nullptr), free2(nullptr);
    free1.SetName("Same");
    free2.SetName("Same");
    EXPECT_EQ(free2.Name(), "Same");
}

TEST(Component, RemovalNotificationReachesSiblingsAndFreeNotifiers) {
    TListener owner(nullptr);
    auto* listener = new TListener(&owner);
    auto* target = new TTestControl(&owner);
    // The owner hears of an insertion; siblings do not.
    ASSERT_FALSE(owner.Heard.empty());
    EXPECT_EQ(owner.Heard.back(), std::make_pair(static_cast<TComponent*>(target), TOperation::opInsert));
    EXPECT_TRUE(listener->Heard.empty());

    // A component of another owner asks to hear of target's end.
    TTestForm other(nullptr);
    auto* watcher = new TTestControl(&other);
    watcher->SetBuddy(target);
    delete target;
    EXPECT_EQ(watcher->Buddy, nullptr);
    ASSERT_EQ(listener->Heard.size(), 1u);
    EXPECT_EQ(listener->Heard[0].first, target);
    EXPECT_EQ(listener->Heard[0].second, TOperation::opRemove);

    // The link works both ways: freeing the watcher first leaves nothing dangling.
    auto* t2 = new TTestControl(&owner);
    watcher->SetBuddy(t2);
    delete watcher;
    delete t2; // must not notify the freed watcher
    SUCCEED();
}

TEST(Component, DesigningStatePropagatesToOwnedComponents) {
    TTestForm owner(nullptr);
    auto* a = new TTestControl(&owner);
    owner.SetDesigning(true);
    EXPECT_TRUE(a->HasState(csDesigning));
    auto* late = new TTestControl(&owner);
    EXPECT_TRUE(late->HasState(csDesigning)) << "inserted into a designing owner";
    owner.SetDesigning(false);
    EXPECT_FALSE(a->HasState(csDesigning));
    EXPECT_FALSE(owner.HasState(csLoading));
    owner.SetState(csLoading, true);
    owner.Loaded();
    EXPECT_FALSE(owner.HasState(csLoading));
}

TEST(Component, DestroyingStateIsSetBeforeOwnedComponentsGo) {
    struct Probe : TComponent {
        using TComponent::TComponent;
        bool* ownerWasDestroying;
        ~Probe() override { *ownerWasDestroying = Owner() == nullptr || Owner()->HasState(csDestroying); }
    };
    bool seen = false;
    auto* owner = new TTestForm(nullptr);
    auto* p = new Probe(owner);
    p->ownerWasDestroying = &seen;
    delete owner;
    EXPECT_TRUE(seen);
}

TEST(Component, InsertingIntoAnotherOwnerMovesIt) {
    TTestForm a(nullptr), b(nullptr);
    auto* c = new TTestControl(&a);
    c->SetName("C");
    b.InsertComponent(c);
    EXPECT_EQ(c->Owner(), &b);
    EXPECT_EQ(a.ComponentCount(), 0);
    auto* clash = new TTestControl(&a);
    clash->SetName("C");
    EXPECT_EQ(MessageOf([&] { b.InsertComponent(clash); }), "A component named C already exists");
    EXPECT_EQ(clash->Owner(), &a) << "a refused insertion leaves the component with its owner";
}

TEST(Component, WatchesTellWhetherTheComponentSurvived) {
    auto* owner = new TTestForm(nullptr);
    auto* child = new TComponent(owner);
    TComponentWatch outer(child);
    {
        TComponentWatch inner(child);
        TComponentWatch other(owner);
        EXPECT_TRUE(inner && outer && other);
    }
    // The inner watches are gone; freeing the owner frees the child and marks
    // only the watches still standing.
    TComponentWatch none(nullptr);
    EXPECT_FALSE(none);
    TComponentWatch late(child);
    delete owner;
    EXPECT_FALSE(outer);
    EXPECT_FALSE(late);
}
