// Save on the real main window when the disk fills half-way through the
// file: the earlier file stays whole, the user is told, and the document
// stays modified so that nothing is lost.
#include <gtest/gtest.h>

#include <QDir>
#include <optional>

#include "../common/FileSizeLimit.h"
#include "FileTestSupport.h"
#include "MainWindowTest.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

TEST_F(MainWindowTest, SaveOnAFullDiskKeepsTheOldFileAndSaysSo) {
    home.writeSettings({});
    FrmMain &w = start();
    const QString logos = home.env.paths.logosFolder;
    QDir().mkpath(logos);
    // A picture message goes through the editor's own writer, the others
    // through the engine's.
    const std::pair<const char *, void (FrmMain::*)()> kinds[] = {
        {"full.gsp", &FrmMain::optPicture_Click},
        {"full.nol", &FrmMain::optOperator_Click},
    };
    for (const auto &[name, choose] : kinds) {
        SCOPED_TRACE(name);
        home.messages->shown.clear();
        (w.*choose)();
        const QString path = logos + QLatin1Char('/') + QLatin1String(name);
        ASSERT_TRUE(writeBytes(path, "earlier contents"));
        w.document().sLogoPath = path;
        drawPattern(w.document(), patternForKind(w.document().iLogoKind, 3));
        w.document().bModified = true;
        std::optional<FileSizeLimit> full(std::in_place, 100);
        w.mnuSave_Click();
        full.reset();
        EXPECT_EQ(fileBytes(path), "earlier contents");
        EXPECT_EQ(QDir(logos).entryList(QDir::Files | QDir::Hidden).size(), 1);
        EXPECT_TRUE(w.document().bModified);
        ASSERT_EQ(home.messages->shown.size(), 1u);
        EXPECT_EQ(home.messages->shown[0].text, "Problem saving image file");

        w.mnuSave_Click();  // room again
        EXPECT_FALSE(w.document().bModified);
        EXPECT_GT(fileBytes(path).size(), 100);
        QFile::remove(path);
    }
}
