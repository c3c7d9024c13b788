#include "StreamDocumentTestUtil.h"

#include "toolkit/core/Exception.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace fw;
using namespace fwtest;
using VT = TValueType;

namespace {

const char kExtendedOne[] = "\0\0\0\0\0\0\0\x80\xFF\x3F";

// A first record with a property of every code, a prefix with a position and
// nested children; a second record; two list ends; trailing bytes.
std::vector<uint8_t> EveryCodeStream() {
    TBytes b;
    b.Sig().U8(0xF3).Code(VT::vaInt16).Le(0xFED4, 2).Short("TThing").Short("Thing1");
    b.Short("Null").Code(VT::vaNull);
    b.Short("List").Code(VT::vaList).Code(VT::vaInt8).U8(0xFF).Code(VT::vaList).U8(0).U8(0);
    b.Short("I8").Code(VT::vaInt8).U8(0x80);
    b.Short("I16").Code(VT::vaInt16).Le(0x0080, 2); // fits int8, kept as stored
    b.Short("I32").Code(VT::vaInt32).U32(0x80000000);
    b.Short("Ext").Code(VT::vaExtended).Raw(std::string_view(kExtendedOne, 10));
    b.Short("Str").Code(VT::vaString).Short("a\x80z");
    b.Short("Id").Code(VT::vaIdent).Short("clRed");
    b.Short("F").Code(VT::vaFalse);
    b.Short("T").Code(VT::vaTrue);
    b.Short("Bin").Code(VT::vaBinary).U32(3).Raw(std::string_view("\0\xFF\x10", 3));
    b.Short("Set").Code(VT::vaSet).Short("a").Short("bb").U8(0);
    b.Short("LStr").Code(VT::vaLString).U32(300).Raw(std::string(300, 'x'));
    b.Short("Nil").Code(VT::vaNil);
    b.Short("Coll").Code(VT::vaCollection);
    b.Code(VT::vaInt32).U32(7).Code(VT::vaList).Short("X").Code(VT::vaTrue).U8(0); // item with order
    b.Code(VT::vaList).U8(0);                                                     // item without
    b.U8(0);
    b.Short("Sgl").Code(VT::vaSingle).U32(0x3FC00000);
    b.Short("Cur").Code(VT::vaCurrency).Le(static_cast<uint64_t>(-12345), 8);
    b.Short("Date").Code(VT::vaDate).Le(0x3FF0000000000000ull, 8);
    b.Short("WStr").Code(VT::vaWString).U32(2).Le(0xD800, 2).Le('x', 2);
    b.Short("I64").Code(VT::vaInt64).Le(0x8000000000000000ull, 8);
    b.Short("Utf8").Code(VT::vaUTF8String).U32(2).Raw("\xC3\xA9");
    b.U8(0);
    b.Short("TChild").Short("C1").U8(0).U8(0);
    b.U8(0xF1).Short("").Short("C2").U8(0).Short("TGrand").Short("G").U8(0).U8(0).U8(0);
    b.U8(0);
    b.Sig().Short("TSecond").Short("").U8(0).U8(0);
    b.U8(0).U8(0).Raw("\x01junk");
    return b.Get();
}

size_t SecondSignatureAt(const std::vector<uint8_t>& s) {
    auto it = std::search(s.begin() + 4, s.end(), kFilerSignature, kFilerSignature + 4);
    return static_cast<size_t>(it - s.begin());
}

std::string ParseError(const std::vector<uint8_t>& bytes) {
    try {
        ParseStreamDocument(bytes);
    } catch (const EStreamDocError& e) {
        return e.Message();
    }
    return "(parsed)";
}

} // namespace

