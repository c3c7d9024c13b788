#pragma once
// What a persistent object sees of the component stream when it stores
// properties of its own ("Lines.Strings", "Glyph.Data"): value-level reading
// and writing, and the filer through which it defines such properties. The
// stream layer implements these.
#include <cstdint>
#include <functional>
#include <string>

namespace fw {

class TStream;

class TAbstractReader {
public:
    virtual ~TAbstractReader() = default;
    virtual bool EndOfList() = 0;
    virtual void ReadListBegin() = 0;
    virtual void ReadListEnd() = 0;
    virtual std::string ReadString() = 0; // UTF-8
    virtual std::string ReadIdent() = 0;
    virtual int32_t ReadInteger() = 0;
    virtual int64_t ReadInt64() = 0;
    virtual bool ReadBoolean() = 0;
    virtual long double ReadFloat() = 0;
};

class TAbstractWriter {
public:
    virtual ~TAbstractWriter() = default;
    virtual void WriteListBegin() = 0;
    virtual void WriteListEnd() = 0;
    virtual void WriteString(const std::string& utf8) = 0;
    virtual void WriteIdent(const std::string& ident) = 0;
    virtual void WriteInteger(int64_t value) = 0;
    virtual void WriteBoolean(bool value) = 0;
    virtual void WriteFloat(long double value) = 0;
};

using TReaderProc = std::function<void(TAbstractReader&)>;
using TWriterProc = std::function<void(TAbstractWriter&)>;
using TStreamProc = std::function<void(TStream&)>;

class TFiler {
public:
    virtual ~TFiler() = default;
    // A property stored by the object itself; hasData says whether the writer
    // stores it at all.
    virtual void DefineProperty(const std::string& name, const TReaderProc& readData,
                                const TWriterProc& writeData, bool hasData) = 0;
    // The same for a binary blob (value code 10).
    virtual void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                                      const TStreamProc& writeData, bool hasData) = 0;
};

} // namespace fw
