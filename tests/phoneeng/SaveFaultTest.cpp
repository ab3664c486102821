// Saves that meet a full disk or are killed half-way: the file on disk is
// always a whole one (the old, or after a finished save the new), and a save
// that did not finish says so.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <optional>

#include "../common/FileSizeLimit.h"
#include "TestHome.h"
#include "LogoTestSupport.h"
#include "logo/LogoFiles.h"
#include "phone/StateFile.h"
#include "phoneeng.h"
#include "ringtone/RingToneFiles.h"
#include "util/AtomicFile.h"

using namespace phoneeng;

TEST(SaveFault, FullDiskFailsTheSaveAndKeepsTheOldFileWhole) {
    RingTone tone;
    tone.name = "Long";
    tone.entries.assign(100, {"8C6", RingToneStyle::Natural});
    VirtualPhoneData phone;
    phone.seed();
    using Save = std::function<bool(const std::string &dir, const std::string &path)>;
    const std::pair<const char *, Save> cases[] = {
        {"a.nsl", [](auto &, auto &path) {
             return writeLogoFile(path, logotest::randomLogo(LogoType::Startup, 5)) == PE_OK;
         }},
        {"a.txt", [&](auto &, auto &path) { return writeRingToneFile(path, tone) == PE_OK; }},
        {StateFile::kFileName, [&](auto &dir, auto &) { return StateFile(dir).save(phone); }},
    };
    const std::vector<uint8_t> earlier = {'o', 'l', 'd'};
    for (const auto &[file, save] : cases) {
        SCOPED_TRACE(file);
        TestHome dir;
        const std::string path = dir.write(file, earlier);
        std::optional<FileSizeLimit> full(std::in_place, 64);
        EXPECT_FALSE(save(dir.path(), path));
        EXPECT_EQ(TestHome::read(path), earlier);
        EXPECT_EQ(dir.entries().size(), 1u);  // no temporary file left behind
        full.reset();
        EXPECT_TRUE(save(dir.path(), path));  // room again: the same save goes through
    }
}

TEST(SaveFault, SaveKilledAtAnyMomentLeavesTheOldFileOrTheNewNeverAMix) {
    TestHome dir;
    const std::string path = dir.file("big.bin");
    const std::vector<uint8_t> before(1 << 20, 'a');
    const std::vector<uint8_t> after(1 << 20, 'b');
    for (int attempt = 0; attempt < 24; ++attempt) {
        ASSERT_EQ(writeFileAtomically(path, before), PE_OK);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::_exit(writeFileAtomically(path, after) == PE_OK ? 0 : 1);
        }
        ::usleep(useconds_t(attempt * 400));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::vector<uint8_t> now = TestHome::read(path);
        ASSERT_TRUE(now == before || now == after) << "attempt " << attempt;
    }
}
