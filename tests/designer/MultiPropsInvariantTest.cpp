// Generated selection sequences: after every change the property set must
// hold exactly what merging the remaining components afresh gives, and keep
// its component list parallel to the target list.
#include "designer/DesignerTestControls.h"
#include "designer/DsnProp.h"
#include "toolkit/core/Random.h"
#include "toolkit/win/window/Application.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace fw;
using namespace dsntest;

namespace {

// Names published by every class, by some, by none, and in other letter case;
// of every kind the standard controls publish: integers, characters,
// enumerations (some with defaults that differ between classes), sets,
// strings, component references, other objects and events.
const char* const kNames[] = {"Caption",   "Color",      "Font",      "Height",       "Left",     "Name",
                              "Top",       "Width",      "Text",      "ReadOnly",     "WordWrap", "Default",
                              "Anchors",   "BevelOuter", "Alignment", "PasswordChar", "Visible",  "OnClick",
                              "OnChange",  "FocusControl", "PopupMenu", "Lines",      "TabStop",  "NoSuchProp",
                              "readonly",  "LEFT"};

bool Chance(int percent) { return Random(100) < percent; }

struct Coverage {
    int SeveralWithRows = 0, Disagreeing = 0, OutNameBack = 0;
};

class Scenario {
public:
    Scenario(TDesignForm* form, Coverage& cov) : FForm(form), FCov(cov) {
        TStringList want, out;
        for (int i = 4 + Random(14); i > 0; --i) want.Add(kNames[Random(std::size(kNames))]);
        for (int i = Random(4); i > 0; --i) out.Add(kNames[Random(std::size(kNames))]);
        FProps.SetWantNames(&want);
        FProps.SetOutNames(&out);
        FTargets.AddReceiver(&FProps);
        for (int i = 0; i < 7; ++i) FPool.push_back(NewControl());
    }

    void Step(std::ostringstream& log) {
        int op = Random(100), n = FTargets.Count();
        TComponent* pick = FPool[static_cast<size_t>(Random(static_cast<int32_t>(FPool.size())))];
        if (op < 40) {
            // Users never select a component twice; a few duplicates check
            // that one cannot unsettle the set.
            if (FTargets.IndexOf(pick) >= 0 && !Chance(10)) return;
            log << "Add " << pick->Name() << "; ";
            FTargets.Add(pick);
        } else if (op < 60 && n > 0) {
            int i = Random(n);
            log << "Delete " << i << "; ";
            FTargets.Delete(i);
        } else if (op < 70 && n > 0) {
            // A selected component being destroyed.
            int i = Random(n);
            TComponent* gone = FTargets.GetItem(i);
            log << "NilItem+Delete " << i << "; ";
            FTargets.NilItem(i);
            FTargets.Delete(i);
            if (FTargets.IndexOf(gone) < 0) {
                std::replace(FPool.begin(), FPool.end(), gone, NewControl());
                delete gone;
            }
        } else if (op < 75) {
            log << "Clear; ";
            FTargets.Clear();
        } else {
            // Sometimes a property edit first, as the inspector or a drag makes.
            if (op >= 90) {
                auto* c = static_cast<TControl*>(pick);
                c->SetLeft(8 * Random(3));
                c->SetCaption(Chance(50) ? "same" : c->Name());
                log << "Edit " << c->Name() << "; ";
            }
            log << "Update; ";
            FTargets.Update();
        }
    }

    // Compares with a fresh merge; describes the first difference.
    std::string Check() {
        for (int i = 0; i < std::max(FTargets.Count(), FProps.Components().Count()); ++i)
            if (i >= FTargets.Count() || i >= FProps.Components().Count() ||
                FProps.Components()[i] != FTargets.GetItem(i))
                return "component lists differ at " + std::to_string(i);
        TMultiProps fresh;
        fresh.SetWantNames(&FProps.WantNames());
        fresh.SetOutNames(&FProps.OutNames());
        for (TComponent* c : FTargets.Items()) fresh.Add(c);
        fresh.RefreshValues();
        auto names = FProps.PropNames().ToVector(), values = FProps.PropValues().ToVector();
        if (names != fresh.PropNames().ToVector()) return "names " + FProps.PropNames().Text() + "fresh " + fresh.PropNames().Text();
        if (values != fresh.PropValues().ToVector()) return "values " + FProps.PropValues().Text() + "fresh " + fresh.PropValues().Text();
        int distinct = 0;
        for (int i = 0; i < FTargets.Count(); ++i) distinct += FTargets.IndexOf(FTargets.GetItem(i)) == i;
        Observe(distinct, names, values);
        return "";
    }

private:
    TComponent* NewControl() {
        TControl* c = nullptr;
        switch (Random(5)) {
        case 0: c = new TButton(FForm); break;
        case 1: c = new TLabel(FForm); break;
        case 2: c = new TEdit(FForm); break;
        case 3: c = new TPanel(FForm); break;
        default: c = new TMemo(FForm); break;
        }
        c->SetName("C" + std::to_string(++FNextName));
        c->SetCaption(Chance(50) ? "same" : c->Name());
        c->SetBounds(8 * Random(3), 8, 40, 20);
        return c;
    }
    // Notes which interesting states the sequence reached.
    void Observe(int distinct, const std::vector<std::string>& names, const std::vector<std::string>& values) {
        bool outShown = std::any_of(names.begin(), names.end(), [&](auto& n) { return FProps.OutNames().IndexOf(n) >= 0; });
        FCov.SeveralWithRows += distinct >= 2 && !names.empty();
        FCov.Disagreeing += distinct >= 2 && std::count(values.begin(), values.end(), "") > 0;
        FCov.OutNameBack += FOutHidden && outShown && distinct == 1;
        FOutHidden = distinct >= 2 && FProps.OutNames().Count() > 0;
    }

    TDesignForm* FForm;
    Coverage& FCov;
    TTargetList FTargets;
    TMultiProps FProps;
    std::vector<TComponent*> FPool;
    int FNextName = 0;
    bool FOutHidden = false;
};

} // namespace

TEST(MultiPropsInvariantTest, GeneratedSequencesMatchAFreshMerge) {
    Application().Initialize();
    Coverage cov;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        RandSeed(seed);
        auto form = std::make_unique<TDesignForm>(nullptr);
        Scenario s(form.get(), cov);
        std::ostringstream log;
        for (int step = 0; step < 40; ++step) {
            s.Step(log);
            std::string failure = s.Check();
            ASSERT_EQ(failure, "") << "seed " << seed << ": " << log.str();
        }
    }
    // The sequences must actually reach the states that matter.
    EXPECT_GT(cov.SeveralWithRows, 1000);
    EXPECT_GT(cov.Disagreeing, 1000);
    EXPECT_GT(cov.OutNameBack, 50);
}
