// The design stage: what a design file holds and how it is read back, the
// unique names, failures that leave the current design and the old file
// alone, the notices posted while loading, and the editing keys.
#include "designer/EngineTestSupport.h"
#include "stream/StreamDocument.h"
#include "support/TestUtil.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Exception.h"

#include <fstream>

using namespace dsntest;

namespace {

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Counts the controller's deletes and clipboard calls.
class TCountingRegister : public TDsnRegister {
public:
    using TDsnRegister::TDsnRegister;
    int Deletes = 0, Cuts = 0, Copies = 0, Pastes = 0;
    void DeleteSelection() override { ++Deletes; }
    void CutSelection() override { ++Cuts; }
    void CopySelection() override { ++Copies; }
    void PasteClipboard() override { ++Pastes; }
};

// A button whose Caption cannot be read: saving it fails half way.
class TFailingButton : public TButton {
    FW_CLASS(TFailingButton)
    using TButton::TButton;
    std::string Broken() const { throw EWriteError("The disk is full"); }
    void SetBroken(const std::string&) {}
};

const TClassInfo& TFailingButton::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TFailingButton, TButton>()
                                       .Prop("Broken", &TFailingButton::Broken, &TFailingButton::SetBroken)
                                       .Build();
    return info;
}

struct StageTest : TEngineFixture {
    std::string dir = fwtest::TestTempDir();
    std::string Path(const std::string& name) const { return dir + "\\" + name; }
    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (int i = 0; i < stage->ControlCount(); ++i) out.push_back(stage->Controls(i)->Name());
        return out;
    }
};

} // namespace

TEST_F(StageTest, ADesignRoundTripsWithControlsWithoutAWindowFirst) {
    Put<TButton>("Button1", 8, 8, 75, 25)->SetCaption("OK");
    Put<TLabel>("Label1", 8, 40, 60, 13)->SetCaption("Name:");
    auto* panel = Put<TPanel>("Panel1", 100, 8, 120, 80);
    Put<TEdit>("Edit1", 8, 8, 80, 21, panel);
    std::string file = Path("round.bin");
    stage->SaveToFile(file);
    auto bytes = FileBytes(file);
    TStreamDocument doc = ParseStreamDocument(bytes);
    ASSERT_EQ(doc.components.size(), 3u);
    EXPECT_EQ(doc.components[0].className, "TLabel") << "controls without a window come first";
    EXPECT_EQ(doc.listEnds, 3);
    stage->LoadFromFile(file);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Label1", "Button1", "Panel1"}));
    auto* edit = dynamic_cast<TEdit*>(form->FindComponent("Edit1"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Parent()->Name(), "Panel1");
    stage->SaveToFile(file);
    EXPECT_EQ(FileBytes(file), bytes) << "saved again, the same bytes";
}

TEST_F(StageTest, ManyControlsKeepAllRecordsBeforeTheListEnds) {
    // More controls than one writer buffer holds list ends.
    const int n = 4200;
    for (int i = 0; i < n; ++i) Put<TLabel>("Label" + std::to_string(i + 1), i % 50 * 8, i / 50 * 8, 8, 8);
    std::string file = Path("many.bin");
    stage->SaveToFile(file);
    auto bytes = FileBytes(file);
    ASSERT_GE(bytes.size(), static_cast<size_t>(n));
    EXPECT_TRUE(std::all_of(bytes.end() - n, bytes.end(), [](uint8_t b) { return b == 0; }));
    TStreamDocument doc = ParseStreamDocument(bytes);
    EXPECT_EQ(doc.components.size(), static_cast<size_t>(n));
    stage->LoadFromFile(file);
    EXPECT_EQ(stage->ControlCount(), n);
}

TEST_F(StageTest, NamesStayUniqueInTheDesignWindow) {
    Put<TButton>("Button1", 8, 8, 75, 25);
    std::string file = Path("names.bin");
    stage->SaveToFile(file);
    auto* outside = new TButton(form);
    outside->SetName("Button1x");
    stage->LoadFromFile(file);
    EXPECT_EQ(Names(), std::vector<std::string>{"Button1"}) << "a free name stays";
    // Now the window owns a Button1 outside the stage, and a Button2.
    auto* a = Make<TButton>("Keep", form);
    a->SetName("Button2");
    stage->Controls(0)->SetName("Other");
    auto* b = new TButton(form);
    b->SetName("Button1");
    b->SetParent(form);
    stage->LoadFromFile(file);
    EXPECT_EQ(Names(), std::vector<std::string>{"Button3"});
    std::string empty;
    TDsnStage::MakeUniqueName(form, b, empty);
    EXPECT_EQ(empty, "") << "an empty name stays empty";
}

TEST_F(StageTest, AFileThatCannotBeReadLeavesTheCurrentDesign) {
    Put<TButton>("Button1", 8, 8, 75, 25);
    Put<TEdit>("Edit1", 8, 40, 75, 21);
    std::string empty = Path("empty.bin"), broken = Path("broken.bin"), good = Path("good.bin");
    DesignOn();
    stage->SaveToFile(good);
    WriteBytes(empty, {});
    auto bytes = FileBytes(good);
    bytes.resize(bytes.size() - 6); // the second record ends early
    WriteBytes(broken, bytes);
    for (const std::string& bad : {empty, broken, Path("missing.bin")}) {
        try {
            stage->LoadFromFile(bad);
            ADD_FAILURE() << bad << " loaded";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), bad + " can not be read");
        }
        EXPECT_EQ(Names(), (std::vector<std::string>{"Button1", "Edit1"})) << bad;
        EXPECT_FALSE(reg->Designing()) << "design mode stays off after a failure";
    }
    // The notices of controls read and freed again never reach anyone.
    std::vector<TComponent*> loaded;
    stage->OnControlLoaded.Bind([&](TObject*, TComponent* c) { loaded.push_back(c); });
    PumpPending();
    for (TComponent* c : loaded) EXPECT_EQ(c->Owner(), form) << "a live component";
    // Each failed load put the design back, and the next one freed it again:
    // only the last restore's two controls are still there to hear of.
    EXPECT_EQ(loaded.size(), 2u);
    reg->SetDesignMode(true);
    stage->LoadFromFile(good);
    EXPECT_TRUE(reg->Designing()) << "a good load restores design mode";
}

