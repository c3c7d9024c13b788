// Reading components back: round trips of every property kind, the reader's
// callbacks, references inside and across roots, and every failure.
#include "stream/Reader.h"
#include "stream/UniqueName.h"
#include "stream/Writer.h"
#include "support/StreamHelpers.h"
#include "support/TestComponents.h"
#include "toolkit/core/Exception.h"

#include "support/TestUtil.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace fwtest;

namespace {

Bytes WriteList(const std::vector<TComponent*>& list, TComponent* root) {
    TMemoryStream s;
    WriteComponentList(s, list, root);
    return s.Bytes();
}

// Reads a design-file layout into owner with a reader set up by `setup`.
std::vector<TComponent*> ReadList(const Bytes& bytes, TComponent* owner, TComponent* parent,
                                  const std::function<void(TReader&)>& setup = {}, long long* endPos = nullptr) {
    TMemoryStream s(bytes);
    std::vector<TComponent*> read;
    {
        TReader r(s);
        r.SetRegistry(&TestRegistry());
        if (setup) setup(r);
        r.ReadComponents(owner, parent, [&](TComponent* c) { read.push_back(c); });
    }
    if (endPos) *endPos = s.Position();
    return read;
}


struct ReadFixture : ::testing::Test {
    TTestForm source{nullptr};
    TTestForm target{nullptr};
    void SetUp() override {
        source.SetName("Form1");
        target.SetName("Form1");
    }
    TTestControl* Make(const char* name, TTestControl* parent = nullptr) {
        auto* c = new TTestControl(&source);
        c->SetName(name);
        c->SetParent(parent ? parent : &source);
        return c;
    }
    std::vector<TComponent*> RoundTrip(const std::vector<TComponent*>& list,
                                       const std::function<void(TReader&)>& setup = {}) {
        return ReadList(WriteList(list, &source), &target, &target, setup);
    }
};

} // namespace

TEST_F(ReadFixture, EveryPropertyKindRoundTrips) {
    TTestControl* c = Make("Button1");
    c->Left = -129;
    c->Top = 32768;
    c->Width = 128;
    c->Caption = "caf\xC3\xA9 \xE2\x82\xAC";
    c->Visible = false;
    c->Align = taBottom;
    c->Anchors = TTestAnchors{tkRightSide};
    c->Color = clTestRed;
    c->Accel = 'z';
    c->Ratio = 37973.47198440972;
    c->Big = -(int64_t(1) << 50);
    c->Wide = u"\u041f\u0440\u0438";
    c->Font->Color = 0x123456;
    c->Font->Size = 11;
    c->Font->Style = TTestStyles{fsBold, fsStrikeOut};
    c->Lines->SetText("one\r\n\r\nthree");
    static_cast<TTestItem*>(c->Items->Add())->Caption = "first";
    static_cast<TTestItem*>(c->Items->Add())->Width = 9;
    c->Data = std::string("BM\0\xFF", 4);
    c->IsControl = true;

    auto read = RoundTrip({c});
    ASSERT_EQ(read.size(), 1u);
    auto* r = dynamic_cast<TTestControl*>(read[0]);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Name(), "Button1");
    EXPECT_EQ(r->Owner(), &target);
    EXPECT_EQ(r->Parent(), &target);
    EXPECT_EQ(r->Left, -129);
    EXPECT_EQ(r->Top, 32768);
    EXPECT_EQ(r->Width, 128);
    EXPECT_EQ(r->Caption, c->Caption);
    EXPECT_FALSE(r->Visible);
    EXPECT_EQ(r->Align, taBottom);
    EXPECT_TRUE(r->Anchors == TTestAnchors{tkRightSide});
    EXPECT_EQ(r->Color, clTestRed);
    EXPECT_EQ(r->Accel, 'z');
    EXPECT_DOUBLE_EQ(r->Ratio, 37973.47198440972);
    EXPECT_EQ(r->Big, c->Big);
    EXPECT_EQ(r->Wide, c->Wide);
    EXPECT_EQ(r->Font->Color, 0x123456);
    EXPECT_EQ(r->Font->Size, 11);
    EXPECT_TRUE(r->Font->Style == c->Font->Style);
    EXPECT_EQ(r->Lines->ToVector(), (std::vector<std::string>{"one", "", "three"}));
    ASSERT_EQ(r->Items->Count(), 2);
    EXPECT_EQ(static_cast<TTestItem*>(r->Items->Items(0))->Caption, "first");
    EXPECT_EQ(static_cast<TTestItem*>(r->Items->Items(1))->Width, 9);
    EXPECT_EQ(r->Data, c->Data);
    EXPECT_TRUE(r->IsControl);
    EXPECT_EQ(r->LoadedCalls, 1);
    EXPECT_FALSE(r->HasState(csLoading));
    EXPECT_FALSE(r->HasState(csReading));
}

