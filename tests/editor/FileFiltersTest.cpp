// The logo file dialogs' filters, preselection and extension rule, and the
// kind a command-line path opens in.
#include <gtest/gtest.h>

#include "document/LogoKind.h"
#include "files/LogoFileFilters.h"

using namespace glyphsmith;

namespace {

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
