#include "stream/Writer.h"

#include "toolkit/core/Collection.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/core/Text.h"

namespace fw {

TWriter::TWriter(TStream& stream, size_t bufferSize) : FValues(stream, bufferSize) {}

TWriter::~TWriter() = default;

void TWriter::WritePropName(const std::string& name) { FValues.WriteShortString(Utf8ToAnsi(FPropPath + name)); }

void TWriter::WriteComponent(TComponent* component) {
    bool wasWriting = component->HasState(csWriting);
    component->SetState(csWriting, true);
    TScopeExit restore([component, wasWriting] { component->SetState(csWriting, wasWriting); });
    FValues.WriteShortString(Utf8ToAnsi(component->ClassName()));
    FValues.WriteShortString(Utf8ToAnsi(component->Name()));
    WriteProperties(component);
    FValues.WriteListEnd();
    component->GetChildren(
        [this](TComponent* child) {
            if (child->Owner() == FRoot) WriteComponent(child);
        },
        FRoot);
    FValues.WriteListEnd();
}

void TWriter::WriteRootComponent(TComponent* root) {
    FRoot = root;
    WriteSignature();
    WriteComponent(root);
}

void TWriter::WriteProperties(TPersistent* instance) {
    for (const TPropInfo* prop : instance->ClassInfo().Props()) WriteProperty(instance, *prop);
    instance->DefineProperties(*this);
}

void TWriter::WriteCollection(TCollection* collection) {
    FValues.WriteValue(TValueType::vaCollection);
    std::string savedPath = FPropPath;
    FPropPath.clear();
    for (int i = 0; i < collection->Count(); ++i) {
        FValues.WriteListBegin();
        WriteProperties(collection->Items(i));
        FValues.WriteListEnd();
    }
    FPropPath = savedPath;
    FValues.WriteListEnd();
}

// A sub-component is stored inside the record of the component that owns it;
// anywhere else it is referred to like any other component.
bool TWriter::IsOwnSubComponent(TPersistent* instance, TObject* value) {
    auto* comp = dynamic_cast<TComponent*>(value);
    return comp && comp->IsSubComponent() && comp->Owner() == instance;
}

bool TWriter::OwnedByRoot(TComponent* component) const {
    for (TComponent* c = component; c; c = c->Owner())
        if (c->Owner() == FRoot && FRoot) return true;
    return false;
}

std::string TWriter::ReferencePath(TComponent* component) const {
    if (!component) return {};
    if (component == FRoot) return "Owner";
    TComponent* owner = component->Owner();
    if (owner && owner == FRoot) return component->Name();
    if (owner && OwnedByRoot(owner)) return ReferencePath(owner) + "." + component->Name();
    if (owner && !owner->Name().empty()) return owner->Name() + "." + component->Name();
    if (!component->Name().empty()) return component->Name() + ".Owner";
    return {};
}

// Writes one published property unless it has no read access, no write access
// (sub-objects excepted), a false stored condition, or its default value.
void TWriter::WriteProperty(TPersistent* instance, const TPropInfo& prop) {
    if (!prop.IsReadable() || !prop.IsStored(instance)) return;
    const TTypeInfo& type = *prop.PropType;
    if (!prop.IsWritable()) {
        if (type.Kind != TTypeKind::tkClass) return;
        if (!IsOwnSubComponent(instance, prop.GetObj(instance))) return;
    }
    switch (type.Kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkChar:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet: {
        int32_t v = prop.GetOrd(instance);
        if (prop.HasDefault && v == prop.Default) return;
        WritePropName(prop.Name);
        if (type.Kind == TTypeKind::tkInteger) {
            std::string ident;
            if (type.IdentMap && type.IdentMap->IntToIdent(v, ident)) FValues.WriteIdent(ident);
            else FValues.WriteInteger(v);
        } else if (type.Kind == TTypeKind::tkChar) {
            FValues.WriteString(AnsiToUtf8(std::string(1, static_cast<char>(v))));
        } else if (type.Kind == TTypeKind::tkEnumeration) {
            FValues.WriteIdent(type.GetEnumName(v));
        } else {
            std::vector<std::string> names;
            for (int bit = 0; bit < 32; ++bit)
                if ((static_cast<uint32_t>(v) >> bit) & 1u) {
                    std::string n = type.CompType ? type.CompType->GetEnumName(bit) : std::string();
                    if (!n.empty()) names.push_back(Utf8ToAnsi(n));
                }
            FValues.WriteSet(names);
        }
        return;
    }
    case TTypeKind::tkFloat: {
        long double v = prop.GetFloat(instance);
        if (v == 0) return;
        WritePropName(prop.Name);
        FValues.WriteFloat(v);
        return;
    }
    case TTypeKind::tkInt64: {
        int64_t v = prop.GetInt64(instance);
        if (v == 0) return;
        WritePropName(prop.Name);
        FValues.WriteInteger(v);
        return;
    }
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
    case TTypeKind::tkWString: {
        std::string v = prop.GetStr(instance);
        if (v.empty()) return;
        WritePropName(prop.Name);
        FValues.WriteString(v);
        return;
    }
    case TTypeKind::tkClass: {
        TObject* obj = prop.GetObj(instance);
        if (!obj) return; // an empty reference is the default
        auto* comp = dynamic_cast<TComponent*>(obj);
        if (comp && !IsOwnSubComponent(instance, comp)) {
            WritePropName(prop.Name);
            FValues.WriteIdent(Utf8ToAnsi(ReferencePath(comp)));
            return;
        }
        if (auto* coll = dynamic_cast<TCollection*>(obj)) {
            WritePropName(prop.Name);
            WriteCollection(coll);
            return;
        }
        if (auto* persistent = dynamic_cast<TPersistent*>(obj)) {
            TScopedValue<std::string> path(FPropPath, FPropPath + prop.Name + ".");
            WriteProperties(persistent);
        }
        return;
    }
    case TTypeKind::tkMethod: {
        TMethod m = prop.GetMethod(instance);
        if (!m.Assigned() || !FRoot) return;
        std::string name = FRoot->ClassInfo().MethodName(m.Code);
        if (name.empty()) return;
        WritePropName(prop.Name);
        FValues.WriteIdent(Utf8ToAnsi(name));
        return;
    }
    default:
        return; // variants and other kinds are not stored
    }
}

void TWriter::DefineProperty(const std::string& name, const TReaderProc&, const TWriterProc& writeData,
                             bool hasData) {
    if (!hasData || !writeData) return;
    WritePropName(name);
    writeData(*this);
}

void TWriter::DefineBinaryProperty(const std::string& name, const TStreamProc&, const TStreamProc& writeData,
                                   bool hasData) {
    if (!hasData || !writeData) return;
    TMemoryStream data;
    writeData(data);
    WritePropName(name);
    FValues.WriteBinary(data.Memory(), static_cast<uint32_t>(data.Size()));
}

void WriteComponentList(TStream& stream, const std::vector<TComponent*>& components, TComponent* root) {
    {
        TWriter writer(stream);
        writer.SetRoot(root);
        for (TComponent* c : components) {
            writer.WriteSignature();
            writer.WriteComponent(c);
        }
        for (size_t i = 0; i < components.size(); ++i) writer.WriteListEnd();
        writer.FlushBuffer();
    }
}

} // namespace fw
