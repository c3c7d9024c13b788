#pragma once
// The component reader: creates components from records through a class
// registry, sets their properties by (dotted) name, binds events to the root's
// published methods, and resolves component references once everything is read.
#include "stream/ClassRegistry.h"
#include "stream/ValueReader.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/Filer.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class TCollection;
class TReader;

// The name callback may change the name a component read will get.
using TSetNameEvent = std::function<void(TReader& reader, TComponent* component, std::string& name)>;
// The error callback may mark an error of one property as handled; the
// property's value is then skipped and reading goes on.
using TReaderError = std::function<void(TReader& reader, const std::string& message, bool& handled)>;
// The method-lookup callback sees the method found in the root's class (or
// none, with error set) and may change both.
using TFindMethodEvent =
    std::function<void(TReader& reader, const std::string& methodName, const TMethodEntry*& address, bool& error)>;
// Called once per top-level component read by ReadComponents.
using TReadComponentsProc = std::function<void(TComponent* component)>;

class TReader : public TAbstractReader, private TFiler {
public:
    TReader(TStream& stream, size_t bufferSize = 4096);
    // Leaves the stream just after the last byte read.
    ~TReader() override;

    TComponent* Owner() const { return FOwner; }
    void SetOwner(TComponent* owner) { FOwner = owner; }
    TComponent* Parent() const { return FParent; }
    void SetParent(TComponent* parent) { FParent = parent; }
    TComponent* Root() const { return FRoot; }
    void SetRoot(TComponent* root) { FRoot = root; }
    void SetRegistry(const TClassRegistry* registry) { FRegistry = registry; }
    long long Position() const { return FValues.Position(); }
    void SetPosition(long long pos) { FValues.SetPosition(pos); }

    TSetNameEvent OnSetName;
    TReaderError OnError;
    TFindMethodEvent OnFindMethod;

    // Signature and one record, created with Owner and Parent; references are
    // resolved and Loaded is called before it returns.
    TComponent* ReadSignatureAndComponent();
    // Records (each after its signature) until a list end, which is consumed;
    // then references are resolved and every component read is told that
    // loading has finished. proc is called after each top-level record.
    void ReadComponents(TComponent* owner, TComponent* parent, const TReadComponentsProc& proc = {});
    // A whole root: signature and record; the root's own properties are read
    // into root (created from the registry when null), its children with root
    // as owner and parent.
    TComponent* ReadRootComponent(TComponent* root);

    // One record (no signature) as a child of Parent. The caller must call
    // EndLoading when a batch of records has been read.
    TComponent* ReadComponent();
    // Resolves the references read so far and calls Loaded on every component
    // read (in reading order).
    void EndLoading();

    TValueReader& Values() { return FValues; }

    // TAbstractReader
    bool EndOfList() override { return FValues.EndOfList(); }
    void ReadListBegin() override { FValues.ReadListBegin(); }
    void ReadListEnd() override { FValues.ReadListEnd(); }
    std::string ReadString() override { return FValues.ReadString(); }
    std::string ReadIdent() override;
    int32_t ReadInteger() override { return FValues.ReadInteger(); }
    int64_t ReadInt64() override { return FValues.ReadInt64Value(); }
    bool ReadBoolean() override { return FValues.ReadBoolean(); }
    long double ReadFloat() override { return FValues.ReadFloat(); }

    // Implementation details, shared with the global fix-up list.
    class TTracker;
    struct TPendingRef;

private:

    void ReadComponentBody(TComponent* component, bool isRoot);
    void ReadProperties(TPersistent* instance, TComponent* owningComponent);
    void ReadProperty(TPersistent* instance, TComponent* owningComponent);
    void ReadPropValue(TPersistent* instance, const TPropInfo& prop, TComponent* owningComponent);
    void ReadCollection(TCollection* collection, TComponent* owningComponent);
    void ReadDefinedProperty(TPersistent* instance, const std::string& name, const std::string& fullName);
    bool HandleError(const std::string& message);

    // TFiler: finds the self-defined property being read.
    void DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc& writeData,
                        bool hasData) override;
    void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                              const TStreamProc& writeData, bool hasData) override;

    TValueReader FValues;
    TComponent* FOwner = nullptr;
    TComponent* FParent = nullptr;
    TComponent* FRoot = nullptr;
    const TClassRegistry* FRegistry = nullptr;
    std::unique_ptr<TTracker> FTracker;
    std::string FDefinedWanted;
    bool FDefinedFound = false;
};

// Roots known by name (the application's windows): a reference "Form2.Button1"
// read before "Form2" exists stays pending and is completed when Form2 is
// registered.
void RegisterRoot(TComponent* root);
void UnregisterRoot(TComponent* root);
TComponent* FindGlobalComponent(std::string_view name);
// Retries every pending reference; called by RegisterRoot.
void GlobalFixupReferences();
int PendingReferenceCount();
// Finds a component by a reference path relative to root ("Button1",
// "Panel1.Button1", "Owner", "Form2.Button1", "Form2.Owner").
TComponent* FindNestedComponent(TComponent* root, std::string_view path);

} // namespace fw
