#pragma once
// The component writer: stores components as records of (property, value)
// pairs with their child components, resolving references and method names
// against a root component.
#include "stream/ValueWriter.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/Filer.h"

#include <string>
#include <vector>

namespace fw {

class TCollection;

class TWriter : public TAbstractWriter, private TFiler {
public:
    TWriter(TStream& stream, size_t bufferSize = 4096);
    ~TWriter() override; // flushes the buffer to the stream

    // References and method names are written relative to the root.
    TComponent* Root() const { return FRoot; }
    void SetRoot(TComponent* root) { FRoot = root; }

    void WriteSignature() { FValues.WriteSignature(); }
    // One component record (no signature) with its children owned by the root.
    void WriteComponent(TComponent* component);
    // A whole root: signature, then the root's record holding its own
    // properties and its children (the components it stores, see GetChildren).
    void WriteRootComponent(TComponent* root);
    // The published and self-defined properties of an object, then nothing
    // else (the caller writes the list end).
    void WriteProperties(TPersistent* instance);
    void WriteCollection(TCollection* collection);
    void FlushBuffer() { FValues.FlushBuffer(); }
    TValueWriter& Values() { return FValues; }

    // The identifier under which a component is referred to from the root.
    std::string ReferencePath(TComponent* component) const;

    // TAbstractWriter
    void WriteListBegin() override { FValues.WriteListBegin(); }
    void WriteListEnd() override { FValues.WriteListEnd(); }
    void WriteString(const std::string& utf8) override { FValues.WriteString(utf8); }
    void WriteIdent(const std::string& ident) override { FValues.WriteIdent(ident); }
    void WriteInteger(int64_t value) override { FValues.WriteInteger(value); }
    void WriteBoolean(bool value) override { FValues.WriteBoolean(value); }
    void WriteFloat(long double value) override { FValues.WriteFloat(value); }

private:
    void WriteProperty(TPersistent* instance, const TPropInfo& prop);
    void WritePropName(const std::string& name);
    bool OwnedByRoot(TComponent* component) const;
    static bool IsOwnSubComponent(TPersistent* instance, TObject* value);

    // TFiler: self-defined properties.
    void DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc& writeData,
                        bool hasData) override;
    void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                              const TStreamProc& writeData, bool hasData) override;

    TValueWriter FValues;
    TComponent* FRoot = nullptr;
    std::string FPropPath;
};

// A design-file layout: for each component, the signature and its record,
// then one list end per component, after all records (whatever their number).
void WriteComponentList(TStream& stream, const std::vector<TComponent*>& components, TComponent* root);

} // namespace fw
