#include "designer/DsnFunc.h"

#include "designer/DsnMerge.h"

namespace fw {

void SplitNameCaptions(const TStrings& lines, TStrings* names, TStrings* captions) {
    if (!names || !captions) return;
    names->Clear();
    captions->Clear();
    for (int i = 0; i < lines.Count(); ++i) {
        std::string line = lines.Get(i);
        size_t bar = line.find('|');
        if (bar == std::string::npos) {
            names->Add(line);
            captions->Add(line);
        } else {
            names->Add(line.substr(0, bar));
            captions->Add(line.substr(bar + 1));
        }
    }
}

std::string LookupCaption(std::string_view name, const TStrings& names, const TStrings& captions) {
    return captions.Get(names.IndexOf(name));
}

void OrderByList(const TStrings& order, TStrings& names, TStrings& values) {
    // Last to first, each found name to the front: the first mention ends up first.
    for (int i = order.Count() - 1; i >= 0; --i) {
        int k = names.IndexOf(order.Get(i));
        if (k <= 0) continue;
        names.Move(k, 0);
        values.Move(k, 0);
    }
}

void CommonProps(const TList<TComponent*>& components, const TStrings& wantNames, const TStrings& outNames,
                 TStrings& values, TStrings& names) {
    TStringList classNames;
    TMergeLists lists{classNames, names, values, nullptr, wantNames, outNames};
    int n = 0;
    for (int i = 0; i < components.Count(); ++i)
        if (TComponent* c = components.Items(i)) MergeComponent(lists, c, ++n);
}

} // namespace fw
