// The fwstream command as a function: exit statuses, the one-line error rule,
// standard streams and files.
#include "StreamDocumentTestUtil.h"

#include "stream/FwStreamTool.h"
#include "stream/StreamJson.h"
#include "support/TestUtil.h"
#include "toolkit/core/Stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

using namespace fw;
using namespace fwtest;

namespace {

struct TRun {
    int status;
    std::string out;
    std::string err;
};

TRun RunTool(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    int status = RunFwStream(args, in, out, err);
    return {status, out.str(), err.str()};
}

bool OneLine(const std::string& s) {
    return !s.empty() && s.back() == '\n' && std::count(s.begin(), s.end(), '\n') == 1;
}

std::string TempDir() {
    std::filesystem::path dir = std::filesystem::path(fwtest::TestTempDir()) / "fwstream";
    std::filesystem::create_directories(dir);
    return dir.string();
}

std::string FileText(const std::string& path) {
    TMemoryStream m;
    m.LoadFromFile(path);
    return std::string(m.Bytes().begin(), m.Bytes().end());
}

std::string SampleStream() {
    TStreamDocument d = OneComponent(Rec("TButton", "B1"));
    d.components[0].properties = {{"Caption", Str("OK")}, {"Left", Int8(8)}};
    d.listEnds = 1;
    std::vector<uint8_t> b = WriteStreamDocument(d);
    return std::string(b.begin(), b.end());
}

} // namespace

TEST(FwStreamTool, ConvertsThroughStandardStreams) {
    std::string bin = SampleStream();
    TRun toJson = RunTool({"to-json", "-"}, bin);
    EXPECT_EQ(toJson.status, 0);
    EXPECT_EQ(toJson.err, "");
    EXPECT_NE(toJson.out.find("\"class\": \"TButton\""), std::string::npos);

    TRun back = RunTool({"from-json", "-"}, toJson.out);
    EXPECT_EQ(back.status, 0);
    EXPECT_EQ(back.err, "");
    EXPECT_EQ(back.out, bin);
}

TEST(FwStreamTool, ConvertsFiles) {
    std::string dir = TempDir();
    std::string json = dir + "/tool.json", bin = dir + "/tool.bin";
    {
        TFileStream f(json, TFileMode::fmCreate);
        std::string text = DocumentToJson(ParseStreamDocument(TBytes().Raw(SampleStream())));
        f.WriteBuffer(text.data(), static_cast<long long>(text.size()));
    }
    TRun r = RunTool({"from-json", "-o", bin, json});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(FileText(bin), SampleStream());

    // A failed conversion leaves an existing output file alone.
    std::string keep = dir + "/keep.json";
    EXPECT_EQ(RunTool({"to-json", bin, "-o", keep}).status, 0);
    std::string before = FileText(keep);
    EXPECT_NE(before.find("\"TButton\""), std::string::npos);
    EXPECT_EQ(RunTool({"from-json", bin, "-o", keep}).status, 1); // bytes are not JSON
    EXPECT_EQ(FileText(keep), before);
}

TEST(FwStreamTool, BadInputExitsOneWithOneLine) {
    std::string bin = SampleStream();
    struct TCase {
        std::vector<std::string> args;
        std::string input;
        std::string phrase;
    } cases[] = {
        {{"to-json", "-"}, bin.substr(0, bin.size() - 3), "fwstream: standard input: Stream read error (at byte "},
        {{"to-json", "-"}, "TPF1", "Invalid stream format"},
        {{"from-json", "-"}, "{\n\"components\": [],\n\"listEnds\": x}", "standard input: JSON error at line 3, column 13"},
        {{"from-json", "-"}, R"({"components": [], "listEnds": 0, "trailing": "0"})", "odd number of hex digits"},
        {{"to-json", TempDir() + "/no such file.bin"}, "", "Cannot open file"},
        {{"to-json", TempDir()}, "", "is a directory"},
        {{"to-json", "-"}, std::string(kMaxStreamInput + 1, '\0'), "larger than 8 MiB"},
        {{"from-json", "-", "-o", TempDir() + "/missing dir/out.bin"}, R"({"components": [], "listEnds": 0})",
         "Cannot create file"},
    };
    for (const TCase& c : cases) {
        TRun r = RunTool(c.args, c.input);
        EXPECT_EQ(r.status, 1) << c.phrase;
        EXPECT_TRUE(OneLine(r.err)) << r.err;
        EXPECT_EQ(r.err.rfind("fwstream: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.phrase), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(FwStreamTool, UsageErrorsExitTwo) {
    const std::vector<std::string> bad[] = {
        {}, {"to-xml", "f"}, {"to-json"}, {"to-json", "a", "b"}, {"to-json", "a", "-o"}, {"to-json", "a", "-x"},
        {"from-json", "-o", "x", "-o", "y", "a"},
    };
    for (const auto& args : bad) {
        TRun r = RunTool(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(OneLine(r.err)) << r.err;
        EXPECT_NE(r.err.find("usage: fwstream"), std::string::npos) << r.err;
    }
    TRun help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("exit status: 0 done, 1 bad input"), std::string::npos);
}