TEST_F(ReadFixture, NestedChildrenKeepTheirParentsAndOrder) {
    auto* panel = new TTestPanel(&source);
    panel->SetName("Panel1");
    panel->SetParent(&source);
    panel->Header->Caption = "head";
    Make("Edit1", panel);
    auto* label = new TTestLabel(&source);
    label->SetName("Label1");
    label->SetParent(panel);
    auto read = RoundTrip({panel});
    ASSERT_EQ(read.size(), 1u);
    auto* p = dynamic_cast<TTestPanel*>(read[0]);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Header->Caption, "head") << "sub-component read through its path";
    auto kids = p->Children();
    ASSERT_EQ(kids.size(), 2u);
    EXPECT_EQ(kids[0]->Name(), "Label1");
    EXPECT_EQ(kids[1]->Name(), "Edit1");
    EXPECT_EQ(kids[1]->Owner(), &target);
}

TEST_F(ReadFixture, ReferencesResolveByEveryPathRule) {
    auto* panel = new TTestPanel(&source);
    panel->SetName("Panel1");
    panel->SetParent(&source);
    TTestControl* a = Make("A");
    TTestControl* b = Make("B");
    TTestControl* c = Make("C");
    a->SetBuddy(b);              // sibling, read after it
    b->SetBuddy(panel->Header);  // "Panel1.Header"
    c->SetBuddy(&source);        // "Owner"
    auto read = RoundTrip({panel, a, b, c});
    ASSERT_EQ(read.size(), 4u);
    auto* ra = static_cast<TTestControl*>(read[1]);
    auto* rb = static_cast<TTestControl*>(read[2]);
    auto* rc = static_cast<TTestControl*>(read[3]);
    EXPECT_EQ(ra->Buddy, rb);
    EXPECT_EQ(rb->Buddy, static_cast<TTestPanel*>(read[0])->Header);
    EXPECT_EQ(rc->Buddy, &target);
    // Freeing the referenced component clears the link.
    delete rb;
    EXPECT_EQ(ra->Buddy, nullptr);
}

TEST(CrossRootReferences, PendingUntilTheOtherRootIsRegistered) {
    TTestForm form1(nullptr);
    form1.SetName("Form1");
    auto* ctl = new TTestControl(&form1);
    ctl->SetName("Switch1");
    ctl->SetParent(&form1);
    {
        TTestForm form2(nullptr);
        form2.SetName("Form2");
        auto* target = new TTestControl(&form2);
        target->SetName("Controller1");
        ctl->SetBuddy(target);
        TMemoryStream s;
        TWriter w(s);
        w.WriteRootComponent(&form1);
        w.FlushBuffer();
        ctl->SetBuddy(nullptr);

        TMemoryStream in(s.Bytes());
        TTestForm copy(nullptr);
        int before = PendingReferenceCount();
        {
            TReader r(in);
            r.SetRegistry(&TestRegistry());
            r.ReadRootComponent(&copy);
        }
        auto* sw = dynamic_cast<TTestControl*>(copy.FindComponent("Switch1"));
        ASSERT_NE(sw, nullptr);
        EXPECT_EQ(sw->Buddy, nullptr);
        EXPECT_EQ(PendingReferenceCount(), before + 1);

        // "Form2" appears later: registering it completes the reference.
        TTestForm later(nullptr);
        later.SetName("Form2");
        auto* controller = new TTestControl(&later);
        controller->SetName("Controller1");
        RegisterRoot(&later);
        EXPECT_EQ(sw->Buddy, controller);
        EXPECT_EQ(PendingReferenceCount(), before);
        UnregisterRoot(&later);
    }
    // A pending reference whose holder is freed is dropped, not completed later.
    TMemoryStream s2;
    {
        TWriter w(s2);
        TTestForm ghost(nullptr);
        ghost.SetName("Ghost");
        auto* g = new TTestControl(&ghost);
        g->SetName("G");
        ctl->SetBuddy(g);
        w.WriteRootComponent(&form1);
        ctl->SetBuddy(nullptr);
    }
    int before = PendingReferenceCount();
    {
        TMemoryStream in(s2.Bytes());
        TTestForm copy(nullptr);
        TReader r(in);
        r.SetRegistry(&TestRegistry());
        r.ReadRootComponent(&copy);
        EXPECT_EQ(PendingReferenceCount(), before + 1);
    }
    EXPECT_EQ(PendingReferenceCount(), before);
}

