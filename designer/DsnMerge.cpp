#include "designer/DsnMerge.h"

#include "designer/DsnInfo.h"

namespace fw {

void ReadValues(TObject* component, const TStrings& propNames, TStrings& propValues) {
    // Every row gets a value, so the two lists stay parallel even for a name
    // the component lacks (which the rows never hold).
    for (int i = 0; i < propNames.Count(); ++i) {
        const TPropInfo* p = component->ClassInfo().FindProp(propNames.Get(i));
        propValues.Add(p ? PropValueText(component, p) : "");
    }
}

void CompareValues(TObject* component, const TStrings& propNames, TStrings& propValues) {
    for (int i = 0; i < propValues.Count(); ++i) {
        const TPropInfo* p = component->ClassInfo().FindProp(propNames.Get(i));
        if (!p) continue;
        TTypeKind kind = p->Kind();
        if (IsStringKind(kind)) continue;
        std::string current = propValues.Get(i);
        if (current.empty()) continue; // already disagreeing
        if (!IsComparedKind(kind) || PropValueText(component, p) != current) propValues.Put(i, "");
    }
}

void MergeComponent(const TMergeLists& m, TObject* component, int n) {
    TObjInfo info(component);
    if (n == 1) {
        m.ClassNames.Add(info.ClassName);
        for (const TPropInfo* p : info.PropList)
            if (m.WantNames.IndexOf(p->Name) >= 0) m.PropNames.Add(p->Name);
        ReadValues(component, m.PropNames, m.PropValues);
        if (m.AllNames) m.AllNames->Assign(&m.PropNames);
    }
    if (n == 2) {
        for (int i = m.PropNames.Count() - 1; i >= 0; --i)
            if (m.OutNames.IndexOf(m.PropNames.Get(i)) >= 0) {
                m.PropNames.Delete(i);
                m.PropValues.Delete(i);
            }
    }
    if (m.ClassNames.IndexOf(info.ClassName) < 0) {
        m.ClassNames.Add(info.ClassName);
        for (int i = m.PropNames.Count() - 1; i >= 0; --i)
            if (info.IndexOfProp(m.PropNames.Get(i)) < 0) {
                m.PropNames.Delete(i);
                m.PropValues.Delete(i);
            }
        if (m.AllNames)
            for (const TPropInfo* p : info.PropList)
                if (m.AllNames->IndexOf(p->Name) < 0 && m.WantNames.IndexOf(p->Name) >= 0) m.AllNames->Add(p->Name);
    }
    if (n > 1) CompareValues(component, m.PropNames, m.PropValues);
}

} // namespace fw
