#include "stream/ValueReader.h"

#include "toolkit/core/Exception.h"
#include "toolkit/core/Text.h"

#include <algorithm>
#include <cstring>

namespace fw {

namespace {
[[noreturn]] void ReadFailure() { throw EReadError("Stream read error"); }
[[noreturn]] void InvalidValue() { throw EReadError("Invalid property value"); }
} // namespace

TValueReader::TValueReader(TStream& stream, size_t bufferSize)
    : FStream(stream), FBuf(std::max<size_t>(bufferSize, 16)) {
    FStreamStart = stream.Position();
}

TValueReader::~TValueReader() {
    try {
        SyncStream();
    } catch (...) {
        // Repositioning a stream that failed already; nothing more to do.
    }
}

void TValueReader::SyncStream() { FStream.SetPosition(Position()); }

long long TValueReader::Remaining() {
    if (FStreamSize < 0) FStreamSize = FStream.Size();
    return std::max<long long>(0, FStreamSize - Position());
}

void TValueReader::SetPosition(long long pos) {
    long long bufEndPos = FStreamStart + static_cast<long long>(FBufEnd);
    if (pos >= FStreamStart && pos <= bufEndPos) {
        FBufPos = static_cast<size_t>(pos - FStreamStart);
        return;
    }
    FStream.SetPosition(pos);
    FStreamStart = pos;
    FBufPos = FBufEnd = 0;
}

// Makes at least `need` bytes (need <= buffer size) available at FBufPos.
void TValueReader::Fill(long long need) {
    size_t have = FBufEnd - FBufPos;
    if (static_cast<long long>(have) >= need) return;
    if (FBufPos > 0) {
        std::memmove(FBuf.data(), FBuf.data() + FBufPos, have);
        FStreamStart += static_cast<long long>(FBufPos);
        FBufPos = 0;
        FBufEnd = have;
    }
    FStream.SetPosition(FStreamStart + static_cast<long long>(FBufEnd));
    while (static_cast<long long>(FBufEnd) < need) {
        long long got = FStream.Read(FBuf.data() + FBufEnd, static_cast<long long>(FBuf.size() - FBufEnd));
        if (got <= 0) ReadFailure();
        FBufEnd += static_cast<size_t>(got);
    }
}

void TValueReader::Read(void* buffer, long long count) {
    if (count <= 0) return;
    auto* out = static_cast<uint8_t*>(buffer);
    while (count > 0) {
        if (FBufPos == FBufEnd) Fill(1);
        size_t n = std::min<size_t>(FBufEnd - FBufPos, static_cast<size_t>(count));
        std::memcpy(out, FBuf.data() + FBufPos, n);
        FBufPos += n;
        out += n;
        count -= static_cast<long long>(n);
    }
}

uint8_t TValueReader::ReadByte() {
    if (FBufPos == FBufEnd) Fill(1);
    return FBuf[FBufPos++];
}

uint8_t TValueReader::PeekByte() {
    if (FBufPos == FBufEnd) Fill(1);
    return FBuf[FBufPos];
}

bool TValueReader::AtEnd() {
    if (FBufPos < FBufEnd) return false;
    return Remaining() <= 0;
}

void TValueReader::ReadSignature() {
    char sig[4];
    if (Remaining() < 4) throw EFilerError("Invalid stream format");
    Read(sig, 4);
    if (std::memcmp(sig, kFilerSignature, 4) != 0) throw EFilerError("Invalid stream format");
}

TValueType TValueReader::ReadValue() {
    uint8_t b = ReadByte();
    if (b > kLastValueType) InvalidValue();
    return static_cast<TValueType>(b);
}

TValueType TValueReader::NextValue() {
    uint8_t b = PeekByte();
    if (b > kLastValueType) InvalidValue();
    return static_cast<TValueType>(b);
}

void TValueReader::ReadListBegin() { CheckValue(TValueType::vaList); }

void TValueReader::ReadListEnd() { CheckValue(TValueType::vaNull); }

void TValueReader::CheckValue(TValueType expected) {
    if (ReadValue() != expected) InvalidValue();
}

std::string TValueReader::ReadShortString() {
    uint8_t len = ReadByte();
    return ReadBytes(len);
}

std::string TValueReader::ReadBytes(long long count) {
    if (count < 0 || count > Remaining()) ReadFailure();
    std::string s(static_cast<size_t>(count), '\0');
    Read(s.data(), count);
    return s;
}

uint32_t TValueReader::ReadLength() {
    uint8_t b[4];
    Read(b, 4);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
           (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

int32_t TValueReader::ReadInt32() { return static_cast<int32_t>(ReadLength()); }

int64_t TValueReader::ReadInt64() {
    uint8_t b[8];
    Read(b, 8);
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v |= static_cast<uint64_t>(b[i]) << (8 * i);
    return static_cast<int64_t>(v);
}

TExtendedBytes TValueReader::ReadExtendedBytes() {
    TExtendedBytes b;
    Read(b.data(), 10);
    return b;
}

std::u16string TValueReader::ReadUtf16(uint32_t codeUnits) {
    if (static_cast<long long>(codeUnits) * 2 > Remaining()) ReadFailure();
    std::string raw = ReadBytes(static_cast<long long>(codeUnits) * 2);
    std::u16string out(codeUnits, u'\0');
    for (uint32_t i = 0; i < codeUnits; ++i)
        out[i] = static_cast<char16_t>(static_cast<uint8_t>(raw[2 * i]) | (static_cast<uint8_t>(raw[2 * i + 1]) << 8));
    return out;
}

int32_t TValueReader::ReadInteger() {
    switch (ReadValue()) {
    case TValueType::vaInt8: return static_cast<int8_t>(ReadByte());
    case TValueType::vaInt16: {
        uint8_t b[2];
        Read(b, 2);
        return static_cast<int16_t>(b[0] | (b[1] << 8));
    }
    case TValueType::vaInt32: return ReadInt32();
    default: InvalidValue();
    }
}

int64_t TValueReader::ReadInt64Value() {
    if (NextValue() == TValueType::vaInt64) {
        ReadValue();
        return ReadInt64();
    }
    return ReadInteger();
}

bool TValueReader::ReadBoolean() {
    TValueType t = ReadValue();
    if (t == TValueType::vaTrue) return true;
    if (t == TValueType::vaFalse) return false;
    InvalidValue();
}

std::string TValueReader::ReadIdent() {
    switch (ReadValue()) {
    case TValueType::vaIdent: return ReadShortString();
    case TValueType::vaFalse: return "False";
    case TValueType::vaTrue: return "True";
    case TValueType::vaNull: return "Null";
    case TValueType::vaNil: return "nil";
    default: InvalidValue();
    }
}

std::string TValueReader::ReadString() {
    switch (ReadValue()) {
    case TValueType::vaString: return AnsiToUtf8(ReadShortString());
    case TValueType::vaLString: return AnsiToUtf8(ReadBytes(ReadLength()));
    case TValueType::vaWString: return Utf16ToUtf8(ReadUtf16(ReadLength()));
    case TValueType::vaUTF8String: return ReadBytes(ReadLength());
    default: InvalidValue();
    }
}

long double TValueReader::ReadFloat() {
    switch (NextValue()) {
    case TValueType::vaExtended: ReadValue(); return ExtendedToLongDouble(ReadExtendedBytes());
    case TValueType::vaSingle: {
        ReadValue();
        uint32_t bits = ReadLength();
        float f;
        std::memcpy(&f, &bits, 4);
        return f;
    }
    case TValueType::vaCurrency: ReadValue(); return static_cast<long double>(ReadInt64()) / 10000.0L;
    case TValueType::vaDate: {
        ReadValue();
        int64_t bits = ReadInt64();
        double d;
        std::memcpy(&d, &bits, 8);
        return d;
    }
    case TValueType::vaInt64: ReadValue(); return static_cast<long double>(ReadInt64());
    default: return ReadInteger();
    }
}

std::vector<std::string> TValueReader::ReadSetNames() {
    std::vector<std::string> names;
    for (;;) {
        std::string s = ReadShortString();
        if (s.empty()) break;
        names.push_back(std::move(s));
    }
    return names;
}

void TValueReader::EnterNesting() {
    if (++FDepth > kMaxNesting) {
        --FDepth;
        throw EReadError("Stream nesting is too deep");
    }
}

void TValueReader::SkipValue() {
    auto skip = [this](long long n) {
        if (n > Remaining()) ReadFailure();
        SetPosition(Position() + n);
    };
    switch (ReadValue()) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNil: break;
    case TValueType::vaList: {
        TNestingGuard guard(*this);
        while (!EndOfList()) SkipValue();
        ReadListEnd();
        break;
    }
    case TValueType::vaInt8: skip(1); break;
    case TValueType::vaInt16: skip(2); break;
    case TValueType::vaInt32:
    case TValueType::vaSingle: skip(4); break;
    case TValueType::vaExtended: skip(10); break;
    case TValueType::vaString:
    case TValueType::vaIdent: skip(ReadByte()); break;
    case TValueType::vaBinary:
    case TValueType::vaLString:
    case TValueType::vaUTF8String: skip(ReadLength()); break;
    case TValueType::vaWString: skip(static_cast<long long>(ReadLength()) * 2); break;
    case TValueType::vaSet: ReadSetNames(); break;
    case TValueType::vaCollection: {
        TNestingGuard guard(*this);
        while (!EndOfList()) {
            TValueType t = NextValue();
            if (t == TValueType::vaInt8 || t == TValueType::vaInt16 || t == TValueType::vaInt32) ReadInteger();
            ReadListBegin();
            while (!EndOfList()) SkipProperty();
            ReadListEnd();
        }
        ReadListEnd();
        break;
    }
    case TValueType::vaCurrency:
    case TValueType::vaDate:
    case TValueType::vaInt64: skip(8); break;
    }
}

void TValueReader::SkipProperty() {
    ReadShortString();
    SkipValue();
}

} // namespace fw
