// Generated selection sequences: after every change the property set must
// hold exactly what merging the remaining components afresh gives, and keep
// its component list parallel to the target list.
#include "designer/DesignerTestControls.h"
#include "designer/DsnProp.h"
#include "toolkit/core/Random.h"
#include "toolkit/win/Application.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace fw;
using namespace dsntest;

namespace {

// Names the controls publish (some by one class only), names none publishes,
// and letter-case variants.
const std::vector<std::string> kNames = {"Caption", "Color",     "Font",   "Height", "Left",     "Name",
                                         "Top",     "Width",     "Text",   "ReadOnly", "WordWrap", "Default",
                                         "Edges",   "BevelOuter", "Ratio", "Visible", "OnClick",  "Buddy",
                                         "Tag",     "NoSuchProp", "readonly", "LEFT",  "WideText", "Big"};

struct Picker {
    int32_t Below(int32_t n) { return Random(n); }
    bool Chance(int32_t percent) { return Random(100) < percent; }
    template <class T> const T& From(const std::vector<T>& v) { return v[static_cast<size_t>(Random(static_cast<int32_t>(v.size())))]; }
};

struct Coverage {
    int RowsForSeveral = 0, DisagreeingValues = 0, OutNameReturned = 0, IncrementalDeletes = 0;
};

class Scenario {
public:
    Scenario(TComponent* form, TWinControl* parent, Picker& pick, Coverage& cov)
        : FForm(form), FParent(parent), FPick(pick), FCov(cov) {
        TStringList want, out;
        for (int i = 0, n = 4 + pick.Below(14); i < n; ++i) want.Add(pick.From(kNames));
        for (int i = 0, n = pick.Below(4); i < n; ++i) out.Add(pick.From(kNames));
        FProps.SetWantNames(&want);
        FProps.SetOutNames(&out);
        FTargets.AddReceiver(&FProps);
        for (int i = 0; i < 7; ++i) FPool.push_back(NewControl());
    }

    void Step(std::ostringstream& log) {
        int op = FPick.Below(100);
        if (op < 40) {
            // Users avoid selecting a component twice; a few duplicates still
            // check that they cannot unsettle the set.
            TComponent* c = FPick.From(FPool);
            if (FTargets.IndexOf(c) >= 0 && !FPick.Chance(10)) return;
            log << "Add " << c->Name() << "; ";
            FTargets.Add(c);
        } else if (op < 60 && FTargets.Count() > 0) {
            int i = FPick.Below(FTargets.Count());
            log << "Delete " << i << "; ";
            FTargets.Delete(i);
            ++FCov.IncrementalDeletes;
        } else if (op < 70 && FTargets.Count() > 0) {
            // A selected component being destroyed.
            int i = FPick.Below(FTargets.Count());
            TComponent* c = FTargets.GetItem(i);
            log << "NilItem+Delete " << i << "; ";
            FTargets.NilItem(i);
            FTargets.Delete(i);
            if (FTargets.IndexOf(c) < 0) {
                std::replace(FPool.begin(), FPool.end(), c, NewControl());
                delete c;
            }
        } else if (op < 75) {
            log << "Clear; ";
            FTargets.Clear();
        } else if (op < 90) {
            log << "Update; ";
            FTargets.Update();
        } else {
            // An edit of a property followed by the selection's Update, as
            // after the inspector or a drag changed something.
            auto* c = static_cast<TControl*>(FPick.From(FPool));
            c->SetLeft(8 * FPick.Below(3));
            if (FPick.Chance(50)) c->SetCaption(FPick.Chance(50) ? "same" : c->Name());
            log << "Edit " << c->Name() << "; Update; ";
            FTargets.Update();
        }
    }

    // Compares with a fresh merge; returns a description of the first difference.
    std::string Check() {
        std::ostringstream why;
        if (FProps.Components().Count() != FTargets.Count()) why << "component lists differ in length";
        for (int i = 0; why.str().empty() && i < FTargets.Count(); ++i)
            if (FProps.Components()[i] != FTargets.GetItem(i)) why << "component lists differ at " << i;
        TMultiProps fresh;
        fresh.SetWantNames(&FProps.WantNames());
        fresh.SetOutNames(&FProps.OutNames());
        for (TComponent* c : FTargets.Items()) fresh.Add(c);
        fresh.RefreshValues();
        auto names = FProps.PropNames().ToVector(), values = FProps.PropValues().ToVector();
        if (names != fresh.PropNames().ToVector()) why << "names [" << Join(names) << "] fresh [" << Join(fresh.PropNames().ToVector()) << "]";
        else if (values != fresh.PropValues().ToVector())
            why << "values [" << Join(values) << "] fresh [" << Join(fresh.PropValues().ToVector()) << "]";
        Observe(names, values);
        return why.str();
    }

private:
    TComponent* NewControl() {
        TControl* c = nullptr;
        switch (FPick.Below(4)) {
        case 0: c = new TPushButton(FForm); break;
        case 1: c = new TTextLabel(FForm); break;
        case 2: c = new TLineEdit(FForm); break;
        default: c = new TBoxPanel(FForm); break;
        }
        c->SetName("C" + std::to_string(++FNextName));
        c->SetParent(FParent);
        c->SetBounds(8 * FPick.Below(3), 8, 40, 20);
        c->SetCaption(FPick.Chance(50) ? "same" : c->Name());
        return c;
    }
    static std::string Join(const std::vector<std::string>& v) {
        std::string s;
        for (auto& x : v) s += (s.empty() ? "" : ",") + x;
        return s;
    }
    void Observe(const std::vector<std::string>& names, const std::vector<std::string>& values) {
        int distinct = 0;
        for (int i = 0; i < FTargets.Count(); ++i)
            if (FTargets.IndexOf(FTargets.GetItem(i)) == i) ++distinct;
        if (distinct >= 2 && !names.empty()) ++FCov.RowsForSeveral;
        if (distinct >= 2 && std::count(values.begin(), values.end(), "") > 0) ++FCov.DisagreeingValues;
        bool outShown = false;
        for (auto& n : names) outShown |= FProps.OutNames().IndexOf(n) >= 0;
        if (FOutHidden && outShown && distinct == 1) ++FCov.OutNameReturned;
        FOutHidden = distinct >= 2 && FProps.OutNames().Count() > 0;
    }

    TComponent* FForm;
    TWinControl* FParent;
    Picker& FPick;
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
    Picker pick;
    Coverage cov;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        RandSeed(seed);
        auto* form = new TDesignForm(nullptr);
        auto* panel = new TBoxPanel(form);
        panel->SetParent(form);
        std::string failure;
        std::ostringstream log;
        {
            Scenario s(form, panel, pick, cov);
            for (int step = 0; step < 40 && failure.empty(); ++step) {
                s.Step(log);
                failure = s.Check();
            }
        }
        delete form;
        ASSERT_EQ(failure, "") << "seed " << seed << ": " << log.str();
    }
    // The sequences must actually reach the interesting states.
    EXPECT_GT(cov.RowsForSeveral, 100);
    EXPECT_GT(cov.DisagreeingValues, 50);
    EXPECT_GT(cov.OutNameReturned, 5);
    EXPECT_GT(cov.IncrementalDeletes, 100);
}
