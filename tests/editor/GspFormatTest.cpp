// The GSP text format: writing, and reading with its tolerance for short
// lines, other characters and missing lines; the logo file dialogs' filters,
// preselection and extension rule, and the kind a command-line path opens in.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QRandomGenerator>
#include <vector>

#include "document/LogoKind.h"
#include "files/GspFormat.h"
#include "files/LogoFileFilters.h"

using namespace glyphsmith;

namespace {

QList<QByteArray> linesOf(const QByteArray &data, int maxLines, int width) {
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readGspLines(buffer, maxLines, width);
}

// A device that never ends: every read gives more characters and no line end.
class EndlessDevice : public QIODevice {
protected:
    qint64 readData(char *data, qint64 maxSize) override {
        std::fill(data, data + maxSize, '1');
        served += maxSize;
        return maxSize;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

public:
    bool isSequential() const override { return true; }
    qint64 served = 0;
};

TEST(GspFormatTest, OnePixelPictureIsTwentyEightLinesByteForByte) {
    const QByteArray text = encodeGsp(72, 28, [](int x, int y) { return x == 0 && y == 0; });
    QByteArray expected = "0" + QByteArray(71, '1') + "\r\n";
    for (int y = 1; y < 28; ++y) {
        expected += QByteArray(72, '1') + "\r\n";
    }
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.size(), 28 * 74);
}

TEST(GspFormatTest, WrittenTextReadsBackPixelForPixel) {
    QRandomGenerator random(7);
    std::vector<bool> set(72 * 28);
    for (auto &&bit : set) {
        bit = random.bounded(2) == 1;
    }
    const auto isSet = [&](int x, int y) { return bool(set[y * 72 + x]); };
    const QList<QByteArray> lines = linesOf(encodeGsp(72, 28, isSet), 28, 72);
    ASSERT_EQ(lines.size(), 28);
    for (int y = 0; y < 28; ++y) {
        for (int x = 0; x < 72; ++x) {
            ASSERT_EQ(gspPixelSet(lines[y], x), isSet(x, y)) << x << "," << y;
        }
    }
}

TEST(GspFormatTest, AnyCharacterButOneIsSet) {
    const QByteArray line = "12 a0\t1";
    for (int x = -1; x <= 6; ++x) {
        EXPECT_EQ(gspPixelSet(line, x), x != 0 && x != 6) << x;  // "2", blank, "0", tab: set
    }
}

TEST(GspFormatTest, LinesEndAtCrLfCrOrLfAndTheLastNeedsNoEnd) {
    EXPECT_EQ(linesOf("01\r\n10\r11\n00", 10, 72), (QList<QByteArray>{"01", "10", "11", "00"}));
    // an empty line between two ends is a row of its own
    EXPECT_EQ(linesOf("01\r\n\r\n10\r\n", 10, 72), (QList<QByteArray>{"01", "", "10"}));
    EXPECT_EQ(linesOf("\n\n", 10, 72), (QList<QByteArray>{"", ""}));
}

TEST(GspFormatTest, ReadingStopsAtTheMissingLineOrTheRowCount) {
    EXPECT_TRUE(linesOf("", 28, 72).isEmpty());
    EXPECT_EQ(linesOf("1\r\n0\r\n", 28, 72).size(), 2);
    EXPECT_EQ(linesOf("1\r\n0\r\n1\r\n", 2, 72).size(), 2);
    EXPECT_TRUE(linesOf("1\r\n", 0, 72).isEmpty());
}

TEST(GspFormatTest, LongLinesAreCutToTheWidthWithoutShiftingTheNextRow) {
    const QByteArray data = QByteArray(5000, '1') + "\r\n" + "0\r\n";
    const QList<QByteArray> lines = linesOf(data, 2, 72);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QByteArray(72, '1'));
    EXPECT_EQ(lines[1], "0");
}

TEST(GspFormatTest, EndlessInputIsReadOnlyUpToTheScanLimit) {
    EndlessDevice endless;
    endless.open(QIODevice::ReadOnly);
    const QList<QByteArray> lines = readGspLines(endless, 28, 72);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], QByteArray(72, '1'));
    EXPECT_LE(endless.served, kGspScanLimit + 65536);
}

TEST(FileFiltersTest, EachKindPreselectsItsOwnFormatAndEachFilterGivesItsExtension) {
    EXPECT_EQ(saveLogoFilters().mid(1), openLogoFilters()) << "saving adds All Files first";
    const char *own[] = {".NOL", ".NGG", ".GSP", ".NSL"};
    for (const LogoKind kind : kAllLogoKinds) {
        const QString open = openLogoFilters().value(openFilterForKind(kind) - 1);
        EXPECT_EQ(saveLogoFilters().value(saveFilterForKind(kind) - 1), open) << kind;
        EXPECT_TRUE(open.contains(QLatin1Char('*') + QLatin1String(own[kind]))) << kind;
        for (int filter = 2; filter <= saveLogoFilters().size(); ++filter) {
            EXPECT_TRUE(saveLogoFilters()[filter - 1].contains(QLatin1Char('*') +
                                                               saveExtensionFor(filter, kind)));
        }
        for (int filter : {0, 1, 9}) {  // All Files and others: the kind's own
            EXPECT_EQ(saveExtensionFor(filter, kind), own[kind]) << filter << " " << kind;
        }
    }
}

TEST(FileFiltersTest, ExtensionIsAddedOnlyToAFileNameWithoutADot) {
    EXPECT_EQ(withDefaultExtension("/home/u/MyLogos/net", ".NOL"), "/home/u/MyLogos/net.NOL");
    EXPECT_EQ(withDefaultExtension("/home/u/MyLogos/net.x", ".NOL"), "/home/u/MyLogos/net.x");
    // a dot in a folder name does not count
    EXPECT_EQ(withDefaultExtension("/home/u/.logos/net", ".GSP"), "/home/u/.logos/net.GSP");
    EXPECT_EQ(withDefaultExtension("net", ".NGG"), "net.NGG");
}

TEST(FileFiltersTest, CommandLineKindComesFromTheLastThreeCharactersInAnyCase) {
    const auto kindOf = [](const char *path) {
        const auto how = startupOpenFor(QString::fromLatin1(path));
        return how ? how->kind : -1;
    };
    // Only the last three characters count, in any case.
    const std::pair<const char *, int> cases[] = {{"/x/a.nol", kOperatorLogo},
                                                  {"/x/a.NgG", kCallerGroupLogo},
                                                  {"/x/a.NLM", kPictureMessage},
                                                  {"/x/a.nlm", kPictureMessage},
                                                  {"/x/a.Nsl", kStartupLogo},
                                                  {"/x/anol", kOperatorLogo},
                                                  {"/x/a.bmp", -1},
                                                  {"ol", -1},
                                                  {"", -1}};
    for (const auto &[path, kind] : cases) {
        EXPECT_EQ(kindOf(path), kind) << path;
    }
    const auto gsp = startupOpenFor(QStringLiteral("/x/pic.GSP"));
    ASSERT_TRUE(gsp);
    EXPECT_EQ(gsp->kind, kPictureMessage);
    EXPECT_TRUE(gsp->gsp);
    EXPECT_FALSE(startupOpenFor(QStringLiteral("/x/a.nlm"))->gsp);
}

}  // namespace
