#include "designer/DsnSelection.h"

#include "designer/DsnFunc.h"
#include "toolkit/core/ClassBuilder.h"

namespace fw {

const TClassInfo& TSelectedComponents::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TSelectedComponents, TObject>().Build();
    return info;
}

TSelectedComponents::TSelectedComponents() : FList(std::make_unique<TList<TComponent*>>()) {}
TSelectedComponents::~TSelectedComponents() = default;

void TSelectedComponents::AddList(const TList<TComponent*>& source) {
    for (TComponent* c : source) FList->Add(c);
}

const TClassInfo& TContextProps::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TContextProps, TObject>().Build();
    return info;
}

TContextProps::TContextProps()
    : FNames(std::make_unique<TStringList>()), FCaptions(std::make_unique<TStringList>()),
      FPropNames(std::make_unique<TStringList>()), FPropValues(std::make_unique<TStringList>()) {}
TContextProps::~TContextProps() = default;

void TContextProps::Build(const TStrings& selfProps, const TStrings* outProps, const TList<TComponent*>* components) {
    FOutNames = outProps;
    FComponents = components;
    SplitNameCaptions(selfProps, FNames.get(), FCaptions.get());
    FPropNames->Clear();
    FPropValues->Clear();
    if (!components) return;
    const TStringList none;
    CommonProps(*components, *FNames, outProps ? *outProps : none, *FPropValues, *FPropNames);
    OrderByList(*FNames, *FPropNames, *FPropValues);
}

std::string TContextProps::Caption(int index) const {
    return LookupCaption(FPropNames->Get(index), *FNames, *FCaptions);
}

} // namespace fw
