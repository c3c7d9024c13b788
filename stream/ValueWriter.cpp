#include "stream/ValueWriter.h"

#include "toolkit/core/Text.h"

#include <cstring>

namespace fw {

TValueWriter::TValueWriter(TStream& stream, size_t bufferSize)
    : FStream(stream), FCapacity(bufferSize < 16 ? 16 : bufferSize), FStreamPos(stream.Position()) {
    FBuf.reserve(FCapacity);
}

TValueWriter::~TValueWriter() {
    try {
        FlushBuffer();
    } catch (...) {
        // A destructor cannot report; callers that care call FlushBuffer first.
    }
}

void TValueWriter::FlushBuffer() {
    if (FBuf.empty()) return;
    FStream.WriteBuffer(FBuf.data(), static_cast<long long>(FBuf.size()));
    FStreamPos += static_cast<long long>(FBuf.size());
    FBuf.clear();
}

void TValueWriter::Write(const void* buffer, size_t count) {
    const auto* p = static_cast<const uint8_t*>(buffer);
    while (count > 0) {
        if (FBuf.size() == FCapacity) FlushBuffer();
        size_t n = std::min(count, FCapacity - FBuf.size());
        FBuf.insert(FBuf.end(), p, p + n);
        p += n;
        count -= n;
    }
}

void TValueWriter::WriteSignature() { Write(kFilerSignature, 4); }

void TValueWriter::WriteShortString(std::string_view s) {
    size_t n = s.size() > 255 ? 255 : s.size();
    WriteByte(static_cast<uint8_t>(n));
    Write(s.data(), n);
}

void TValueWriter::WriteUInt32(uint32_t v) {
    uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                    static_cast<uint8_t>(v >> 24)};
    Write(b, 4);
}

void TValueWriter::WriteInt64Raw(int64_t v) {
    uint8_t b[8];
    for (int i = 0; i < 8; ++i) b[i] = static_cast<uint8_t>(static_cast<uint64_t>(v) >> (8 * i));
    Write(b, 8);
}

void TValueWriter::WriteInteger(int64_t v) {
    if (v >= -128 && v <= 127) {
        WriteValue(TValueType::vaInt8);
        WriteByte(static_cast<uint8_t>(static_cast<int8_t>(v)));
    } else if (v >= -32768 && v <= 32767) {
        WriteValue(TValueType::vaInt16);
        uint16_t u = static_cast<uint16_t>(static_cast<int16_t>(v));
        uint8_t b[2] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8)};
        Write(b, 2);
    } else if (v >= INT32_MIN && v <= INT32_MAX) {
        WriteValue(TValueType::vaInt32);
        WriteUInt32(static_cast<uint32_t>(static_cast<int32_t>(v)));
    } else {
        WriteValue(TValueType::vaInt64);
        WriteInt64Raw(v);
    }
}

void TValueWriter::WriteIdent(std::string_view ident) {
    if (SameText(ident, "False")) WriteValue(TValueType::vaFalse);
    else if (SameText(ident, "True")) WriteValue(TValueType::vaTrue);
    else if (SameText(ident, "Null")) WriteValue(TValueType::vaNull);
    else if (SameText(ident, "nil")) WriteValue(TValueType::vaNil);
    else {
        WriteValue(TValueType::vaIdent);
        WriteShortString(ident);
    }
}

void TValueWriter::WriteString(std::string_view utf8) { WriteUtf16String(Utf8ToUtf16(utf8)); }

// Text whose UTF-8 form is shorter than twice its UTF-16 length is plain
// code-page text when its UTF-8 and code-page bytes agree (ASCII), else UTF-8;
// other text (mostly non-Latin, and the empty text) goes as UTF-16.
void TValueWriter::WriteUtf16String(std::u16string_view text) {
    std::string utf8 = Utf16ToUtf8(text);
    if (utf8.size() < 2 * text.size()) {
        std::string ansi = Utf16ToAnsi(text);
        if (utf8 != ansi) {
            WriteValue(TValueType::vaUTF8String);
            WriteUInt32(static_cast<uint32_t>(utf8.size()));
            Write(utf8.data(), utf8.size());
        } else if (ansi.size() <= 255) {
            WriteValue(TValueType::vaString);
            WriteShortString(ansi);
        } else {
            WriteValue(TValueType::vaLString);
            WriteUInt32(static_cast<uint32_t>(ansi.size()));
            Write(ansi.data(), ansi.size());
        }
    } else {
        WriteValue(TValueType::vaWString);
        WriteUInt32(static_cast<uint32_t>(text.size()));
        for (char16_t c : text) {
            uint8_t b[2] = {static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 8)};
            Write(b, 2);
        }
    }
}

void TValueWriter::WriteFloat(long double v) {
    WriteValue(TValueType::vaExtended);
    WriteExtendedBytes(LongDoubleToExtended(v));
}

void TValueWriter::WriteExtendedBytes(const TExtendedBytes& b) { Write(b.data(), b.size()); }

void TValueWriter::WriteBinary(const void* data, uint32_t count) {
    WriteValue(TValueType::vaBinary);
    WriteUInt32(count);
    Write(data, count);
}

void TValueWriter::WriteSet(const std::vector<std::string>& names) {
    WriteValue(TValueType::vaSet);
    for (const auto& n : names) WriteShortString(n);
    WriteShortString("");
}

} // namespace fw