TEST_F(StageTest, AFailedSaveLeavesTheOldFile) {
    Put<TButton>("Button1", 8, 8, 75, 25);
    std::string file = Path("keep.bin");
    stage->SaveToFile(file);
    auto before = FileBytes(file);
    auto* bad = new TFailingButton(form);
    bad->SetName("Bad");
    bad->SetParent(stage);
    EXPECT_THROW(stage->SaveToFile(file), EWriteError);
    EXPECT_EQ(FileBytes(file), before);
    EXPECT_TRUE(FileBytes(file + ".saving").empty()) << "nothing left beside it";
    try {
        stage->SaveToFile(dir + "\\no such folder\\x.bin");
        ADD_FAILURE();
    } catch (const EFCreateError& e) {
        std::string m = e.what();
        EXPECT_EQ(m.rfind("Cannot create file \"", 0), 0u) << m;
        EXPECT_NE(m.find("no such folder\\x.bin\". "), std::string::npos) << m;
    }
}

TEST_F(StageTest, EditingKeysReachTheController) {
    auto* counting = new TCountingRegister(form);
    counting->SetDsnStage(stage);
    stage->SetFocus();
    PumpPending();
    TypeKey(VK_DELETE);
    TypeKey('C', {VK_CONTROL});
    TypeKey('X', {VK_CONTROL});
    TypeKey('V', {VK_CONTROL});
    EXPECT_EQ(counting->Deletes, 1);
    EXPECT_EQ(counting->Copies, 1);
    EXPECT_EQ(counting->Cuts, 1);
    EXPECT_EQ(counting->Pastes, 1);
    std::vector<int32_t> chars;
    stage->OnKeyPress.Bind([&](TObject*, int32_t& key) { chars.push_back(key); });
    TypeKey('X', {VK_CONTROL});
    EXPECT_EQ(chars, std::vector<int32_t>{0}) << "the stage's own handling sees the character cleared";
    delete counting;
    reg->SetDsnStage(stage);
}
