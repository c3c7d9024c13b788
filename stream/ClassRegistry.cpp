#include "stream/ClassRegistry.h"

#include "toolkit/core/Exception.h"
#include "toolkit/core/Text.h"

#include <algorithm>

namespace fw {

void TClassRegistry::RegisterClass(const TClassInfo& cls) {
    if (const TClassInfo* existing = GetClass(cls.ClassName)) {
        if (existing == &cls) return;
        throw EFilerError(Format("A class named %s already exists", {cls.ClassName}));
    }
    FClasses.push_back(&cls);
}

void TClassRegistry::RegisterClasses(std::initializer_list<const TClassInfo*> classes) {
    for (const TClassInfo* c : classes) RegisterClass(*c);
}

void TClassRegistry::UnRegisterClass(const TClassInfo& cls) {
    FClasses.erase(std::remove(FClasses.begin(), FClasses.end(), &cls), FClasses.end());
}

const TClassInfo* TClassRegistry::GetClass(std::string_view name) const {
    for (const TClassInfo* c : FClasses)
        if (SameText(c->ClassName, name)) return c;
    return nullptr;
}

const TClassInfo& TClassRegistry::FindClass(std::string_view name) const {
    const TClassInfo* c = GetClass(name);
    if (!c) throw EClassNotFound(Format("Class %s not found", {std::string(name)}));
    return *c;
}

TClassRegistry& TClassRegistry::Global() {
    static TClassRegistry registry;
    return registry;
}

} // namespace fw
