#include "designer/DsnProp.h"

#include "designer/DsnFunc.h"
#include "designer/DsnInfo.h"
#include "designer/DsnMerge.h"

#include <algorithm>
#include <unordered_set>

namespace fw {

TMultiProps::TMultiProps()
    : FClassNames(std::make_unique<TStringList>()), FWantNames(std::make_unique<TStringList>()),
      FWantCaptions(std::make_unique<TStringList>()), FOutNames(std::make_unique<TStringList>()),
      FPropNames(std::make_unique<TStringList>()), FPropValues(std::make_unique<TStringList>()),
      FAllNames(std::make_unique<TStringList>()), FComponents(std::make_unique<TList<TComponent*>>()) {}

TMultiProps::~TMultiProps() {
    // The inspector may outlive us; it must not write through a freed set.
    if (FInspector && FInspector->FProps == this) FInspector->FProps = nullptr;
}

void TMultiProps::CopyLines(TStrings& target, const TStrings* source) {
    target.Clear();
    if (source) target.AddStrings(*source);
}

std::vector<TComponent*> TMultiProps::Distinct() const {
    std::vector<TComponent*> out;
    out.reserve(FEntries.size());
    std::unordered_set<TComponent*> seen;
    for (TComponent* c : *FComponents)
        if (c && seen.insert(c).second) out.push_back(c);
    return out;
}

void TMultiProps::Forget(TComponent* component) {
    auto it = FEntries.find(component);
    if (it != FEntries.end() && --it->second == 0) FEntries.erase(it);
}

void TMultiProps::SetInspector(TCustomInspector* inspector) {
    if (!inspector) {
        FInspector = nullptr;
        return;
    }
    // An inspector shows one property set: a previous one lets go of it.
    if (inspector->FProps && inspector->FProps != this && inspector->FProps->FInspector == inspector)
        inspector->FProps->FInspector = nullptr;
    FInspector = inspector;
    inspector->FProps = this;
}

void TMultiProps::NilItem(int index) {
    if (TComponent* c = FComponents->Items(index)) Forget(c);
    FComponents->SetItem(index, nullptr);
}

void TMultiProps::Add(TComponent* component) {
    // The entry is always appended so the list stays parallel to the target
    // list; a component that is already merged (or none) changes no row.
    bool merged = !component || FEntries[component]++ > 0;
    FComponents->Add(component);
    if (merged) return;
    int n = static_cast<int>(FEntries.size());
    MergeComponent({*FClassNames, *FPropNames, *FPropValues, FAllNames.get(), *FWantNames, *FOutNames}, component, n);
    OrderByList(*FWantNames, *FPropNames, *FPropValues);
}

void TMultiProps::ClearRows() {
    FClassNames->Clear();
    FAllNames->Clear();
    FPropNames->Clear();
    FPropValues->Clear();
}

void TMultiProps::Clear() {
    ClearRows();
    FComponents->Clear();
    FEntries.clear();
}

void TMultiProps::Delete(int index) {
    TComponent* removed = FComponents->Items(index); // the list index error outside the list
    FComponents->Delete(index);
    if (removed) Forget(removed);
    if (FEntries.empty()) {
        ClearRows(); // forgotten entries, if any, keep their places
        return;
    }
    if (!removed || FComponents->IndexOf(nullptr) >= 0) Remerge(); // a forgotten component cannot be read
    else if (FEntries.count(removed)) RefreshValues();              // still selected through another entry
    else DeleteIncremental(removed);
}

// Recomputes after removing a component without re-merging the others from
// scratch: only names that some component lacked or that OutNames held can
// come back, and only the remaining classes decide which of them do.
void TMultiProps::DeleteIncremental(TComponent* removed) {
    TStringList candidates;
    candidates.Assign(FAllNames.get());
    FAllNames->Clear();
    // A wanted name the removed component has but the rows lack (for a reason
    // other than OutNames) is missing from some remaining component.
    TObjInfo r(removed);
    for (const TPropInfo* p : r.PropList)
        if (FPropNames->IndexOf(p->Name) < 0 && FWantNames->IndexOf(p->Name) >= 0 && FOutNames->IndexOf(p->Name) < 0)
            if (int k = candidates.IndexOf(p->Name); k >= 0) candidates.Delete(k);
    // Present rows stay rows.
    for (int i = 0; i < FPropNames->Count(); ++i)
        if (int k = candidates.IndexOf(FPropNames->Get(i)); k >= 0) candidates.Delete(k);

    std::vector<TComponent*> rest = Distinct();
    auto keepPublished = [&candidates](const TObjInfo& info) {
        for (int k = candidates.Count() - 1; k >= 0; --k)
            if (info.IndexOfProp(candidates.Get(k)) < 0) candidates.Delete(k);
    };
    auto addWanted = [this](const TObjInfo& info) {
        for (const TPropInfo* p : info.PropList)
            if (FAllNames->IndexOf(p->Name) < 0 && FWantNames->IndexOf(p->Name) >= 0) FAllNames->Add(p->Name);
    };
    FClassNames->Clear();
    TObjInfo first(rest.front());
    FClassNames->Add(first.ClassName);
    keepPublished(first);
    addWanted(first);
    if (rest.size() >= 2) {
        for (int k = candidates.Count() - 1; k >= 0; --k)
            if (FOutNames->IndexOf(candidates.Get(k)) >= 0) candidates.Delete(k);
        for (size_t i = 1; i < rest.size(); ++i) {
            TObjInfo info(rest[i]);
            if (FClassNames->IndexOf(info.ClassName) >= 0) continue;
            FClassNames->Add(info.ClassName);
            keepPublished(info);
            addWanted(info);
        }
    }
    FPropNames->AddStrings(candidates);
    RefreshValues();
    OrderByList(*FWantNames, *FPropNames, *FPropValues);
}

// Merges the remaining entries afresh, in list order.
void TMultiProps::Remerge() {
    std::vector<TComponent*> entries(FComponents->begin(), FComponents->end());
    Clear();
    for (TComponent* c : entries) Add(c);
    RefreshValues();
}

void TMultiProps::RefreshValues() {
    FPropValues->Clear();
    std::vector<TComponent*> components = Distinct();
    if (components.empty()) return;
    ReadValues(components.front(), *FPropNames, *FPropValues);
    for (size_t i = 1; i < components.size(); ++i) CompareValues(components[i], *FPropNames, *FPropValues);
}

void TMultiProps::Update() {
    RefreshValues();
    if (FInspector) FInspector->UpdateView();
}

} // namespace fw
