// "info" on a known logo and a known ring tone.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "CliRunner.h"

using namespace glyphsmith::test;

TEST(InfoTest, OperatorLogoShowsKindSizeNetworkAndArt) {
    CliHome home;
    // 72 x 14, network 244 05, only the top left pixel set
    QByteArray nol = QByteArray::fromHex("4E4F4C000100F40005004800 0E00010001000000");
    nol += '1' + QByteArray(1007, '0');
    home.write("one.nol", nol);
    const CliRun r = home.run({"info", "one.nol"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Kind: operator logo\n"));
    EXPECT_TRUE(r.out.contains("Size: 72 x 14\n"));
    // the network's name and country from the engine's table
    EXPECT_TRUE(r.out.contains(QRegularExpression("Network code: 244 05 \\(\\S.*, Finland\\)\n")))
        << r.out.toStdString();
    const QStringList art = r.out.section("\n\n", 1).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(art.size(), 14);
    EXPECT_EQ(art[0], "#" + QString(71, '.'));
    EXPECT_EQ(art.join("").count('#'), 1);

    ASSERT_EQ(home.run({"convert", "one.nol", "two.nol", "--netcode", "299-99"}).code, 0);
    EXPECT_TRUE(home.run({"info", "two.nol"}).out.contains("Network code: 299 99\n"));
}

TEST(InfoTest, RingToneShowsNameTempoNotesLengthAndMessageSize) {
    CliHome home;
    home.write("test.txt", "Test:d=4,o=5,b=63:a,8p,c6.");
    const CliRun r = home.run({"info", "test.txt"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Name: Test\n"));
    EXPECT_TRUE(r.out.contains("Tempo: 63 beats per minute\n"));
    EXPECT_TRUE(r.out.contains("Notes: 3\n"));
    // quarter 952 ms + eighth 476 ms + dotted quarter 1428 ms
    EXPECT_TRUE(r.out.contains("Length: 2.9 seconds\n")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(", 1 SMS\n"));
}
