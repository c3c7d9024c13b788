#include "stream/Reader.h"

#include "toolkit/core/Collection.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/core/Text.h"

#include <algorithm>

namespace fw {

// A component reference waiting for its target.
struct TReader::TPendingRef {
    TPersistent* Instance;
    const TPropInfo* Prop;
    TComponent* OwningComponent; // the component whose record held it
    TComponent* Root;
    std::string Path;
};

namespace {

[[noreturn]] void InvalidValue() { throw EPropertyError("Invalid property value"); }

std::vector<std::string> SplitPath(std::string_view path) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t dot = path.find('.', start);
        parts.emplace_back(path.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
        if (dot == std::string_view::npos) break;
        start = dot + 1;
    }
    return parts;
}

bool IsIntegerCode(TValueType t) {
    return t == TValueType::vaInt8 || t == TValueType::vaInt16 || t == TValueType::vaInt32;
}

bool IsStringCode(TValueType t) {
    return t == TValueType::vaString || t == TValueType::vaLString || t == TValueType::vaWString ||
           t == TValueType::vaUTF8String;
}

} // namespace

// Follows the components a reader (or the global fix-up list) refers to, and
// forgets them when they are freed, so nothing is reached after its end.
class TReader::TTracker : public TComponent {
public:
    TTracker() : TComponent(nullptr) {}
    ~TTracker() override { Destroying(); }

    std::vector<TComponent*> Loaded;
    std::vector<TPendingRef> Refs;
    std::vector<TComponent*> Roots;

    void Watch(TComponent* c) {
        if (c) FreeNotification(c);
    }
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (op != TOperation::opRemove) return;
        std::replace(Loaded.begin(), Loaded.end(), c, static_cast<TComponent*>(nullptr));
        Roots.erase(std::remove(Roots.begin(), Roots.end(), c), Roots.end());
        Refs.erase(std::remove_if(Refs.begin(), Refs.end(),
                                  [c](const TPendingRef& r) { return r.OwningComponent == c || r.Root == c; }),
                   Refs.end());
    }
};

namespace {
// Never freed: pending references may outlive every reader, and the order of
// destruction at program exit is not ours to choose.
TReader::TTracker* GlobalTracker();
} // namespace

TReader::TReader(TStream& stream, size_t bufferSize)
    : FValues(stream, bufferSize), FRegistry(&TClassRegistry::Global()), FTracker(std::make_unique<TTracker>()) {}

TReader::~TReader() = default;

std::string TReader::ReadIdent() { return AnsiToUtf8(FValues.ReadIdent()); }

bool TReader::HandleError(const std::string& message) {
    bool handled = false;
    if (OnError) OnError(*this, message, handled);
    return handled;
}

TComponent* TReader::ReadSignatureAndComponent() {
    FValues.ReadSignature();
    if (!FRoot) FRoot = FOwner;
    TComponent* c = ReadComponent();
    EndLoading();
    return c;
}

void TReader::ReadComponents(TComponent* owner, TComponent* parent, const TReadComponentsProc& proc) {
    FOwner = owner;
    FParent = parent;
    if (!FRoot) FRoot = owner;
    try {
        while (!FValues.EndOfList()) {
            FValues.ReadSignature();
            TComponent* c = ReadComponent();
            if (proc) proc(c);
        }
        FValues.ReadListEnd();
    } catch (...) {
        // What was read completely stays, and is finished like a full load.
        try {
            EndLoading();
        } catch (...) {
        }
        throw;
    }
    EndLoading();
}

TComponent* TReader::ReadRootComponent(TComponent* root) {
    FValues.ReadSignature();
    TNestingGuard guard(FValues);
    if ((FValues.PeekByte() & 0xF0) == 0xF0) {
        int flags = FValues.ReadByte() & 0x0F;
        if (flags & 2) FValues.ReadInteger();
    }
    std::string className = AnsiToUtf8(FValues.ReadShortString());
    std::string name = AnsiToUtf8(FValues.ReadShortString());
    bool created = false;
    if (!root) {
        const TClassInfo& cls = FRegistry->FindClass(className);
        if (!cls.CreateComponent) throw EClassNotFound(Format("Class %s not found", {className}));
        root = cls.CreateComponent(nullptr);
        created = true;
    }
    try {
        FRoot = FOwner = FParent = root;
        root->SetState(csLoading, true);
        root->SetState(csReading, true);
        FTracker->Watch(root);
        FTracker->Loaded.push_back(root);
        if (OnSetName) OnSetName(*this, root, name);
        root->SetName(name);
        ReadComponentBody(root, true);
        EndLoading();
    } catch (...) {
        if (created) delete root;
        throw;
    }
    return root;
}

