#pragma once
// Byte streams: an abstract stream with exact-size helpers, a memory stream and
// a file stream.
#include "toolkit/core/platform/Platform.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

enum class TSeekOrigin { soBeginning = 0, soCurrent = 1, soEnd = 2 };

class TStream {
public:
    virtual ~TStream() = default;
    // Transfer up to count bytes; return how many were transferred.
    virtual long long Read(void* buffer, long long count) = 0;
    virtual long long Write(const void* buffer, long long count) = 0;
    virtual long long Seek(long long offset, TSeekOrigin origin) = 0;

    long long Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(long long pos) { Seek(pos, TSeekOrigin::soBeginning); }
    virtual long long Size();
    virtual void SetSize(long long newSize);
    // Bytes still to be read from the current position.
    long long Remaining() { return Size() - Position(); }

    // Exact transfers: "Stream read error" / "Stream write error" when short.
    void ReadBuffer(void* buffer, long long count);
    void WriteBuffer(const void* buffer, long long count);
    // Copies count bytes from source (all of it from its start when count is 0).
    long long CopyFrom(TStream& source, long long count);
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> bytes) : FData(std::move(bytes)) {}
    long long Read(void* buffer, long long count) override;
    long long Write(const void* buffer, long long count) override;
    long long Seek(long long offset, TSeekOrigin origin) override;
    long long Size() override { return static_cast<long long>(FData.size()); }
    void SetSize(long long newSize) override;
    void Clear();

    const std::vector<uint8_t>& Bytes() const { return FData; }
    std::vector<uint8_t>& Bytes() { return FData; }
    const uint8_t* Memory() const { return FData.data(); }
    void LoadFromStream(TStream& source);
    void SaveToStream(TStream& dest);
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

private:
    std::vector<uint8_t> FData;
    long long FPosition = 0;
};

// File modes: fmCreate creates or truncates; the others open an existing file.
enum class TFileMode { fmCreate, fmOpenRead, fmOpenWrite, fmOpenReadWrite };

class TFileStream : public TStream {
public:
    // Fails with "Cannot create file "%s". %s" or "Cannot open file "%s". %s",
    // naming the full path and the system's error text.
    TFileStream(const std::string& fileName, TFileMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    long long Read(void* buffer, long long count) override;
    long long Write(const void* buffer, long long count) override;
    long long Seek(long long offset, TSeekOrigin origin) override;
    const std::string& FileName() const { return FFileName; }

private:
    std::string FFileName;
    platform::FileHandle FHandle = platform::kNoFile;
};

std::string ExpandFileName(const std::string& path);

} // namespace fw