TEST_F(ReadFixture, WholeRootRoundTrip) {
    source.Caption = "Main";
    auto* menu = new TTestMenu(&source);
    menu->SetName("Menu1");
    menu->Hint = "h";
    auto* panel = new TTestPanel(&source);
    panel->SetName("Panel1");
    panel->SetParent(&source);
    Make("Inner", panel)->SetBuddy(panel);
    const TMethodEntry* click = TTestForm::StaticClassInfo().FindMethod("Button1Click");
    panel->OnClick = TMethod{click, &source};
    TMemoryStream s;
    {
        TWriter w(s);
        w.WriteRootComponent(&source);
    }
    TMemoryStream in(s.Bytes());
    TTestForm copy(nullptr);
    {
        TReader r(in);
        r.SetRegistry(&TestRegistry());
        EXPECT_EQ(r.ReadRootComponent(&copy), &copy);
    }
    EXPECT_EQ(copy.Name(), "Form1");
    EXPECT_EQ(copy.Caption, "Main");
    EXPECT_EQ(copy.LoadedCalls, 1);
    ASSERT_EQ(copy.ComponentCount(), 3);
    auto* m = dynamic_cast<TTestMenu*>(copy.FindComponent("menu1"));
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Hint, "h");
    auto* p = dynamic_cast<TTestPanel*>(copy.FindComponent("Panel1"));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Parent(), &copy);
    auto* inner = dynamic_cast<TTestControl*>(copy.FindComponent("Inner"));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->Parent(), p);
    EXPECT_EQ(inner->Buddy, p);
    // The event is bound to the copy's published method.
    p->OnClick(p);
    ASSERT_EQ(copy.Clicks.size(), 1u);
    EXPECT_EQ(copy.Clicks[0], p);
}

TEST_F(ReadFixture, MethodNamesBindOrAreLeftUnassignedByTheCallback) {
    TTestControl* c = Make("Edit1");
    c->OnKey = TMethod{TTestForm::StaticClassInfo().FindMethod("Edit1Key"), &source};
    c->OnClick = TMethod{TTestForm::StaticClassInfo().FindMethod("Button1Click"), &source};
    Bytes bytes = WriteList({c}, &source);

    auto read = ReadList(bytes, &target, &target);
    auto* r = static_cast<TTestControl*>(read.at(0));
    int32_t key = 13;
    r->OnKey(r, key);
    EXPECT_EQ(key, 0) << "var parameter reached the handler";
    EXPECT_EQ(r->OnClick.Data, &target);

    // A root that does not publish the names: the design surface's callback
    // clears the error, leaving the events unassigned.
    TPlainForm plain(nullptr);
    std::vector<std::string> asked;
    read = ReadList(bytes, &plain, &plain, [&](TReader& rd) {
        rd.OnFindMethod = [&](TReader&, const std::string& name, const TMethodEntry*& address, bool& error) {
            asked.push_back(name);
            if (error) {
                address = nullptr;
                error = false;
            }
        };
    });
    r = static_cast<TTestControl*>(read.at(0));
    EXPECT_FALSE(r->OnClick.Assigned());
    EXPECT_FALSE(r->OnKey.Assigned());
    EXPECT_EQ(asked, (std::vector<std::string>{"Button1Click", "Edit1Key"}));

    // Without the callback the unknown name is an error of that property.
    TPlainForm plain2(nullptr);
    std::vector<std::string> errors;
    read = ReadList(bytes, &plain2, &plain2, [&](TReader& rd) {
        rd.OnError = [&](TReader&, const std::string& msg, bool& handled) {
            errors.push_back(msg);
            handled = true;
        };
    });
    EXPECT_EQ(errors, (std::vector<std::string>{"Method Button1Click not found", "Method Edit1Key not found"}));
}