TComponent* TReader::ReadComponent() {
    TNestingGuard guard(FValues);
    int flags = 0;
    int32_t position = 0;
    if ((FValues.PeekByte() & 0xF0) == 0xF0) {
        flags = FValues.ReadByte() & 0x0F;
        if (flags & 2) position = FValues.ReadInteger();
    }
    std::string className = AnsiToUtf8(FValues.ReadShortString());
    std::string name = AnsiToUtf8(FValues.ReadShortString());
    const TClassInfo& cls = FRegistry->FindClass(className);
    if (!cls.CreateComponent) throw EClassNotFound(Format("Class %s not found", {className}));

    TComponent* component = cls.CreateComponent(FOwner);
    try {
        component->SetState(csLoading, true);
        component->SetState(csReading, true);
        FTracker->Watch(component);
        FTracker->Loaded.push_back(component);
        if (FParent) component->SetParentComponent(FParent);
        if (OnSetName) OnSetName(*this, component, name);
        component->SetName(name);
        ReadComponentBody(component, false);
        if (flags & 2) {
            TComponent* parent = component->GetParentComponent();
            if (!parent) parent = FOwner;
            if (parent) parent->SetChildOrder(component, position);
        }
    } catch (...) {
        delete component;
        throw;
    }
    return component;
}

void TReader::ReadComponentBody(TComponent* component, bool isRoot) {
    ReadProperties(component, component);
    TScopedValue<TComponent*> parent(FParent, component);
    while (!FValues.EndOfList()) ReadComponent();
    FValues.ReadListEnd();
}

void TReader::ReadProperties(TPersistent* instance, TComponent* owningComponent) {
    while (!FValues.EndOfList()) ReadProperty(instance, owningComponent);
    FValues.ReadListEnd();
}

// Reads one (name, value) pair. Errors of this one property go to the error
// callback; when it handles them the value is skipped. Errors of the stream
// itself, and of self-defined properties, end the read.
void TReader::ReadProperty(TPersistent* instance, TComponent* owningComponent) {
    std::string fullName = AnsiToUtf8(FValues.ReadShortString());
    long long valueStart = FValues.Position();
    try {
        std::vector<std::string> parts = SplitPath(fullName);
        TPersistent* target = instance;
        auto missing = [&]() { throw EPropertyError(Format("Property %s does not exist", {fullName})); };
        for (size_t i = 0; i + 1 < parts.size(); ++i) {
            const TPropInfo* p = target->ClassInfo().FindProp(parts[i]);
            if (!p || p->Kind() != TTypeKind::tkClass || !p->GetObj) missing();
            target = dynamic_cast<TPersistent*>(p->GetObj(target));
            if (!target) missing();
        }
        const TPropInfo* prop = target->ClassInfo().FindProp(parts.back());
        if (prop) ReadPropValue(target, *prop, owningComponent);
        else ReadDefinedProperty(target, parts.back(), fullName);
    } catch (const EStreamError&) {
        throw;
    } catch (const std::exception& e) {
        if (!HandleError(e.what())) throw;
        FValues.SetPosition(valueStart);
        FValues.SkipValue();
    }
}

