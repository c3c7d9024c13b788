#pragma once
// Syntax-level writing of the component stream, through a buffer that reaches
// the stream when it is full, on FlushBuffer, and when the writer is released.
#include "stream/ValueTypes.h"
#include "toolkit/core/Stream.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class TValueWriter {
public:
    TValueWriter(TStream& stream, size_t bufferSize = 4096);
    ~TValueWriter(); // flushes
    TValueWriter(const TValueWriter&) = delete;
    TValueWriter& operator=(const TValueWriter&) = delete;

    void Write(const void* buffer, size_t count);
    void WriteByte(uint8_t b) { Write(&b, 1); }
    void FlushBuffer();
    long long Position() const { return FStreamPos + static_cast<long long>(FBuf.size()); }

    void WriteSignature();
    void WriteValue(TValueType t) { WriteByte(static_cast<uint8_t>(t)); }
    void WriteListBegin() { WriteValue(TValueType::vaList); }
    void WriteListEnd() { WriteValue(TValueType::vaNull); }
    // One length byte, then at most 255 bytes (longer text is cut).
    void WriteShortString(std::string_view s);
    void WriteUInt32(uint32_t v);
    void WriteInt64Raw(int64_t v);

    // Smallest of codes 2, 3, 4 (19 when the value needs 64 bits).
    void WriteInteger(int64_t v);
    void WriteBoolean(bool v) { WriteValue(v ? TValueType::vaTrue : TValueType::vaFalse); }
    // An identifier; "False", "True", "Null" and "nil" (any case) become codes 8, 9, 0, 13.
    void WriteIdent(std::string_view ident);
    // A UTF-8 text by the code choice of the format (codes 6, 12, 18 or 20).
    void WriteString(std::string_view utf8);
    void WriteUtf16String(std::u16string_view text);
    void WriteFloat(long double v);    // always code 5
    void WriteExtendedBytes(const TExtendedBytes& b);
    void WriteBinary(const void* data, uint32_t count);
    void WriteSet(const std::vector<std::string>& names);

private:
    TStream& FStream;
    std::vector<uint8_t> FBuf;
    size_t FCapacity;
    long long FStreamPos;
};

} // namespace fw
