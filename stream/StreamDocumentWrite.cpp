// TStreamDocument -> bytes, each value with the code it carries. Every part is
// checked first, so a document either writes bytes that parse back to itself
// or fails with the reason.
#include "stream/StreamDocument.h"

#include "stream/ValueWriter.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/Stream.h"

namespace fw {

namespace {

class TDocWriter {
public:
    explicit TDocWriter(TValueWriter& w) : W(w) {}

    void Document(const TStreamDocument& doc) {
        Check(DocTopLevelProblem(doc));
        for (const TDocRecord& r : doc.components) {
            W.WriteSignature();
            Record(r, false);
        }
        for (uint64_t i = 0; i < doc.listEnds; ++i) W.WriteByte(0);
        W.Write(doc.trailing.data(), doc.trailing.size());
    }

private:
    static void Check(const std::string& problem) {
        if (!problem.empty()) throw EWriteError(problem);
    }

    // The reader counts records, lists and collections against kMaxNesting.
    struct TLevel {
        explicit TLevel(int& depth) : FDepth(depth) {
            if (++FDepth > kMaxNesting) throw EWriteError("nesting is too deep to be read back");
        }
        ~TLevel() { --FDepth; }
        int& FDepth;
    };

    void Record(const TDocRecord& r, bool isChild) {
        TLevel level(FDepth);
        Check(DocRecordProblem(r, isChild));
        if (r.flags != 0) W.WriteByte(static_cast<uint8_t>(0xF0 | r.flags));
        if (r.position) Value(*r.position, false);
        W.WriteShortString(r.className);
        W.WriteShortString(r.name);
        Properties(r.properties);
        for (const TDocRecord& child : r.children) Record(child, true);
        W.WriteListEnd();
    }

    void Properties(const std::vector<TDocProperty>& props) {
        for (const TDocProperty& p : props) {
            Check(DocNameProblem(p.name));
            W.WriteShortString(p.name);
            Value(p.value, false);
        }
        W.WriteListEnd();
    }

    void Value(const TDocValue& v, bool inList) {
        Check(DocValueProblem(v, inList));
        W.WriteValue(v.type);
        switch (v.type) {
        case TValueType::vaNull:
        case TValueType::vaFalse:
        case TValueType::vaTrue:
        case TValueType::vaNil: break;
        case TValueType::vaList: {
            TLevel level(FDepth);
            for (const TDocValue& item : v.list) Value(item, true);
            W.WriteListEnd();
            break;
        }
        case TValueType::vaInt8: W.WriteByte(static_cast<uint8_t>(v.number)); break;
        case TValueType::vaInt16: {
            auto u = static_cast<uint16_t>(v.number);
            uint8_t b[2] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8)};
            W.Write(b, 2);
            break;
        }
        case TValueType::vaInt32: W.WriteUInt32(static_cast<uint32_t>(v.number)); break;
        case TValueType::vaCurrency:
        case TValueType::vaInt64: W.WriteInt64Raw(v.number); break;
        case TValueType::vaExtended:
        case TValueType::vaSingle:
        case TValueType::vaDate: W.Write(v.bytes.data(), v.bytes.size()); break;
        case TValueType::vaString:
        case TValueType::vaIdent: W.WriteShortString(v.bytes); break;
        case TValueType::vaBinary:
        case TValueType::vaLString:
        case TValueType::vaUTF8String:
            W.WriteUInt32(static_cast<uint32_t>(v.bytes.size()));
            W.Write(v.bytes.data(), v.bytes.size());
            break;
        case TValueType::vaWString:
            W.WriteUInt32(static_cast<uint32_t>(v.bytes.size() / 2));
            W.Write(v.bytes.data(), v.bytes.size());
            break;
        case TValueType::vaSet:
            for (const std::string& n : v.names) W.WriteShortString(n);
            W.WriteShortString("");
            break;
        case TValueType::vaCollection: {
            TLevel level(FDepth);
            for (const TDocItem& item : v.items) {
                if (item.order) Value(*item.order, false);
                W.WriteListBegin();
                Properties(item.properties);
            }
            W.WriteListEnd();
            break;
        }
        }
    }

    TValueWriter& W;
    int FDepth = 0;
};

} // namespace

std::vector<uint8_t> WriteStreamDocument(const TStreamDocument& doc) {
    TMemoryStream out;
    {
        TValueWriter w(out);
        TDocWriter(w).Document(doc);
        w.FlushBuffer();
    }
    return std::move(out.Bytes());
}

TDocValue DocInteger(TValueType code, int64_t v) {
    TDocValue d;
    d.type = code;
    d.number = v;
    return d;
}

TDocValue DocBytes(TValueType code, std::string bytes) {
    TDocValue d;
    d.type = code;
    d.bytes = std::move(bytes);
    return d;
}

TDocValue DocSimple(TValueType code) {
    TDocValue d;
    d.type = code;
    return d;
}

} // namespace fw