void TReader::ReadPropValue(TPersistent* instance, const TPropInfo& prop, TComponent* owningComponent) {
    const TTypeInfo& type = *prop.PropType;
    TValueType code = FValues.NextValue();
    if (!prop.IsWritable()) {
        // Only a sub-component can be read through a property without a setter.
        InvalidValue();
    }
    switch (type.Kind) {
    case TTypeKind::tkInteger: {
        int32_t v;
        if (IsIntegerCode(code)) {
            v = FValues.ReadInteger();
        } else if (code == TValueType::vaIdent && type.IdentMap) {
            std::string ident = AnsiToUtf8(FValues.ReadIdent());
            if (!type.IdentMap->IdentToInt(ident, v)) InvalidValue();
        } else {
            InvalidValue();
        }
        prop.SetOrd(instance, v);
        return;
    }
    case TTypeKind::tkChar: {
        if (!IsStringCode(code)) InvalidValue();
        std::string s = Utf8ToAnsi(FValues.ReadString());
        if (s.size() != 1) InvalidValue();
        prop.SetOrd(instance, static_cast<unsigned char>(s[0]));
        return;
    }
    case TTypeKind::tkEnumeration: {
        if (code != TValueType::vaIdent && code != TValueType::vaFalse && code != TValueType::vaTrue &&
            code != TValueType::vaNull && code != TValueType::vaNil)
            InvalidValue();
        int32_t v = type.GetEnumValue(AnsiToUtf8(FValues.ReadIdent()));
        if (v < 0) InvalidValue();
        prop.SetOrd(instance, v);
        return;
    }
    case TTypeKind::tkSet: {
        if (code != TValueType::vaSet) InvalidValue();
        FValues.ReadValue();
        uint32_t bits = 0;
        bool bad = false;
        for (const std::string& name : FValues.ReadSetNames()) {
            int32_t v = type.CompType ? type.CompType->GetEnumValue(AnsiToUtf8(name)) : -1;
            if (v < 0 || v > 31) bad = true; // keep reading to the end of the set first
            else bits |= 1u << v;
        }
        if (bad) InvalidValue();
        prop.SetOrd(instance, static_cast<int32_t>(bits));
        return;
    }
    case TTypeKind::tkFloat: {
        if (!(IsIntegerCode(code) || code == TValueType::vaExtended || code == TValueType::vaSingle ||
              code == TValueType::vaCurrency || code == TValueType::vaDate || code == TValueType::vaInt64))
            InvalidValue();
        prop.SetFloat(instance, FValues.ReadFloat());
        return;
    }
    case TTypeKind::tkInt64: {
        if (!IsIntegerCode(code) && code != TValueType::vaInt64) InvalidValue();
        prop.SetInt64(instance, FValues.ReadInt64Value());
        return;
    }
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
    case TTypeKind::tkWString: {
        if (!IsStringCode(code)) InvalidValue();
        prop.SetStr(instance, FValues.ReadString());
        return;
    }
    case TTypeKind::tkClass: {
        if (code == TValueType::vaNil) {
            FValues.ReadValue();
            prop.SetObj(instance, nullptr);
        } else if (code == TValueType::vaIdent) {
            std::string path = AnsiToUtf8(FValues.ReadIdent());
            if (path.empty()) {
                prop.SetObj(instance, nullptr);
                return;
            }
            FTracker->Refs.push_back({instance, &prop, owningComponent, FRoot, path});
            FTracker->Watch(FRoot);
        } else if (code == TValueType::vaCollection) {
            auto* coll = dynamic_cast<TCollection*>(prop.GetObj ? prop.GetObj(instance) : nullptr);
            if (!coll) InvalidValue();
            FValues.ReadValue();
            ReadCollection(coll, owningComponent);
        } else {
            InvalidValue();
        }
        return;
    }
    case TTypeKind::tkMethod: {
        if (code == TValueType::vaNil) {
            FValues.ReadValue();
            prop.SetMethod(instance, TMethod{});
            return;
        }
        if (code != TValueType::vaIdent) InvalidValue();
        std::string name = AnsiToUtf8(FValues.ReadIdent());
        const TMethodEntry* entry = FRoot ? FRoot->ClassInfo().FindMethod(name) : nullptr;
        bool error = entry == nullptr;
        if (OnFindMethod) OnFindMethod(*this, name, entry, error);
        if (error) throw EPropertyError(Format("Method %s not found", {name}));
        prop.SetMethod(instance, entry ? TMethod{entry, FRoot} : TMethod{});
        return;
    }
    default:
        InvalidValue();
    }
}

void TReader::ReadCollection(TCollection* collection, TComponent* owningComponent) {
    TNestingGuard guard(FValues);
    collection->BeginUpdate();
    TScopeExit end([collection] { collection->EndUpdate(); });
    collection->Clear();
    while (!FValues.EndOfList()) {
        if (IsIntegerCode(FValues.NextValue())) FValues.ReadInteger(); // the item's order
        FValues.ReadListBegin();
        TCollectionItem* item = collection->Add();
        ReadProperties(item, owningComponent);
    }
    FValues.ReadListEnd();
}

void TReader::ReadDefinedProperty(TPersistent* instance, const std::string& name, const std::string& fullName) {
    bool found = false;
    {
        TScopedValue<std::string> wanted(FDefinedWanted, name);
        TScopedValue<bool> seen(FDefinedFound, false);
        instance->DefineProperties(*this);
        found = FDefinedFound;
    }
    if (!found) throw EPropertyError(Format("Property %s does not exist", {fullName}));
}