TEST(UniqueNames, SetNameCallbackRenamesByClassAndFirstFreeNumber) {
    TTestForm window(nullptr);
    for (const char* n : {"TestControl1", "TestControl2"}) {
        auto* c = new TTestControl(&window);
        c->SetName(n);
    }
    auto* other = new TTestLabel(&window);
    other->SetName("Taken");

    TTestForm src(nullptr);
    std::vector<TComponent*> list;
    for (const char* n : {"TestControl1", "Taken", "Fresh", ""}) {
        auto* c = new TTestControl(&src);
        c->SetName(n);
        c->SetParent(&src);
        list.push_back(c);
    }
    auto read = ReadList(WriteList(list, &src), &window, &window, [&](TReader& r) {
        r.OnSetName = [&](TReader& rd, TComponent* c, std::string& name) { MakeUniqueName(&window, &rd, c, name); };
    });
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read[0]->Name(), "TestControl3");
    EXPECT_EQ(read[1]->Name(), "TestControl4") << "a taken name becomes the first free class-based one";
    EXPECT_EQ(read[2]->Name(), "Fresh");
    EXPECT_EQ(read[3]->Name(), "");

    // Without the rule a taken name fails the read, and the component is freed.
    int before = window.ComponentCount();
    EXPECT_EQ(MessageOf([&] { ReadList(WriteList({list[0]}, &src), &window, &window); }),
              "A component named TestControl1 already exists");
    EXPECT_EQ(window.ComponentCount(), before);
}

TEST(UniqueNames, FreeBaseNameIsUsedFirst) {
    TTestForm window(nullptr);
    auto* c = new TTestControl(&window);
    c->SetName("Button1");
    TTestControl probe(nullptr);
    std::string name = "Button1";
    MakeUniqueName(&window, nullptr, &probe, name);
    EXPECT_EQ(name, "TestControl1");
    name = "BUTTON1";
    MakeUniqueName(&window, nullptr, &probe, name);
    EXPECT_EQ(name, "TestControl1") << "names compare ignoring case";
}

namespace {
// A record of TTestControl "X" with the given raw property bytes.
Bytes Record(const Bytes& props, const std::string& cls = "TTestControl", const std::string& name = "X") {
    return Concat({Sig(), Short(cls), Short(name), props, {0, 0}, {0}});
}
} // namespace

TEST(ReaderErrors, ErrorCallbackSkipsOneBadPropertyAndGoesOn) {
    Bytes props = Concat({Short("Bogus"), {1, 2, 5, 6}, Short("abc"), {0},  // unknown name, a list value
                          Short("Caption"), {2, 7},                         // wrong code for a string
                          Short("Width"), {2, 0xFF},                        // setter refuses -1
                          Short("Align"), {7}, Short("taNowhere"),          // no such enum value
                          Short("Anchors"), {11}, Short("tkTopSide"), Short("nope"), {0},
                          Short("Font.Bogus"), {2, 1},
                          Short("Left"), {2, 5}});
    Bytes bytes = Record(props);
    TTestForm owner(nullptr);
    std::vector<std::string> messages;
    auto read = ReadList(bytes, &owner, &owner, [&](TReader& r) {
        r.OnError = [&](TReader&, const std::string& msg, bool& handled) {
            messages.push_back(msg);
            handled = true;
        };
    });
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(static_cast<TTestControl*>(read[0])->Left, 5);
    EXPECT_EQ(static_cast<TTestControl*>(read[0])->Width, 0);
    EXPECT_EQ(messages, (std::vector<std::string>{"Property Bogus does not exist", "Invalid property value",
                                                  "Width cannot be negative", "Invalid property value",
                                                  "Invalid property value", "Property Font.Bogus does not exist"}));

    // Without a callback the first bad property ends the read and frees the component.
    TTestForm owner2(nullptr);
    EXPECT_EQ(MessageOf([&] { ReadList(bytes, &owner2, &owner2); }), "Property Bogus does not exist");
    EXPECT_EQ(owner2.ComponentCount(), 0);
}

