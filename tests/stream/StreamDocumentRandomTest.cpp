// Seeded random documents of every shape the stream can hold: bytes -> document
// -> bytes and document -> JSON -> document must be exact.
#include "StreamDocumentTestUtil.h"

#include "stream/StreamJson.h"
#include "toolkit/core/Exception.h"

#include <gtest/gtest.h>

#include <random>

using namespace fw;
using namespace fwtest;
using VT = TValueType;

namespace {

class TRandomDoc {
public:
    explicit TRandomDoc(uint32_t seed) : FRng(seed) {}

    TStreamDocument Document() {
        TStreamDocument d;
        int n = Int(0, 3);
        for (int i = 0; i < n; ++i) d.components.push_back(Record(0, false));
        if (!d.components.empty()) {
            d.listEnds = static_cast<uint64_t>(Int(0, 3));
            if (Int(0, 2) == 0) d.trailing = static_cast<char>(Int(1, 255)) + Bytes(Int(0, 6));
            if (d.listEnds == 0 && d.trailing.rfind("TPF0", 0) == 0) d.trailing[0] = 'X';
        }
        return d;
    }

private:
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(FRng); }
    int64_t Int64() { return static_cast<int64_t>(std::uniform_int_distribution<uint64_t>()(FRng)); }

    std::string Bytes(int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += static_cast<char>(Int(0, 255));
        return s;
    }
    // Names may hold any byte but zero-length ones end lists.
    std::string Name() { return static_cast<char>(Int(1, 255)) + Bytes(Int(0, 8)); }

    std::string Utf8Text(int n) {
        std::string s;
        for (int i = 0; i < n; ++i) {
            int pick = Int(0, 3);
            uint32_t cp = pick == 0 ? static_cast<uint32_t>(Int(0, 0x7F))
                        : pick == 1 ? static_cast<uint32_t>(Int(0x80, 0xD7FF))
                        : pick == 2 ? static_cast<uint32_t>(Int(0xE000, 0xFFFF))
                                    : static_cast<uint32_t>(Int(0x10000, 0x10FFFF));
            if (cp < 0x80) s += static_cast<char>(cp);
            else if (cp < 0x800) s += {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
            else if (cp < 0x10000)
                s += {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                      static_cast<char>(0x80 | (cp & 0x3F))};
            else
                s += {static_cast<char>(0xF0 | (cp >> 18)), static_cast<char>(0x80 | ((cp >> 12) & 0x3F)),
                      static_cast<char>(0x80 | ((cp >> 6) & 0x3F)), static_cast<char>(0x80 | (cp & 0x3F))};
        }
        return s;
    }

    TDocValue Integer() {
        switch (Int(0, 2)) {
        case 0: return DocInteger(VT::vaInt8, Int(INT8_MIN, INT8_MAX));
        case 1: return DocInteger(VT::vaInt16, Int(INT16_MIN, INT16_MAX));
        default: return DocInteger(VT::vaInt32, Int(INT32_MIN, INT32_MAX));
        }
    }

    std::vector<TDocProperty> Properties(int depth) {
        std::vector<TDocProperty> props;
        int n = Int(0, 4);
        for (int i = 0; i < n; ++i) props.push_back({Name(), Value(depth, false)});
        return props;
    }

    TDocValue Value(int depth, bool inList) {
        auto type = static_cast<VT>(Int(inList ? 1 : 0, kLastValueType));
        if (depth >= 4 && (type == VT::vaList || type == VT::vaCollection)) type = VT::vaNil;
        TDocValue v = DocSimple(type);
        switch (type) {
        case VT::vaInt8:
        case VT::vaInt16:
        case VT::vaInt32: return Integer();
        case VT::vaCurrency:
        case VT::vaInt64: v.number = Int64(); break;
        case VT::vaExtended: v.bytes = Bytes(10); break;
        case VT::vaSingle: v.bytes = Bytes(4); break;
        case VT::vaDate: v.bytes = Bytes(8); break;
        case VT::vaString:
        case VT::vaIdent: v.bytes = Bytes(Int(0, 1) ? Int(0, 12) : 255); break;
        case VT::vaBinary:
        case VT::vaLString: v.bytes = Bytes(Int(0, 300)); break;
        case VT::vaWString: v.bytes = Bytes(2 * Int(0, 12)); break; // lone surrogates included
        case VT::vaUTF8String: v.bytes = Utf8Text(Int(0, 12)); break;
        case VT::vaSet:
            for (int i = Int(0, 3); i > 0; --i) v.names.push_back(Name());
            break;
        case VT::vaList:
            for (int i = Int(0, 4); i > 0; --i) v.list.push_back(Value(depth + 1, true));
            break;
        case VT::vaCollection:
            for (int i = Int(0, 3); i > 0; --i) {
                TDocItem item;
                if (Int(0, 1)) item.order = Integer();
                item.properties = Properties(depth + 1);
                v.items.push_back(std::move(item));
            }
            break;
        default: break;
        }
        return v;
    }

    TDocRecord Record(int depth, bool isChild) {
        TDocRecord r;
        r.flags = static_cast<uint8_t>(Int(0, 15));
        if (r.flags & kFlagChildPos) r.position = Integer();
        r.className = r.flags ? Bytes(Int(0, 255)) : Name();
        if (r.flags == 0 && r.className.size() >= 0xF0) r.className.resize(0xEF);
        if (!isChild && r.flags == 0 && Int(0, 3) == 0) r.className.clear(); // allowed at the top
        r.name = Bytes(Int(0, 10));
        r.properties = Properties(depth);
        if (depth < 3)
            for (int i = Int(0, 2); i > 0; --i) r.children.push_back(Record(depth + 1, true));
        return r;
    }

    std::mt19937 FRng;
};

} // namespace

TEST(StreamDocumentRandom, BytesAndJsonRoundTripExactly) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        TStreamDocument doc = TRandomDoc(seed).Document();
        std::vector<uint8_t> bytes = WriteStreamDocument(doc);
        ASSERT_EQ(ParseStreamDocument(bytes), doc) << "seed " << seed;
        std::string json = DocumentToJson(doc);
        TStreamDocument back = DocumentFromJson(json);
        ASSERT_EQ(back, doc) << "seed " << seed << "\n" << json;
        ASSERT_EQ(WriteStreamDocument(back), bytes) << "seed " << seed;
    }
}

// Corrupting single bytes must give a clean refusal or a document that writes
// back the corrupted bytes unchanged; never a crash.
TEST(StreamDocumentRandom, CorruptedBytesFailCleanlyOrRoundTrip) {
    std::mt19937 rng(7);
    int refused = 0, accepted = 0;
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        std::vector<uint8_t> bytes = WriteStreamDocument(TRandomDoc(seed).Document());
        if (bytes.empty()) continue;
        for (int k = 0; k < 10; ++k) {
            std::vector<uint8_t> bad = bytes;
            bad[std::uniform_int_distribution<size_t>(0, bad.size() - 1)(rng)] =
                static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 255)(rng));
            try {
                TStreamDocument d = ParseStreamDocument(bad);
                ASSERT_EQ(WriteStreamDocument(d), bad);
                ASSERT_EQ(DocumentFromJson(DocumentToJson(d)), d);
                ++accepted;
            } catch (const EStreamDocError&) {
                ++refused;
            }
        }
    }
    // Both outcomes must occur, or the corruption is not exercising anything.
    EXPECT_GT(refused, 20);
    EXPECT_GT(accepted, 20);
}