void TReader::DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc&, bool) {
    if (FDefinedFound || !readData || !SameText(name, FDefinedWanted)) return;
    FDefinedFound = true;
    try {
        readData(*this);
    } catch (const EStreamError&) {
        throw;
    } catch (const std::exception& e) {
        // Not an error of one published property: it ends the read.
        throw EReadError(e.what());
    }
}

void TReader::DefineBinaryProperty(const std::string& name, const TStreamProc& readData, const TStreamProc&,
                                   bool) {
    if (FDefinedFound || !readData || !SameText(name, FDefinedWanted)) return;
    FDefinedFound = true;
    if (FValues.ReadValue() != TValueType::vaBinary) throw EReadError("Invalid property value");
    uint32_t len = FValues.ReadLength();
    std::string bytes = FValues.ReadBytes(len);
    TMemoryStream data(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    try {
        readData(data);
    } catch (const EStreamError&) {
        throw;
    } catch (const std::exception& e) {
        throw EReadError(e.what());
    }
}

void TReader::EndLoading() {
    std::vector<TPendingRef> refs;
    refs.swap(FTracker->Refs);
    for (const TPendingRef& r : refs) {
        TComponent* target = FindNestedComponent(r.Root, r.Path);
        if (target) {
            try {
                r.Prop->SetObj(r.Instance, target);
            } catch (const std::exception&) {
                // A reference to a component of the wrong class stays empty.
            }
        } else {
            TTracker* global = GlobalTracker();
            global->Refs.push_back(r);
            global->Watch(r.OwningComponent);
            global->Watch(r.Root);
        }
    }
    // A Loaded handler may free other components: the tracker blanks their
    // entries, so they are skipped.
    std::vector<TComponent*>& loaded = FTracker->Loaded;
    for (size_t i = 0; i < loaded.size(); ++i) {
        TComponent* c = loaded[i];
        if (!c) continue;
        c->SetState(csReading, false);
        c->Loaded();
    }
    loaded.clear();
}

// --- Roots and global fix-ups ------------------------------------------------

namespace {
TReader::TTracker* GlobalTracker() {
    static TReader::TTracker* tracker = new TReader::TTracker();
    return tracker;
}
} // namespace

void RegisterRoot(TComponent* root) {
    TReader::TTracker* g = GlobalTracker();
    if (std::find(g->Roots.begin(), g->Roots.end(), root) == g->Roots.end()) {
        g->Roots.push_back(root);
        g->Watch(root);
    }
    GlobalFixupReferences();
}

void UnregisterRoot(TComponent* root) {
    TReader::TTracker* g = GlobalTracker();
    g->Roots.erase(std::remove(g->Roots.begin(), g->Roots.end(), root), g->Roots.end());
}

TComponent* FindGlobalComponent(std::string_view name) {
    if (name.empty()) return nullptr;
    for (TComponent* r : GlobalTracker()->Roots)
        if (SameText(r->Name(), name)) return r;
    return nullptr;
}

void GlobalFixupReferences() {
    TReader::TTracker* g = GlobalTracker();
    std::vector<TReader::TPendingRef> still;
    std::vector<TReader::TPendingRef> refs;
    refs.swap(g->Refs);
    for (const auto& r : refs) {
        TComponent* target = FindNestedComponent(r.Root, r.Path);
        if (!target) {
            still.push_back(r);
            continue;
        }
        try {
            r.Prop->SetObj(r.Instance, target);
        } catch (const std::exception&) {
        }
    }
    g->Refs.insert(g->Refs.end(), still.begin(), still.end());
}

int PendingReferenceCount() { return static_cast<int>(GlobalTracker()->Refs.size()); }

TComponent* FindNestedComponent(TComponent* root, std::string_view path) {
    std::vector<std::string> parts = SplitPath(path);
    TComponent* cur = root;
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        if (part.empty()) return nullptr;
        TComponent* next = cur ? cur->FindComponent(part) : nullptr;
        if (!next && i == 0) {
            next = FindGlobalComponent(part);
            if (!next && root && SameText(root->Name(), part) && parts.size() > 1) next = root;
        }
        if (!next && SameText(part, "Owner")) next = cur;
        if (!next) return nullptr;
        cur = next;
    }
    return cur;
}

} // namespace fw
