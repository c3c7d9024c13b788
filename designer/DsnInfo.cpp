#include "designer/DsnInfo.h"

#include "designer/DsnConvert.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/Text.h"
#include "toolkit/win/window/Form.h"

namespace fw {

TObjInfo::TObjInfo(TObject* instance) : Instance(instance) {
    if (!instance) return;
    ClassName = instance->ClassName();
    PropList = instance->ClassInfo().Props();
    PropCount = static_cast<int>(PropList.size());
}

TMyPropInfo TObjInfo::GetProp(int index) const {
    if (index < 0 || index >= PropCount || !PropList[static_cast<size_t>(index)])
        throw Exception("Invalid Index");
    const TPropInfo* p = PropList[static_cast<size_t>(index)];
    return {p->Name, PropValueText(Instance, p), static_cast<uint8_t>(p->Kind())};
}

int TObjInfo::IndexOfProp(std::string_view name) const {
    for (int i = 0; i < PropCount; ++i)
        if (SameText(PropList[static_cast<size_t>(i)]->Name, name)) return i;
    return -1;
}

bool IsComparedKind(TTypeKind kind) {
    switch (kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkChar:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkFloat:
    case TTypeKind::tkSet: return true;
    default: return false;
    }
}

bool IsStringKind(TTypeKind kind) { return kind == TTypeKind::tkString || kind == TTypeKind::tkLString; }

namespace {

std::string SetText(int32_t bits, const TTypeInfo* element) {
    // Only ordinals 0..15 are examined: wider sets never show their upper elements.
    std::string text = "[";
    for (int i = 0; i < 16; ++i) {
        if (!(static_cast<uint32_t>(bits) & (1u << i))) continue;
        if (text != "[") text += ",";
        if (element) text += element->GetEnumName(i);
    }
    return text + "]";
}

std::string ClassText(TObject* instance, const TPropInfo* entry) {
    const TClassInfo* declared = entry->PropType->ClassType();
    if (!declared || !declared->InheritsFrom(TComponent::StaticClassInfo()))
        return "(" + entry->PropType->Name + ")";
    if (!entry->GetObj) return "";
    auto* component = dynamic_cast<TComponent*>(entry->GetObj(instance));
    return component ? component->Name() : "";
}

std::string MethodText(TObject* instance, const TPropInfo* entry) {
    if (!entry->GetMethod) return "";
    TMethod m = entry->GetMethod(instance);
    if (!m.Code) return "";
    // Handlers live in the form: a form publishes its own, a control's are its owner's.
    const TClassInfo* cls = nullptr;
    if (instance->Is<TForm>()) cls = &instance->ClassInfo();
    else if (auto* c = dynamic_cast<TComponent*>(instance); c && c->Owner()) cls = &c->Owner()->ClassInfo();
    return cls ? cls->MethodName(m.Code) : "";
}

std::string CharText(int32_t code) {
    // Characters are single bytes of the system code page.
    return AnsiToUtf8(std::string(1, static_cast<char>(code & 0xFF)));
}

} // namespace

std::string PropValueText(TObject* instance, const TPropInfo* entry) {
    if (!instance || !entry) return "";
    switch (entry->Kind()) {
    case TTypeKind::tkInteger: return entry->GetOrd ? IntToStr(entry->GetOrd(instance)) : "";
    case TTypeKind::tkChar: return entry->GetOrd ? CharText(entry->GetOrd(instance)) : "";
    case TTypeKind::tkEnumeration: return entry->GetOrd ? entry->PropType->GetEnumName(entry->GetOrd(instance)) : "";
    case TTypeKind::tkSet: return entry->GetOrd ? SetText(entry->GetOrd(instance), entry->PropType->CompType) : "";
    case TTypeKind::tkFloat: return entry->GetFloat ? FloatToText(entry->GetFloat(instance)) : "";
    case TTypeKind::tkString:
    case TTypeKind::tkLString: return entry->GetStr ? entry->GetStr(instance) : "";
    case TTypeKind::tkClass: return ClassText(instance, entry);
    case TTypeKind::tkMethod: return MethodText(instance, entry);
    default: return "Unknown";
    }
}

} // namespace fw
