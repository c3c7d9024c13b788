#include "toolkit/core/TypInfo.h"

#include "toolkit/core/Exception.h"
#include "toolkit/core/Text.h"

namespace fw {

TIdentMap::TIdentMap(std::initializer_list<std::pair<int32_t, const char*>> entries) {
    for (const auto& e : entries) FEntries.emplace_back(e.first, e.second);
}

bool TIdentMap::IntToIdent(int32_t value, std::string& ident) const {
    for (const auto& e : FEntries)
        if (e.first == value) {
            ident = e.second;
            return true;
        }
    return false;
}

bool TIdentMap::IdentToInt(std::string_view ident, int32_t& value) const {
    for (const auto& e : FEntries)
        if (SameText(e.second, ident)) {
            value = e.first;
            return true;
        }
    return false;
}

std::string TTypeInfo::GetEnumName(int32_t ordinal) const {
    if (ordinal < MinValue || ordinal > MaxValue) return {};
    size_t i = static_cast<size_t>(ordinal - MinValue);
    return i < EnumNames.size() ? EnumNames[i] : std::string();
}

int32_t TTypeInfo::GetEnumValue(std::string_view name) const {
    for (size_t i = 0; i < EnumNames.size(); ++i)
        if (SameText(EnumNames[i], name)) return MinValue + static_cast<int32_t>(i);
    return -1;
}

TTypeInfo MakeEnumType(std::string name, std::vector<std::string> names) {
    TTypeInfo t;
    t.Kind = TTypeKind::tkEnumeration;
    t.Name = std::move(name);
    t.MinValue = 0;
    t.MaxValue = static_cast<int32_t>(names.size()) - 1;
    t.EnumNames = std::move(names);
    return t;
}

TTypeInfo MakeSetType(std::string name, const TTypeInfo& element) {
    TTypeInfo t;
    t.Kind = TTypeKind::tkSet;
    t.Name = std::move(name);
    t.CompType = &element;
    return t;
}

TTypeInfo MakeIntegerType(std::string name, const TIdentMap* identMap) {
    TTypeInfo t;
    t.Kind = TTypeKind::tkInteger;
    t.Name = std::move(name);
    t.MinValue = INT32_MIN;
    t.MaxValue = INT32_MAX;
    t.IdentMap = identMap;
    return t;
}

namespace {
TTypeInfo Simple(TTypeKind kind, const char* name) {
    TTypeInfo t;
    t.Kind = kind;
    t.Name = name;
    return t;
}
} // namespace

const TTypeInfo& TypeInfoOf(int32_t*) {
    static const TTypeInfo t = MakeIntegerType("Integer");
    return t;
}
const TTypeInfo& TypeInfoOf(int64_t*) {
    static const TTypeInfo t = Simple(TTypeKind::tkInt64, "Int64");
    return t;
}
const TTypeInfo& TypeInfoOf(bool*) {
    static const TTypeInfo t = MakeEnumType("Boolean", {"False", "True"});
    return t;
}
const TTypeInfo& TypeInfoOf(char*) {
    static const TTypeInfo t = [] {
        TTypeInfo c = Simple(TTypeKind::tkChar, "Char");
        c.MaxValue = 255;
        return c;
    }();
    return t;
}
const TTypeInfo& TypeInfoOf(double*) {
    static const TTypeInfo t = Simple(TTypeKind::tkFloat, "Double");
    return t;
}
const TTypeInfo& TypeInfoOf(std::string*) {
    static const TTypeInfo t = Simple(TTypeKind::tkLString, "string");
    return t;
}
const TTypeInfo& TypeInfoOf(std::u16string*) {
    static const TTypeInfo t = Simple(TTypeKind::tkWString, "WideString");
    return t;
}

void RaiseSignatureMismatch(const std::string& name) {
    throw EPropertyError("Method " + name + " does not fit this event");
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        if (c == &other) return true;
    return false;
}

void TClassInfo::Finish() {
    FProps = Parent ? Parent->Props() : std::vector<const TPropInfo*>{};
    for (const TPropInfo& p : OwnProps) {
        bool replaced = false;
        for (auto& existing : FProps)
            if (SameText(existing->Name, p.Name)) {
                existing = &p;
                replaced = true;
                break;
            }
        if (!replaced) FProps.push_back(&p);
    }
}

const TPropInfo* TClassInfo::FindProp(std::string_view name) const {
    for (const TPropInfo* p : FProps)
        if (SameText(p->Name, name)) return p;
    return nullptr;
}

const TMethodEntry* TClassInfo::FindMethod(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const TMethodEntry& m : c->OwnMethods)
            if (SameText(m.Name, name)) return &m;
    return nullptr;
}

std::string TClassInfo::MethodName(const TMethodEntry* code) const {
    if (!code) return {};
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const TMethodEntry& m : c->OwnMethods)
            if (&m == code) return m.Name;
    return {};
}

} // namespace fw
