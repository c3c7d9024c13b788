#pragma once
// Syntax-level reading of the component stream: value codes and their
// payloads, with no knowledge of classes. Every length is checked against the
// bytes the stream still holds before anything is allocated, and a stream that
// ends early fails with "Stream read error".
#include "stream/ValueTypes.h"
#include "toolkit/core/Stream.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

class TValueReader {
public:
    TValueReader(TStream& stream, size_t bufferSize = 4096);
    // Leaves the stream positioned just after the last byte consumed.
    ~TValueReader();
    TValueReader(const TValueReader&) = delete;
    TValueReader& operator=(const TValueReader&) = delete;

    // Raw bytes.
    void Read(void* buffer, long long count);
    uint8_t ReadByte();
    uint8_t PeekByte();
    bool AtEnd();
    long long Position() const { return FStreamStart + FBufPos; }
    void SetPosition(long long pos);
    long long Remaining();
    // Puts the stream at the logical position (after the bytes consumed).
    void SyncStream();

    // Reads the four signature bytes; "Invalid stream format" when they differ.
    void ReadSignature();

    // Value codes.
    TValueType ReadValue();
    TValueType NextValue();
    bool EndOfList() { return PeekByte() == 0; }
    void ReadListBegin();
    void ReadListEnd();
    void CheckValue(TValueType expected);

    // Payloads (after the code has been read).
    std::string ReadShortString();
    std::string ReadBytes(long long count);
    uint32_t ReadLength();          // a 4-byte count, checked against what is left
    int32_t ReadInt32();
    int64_t ReadInt64();
    TExtendedBytes ReadExtendedBytes();
    std::u16string ReadUtf16(uint32_t codeUnits);

    // Typed values (code included). Integers accept codes 2-4 (and 19 for ReadInt64).
    int32_t ReadInteger();
    int64_t ReadInt64Value();
    bool ReadBoolean();
    std::string ReadIdent();   // codes 7, 8, 9, 0, 13 (the last four as "False" "True" "Null" "nil")
    // Strings of codes 6, 12, 18 and 20, as UTF-8.
    std::string ReadString();
    long double ReadFloat();   // codes 5, 15, 16, 17 and integers
    std::vector<std::string> ReadSetNames(); // after the code 11

    // Skips one whole value of any code (with its nested lists/collections).
    void SkipValue();
    // Skips a short string property name plus its value.
    void SkipProperty();

    // Nesting guard for records, lists and collections.
    void EnterNesting();
    void LeaveNesting() { --FDepth; }

private:
    void Fill(long long need);

    TStream& FStream;
    std::vector<uint8_t> FBuf;
    size_t FBufPos = 0;
    size_t FBufEnd = 0;
    long long FStreamStart = 0; // stream offset of FBuf[0]
    long long FStreamSize = -1;
    int FDepth = 0;
};

// Balances EnterNesting/LeaveNesting on every path out of a scope.
class TNestingGuard {
public:
    explicit TNestingGuard(TValueReader& r) : FReader(r) { r.EnterNesting(); }
    ~TNestingGuard() { FReader.LeaveNesting(); }
    TNestingGuard(const TNestingGuard&) = delete;
    TNestingGuard& operator=(const TNestingGuard&) = delete;

private:
    TValueReader& FReader;
};

} // namespace fw
