// Save on the real main window when the disk fills half-way through the file
// or no temporary file can be made beside it (a name so long that no
// temporary name fits the file system; a read-only folder fails the same
// way): the earlier file stays whole, the user is told, and the document
// stays modified so that nothing is lost.
#include <gtest/gtest.h>

#include <QDir>
#include <optional>
#include <tuple>

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
    const QString longStem(246, QLatin1Char('n'));
    const std::tuple<QString, void (FrmMain::*)(), rlim_t> kinds[] = {
        {"full.gsp", &FrmMain::optPicture_Click, 100},
        {"full.nol", &FrmMain::optOperator_Click, 100},
        {longStem + ".GSP", &FrmMain::optPicture_Click, RLIM_INFINITY},
        {longStem + ".NOL", &FrmMain::optOperator_Click, RLIM_INFINITY},
    };
    for (const auto &[name, choose, room] : kinds) {
        SCOPED_TRACE(name.right(8).toStdString());
        home.messages->shown.clear();
        (w.*choose)();
        const QString path = logos + QLatin1Char('/') + name;
        ASSERT_TRUE(writeBytes(path, "earlier contents"));
        w.document().setPath(path);
        drawPattern(w.document(), patternForKind(w.document().kind(), 3));
        w.document().setModified(true);
        std::optional<FileSizeLimit> full(std::in_place, room);
        w.mnuSave_Click();
        full.reset();
        EXPECT_EQ(fileBytes(path), "earlier contents");
        EXPECT_EQ(QDir(logos).entryList(QDir::Files | QDir::Hidden).size(), 1);
        EXPECT_TRUE(w.document().isModified());
        ASSERT_EQ(home.messages->shown.size(), 1u);
        EXPECT_EQ(home.messages->shown[0].text, "Problem saving image file");

        if (room != RLIM_INFINITY) {
            w.mnuSave_Click();  // room again
            EXPECT_FALSE(w.document().isModified());
            EXPECT_GT(fileBytes(path).size(), 100);
        }
        QFile::remove(path);
    }
}
