// Target lists: mutual linking, broadcast of every change in link order,
// unlinking on destruction, and the list's index errors.
#include "designer/DsnList.h"
#include "support/TestUtil.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace fw;
using fwtest::MessageOf;
using Log = std::vector<std::string>;

namespace {

// Logs each change it hears, tagged with its name.
class TLogReceiver : public TReceiveTargets {
public:
    TLogReceiver(std::string tag, Log& log) : FTag(std::move(tag)), FLog(log) {}
    void NilItem(int i) override { Note("NilItem " + std::to_string(i)); }
    void Add(TComponent* c) override { Note("Add " + c->Name()); }
    void Clear() override { Note("Clear"); }
    void Delete(int i) override { Note("Delete " + std::to_string(i)); }
    void Update() override {
        Note("Update");
        if (OnUpdate) OnUpdate();
    }
    std::function<void()> OnUpdate;

private:
    void Note(const std::string& what) { FLog.push_back(FTag + ":" + what); }
    std::string FTag;
    Log& FLog;
};

struct TargetListTest : ::testing::Test {
    TComponent owner{nullptr};
    TComponent* a = Named("A");
    TComponent* b = Named("B");
    Log log;
    TComponent* Named(const char* name) {
        auto* c = new TComponent(&owner);
        c->SetName(name);
        return c;
    }
};

} // namespace

TEST_F(TargetListTest, LinkingIsMutualAndHappensOnce) {
    TTargetList list;
    TLogReceiver r("r", log);
    list.AddReceiver(nullptr);
    EXPECT_EQ(list.Receivers(), nullptr) << "no receiver list before the first link";
    list.AddReceiver(&r);
    r.AddReceiver(&list);
    list.AddReceiver(&r);
    ASSERT_EQ(list.Receivers()->Count(), 1);
    ASSERT_EQ(r.Receivers()->Count(), 1);
    EXPECT_EQ(list.Receivers()->Items(0), &r);
    EXPECT_EQ(r.Receivers()->Items(0), &list);
}

TEST_F(TargetListTest, ChangesReachReceiversInLinkOrderAfterTheListChanged) {
    TTargetList list;
    TLogReceiver first("1", log), second("2", log);
    second.AddReceiver(&list); // linked from the receiver's side: counts the same
    list.AddReceiver(&first);
    list.Add(a);
    list.Add(b);
    list.NilItem(0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetItem(0), nullptr) << "NilItem keeps the place, empty";
    list.Delete(0);
    first.OnUpdate = [&] { EXPECT_EQ(list.GetItem(0), b) << "receivers see the list already changed"; };
    list.Update();
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(log, (Log{"2:Add A", "1:Add A", "2:Add B", "1:Add B", "2:NilItem 0", "1:NilItem 0", "2:Delete 0",
                        "1:Delete 0", "2:Update", "1:Update", "2:Clear", "1:Clear"}));
}

TEST_F(TargetListTest, FreeingEitherSideUnlinksIt) {
    auto list = std::make_unique<TTargetList>();
    TLogReceiver stays("stays", log);
    auto goes = std::make_unique<TLogReceiver>("goes", log);
    list->AddReceiver(goes.get());
    list->AddReceiver(&stays);
    goes.reset();
    list->Add(a);
    EXPECT_EQ(log, (Log{"stays:Add A"}));
    // A receiver freed by another one in the middle of a broadcast is skipped.
    auto* late = new TLogReceiver("late", log);
    list->AddReceiver(late);
    stays.OnUpdate = [&] { delete late; };
    list->Update();
    EXPECT_EQ(log.back(), "stays:Update");
    list.reset();
    EXPECT_EQ(stays.Receivers()->Count(), 0);
}

TEST_F(TargetListTest, QueriesAndIndexErrors) {
    TTargetList list;
    list.Update(); // nothing linked: nothing happens
    list.Add(a);
    list.Add(a);
    EXPECT_EQ(list.Count(), 2) << "the list itself does not refuse duplicates";
    EXPECT_EQ(list.IndexOf(a), 0);
    EXPECT_EQ(list.IndexOf(b), -1);
    EXPECT_EQ(list.GetItem(2), nullptr) << "at or beyond the end: empty";
    EXPECT_EQ(MessageOf([&] { list.GetItem(-1); }), "List index out of bounds (-1)");
    TLogReceiver r("r", log);
    list.AddReceiver(&r);
    EXPECT_EQ(MessageOf([&] { list.NilItem(2); }), "List index out of bounds (2)");
    EXPECT_EQ(MessageOf([&] { list.Delete(-1); }), "List index out of bounds (-1)");
    EXPECT_TRUE(log.empty()) << "a refused change is not broadcast";
}
