// The value syntax layer: which code the writer picks, the 80-bit float
// encoding, and the reader's typed reads of what was written.
#include "stream/ValueReader.h"
#include "stream/ValueWriter.h"
#include "toolkit/core/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace fw;
using VT = TValueType;

namespace {

std::vector<uint8_t> Written(const std::function<void(TValueWriter&)>& write) {
    TMemoryStream m;
    {
        TValueWriter w(m);
        write(w);
    }
    return m.Bytes();
}

std::vector<uint8_t> Hex(std::initializer_list<int> bytes) { return std::vector<uint8_t>(bytes.begin(), bytes.end()); }

VT StringCode(const std::string& utf8) {
    return static_cast<VT>(Written([&](TValueWriter& w) { w.WriteString(utf8); })[0]);
}

} // namespace

TEST(ValueSyntaxWrite, IntegersTakeTheSmallestCode) {
    auto bytes = [](int64_t v) { return Written([v](TValueWriter& w) { w.WriteInteger(v); }); };
    EXPECT_EQ(bytes(127), Hex({2, 0x7F}));
    EXPECT_EQ(bytes(-128), Hex({2, 0x80}));
    EXPECT_EQ(bytes(128), Hex({3, 0x80, 0x00}));
    EXPECT_EQ(bytes(-129), Hex({3, 0x7F, 0xFF}));
    EXPECT_EQ(bytes(32767), Hex({3, 0xFF, 0x7F}));
    EXPECT_EQ(bytes(-32768), Hex({3, 0x00, 0x80}));
    EXPECT_EQ(bytes(32768), Hex({4, 0x00, 0x80, 0x00, 0x00}));
    EXPECT_EQ(bytes(-32769), Hex({4, 0xFF, 0x7F, 0xFF, 0xFF}));
    EXPECT_EQ(bytes(INT32_MIN), Hex({4, 0x00, 0x00, 0x00, 0x80}));
    EXPECT_EQ(bytes(int64_t(INT32_MAX) + 1), Hex({19, 0x00, 0x00, 0x00, 0x80, 0, 0, 0, 0}));
}

TEST(ValueSyntaxWrite, StringCodeFollowsTheText) {
    EXPECT_EQ(StringCode("Hello"), VT::vaString);
    EXPECT_EQ(StringCode(std::string(255, 'a')), VT::vaString);
    EXPECT_EQ(StringCode(std::string(256, 'a')), VT::vaLString);
    EXPECT_EQ(StringCode("caf\xC3\xA9"), VT::vaUTF8String); // UTF-8 and code-page bytes differ
    EXPECT_EQ(StringCode("\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"), VT::vaWString); // Cyrillic
    EXPECT_EQ(StringCode("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"), VT::vaWString);             // CJK
    EXPECT_EQ(StringCode(""), VT::vaWString);

    std::vector<uint8_t> w = Written([](TValueWriter& wr) { wr.WriteString("\xD0\xAF"); });
    EXPECT_EQ(w, Hex({18, 1, 0, 0, 0, 0x2F, 0x04}));
    std::vector<uint8_t> cut = Written([](TValueWriter& wr) { wr.WriteShortString(std::string(300, 'x')); });
    ASSERT_EQ(cut.size(), 256u);
    EXPECT_EQ(cut[0], 255);
}

TEST(ValueSyntaxWrite, FloatsAreExtended) {
    EXPECT_EQ(Written([](TValueWriter& w) { w.WriteFloat(1.0L); }),
              Hex({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
    EXPECT_EQ(LongDoubleToExtended(-2.0L), (TExtendedBytes{0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}));
    for (long double v : {0.1L, -123.456L, 1e-300L, 3.4028234663852886e38L, 0.5L, 65536.0L})
        EXPECT_EQ(ExtendedToLongDouble(LongDoubleToExtended(v)), v) << static_cast<double>(v);

    // The smallest subnormal of the 80-bit format has mantissa 1 and exponent 0.
    long double tiny = std::ldexp(1.0L, -16445);
    if (tiny != 0) {
        EXPECT_EQ(LongDoubleToExtended(tiny), (TExtendedBytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(ExtendedToLongDouble(LongDoubleToExtended(tiny)), tiny);
    }
    long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(LongDoubleToExtended(-inf), (TExtendedBytes{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}));
    EXPECT_EQ(ExtendedToLongDouble(LongDoubleToExtended(inf)), inf);
    EXPECT_TRUE(std::isnan(ExtendedToLongDouble(LongDoubleToExtended(std::nanl("")))));
    EXPECT_EQ(LongDoubleToExtended(0.0L), TExtendedBytes{});
}

TEST(ValueSyntaxRead, TypedReadsOfWhatWasWritten) {
    TMemoryStream m(Written([](TValueWriter& w) {
        w.WriteInteger(-300);
        w.WriteInteger(int64_t(1) << 40);
        w.WriteString("caf\xC3\xA9");
        w.WriteString("\xD0\xAF");
        w.WriteString(std::string(256, 'a'));
        w.WriteIdent("true");
        w.WriteIdent("clRed");
        w.WriteFloat(2.5L);
        w.WriteSet({"a", "bc"});
        w.WriteListBegin();
        w.WriteBinary("xyz", 3);
        w.WriteListEnd();
        w.WriteValue(VT::vaCurrency);
        w.WriteInt64Raw(15000);
    }));
    TValueReader r(m);
    EXPECT_EQ(r.ReadInteger(), -300);
    EXPECT_EQ(r.ReadInt64Value(), int64_t(1) << 40);
    EXPECT_EQ(r.ReadString(), "caf\xC3\xA9");
    EXPECT_EQ(r.ReadString(), "\xD0\xAF");
    EXPECT_EQ(r.ReadString(), std::string(256, 'a'));
    EXPECT_EQ(r.ReadIdent(), "True");
    EXPECT_EQ(r.ReadIdent(), "clRed");
    EXPECT_EQ(r.ReadFloat(), 2.5L);
    EXPECT_EQ(r.ReadValue(), VT::vaSet);
    EXPECT_EQ(r.ReadSetNames(), (std::vector<std::string>{"a", "bc"}));
    r.SkipValue(); // the list with its binary
    EXPECT_EQ(r.ReadFloat(), 1.5L);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_THROW(r.ReadByte(), EReadError);
}

TEST(ValueSyntaxRead, RefusesWrongCodesAndShortData) {
    auto reader = [](std::vector<uint8_t> bytes) { return TMemoryStream(std::move(bytes)); };
    TMemoryStream notInt = reader(Hex({6, 1, 'x'}));
    EXPECT_THROW(TValueReader(notInt).ReadInteger(), EReadError);
    TMemoryStream badCode = reader(Hex({21}));
    EXPECT_THROW(TValueReader(badCode).ReadValue(), EReadError);
    TMemoryStream shortInt = reader(Hex({4, 1, 2}));
    EXPECT_THROW(TValueReader(shortInt).ReadInteger(), EReadError);
    TMemoryStream hugeWide = reader(Hex({0xFF, 0xFF, 0xFF, 0x7F, 'a', 0}));
    TValueReader r(hugeWide);
    EXPECT_THROW(r.ReadUtf16(r.ReadLength()), EReadError);
    TMemoryStream sig = reader(Hex({'T', 'P', 'F'}));
    EXPECT_THROW(TValueReader(sig).ReadSignature(), EFilerError);
}
