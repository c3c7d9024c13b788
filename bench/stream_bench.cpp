// Writes and reads a design of many components with about fifteen stored
// properties each, and compares the throughput with copying the same bytes in
// memory. Prints MB/s and ratios measured in one run.
#include "stream/ClassRegistry.h"
#include "stream/Reader.h"
#include "stream/Writer.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/Strings.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

using namespace fw;

namespace {

FW_ENUM(TBenchAlign, baNone, baTop, baClient)

class TBenchFont : public TPersistent {
    FW_CLASS(TBenchFont)
    int32_t Color = 0;
    int32_t Size = 8;
    std::string FaceName = "Tahoma";
};

const TClassInfo& TBenchFont::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TBenchFont, TPersistent>()
                                       .Prop("Color", &TBenchFont::Color, &TBenchFont::Color)
                                       .Prop("Size", &TBenchFont::Size, &TBenchFont::Size)
                                       .Prop("Name", &TBenchFont::FaceName, &TBenchFont::FaceName)
                                       .Build();
    return info;
}

class TBenchControl : public TComponent {
    FW_CLASS(TBenchControl)
    using TComponent::TComponent;
    int32_t Left = 0, Top = 0, Width = 0, Height = 0, TabOrder = 0, HelpContext = 0;
    std::string Caption, Hint;
    bool Visible = true, Enabled = true, ShowHint = false;
    TBenchAlign Align = baNone;
    double Ratio = 0;
    std::unique_ptr<TBenchFont> Font = std::make_unique<TBenchFont>();
    TBenchFont* GetFont() const { return Font.get(); }
    void SetFont(TBenchFont* f) {
        Font->Color = f->Color;
        Font->Size = f->Size;
        Font->FaceName = f->FaceName;
    }
};

const TClassInfo& TBenchControl::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TBenchControl, TComponent>()
                                       .Prop("Left", &TBenchControl::Left, &TBenchControl::Left)
                                       .Prop("Top", &TBenchControl::Top, &TBenchControl::Top)
                                       .Prop("Width", &TBenchControl::Width, &TBenchControl::Width)
                                       .Prop("Height", &TBenchControl::Height, &TBenchControl::Height)
                                       .Prop("TabOrder", &TBenchControl::TabOrder, &TBenchControl::TabOrder)
                                       .Prop("HelpContext", &TBenchControl::HelpContext, &TBenchControl::HelpContext)
                                       .Prop("Caption", &TBenchControl::Caption, &TBenchControl::Caption)
                                       .Prop("Hint", &TBenchControl::Hint, &TBenchControl::Hint)
                                       .Prop("Visible", &TBenchControl::Visible, &TBenchControl::Visible)
                                       .Prop("Enabled", &TBenchControl::Enabled, &TBenchControl::Enabled)
                                       .Prop("ShowHint", &TBenchControl::ShowHint, &TBenchControl::ShowHint)
                                       .Prop("Align", &TBenchControl::Align, &TBenchControl::Align)
                                       .Prop("Ratio", &TBenchControl::Ratio, &TBenchControl::Ratio)
                                       .Prop("Font", &TBenchControl::GetFont, &TBenchControl::SetFont)
                                       .Build();
    return info;
}

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

} // namespace

int main(int argc, char** argv) {
    int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    TClassRegistry registry;
    registry.RegisterClass(TBenchControl::StaticClassInfo());

    TComponent source(nullptr);
    std::vector<TComponent*> list;
    for (int i = 0; i < count; ++i) {
        auto* c = new TBenchControl(&source);
        c->SetName("Control" + std::to_string(i + 1));
        c->Left = i % 640;
        c->Top = (i * 7) % 480;
        c->Width = 75 + i % 50;
        c->Height = 25;
        c->TabOrder = i;
        c->HelpContext = i * 3;
        c->Caption = "Caption of control " + std::to_string(i);
        c->Hint = "hint";
        c->Visible = i % 3 != 0;
        c->Align = static_cast<TBenchAlign>(i % 3);
        c->Ratio = i * 0.5;
        c->Font->Color = 0x00FF00 + i;
        list.push_back(c);
    }

    // Best of a few rounds of each, to damp the noise of a shared machine.
    const int rounds = 3;
    double writeBest = 1e9, readBest = 1e9, copyBest = 1e9;
    std::vector<uint8_t> bytes;
    for (int r = 0; r < rounds; ++r) {
        TMemoryStream out;
        auto t0 = Clock::now();
        WriteComponentList(out, list, &source);
        auto t1 = Clock::now();
        writeBest = std::min(writeBest, Seconds(t0, t1));
        bytes = out.Bytes();

        TComponent target(nullptr);
        TMemoryStream in(bytes);
        auto t2 = Clock::now();
        {
            TReader reader(in);
            reader.SetRegistry(&registry);
            reader.ReadComponents(&target, nullptr);
        }
        auto t3 = Clock::now();
        readBest = std::min(readBest, Seconds(t2, t3));
        if (target.ComponentCount() != count) {
            std::fprintf(stderr, "read %d of %d components\n", target.ComponentCount(), count);
            return 1;
        }
    }
    std::vector<uint8_t> copy(bytes.size());
    volatile uint8_t sink = 0;
    for (int r = 0; r < 50; ++r) {
        auto t0 = Clock::now();
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        sink = sink + copy[static_cast<size_t>(r) % copy.size()];
        auto t1 = Clock::now();
        copyBest = std::min(copyBest, Seconds(t0, t1));
    }
    double mb = static_cast<double>(bytes.size()) / 1e6;
    std::printf("components: %d, stream: %.2f MB\n", count, mb);
    std::printf("write: %.1f MB/s (%.3f s)\n", mb / writeBest, writeBest);
    std::printf("read:  %.1f MB/s (%.3f s)\n", mb / readBest, readBest);
    std::printf("copy:  %.1f MB/s\n", mb / copyBest);
    std::printf("write/copy time ratio: %.0f, read/copy time ratio: %.0f\n", writeBest / copyBest,
                readBest / copyBest);
    return 0;
}
