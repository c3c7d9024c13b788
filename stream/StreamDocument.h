#pragma once
// The component stream as stored: records and values with the code of every
// value kept, so that writing a parsed document gives back the same bytes.
// Nothing here knows about classes; texts are the stored bytes.
#include "stream/ValueTypes.h"
#include "toolkit/core/Exception.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fw {

struct TDocItem;

struct TDocValue {
    TValueType type = TValueType::vaNull;
    int64_t number = 0;             // codes 2, 3, 4, 16 and 19
    std::string bytes;              // the payload of codes 5, 6, 7, 10, 12, 15, 17, 20;
                                    // code 18 keeps its UTF-16LE bytes (two per unit)
    std::vector<std::string> names; // code 11
    std::vector<TDocValue> list;    // code 1
    std::vector<TDocItem> items;    // code 14

    bool operator==(const TDocValue&) const = default;
};

struct TDocProperty {
    std::string name;
    TDocValue value;

    bool operator==(const TDocProperty&) const = default;
};

// One collection item: an optional integer value (codes 2-4) and properties.
struct TDocItem {
    std::optional<TDocValue> order;
    std::vector<TDocProperty> properties;

    bool operator==(const TDocItem&) const = default;
};

// Bits of the record prefix byte (0xF0 | flags), written only when flags != 0.
constexpr uint8_t kFlagInherited = 0x01;
constexpr uint8_t kFlagChildPos = 0x02;
constexpr uint8_t kFlagInline = 0x04;

struct TDocRecord {
    uint8_t flags = 0;
    std::optional<TDocValue> position; // present exactly when flags has kFlagChildPos
    std::string className;
    std::string name;
    std::vector<TDocProperty> properties;
    std::vector<TDocRecord> children;

    bool operator==(const TDocRecord&) const = default;
};

// Top level: each component after its signature, then listEnds zero bytes,
// then whatever else the stream held.
struct TStreamDocument {
    std::vector<TDocRecord> components;
    uint64_t listEnds = 0;
    std::string trailing;

    bool operator==(const TStreamDocument&) const = default;
};

// Most zero bytes after the last record a document may hold.
constexpr uint64_t kMaxListEnds = uint64_t(1) << 24;
constexpr uint64_t kMaxDocNodes = uint64_t(1) << 21;

// A stream that does not parse: the syntax layer's message and the offset of
// the byte where reading stopped.
class EStreamDocError : public EReadError {
public:
    EStreamDocError(std::string message, long long offset) : EReadError(std::move(message)), FOffset(offset) {}
    long long Offset() const { return FOffset; }

private:
    long long FOffset;
};

// Parses a whole stream. Fails with EStreamDocError carrying the message of the
// syntax layer ("Stream read error", "Invalid stream format", "Invalid property
// value", "Stream nesting is too deep") or one naming what cannot be kept.
TStreamDocument ParseStreamDocument(const std::vector<uint8_t>& bytes);

// Writes a document; fails with EWriteError when it cannot be stored so that it
// parses back the same (an empty property name, a null inside a list, an
// int8 out of range, a payload of the wrong size and the like).
std::vector<uint8_t> WriteStreamDocument(const TStreamDocument& doc);

// Why a part cannot be written so that it parses back the same, or an empty
// text when it can. Shared by the writer and by builders that report where.
std::string DocValueProblem(const TDocValue& v, bool inList); // the value itself, not its contents
std::string DocNameProblem(const std::string& name);          // property and set names
std::string DocRecordProblem(const TDocRecord& r, bool isChild); // prefix, position, class, name
std::string DocTopLevelProblem(const TStreamDocument& doc);   // list ends and trailing bytes

// Short value constructors for tests and callers that build documents.
TDocValue DocInteger(TValueType code, int64_t v); // codes 2, 3, 4, 16, 19
TDocValue DocBytes(TValueType code, std::string bytes);
TDocValue DocSimple(TValueType code);             // codes 0, 8, 9, 13

} // namespace fw
