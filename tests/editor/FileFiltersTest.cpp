// The logo file dialogs' filters, preselection and extension rule, and the
// kind a command-line path opens in.
#include <gtest/gtest.h>

#include "document/LogoKind.h"
#include "files/LogoFileFilters.h"

using namespace glyphsmith;

namespace {

TEST(FileFiltersTest, FilterListsAndTheKindsPreselection) {
    EXPECT_EQ(openLogoFilters(),
              (QStringList{"Nokia Operator Logo (*.NOL)", "Nokia Group Graphic (*.NGG)",
                           "Nokia Startup Logo (*.NSL)", "Glyphsmith Picture Logo (*.GSP)"}));
    EXPECT_EQ(
        saveLogoFilters(),
        (QStringList{"All Files(*.*)", "Nokia Operator Logo (*.NOL)", "Nokia Group Graphic (*.NGG)",
                     "Nokia Startup Logo (*.NSL)", "Glyphsmith Picture Logo (*.GSP)"}));
    // 1-based filter numbers, by kind.
    const std::pair<int, int> filters[] = {{1, 2}, {2, 3}, {4, 5}, {3, 4}};
    for (const LogoKind kind : kAllLogoKinds) {
        EXPECT_EQ(openFilterForKind(kind), filters[kind].first) << kind;
        EXPECT_EQ(saveFilterForKind(kind), filters[kind].second) << kind;
    }
}

TEST(FileFiltersTest, ExtensionFollowsTheFilterAndAllFilesTheKind) {
    const char *byFilter[] = {".NOL", ".NGG", ".NSL", ".GSP"};  // filters 2 to 5
    const char *byKind[] = {".NOL", ".NGG", ".GSP", ".NSL"};    // "All Files" and others
    for (const LogoKind kind : kAllLogoKinds) {
        for (int filter = 2; filter <= 5; ++filter) {
            EXPECT_EQ(saveExtensionFor(filter, kind), byFilter[filter - 2]) << filter;
        }
        for (int filter : {0, 1, 9}) {
            EXPECT_EQ(saveExtensionFor(filter, kind), byKind[kind]) << filter << " " << kind;
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