TEST(StreamDocumentParse, KeepsEveryCodeAndWritesTheSameBytes) {
    std::vector<uint8_t> in = EveryCodeStream();
    TStreamDocument doc = ParseStreamDocument(in);
    EXPECT_EQ(WriteStreamDocument(doc), in);

    ASSERT_EQ(doc.components.size(), 2u);
    const TDocRecord& r = doc.components[0];
    EXPECT_EQ(r.flags, 3);
    ASSERT_TRUE(r.position);
    EXPECT_EQ(*r.position, DocInteger(VT::vaInt16, -300));
    EXPECT_EQ(r.className, "TThing");
    std::set<int> codes;
    for (const TDocProperty& p : r.properties) codes.insert(static_cast<int>(p.value.type));
    EXPECT_EQ(codes.size(), static_cast<size_t>(kLastValueType + 1));

    auto prop = [&](const std::string& name) {
        for (const TDocProperty& p : r.properties)
            if (p.name == name) return p.value;
        ADD_FAILURE() << "no property " << name;
        return TDocValue{};
    };
    EXPECT_EQ(prop("I8").number, -128);
    EXPECT_EQ(prop("I16"), DocInteger(VT::vaInt16, 128));
    EXPECT_EQ(prop("I32").number, INT32_MIN);
    EXPECT_EQ(prop("I64").number, INT64_MIN);
    EXPECT_EQ(prop("Cur").number, -12345);
    EXPECT_EQ(prop("Str").bytes, "a\x80z");
    EXPECT_EQ(prop("WStr").bytes, std::string("\x00\xD8x\x00", 4));
    EXPECT_EQ(prop("Set").names, (std::vector<std::string>{"a", "bb"}));
    EXPECT_EQ(prop("LStr").bytes.size(), 300u);
    TDocValue list = prop("List");
    ASSERT_EQ(list.list.size(), 2u);
    EXPECT_EQ(list.list[0], Int8(-1));
    EXPECT_EQ(list.list[1].type, VT::vaList);
    TDocValue coll = prop("Coll");
    ASSERT_EQ(coll.items.size(), 2u);
    EXPECT_EQ(coll.items[0].order, DocInteger(VT::vaInt32, 7));
    ASSERT_EQ(coll.items[0].properties.size(), 1u);
    EXPECT_FALSE(coll.items[1].order);

    ASSERT_EQ(r.children.size(), 2u);
    EXPECT_EQ(r.children[0].flags, 0);
    EXPECT_EQ(r.children[1].flags, kFlagInherited);
    EXPECT_EQ(r.children[1].className, "");
    ASSERT_EQ(r.children[1].children.size(), 1u);
    EXPECT_EQ(r.children[1].children[0].className, "TGrand");
    EXPECT_EQ(doc.components[1].className, "TSecond");
    EXPECT_EQ(doc.listEnds, 2u);
    EXPECT_EQ(doc.trailing, "\x01junk");
}

TEST(StreamDocumentParse, TopLevelEdges) {
    EXPECT_EQ(ParseStreamDocument({}), TStreamDocument{});
    EXPECT_TRUE(WriteStreamDocument(TStreamDocument{}).empty());

    std::vector<uint8_t> bare = TBytes().Sig().Short("T").Short("").U8(0).U8(0);
    TStreamDocument d = ParseStreamDocument(bare);
    EXPECT_EQ(d.listEnds, 0u);
    EXPECT_TRUE(d.trailing.empty());
    EXPECT_EQ(WriteStreamDocument(d), bare);

    // Bytes after the last record that are neither zero nor a signature.
    std::vector<uint8_t> tail = TBytes().Raw(std::string(bare.begin(), bare.end())).Raw("TPF");
    d = ParseStreamDocument(tail);
    EXPECT_EQ(d.components.size(), 1u);
    EXPECT_EQ(d.trailing, "TPF");
    EXPECT_EQ(WriteStreamDocument(d), tail);
}

TEST(StreamDocumentParse, TruncationAtEveryOffsetFailsCleanly) {
    std::vector<uint8_t> full = EveryCodeStream();
    size_t firstEnd = SecondSignatureAt(full);
    for (size_t n = 1; n < full.size(); ++n) {
        std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<long>(n));
        std::string error = ParseError(cut);
        if (n < 4) {
            EXPECT_EQ(error, "Invalid stream format") << n;
        } else if (n < firstEnd) {
            EXPECT_EQ(error, "Stream read error") << n;
        } else if (error == "(parsed)") {
            // Later cuts may leave a valid stream (trailing bytes); then it must write back as it was.
            EXPECT_EQ(WriteStreamDocument(ParseStreamDocument(cut)), cut) << n;
        }
    }
}

