#pragma once
// Plain views of the selection: the component list handed to dialog handlers
// (TSelectedComponents) and the one-pass rows of the design surface's context
// menu (TContextProps).
#include "toolkit/core/Component.h"
#include "toolkit/core/List.h"
#include "toolkit/core/Strings.h"

#include <memory>
#include <string>

namespace fw {

// Filled with the selection, passed to a handler, freed when it returns; a
// handler must not keep it.
class TSelectedComponents : public TObject {
    FW_CLASS(TSelectedComponents)

    TSelectedComponents();
    ~TSelectedComponents() override;

    int Count() const { return FList->Count(); }
    // Raises the list index error outside 0 .. Count-1.
    TComponent* Items(int index) const { return FList->Items(index); }
    void AddList(const TList<TComponent*>& source);
    const TList<TComponent*>& List() const { return *FList; }

private:
    std::unique_ptr<TList<TComponent*>> FList;
};

class TContextProps : public TObject {
    FW_CLASS(TContextProps)

    TContextProps();
    ~TContextProps() override;

    // Rows: the selfProps names (left of "|") that every component publishes,
    // without outProps for two or more, in selfProps order, with their common
    // value texts. outProps and components are kept by reference; they must
    // outlive this object.
    void Build(const TStrings& selfProps, const TStrings* outProps, const TList<TComponent*>* components);
    // The caption of row index (its selfProps caption).
    std::string Caption(int index) const;

    const TStrings& Names() const { return *FNames; }
    const TStrings& Captions() const { return *FCaptions; }
    const TStrings* OutNames() const { return FOutNames; }
    const TStrings& PropNames() const { return *FPropNames; }
    const TStrings& PropValues() const { return *FPropValues; }
    const TList<TComponent*>* Components() const { return FComponents; }

private:
    std::unique_ptr<TStringList> FNames, FCaptions;
    const TStrings* FOutNames = nullptr;
    std::unique_ptr<TStringList> FPropNames, FPropValues;
    const TList<TComponent*>* FComponents = nullptr;
};

} // namespace fw
