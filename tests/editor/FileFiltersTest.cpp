// The logo file dialogs' filters, preselection and extension rule, and the
// kind a command-line path opens in.
#include <gtest/gtest.h>

#include "canvas/LogoKind.h"
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
    EXPECT_EQ(openFilterForKind(kOperatorLogo), 1);
    EXPECT_EQ(openFilterForKind(kCallerGroupLogo), 2);
    EXPECT_EQ(openFilterForKind(kPictureMessage), 4);
    EXPECT_EQ(openFilterForKind(kStartupLogo), 3);
    EXPECT_EQ(saveFilterForKind(kOperatorLogo), 2);
    EXPECT_EQ(saveFilterForKind(kCallerGroupLogo), 3);
    EXPECT_EQ(saveFilterForKind(kPictureMessage), 5);
    EXPECT_EQ(saveFilterForKind(kStartupLogo), 4);
}

TEST(FileFiltersTest, ExtensionFollowsTheFilterAndAllFilesTheKind) {
    for (int kind = 0; kind < kLogoKindCount; ++kind) {
        EXPECT_EQ(saveExtensionFor(2, kind), ".NOL");
        EXPECT_EQ(saveExtensionFor(3, kind), ".NGG");
        EXPECT_EQ(saveExtensionFor(4, kind), ".NSL");
        EXPECT_EQ(saveExtensionFor(5, kind), ".GSP");
    }
    EXPECT_EQ(saveExtensionFor(1, kOperatorLogo), ".NOL");
    EXPECT_EQ(saveExtensionFor(1, kCallerGroupLogo), ".NGG");
    EXPECT_EQ(saveExtensionFor(1, kPictureMessage), ".GSP");
    EXPECT_EQ(saveExtensionFor(1, kStartupLogo), ".NSL");
    EXPECT_EQ(saveExtensionFor(0, kStartupLogo), ".NSL");
    EXPECT_EQ(saveExtensionFor(9, kPictureMessage), ".GSP");
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
    EXPECT_EQ(kindOf("/x/a.nol"), kOperatorLogo);
    EXPECT_EQ(kindOf("/x/a.NgG"), kCallerGroupLogo);
    EXPECT_EQ(kindOf("/x/a.NLM"), kPictureMessage);
    EXPECT_EQ(kindOf("/x/a.nlm"), kPictureMessage);
    EXPECT_EQ(kindOf("/x/a.Nsl"), kStartupLogo);
    EXPECT_EQ(kindOf("/x/anol"), kOperatorLogo);  // only the last three count
    EXPECT_EQ(kindOf("/x/a.bmp"), -1);
    EXPECT_EQ(kindOf("ol"), -1);
    EXPECT_EQ(kindOf(""), -1);
    const auto gsp = startupOpenFor(QStringLiteral("/x/pic.GSP"));
    ASSERT_TRUE(gsp);
    EXPECT_EQ(gsp->kind, kPictureMessage);
    EXPECT_TRUE(gsp->gsp);
    EXPECT_FALSE(startupOpenFor(QStringLiteral("/x/a.nlm"))->gsp);
}

}  // namespace
