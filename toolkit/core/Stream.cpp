#include "toolkit/core/Stream.h"

#include "toolkit/core/Exception.h"

#include <algorithm>
#include <cstring>

namespace fw {

long long TStream::Size() {
    long long pos = Seek(0, TSeekOrigin::soCurrent);
    long long end = Seek(0, TSeekOrigin::soEnd);
    Seek(pos, TSeekOrigin::soBeginning);
    return end;
}

void TStream::SetSize(long long) { throw EStreamError("Stream size cannot be changed"); }

void TStream::ReadBuffer(void* buffer, long long count) {
    if (count < 0 || (count > 0 && Read(buffer, count) != count)) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, long long count) {
    if (count < 0 || (count > 0 && Write(buffer, count) != count)) throw EWriteError("Stream write error");
}

long long TStream::CopyFrom(TStream& source, long long count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    long long done = 0;
    std::vector<uint8_t> buf(static_cast<size_t>(std::min<long long>(count, 61440)));
    while (done < count) {
        long long n = std::min<long long>(count - done, static_cast<long long>(buf.size()));
        source.ReadBuffer(buf.data(), n);
        WriteBuffer(buf.data(), n);
        done += n;
    }
    return done;
}

long long TMemoryStream::Read(void* buffer, long long count) {
    if (count <= 0 || FPosition >= Size()) return 0;
    long long n = std::min(count, Size() - FPosition);
    std::memcpy(buffer, FData.data() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

long long TMemoryStream::Write(const void* buffer, long long count) {
    if (count <= 0) return 0;
    if (FPosition + count > Size()) FData.resize(static_cast<size_t>(FPosition + count));
    std::memcpy(FData.data() + FPosition, buffer, static_cast<size_t>(count));
    FPosition += count;
    return count;
}

long long TMemoryStream::Seek(long long offset, TSeekOrigin origin) {
    long long base = origin == TSeekOrigin::soBeginning ? 0 : origin == TSeekOrigin::soCurrent ? FPosition : Size();
    long long pos = base + offset;
    if (pos < 0) pos = 0;
    FPosition = pos;
    return FPosition;
}

void TMemoryStream::SetSize(long long newSize) {
    FData.resize(static_cast<size_t>(std::max<long long>(newSize, 0)));
    if (FPosition > Size()) FPosition = Size();
}

void TMemoryStream::Clear() {
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
    source.SetPosition(0);
    long long n = source.Size();
    FData.assign(static_cast<size_t>(n), 0);
    source.ReadBuffer(FData.data(), n);
    FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& dest) { dest.WriteBuffer(FData.data(), Size()); }

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream f(fileName, TFileMode::fmOpenRead);
    LoadFromStream(f);
}

void TMemoryStream::SaveToFile(const std::string& fileName) {
    TFileStream f(fileName, TFileMode::fmCreate);
    SaveToStream(f);
}

TFileStream::TFileStream(const std::string& fileName, TFileMode mode) : FFileName(fileName) {
    platform::FileMode pm = mode == TFileMode::fmCreate        ? platform::FileMode::Create
                            : mode == TFileMode::fmOpenRead    ? platform::FileMode::OpenRead
                            : mode == TFileMode::fmOpenWrite   ? platform::FileMode::OpenWrite
                                                               : platform::FileMode::OpenReadWrite;
    std::string error;
    FHandle = platform::OpenFile(fileName, pm, error);
    if (FHandle == platform::kNoFile) {
        std::string full = platform::ExpandFileName(fileName);
        if (mode == TFileMode::fmCreate)
            throw EFCreateError(Format("Cannot create file \"%s\". %s", {full, error}));
        throw EFOpenError(Format("Cannot open file \"%s\". %s", {full, error}));
    }
}

TFileStream::~TFileStream() { platform::CloseFile(FHandle); }

long long TFileStream::Read(void* buffer, long long count) {
    if (count <= 0) return 0;
    long long n = platform::ReadFile(FHandle, buffer, count);
    return n < 0 ? 0 : n;
}

long long TFileStream::Write(const void* buffer, long long count) {
    if (count <= 0) return 0;
    long long n = platform::WriteFile(FHandle, buffer, count);
    return n < 0 ? 0 : n;
}

long long TFileStream::Seek(long long offset, TSeekOrigin origin) {
    return platform::SeekFile(FHandle, offset, static_cast<int>(origin));
}

std::string ExpandFileName(const std::string& path) { return platform::ExpandFileName(path); }

} // namespace fw
