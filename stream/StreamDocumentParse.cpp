// Bytes -> TStreamDocument, through the syntax reader so that every length is
// checked against what is left before it is allocated and nesting is bounded.
#include "stream/StreamDocument.h"

#include "stream/ValueReader.h"
#include "toolkit/core/Text.h"

#include <cstring>

namespace fw {

namespace {

class TDocParser {
public:
    explicit TDocParser(const std::vector<uint8_t>& bytes) : FBytes(bytes), FStream(bytes), FReader(FStream) {}

    TStreamDocument Parse() {
        try {
            return ParseTopLevel();
        } catch (const EStreamDocError&) {
            throw;
        } catch (const EStreamError& e) {
            throw EStreamDocError(e.Message(), FReader.Position());
        }
    }

private:
    TStreamDocument ParseTopLevel() {
        TStreamDocument doc;
        if (FBytes.empty()) return doc;
        do {
            FReader.ReadSignature();
            doc.components.push_back(ParseRecord());
        } while (SignatureNext());
        while (!FReader.AtEnd() && FReader.PeekByte() == 0) {
            if (doc.listEnds == kMaxListEnds)
                Reject("more than " + std::to_string(kMaxListEnds) + " zero bytes after the last component");
            FReader.ReadByte();
            ++doc.listEnds;
        }
        doc.trailing = FReader.ReadBytes(FReader.Remaining());
        return doc;
    }

    bool SignatureNext() {
        auto pos = static_cast<size_t>(FReader.Position());
        return FBytes.size() - pos >= 4 && std::memcmp(FBytes.data() + pos, kFilerSignature, 4) == 0;
    }

    [[noreturn]] void Reject(const std::string& why) { throw EStreamDocError(why, FReader.Position()); }

    // Every record and value costs far more in memory than its bytes: a cap on
    // their number keeps a hostile stream of one-byte values from taking
    // gigabytes (a real design holds a few hundred thousand at most).
    void CountNode() {
        if (++FNodes > kMaxDocNodes) Reject("more than " + std::to_string(kMaxDocNodes) + " records and values");
    }

    TDocRecord ParseRecord() {
        TNestingGuard guard(FReader);
        CountNode();
        TDocRecord rec;
        uint8_t prefix = FReader.PeekByte();
        if ((prefix & 0xF0) == 0xF0) {
            // F0 would be dropped on writing (no flags, no prefix): refuse it.
            if (prefix == 0xF0) Reject("a record prefix F0 without flags cannot be kept");
            FReader.ReadByte();
            rec.flags = prefix & 0x0F;
            if (rec.flags & kFlagChildPos) rec.position = ParseInteger();
        }
        rec.className = FReader.ReadShortString();
        rec.name = FReader.ReadShortString();
        ParseProperties(rec.properties);
        while (FReader.PeekByte() != 0) rec.children.push_back(ParseRecord());
        FReader.ReadByte();
        return rec;
    }

    void ParseProperties(std::vector<TDocProperty>& out) {
        while (FReader.PeekByte() != 0) {
            TDocProperty p;
            p.name = FReader.ReadShortString();
            p.value = ParseValue();
            out.push_back(std::move(p));
        }
        FReader.ReadByte();
    }

    TDocValue ParseInteger() {
        TValueType t = FReader.NextValue();
        if (t != TValueType::vaInt8 && t != TValueType::vaInt16 && t != TValueType::vaInt32)
            throw EReadError("Invalid property value");
        return ParseValue();
    }

    TDocValue ParseValue() {
        CountNode();
        TDocValue v;
        v.type = FReader.NextValue(); // leaves the reader on a bad code for the error offset
        FReader.ReadByte();
        switch (v.type) {
        case TValueType::vaNull:
        case TValueType::vaFalse:
        case TValueType::vaTrue:
        case TValueType::vaNil: break;
        case TValueType::vaList: {
            TNestingGuard guard(FReader);
            while (FReader.PeekByte() != 0) v.list.push_back(ParseValue());
            FReader.ReadByte();
            break;
        }
        case TValueType::vaInt8: v.number = static_cast<int8_t>(FReader.ReadByte()); break;
        case TValueType::vaInt16: {
            uint8_t b[2];
            FReader.Read(b, 2);
            v.number = static_cast<int16_t>(b[0] | (b[1] << 8));
            break;
        }
        case TValueType::vaInt32: v.number = FReader.ReadInt32(); break;
        case TValueType::vaCurrency:
        case TValueType::vaInt64: v.number = FReader.ReadInt64(); break;
        case TValueType::vaExtended: v.bytes = FReader.ReadBytes(10); break;
        case TValueType::vaSingle: v.bytes = FReader.ReadBytes(4); break;
        case TValueType::vaDate: v.bytes = FReader.ReadBytes(8); break;
        case TValueType::vaString:
        case TValueType::vaIdent: v.bytes = FReader.ReadShortString(); break;
        case TValueType::vaBinary:
        case TValueType::vaLString: v.bytes = FReader.ReadBytes(FReader.ReadLength()); break;
        case TValueType::vaUTF8String:
            v.bytes = FReader.ReadBytes(FReader.ReadLength());
            if (!IsValidUtf8(v.bytes)) Reject("a UTF-8 string value that is not valid UTF-8 cannot be kept");
            break;
        case TValueType::vaWString:
            v.bytes = FReader.ReadBytes(static_cast<long long>(FReader.ReadLength()) * 2);
            break;
        case TValueType::vaSet: v.names = FReader.ReadSetNames(); break;
        case TValueType::vaCollection: {
            TNestingGuard guard(FReader);
            while (FReader.PeekByte() != 0) {
                TDocItem item;
                if (FReader.PeekByte() != static_cast<uint8_t>(TValueType::vaList)) item.order = ParseInteger();
                FReader.ReadListBegin();
                ParseProperties(item.properties);
                v.items.push_back(std::move(item));
            }
            FReader.ReadByte();
            break;
        }
        }
        return v;
    }

    const std::vector<uint8_t>& FBytes;
    TMemoryStream FStream;
    TValueReader FReader;
    uint64_t FNodes = 0;
};

} // namespace

TStreamDocument ParseStreamDocument(const std::vector<uint8_t>& bytes) { return TDocParser(bytes).Parse(); }

} // namespace fw
