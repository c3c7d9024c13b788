#pragma once
// The property set of a multiple selection. TMultiProps follows the selection
// as a receiver of the target list and keeps the inspector's rows: the wanted
// names every selected component publishes, with their common value texts.
// This module also gathers the selection views and the inspector base.
#include "designer/DsnInspBase.h"
#include "designer/DsnList.h"
#include "designer/DsnSelection.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace fw {

class TMultiProps : public TReceiveTargets {
public:
    TMultiProps();
    ~TMultiProps() override;

    // Target-list changes. Components stays parallel to the target list entry
    // for entry, including a component added twice (merged once) and an
    // entry forgotten by NilItem until its Delete.
    void NilItem(int index) override;
    void Add(TComponent* component) override;
    void Clear() override; // keeps WantNames, WantCaptions and OutNames
    void Delete(int index) override;
    // Re-reads the values and lets the inspector redraw.
    void Update() override;

    // Rebuilds PropValues from the components' current texts.
    void RefreshValues();
    void SetWantNames(const TStrings* list) { CopyLines(*FWantNames, list); }
    void SetWantCaptions(const TStrings* list) { CopyLines(*FWantCaptions, list); }
    void SetOutNames(const TStrings* list) { CopyLines(*FOutNames, list); }
    // Links both ways; nullptr only forgets the inspector here.
    void SetInspector(TCustomInspector* inspector);

    const TStrings& ClassNames() const { return *FClassNames; }
    const TStrings& WantNames() const { return *FWantNames; }
    const TStrings& WantCaptions() const { return *FWantCaptions; }
    const TStrings& OutNames() const { return *FOutNames; }
    const TStrings& PropNames() const { return *FPropNames; }
    const TStrings& PropValues() const { return *FPropValues; }
    const TStrings& AllNames() const { return *FAllNames; }
    const TList<TComponent*>& Components() const { return *FComponents; }
    TCustomInspector* Inspector() const { return FInspector; }

private:
    static void CopyLines(TStrings& target, const TStrings* source);
    // The selected components other than forgotten entries, each once.
    std::vector<TComponent*> Distinct() const;
    void ClearRows();
    void DeleteIncremental(TComponent* removed);
    void Remerge();
    // One entry of the component fewer in Components.
    void Forget(TComponent* component);

    std::unique_ptr<TStringList> FClassNames, FWantNames, FWantCaptions, FOutNames, FPropNames, FPropValues, FAllNames;
    std::unique_ptr<TList<TComponent*>> FComponents;
    // How many entries of Components hold each component: a selection of
    // any size is merged and unmerged without searching the list.
    std::unordered_map<TComponent*, int> FEntries;
    TCustomInspector* FInspector = nullptr;
};

} // namespace fw