TEST(ReaderErrors, ErrorsInsideSelfStoredPropertiesEndTheRead) {
    Bytes bytes = Record(Concat({Short("Lines.Strings"), {1, 2, 7, 0}}));
    TTestForm owner(nullptr);
    int offered = 0;
    std::string msg = MessageOf([&] {
        ReadList(bytes, &owner, &owner, [&](TReader& r) {
            r.OnError = [&](TReader&, const std::string&, bool& handled) {
                ++offered;
                handled = true;
            };
        });
    });
    EXPECT_EQ(msg, "Invalid property value");
    EXPECT_EQ(offered, 0);
    EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(ReaderErrors, StructuralFailures) {
    TTestForm owner(nullptr);
    auto fails = [&](const Bytes& b) { return MessageOf([&] { ReadList(b, &owner, &owner); }); };
    EXPECT_EQ(fails({}), "Stream read error") << "zero-byte stream";
    EXPECT_EQ(fails({'T', 'P', 'F', '1', 0}), "Invalid stream format");
    EXPECT_EQ(fails({'T', 'P'}), "Invalid stream format");
    EXPECT_EQ(fails(Record({}, "TNope")), "Class TNope not found");
    EXPECT_EQ(fails(Record(Concat({Short("Left"), {99}}))), "Invalid property value") << "unknown value code";
    EXPECT_EQ(owner.ComponentCount(), 0);

    // Every truncation of a valid stream fails cleanly and frees what it began.
    TTestForm src(nullptr);
    auto* c = new TTestPanel(&src);
    c->SetName("P");
    c->SetParent(&src);
    c->Caption = "cap";
    c->Lines->Add("x");
    c->Items->Add();
    auto* inner = new TTestLabel(&src);
    inner->SetName("L");
    inner->SetParent(c);
    Bytes full = WriteList({c}, &src);
    for (size_t n = 0; n < full.size(); ++n) {
        Bytes cut(full.begin(), full.begin() + static_cast<long>(n));
        std::string m = fails(cut);
        EXPECT_TRUE(m == "Stream read error" || m == "Invalid stream format") << n << ": " << m;
        if (n + 1 < full.size()) {
            EXPECT_EQ(owner.ComponentCount(), 0) << n;
        } else {
            // Only the final list end is missing: the complete record stays.
            EXPECT_EQ(owner.ComponentCount(), 2);
            owner.DestroyComponents();
        }
    }
}

TEST(ReaderErrors, NestingIsBounded) {
    // A chain of nested children deeper than any real design.
    Bytes b = Sig();
    const int depth = 10000;
    for (int i = 0; i < depth; ++i) {
        Bytes head = Concat({Short("TTestControl"), Short(""), {0}});
        b.insert(b.end(), head.begin(), head.end());
    }
    TTestForm owner(nullptr);
    EXPECT_EQ(MessageOf([&] { ReadList(b, &owner, &owner); }), "Stream nesting is too deep");
    EXPECT_EQ(owner.ComponentCount(), 0);
    // Nested lists inside a skipped value are bounded too.
    Bytes props = Short("Bogus");
    for (int i = 0; i < depth; ++i) props.push_back(1);
    TTestForm owner2(nullptr);
    std::string m = MessageOf([&] {
        ReadList(Record(props), &owner2, &owner2, [](TReader& r) {
            r.OnError = [](TReader&, const std::string&, bool& handled) { handled = true; };
        });
    });
    EXPECT_EQ(m, "Stream nesting is too deep");
}

TEST(ReaderLayout, ThreeRecordsThenThreeListEndsStopsAtTheFirst) {
    TTestForm src(nullptr);
    std::vector<TComponent*> list;
    for (const char* n : {"A", "B", "C"}) {
        auto* c = new TTestLabel(&src);
        c->SetName(n);
        c->SetParent(&src);
        list.push_back(c);
    }
    Bytes bytes = WriteList(list, &src);
    ASSERT_EQ(bytes.size() >= 3 && bytes[bytes.size() - 1] == 0 && bytes[bytes.size() - 2] == 0 &&
                  bytes[bytes.size() - 3] == 0,
              true);
    TTestForm dst(nullptr);
    long long end = -1;
    auto read = ReadList(bytes, &dst, &dst, {}, &end);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(end, static_cast<long long>(bytes.size()) - 2) << "only the first list end is consumed";
}

TEST(ReaderLayout, PrefixWithChildPositionMovesTheComponent) {
    TTestForm owner(nullptr);
    for (const char* n : {"First", "Second"}) {
        auto* c = new TTestControl(&owner);
        c->SetName(n);
        c->SetParent(&owner);
    }
    // Prefix F2: child position follows (int8 0), then an inherited-style record.
    Bytes rec = Concat({Sig(), {0xF2, 2, 0}, Short("TTestControl"), Short("Third"), {0, 0}, {0}});
    auto read = ReadList(rec, &owner, &owner);
    ASSERT_EQ(read.size(), 1u);
    auto kids = owner.Children();
    ASSERT_EQ(kids.size(), 3u);
    EXPECT_EQ(kids[0]->Name(), "Third");
    // A prefix without the position flag is accepted too.
    Bytes rec2 = Concat({Sig(), {0xF1}, Short("TTestControl"), Short("Fourth"), {0, 0}, {0}});
    ASSERT_EQ(ReadList(rec2, &owner, &owner).size(), 1u);
    EXPECT_EQ(owner.Children().back()->Name(), "Fourth");
}
