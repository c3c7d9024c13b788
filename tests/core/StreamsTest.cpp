// Memory and file streams and their exact failure messages.
#include "toolkit/core/Exception.h"
#include "toolkit/core/Stream.h"

#include "support/TestUtil.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace fw;
using namespace fwtest;

namespace {
std::string TempDir() { return TestTempDir(); }
} // namespace

TEST(MemoryStream, ReadWriteSeekAndExactReads) {
    TMemoryStream s;
    s.WriteBuffer("hello", 5);
    EXPECT_EQ(s.Size(), 5);
    s.SetPosition(10);
    s.WriteBuffer("!", 1); // writing past the end fills the gap
    EXPECT_EQ(s.Size(), 11);
    EXPECT_EQ(s.Bytes()[7], 0);
    s.SetPosition(1);
    char buf[4] = {};
    s.ReadBuffer(buf, 4);
    EXPECT_EQ(std::string(buf, 4), "ello");
    EXPECT_EQ(s.Remaining(), 6);
    s.SetPosition(9);
    EXPECT_EQ(MessageOf([&] { s.ReadBuffer(buf, 4); }), "Stream read error");
    EXPECT_EQ(s.Seek(-2, TSeekOrigin::soEnd), 9);
    s.SetSize(3);
    EXPECT_EQ(s.Position(), 3);
}

TEST(FileStream, CreateWriteReopenAndRead) {
    std::string path = TempDir() + "/fw_stream_test.bin";
    {
        TFileStream f(path, TFileMode::fmCreate);
        f.WriteBuffer("abc", 3);
    }
    TFileStream f(path, TFileMode::fmOpenRead);
    EXPECT_EQ(f.Size(), 3);
    char buf[3];
    f.ReadBuffer(buf, 3);
    EXPECT_EQ(std::string(buf, 3), "abc");
    EXPECT_EQ(MessageOf([&] { f.ReadBuffer(buf, 1); }), "Stream read error");
    TMemoryStream m;
    m.LoadFromFile(path);
    EXPECT_EQ(m.Size(), 3);
}

TEST(FileStream, FailuresNameTheFullPathAndTheSystemReason) {
    std::string missingDir = TempDir() + "/no_such_dir_fw/x.bin";
    std::string full = ExpandFileName(missingDir);
    std::string msg = MessageOf([&] { TFileStream f(missingDir, TFileMode::fmCreate); });
    std::string prefix = "Cannot create file \"" + full + "\". ";
    ASSERT_EQ(msg.substr(0, prefix.size()), prefix);
    EXPECT_GT(msg.size(), prefix.size()) << "the system's error text follows";
    msg = MessageOf([&] { TFileStream f(missingDir, TFileMode::fmOpenRead); });
    EXPECT_EQ(msg.rfind("Cannot open file \"" + full + "\". ", 0), 0u) << msg;
}

TEST(FileStream, RelativeNamesExpandToFullPaths) {
    std::string full = ExpandFileName("a/../b.bin");
    EXPECT_NE(full.find("b.bin"), std::string::npos);
    EXPECT_EQ(full.find(".."), std::string::npos);
    EXPECT_NE(full, "a/../b.bin");
}
