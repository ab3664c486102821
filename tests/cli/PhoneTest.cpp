// The phone subcommands against the engine's virtual phone.
#include <gtest/gtest.h>

#include "CliRunner.h"
#include "velkor17/FBSms.h"
#include "velkor17/FBSmsBox.h"
#include "velkor17/FBSmsMessage.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith::test;

TEST(PhoneTest, UploadThenDownloadGivesTheSameLogo) {
    CliHome home;
    const struct {
        const char *kind;
        int w, h;
        const char *location;
    } kinds[] = {{"operator", 72, 14, "0"},
                 {"caller", 72, 14, "3"},
                 {"picture", 72, 28, "1"},
                 {"startup", 84, 48, "0"}};
    for (const auto &k : kinds) {
        const QString in = QStringLiteral("%1.gsp").arg(k.kind),
                      out = QStringLiteral("%1-back.gsp").arg(k.kind);
        home.write(in, gspText(k.w, k.h, [&](int x, int y) { return pattern(x + k.w, y); }));
        CliRun r = home.run({"phone", "upload", in, "--kind", k.kind, "--location", k.location});
        ASSERT_EQ(r.code, 0) << k.kind << ": " << r.err.toStdString();
        r = home.run({"phone", "download", k.kind, out, "--location", k.location});
        ASSERT_EQ(r.code, 0) << k.kind << ": " << r.err.toStdString();
        EXPECT_EQ(home.read(out), home.read(in)) << k.kind;
    }
    EXPECT_EQ(home.run({"phone", "download", "caller", "x.ngg", "--location", "900"}).code, 1);
    EXPECT_EQ(home.run({"phone", "identify", "--port", "/dev/no-such-port"}).code, 3);
}

TEST(PhoneTest, SmsToTheOwnNumberArrives) {
    CliHome home;
    const CliRun own = home.run({"phone", "phonebook", "--memory", "own"});
    ASSERT_EQ(own.code, 0) << own.err.toStdString();
    const QString number = own.out.section('\t', 2, 2);
    ASSERT_FALSE(number.isEmpty()) << own.out.toStdString();
    const CliRun sent = home.run({"phone", "send-sms", number, "Hello from the command line"});
    ASSERT_EQ(sent.code, 0) << sent.err.toStdString();

    // this process has not used the engine yet: it reads the state the CLI left
    qputenv("PHONEENG_VIRTUAL_DIR", home.path("").toLocal8Bit());
    VelkorControl control;
    control.setRaiseError(false);
    ASSERT_TRUE(control.Connect("VIRTUAL"));
    FBSmsBox *inbox = control.SMS()->Inbox();
    QStringList texts;
    for (qint16 i = 1; i <= inbox->Count(); ++i) {
        texts << inbox->Item(i)->Text();
    }
    EXPECT_TRUE(texts.contains("Hello from the command line")) << texts.join('|').toStdString();
}

TEST(PhoneTest, CheckReportsEachStepAndFailsWithThePhoneStatus) {
    CliHome home;
    const CliRun ok = home.run({"phone", "check"});
    EXPECT_EQ(ok.code, 0) << ok.err.toStdString();
    EXPECT_TRUE(ok.out.startsWith("[ok] ")) << ok.out.toStdString();
    const CliRun dead = home.run({"phone", "check", "--port", "/dev/no-such-port"});
    EXPECT_EQ(dead.code, 3);
    EXPECT_EQ(dead.err.count('\n'), 1) << dead.err.toStdString();
    EXPECT_TRUE(dead.err.contains("/dev/no-such-port")) << dead.err.toStdString();
}