TEST(StreamDocumentParse, RejectsMalformedInput) {
    EXPECT_EQ(ParseError(TBytes().Raw("TPF1").Short("T").Short("").U8(0).U8(0)), "Invalid stream format");
    EXPECT_EQ(ParseError(TBytes().U8(0).U8(0)), "Invalid stream format");
    EXPECT_EQ(ParseError(TBytes().Raw("TPF")), "Invalid stream format");

    std::vector<uint8_t> badCode = TBytes().Sig().Short("T").Short("").Short("P").U8(21).U8(0).U8(0);
    EXPECT_EQ(ParseError(badCode), "Invalid property value");
    try {
        ParseStreamDocument(badCode);
    } catch (const EStreamDocError& e) {
        EXPECT_EQ(e.Offset(), 9); // the code byte
    }
    // A position and a collection item order must be integers.
    EXPECT_EQ(ParseError(TBytes().Sig().U8(0xF2).Code(VT::vaString).Short("x").Short("T").Short("").U8(0).U8(0)),
              "Invalid property value");
    EXPECT_EQ(ParseError(TBytes().Sig().Short("T").Short("").Short("C").Code(VT::vaCollection).Code(VT::vaTrue)),
              "Invalid property value");
}

TEST(StreamDocumentParse, HugeDeclaredLengthsFailBeforeAllocating) {
    for (VT code : {VT::vaBinary, VT::vaLString, VT::vaUTF8String, VT::vaWString}) {
        std::vector<uint8_t> s =
            TBytes().Sig().Short("T").Short("").Short("P").Code(code).U32(0xFFFFFFFF).Raw("abc").U8(0).U8(0);
        EXPECT_EQ(ParseError(s), "Stream read error") << static_cast<int>(code);
    }
}

TEST(StreamDocumentParse, NestingIsBounded) {
    auto nestedRecords = [](int depth) {
        TBytes b;
        b.Sig();
        for (int i = 0; i < depth; ++i) b.Short("T").Short("").U8(0);
        for (int i = 0; i < depth; ++i) b.U8(0);
        return b.Get();
    };
    std::vector<uint8_t> ok = nestedRecords(kMaxNesting);
    EXPECT_EQ(WriteStreamDocument(ParseStreamDocument(ok)), ok);
    EXPECT_EQ(ParseError(nestedRecords(kMaxNesting + 1)), "Stream nesting is too deep");

    // The record counts as one level, so 199 lists fit and 200 do not.
    auto nestedLists = [](int depth) {
        TBytes b;
        b.Sig().Short("T").Short("").Short("P");
        for (int i = 0; i < depth; ++i) b.Code(VT::vaList);
        for (int i = 0; i < depth; ++i) b.U8(0);
        return b.U8(0).U8(0).Get();
    };
    EXPECT_EQ(ParseError(nestedLists(kMaxNesting - 1)), "(parsed)");
    EXPECT_EQ(ParseError(nestedLists(kMaxNesting)), "Stream nesting is too deep");
    // Far deeper than any stack allows: still a clean error.
    EXPECT_EQ(ParseError(nestedLists(200000)), "Stream nesting is too deep");
}

TEST(StreamDocumentParse, RefusesWhatCannotBeKept) {
    EXPECT_NE(ParseError(TBytes().Sig().U8(0xF0).Short("T").Short("").U8(0).U8(0)).find("F0"), std::string::npos);
    EXPECT_NE(ParseError(TBytes().Sig().Short("T").Short("").Short("U").Code(VT::vaUTF8String).U32(1).U8(0xC3).U8(0).U8(0))
                  .find("UTF-8"),
              std::string::npos);
    // Encoded surrogates are not UTF-8 either.
    EXPECT_NE(ParseError(TBytes().Sig().Short("T").Short("").Short("U").Code(VT::vaUTF8String).U32(3).Raw("\xED\xA0\x80").U8(0).U8(0))
                  .find("UTF-8"),
              std::string::npos);
}

