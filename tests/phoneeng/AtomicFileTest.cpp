#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestHome.h"
#include "phoneeng.h"
#include "util/AtomicFile.h"

using phoneeng::readWholeFile;
using phoneeng::writeFileAtomically;

namespace {
const std::vector<uint8_t> kBytes = {1, 2, 3, 0, 255};
}

TEST(AtomicFile, WritesAndReadsBackWithoutLeavingTemporaries) {
    TestHome dir;
    const std::string p = dir.file("a.bin");
    ASSERT_EQ(writeFileAtomically(p, kBytes), PE_OK);
    std::vector<uint8_t> got;
    ASSERT_EQ(readWholeFile(p, 100, got), PE_OK);
    EXPECT_EQ(got, kBytes);
    // Replacing keeps one file and its permission bits.
    ASSERT_EQ(::chmod(p.c_str(), 0640), 0);
    ASSERT_EQ(writeFileAtomically(p, std::vector<uint8_t>{9}), PE_OK);
    EXPECT_EQ(TestHome::read(p), std::vector<uint8_t>{9});
    struct stat st {};
    ASSERT_EQ(::stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"a.bin"});
}

TEST(AtomicFile, WriteFailuresLeaveTheTargetAlone) {
    TestHome dir;
    EXPECT_EQ(writeFileAtomically(dir.file("missing/a.bin"), kBytes), PE_FILE_OPEN);
    EXPECT_EQ(writeFileAtomically(dir.path(), kBytes), PE_FILE_OPEN);
    EXPECT_EQ(writeFileAtomically("", kBytes), PE_FILE_OPEN);
    EXPECT_TRUE(dir.entries().empty());
}

TEST(AtomicFile, WriteThroughASymlinkReplacesItsTarget) {
    TestHome dir;
    const std::string real = dir.write("real.bin", std::string("old"));
    const std::string link = dir.file("link.bin");
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    ASSERT_EQ(writeFileAtomically(link, kBytes), PE_OK);
    EXPECT_EQ(TestHome::read(real), kBytes);
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST(AtomicFile, ReadRefusesMissingOversizedAndDeviceFiles) {
    TestHome dir;
    std::vector<uint8_t> out = {42};
    EXPECT_EQ(readWholeFile(dir.file("none"), 100, out), PE_FILE_OPEN);
    EXPECT_EQ(readWholeFile("", 100, out), PE_FILE_OPEN);
    EXPECT_EQ(readWholeFile(dir.path(), 100, out), PE_FILE_OPEN);
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readWholeFile(fifo, 100, out), PE_FILE_OPEN);  // must not block
    const std::string big = dir.write("big", std::vector<uint8_t>(101, 7));
    EXPECT_EQ(readWholeFile(big, 100, out), PE_FILE_FORMAT);
    EXPECT_EQ(out, std::vector<uint8_t>{42});
    const std::string empty = dir.write("empty", std::vector<uint8_t>{});
    EXPECT_EQ(readWholeFile(empty, 100, out), PE_OK);
    EXPECT_TRUE(out.empty());
}