// One case per place the writer checks, plus the payload faults that only a
// document built in code can have; the JSON tests cover the rest of the rules.
TEST(StreamDocumentWrite, RefusesShapesThatWouldNotReadBack) {
    struct TCase {
        const char* what;
        void (*change)(TStreamDocument&);
    };
    const TCase cases[] = {
        {"a list cannot hold a null", [](TStreamDocument& d) {
             TDocValue l = DocSimple(VT::vaList);
             l.list.push_back(DocSimple(VT::vaNull));
             d.components[0].properties.push_back({"L", l});
         }},
        {"a name cannot be empty", [](TStreamDocument& d) { d.components[0].properties.push_back({"", Int8(1)}); }},
        {"holds 10 bytes, not 9", [](TStreamDocument& d) {
             d.components[0].properties.push_back({"E", DocBytes(VT::vaExtended, std::string(9, '\0'))});
         }},
        {"odd number", [](TStreamDocument& d) { d.components[0].properties.push_back({"W", DocBytes(VT::vaWString, "abc")}); }},
        {"valid UTF-8", [](TStreamDocument& d) {
             d.components[0].properties.push_back({"U", DocBytes(VT::vaUTF8String, "\xFF")});
         }},
        {"more than 15", [](TStreamDocument& d) { d.components[0].flags = 16; }},
        {"child record with an empty class", [](TStreamDocument& d) { d.components[0].children.push_back(Rec("", "x")); }},
        {"cannot start with the signature", [](TStreamDocument& d) { d.trailing = "TPF0"; }},
        {"nesting is too deep", [](TStreamDocument& d) {
             TDocRecord* r = &d.components[0];
             for (int i = 0; i < kMaxNesting; ++i) {
                 r->children.push_back(Rec("T", ""));
                 r = &r->children.back();
             }
         }},
    };
    for (const TCase& c : cases) {
        TStreamDocument d = OneComponent(Rec("T", "n"));
        c.change(d);
        try {
            WriteStreamDocument(d);
            ADD_FAILURE() << "written: " << c.what;
        } catch (const EWriteError& e) {
            EXPECT_NE(e.Message().find(c.what), std::string::npos) << e.Message();
        }
    }
}

TEST(StreamDocumentWrite, EdgeShapesThatDoReadBack) {
    TStreamDocument d = OneComponent(Rec(std::string(255, 'C'), std::string(255, 'n')));
    d.components[0].flags = kFlagInline; // the prefix lets a long class name follow
    d.components[0].children.push_back(Rec("", "x"));
    d.components[0].children.back().flags = kFlagInherited;
    d.listEnds = 1;
    d.trailing = "TPF0 after a list end";
    EXPECT_EQ(ParseStreamDocument(WriteStreamDocument(d)), d);
}

// A hostile stream of one-byte values is refused before it costs gigabytes.
TEST(StreamDocumentLimits, RecordsAndValuesAreCapped) {
    std::vector<uint8_t> bytes{'T', 'P', 'F', '0', 1, 'X', 0, 1, 'a', 1};
    bytes.insert(bytes.end(), fw::kMaxDocNodes, 8);
    bytes.insert(bytes.end(), {0, 0, 0, 0});
    try {
        fw::ParseStreamDocument(bytes);
        FAIL() << "accepted";
    } catch (const fw::EStreamDocError& e) {
        EXPECT_NE(e.Message().find("records and values"), std::string::npos) << e.Message();
    }
    // Just under the cap parses (the record and the list itself count too).
    bytes.erase(bytes.begin() + 10, bytes.begin() + 13);
    EXPECT_EQ(fw::ParseStreamDocument(bytes).components.size(), 1u);
}
