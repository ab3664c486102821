// Open, Save and Save As on the real main window, the dialogs answered from
// a timer, with no phone attached; a save on a full disk; and the logo file
// named on the command line, opened during start-up.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>
#include <tuple>

#include "../common/FileSizeLimit.h"
#include "FileDialogScript.h"
#include "FileTestSupport.h"
#include "MainWindowTest.h"
#include "PixelCheck.h"
#include "document/LogoKind.h"
#include "files/GspFormat.h"
#include "files/LogoFileFilters.h"
#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

QByteArray onePixelGsp() {
    QByteArray bytes = "0" + QByteArray(71, '1') + "\r\n";
    for (int y = 1; y < 28; ++y) {
        bytes += QByteArray(72, '1') + "\r\n";
    }
    return bytes;
}

class FileTest : public MainWindowTest {
protected:
    void SetUp() override {
        home.writeSettings({});
        start();
        logos = home.env.paths.logosFolder;
        QDir().mkpath(logos);
    }
    FrmMain &w() { return *window_; }
    LogoDocument &doc() { return window_->document(); }
    QString in(const QString &name) const { return logos + QLatin1Char('/') + name; }
    const std::vector<ScriptedMessages::Shown> &shown() const { return home.messages->shown; }
    // Runs Open or Save with `path` typed into the file dialog.
    void openFile(const QString &path) { withFile(path, &FrmMain::mnuOpen_Click); }
    void saveFile(const QString &path) { withFile(path, &FrmMain::mnuSave_Click); }
    void withFile(const QString &path, void (FrmMain::*command)()) {
        ModalScript script;
        script.chooseFile(path);
        (w().*command)();
        EXPECT_TRUE(script.done());
    }

    QString logos;
};

TEST_F(FileTest, TheDialogsOfferTheFormatsWithTheKindsPreselected) {
    w().optPicture_Click();
    doc().setPixel(0, 0, LogoDocument::kSetColor);
    ModalScript script;
    script.chooseFile(in("one"), [this](QFileDialog *d) {
        EXPECT_EQ(d->nameFilters(), saveLogoFilters());
        EXPECT_TRUE(d->selectedNameFilter().contains("GSP"));
        EXPECT_EQ(QFileInfo(d->directory().absolutePath()), QFileInfo(logos));
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
    });
    w().mnuSave_Click();
    EXPECT_EQ(fileBytes(in("one.GSP")), onePixelGsp());
    drawPattern(doc(), randomPattern(72, 28, 3));
    doc().setModified(true);
    script.chooseFile(in("one.GSP"), [](QFileDialog *d) {
        EXPECT_EQ(d->nameFilters(), openLogoFilters());
        EXPECT_TRUE(d->selectedNameFilter().contains("GSP"));
        EXPECT_EQ(d->fileMode(), QFileDialog::ExistingFile);
    });
    w().cmdOpen_Click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(countSet(doc()), 1);
    EXPECT_FALSE(doc().isModified());
    EXPECT_TRUE(shown().empty());
}

TEST_F(FileTest, UndoAfterTheFirstEditGoesBackToTheOpenedLogoNotTheOneBefore) {
    ASSERT_TRUE(writeBytes(in("one.GSP"), onePixelGsp()));
    w().optPicture_Click();
    drawPattern(doc(), randomPattern(72, 28, 4));
    w().TakeUndoSnapshot();
    openFile(in("one.GSP"));
    const QImage opened = doc().preview().copy();
    w().ui().cmdInverse->click();
    w().ui().cmdUndo->click();
    EXPECT_EQ(doc().preview(), opened);
}

TEST_F(FileTest, AFileOfAnotherKindOpensInTheKindBeingEditedAndItsSize) {
    const Pattern boot = randomPattern(84, 48, 12);
    writeLogoFile(in("boot.NSL"), fbStartupLogo, boot);
    openFile(in("boot.NSL"));
    EXPECT_EQ(doc().kind(), kOperatorLogo);
    EXPECT_TRUE(everyPixel([&](int x, int y) {
        const bool inLogo = x < 72 && y < 14;  // the view outside it is not rebuilt
        const bool set = inLogo && boot.at(x, y);
        return (!inLogo || doc().isPixelSet(x, y) == set) && previewSet(doc(), x, y) == set;
    }));
    const Pattern p = randomPattern(72, 14, 11);
    writeLogoFile(in("net.NOL"), fbOperatorLogo, p, QStringLiteral("244 05"));
    w().optCallerGroup_Click();
    doc().setPixel(80, 40, LogoDocument::kSetColor);  // outside the logo
    doc().setModified(true);
    ModalScript script;
    script.chooseFile(in("net.NOL"),
                      [](QFileDialog *d) { EXPECT_TRUE(d->selectedNameFilter().contains("NGG")); });
    w().mnuOpen_Click();
    EXPECT_EQ(doc().kind(), kCallerGroupLogo);
    EXPECT_EQ(w().ui().Velk->Logo()->LogoType(), fbCallerLogo);
    EXPECT_TRUE(canvasShows(doc(), p));
    EXPECT_FALSE(previewSet(doc(), 80, 40));
    EXPECT_EQ(doc().path(), in("net.NOL"));
    EXPECT_EQ(w().ui().lblPath->text(), in("net.NOL"));
    EXPECT_TRUE(doc().isModified());  // opening a logo-object file leaves it
}

TEST_F(FileTest, AFailedReadOrACancelledDialogChangesNothing) {
    ASSERT_TRUE(writeBytes(in("bad.NOL"), "this is not a logo"));
    drawPattern(doc(), randomPattern(72, 14, 13));
    const QImage before = doc().preview().copy();
    doc().setPath(in("known.NOL"));
    doc().setModified(true);
    ModalScript script;
    script.chooseFile(in("bad.NOL")).cancel().cancel();
    w().mnuOpen_Click();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "Problem reading image file");
    EXPECT_EQ(doc().path(), in("known.NOL"));
    doc().setPath(QString());
    w().mnuOpen_Click();
    w().mnuSave_Click();  // the cancels end the commands silently
    EXPECT_TRUE(script.done());
    EXPECT_EQ(shown().size(), 1u);
    EXPECT_EQ(doc().preview(), before);
    EXPECT_TRUE(doc().path().isEmpty());
    EXPECT_TRUE(doc().isModified());
    EXPECT_EQ(QDir(logos).entryList(QDir::Files), QStringList{"bad.NOL"});
}

TEST_F(FileTest, SaveWritesToAKnownNameAndSaveAsAlwaysAsks) {
    w().optPicture_Click();
    doc().setPixel(3, 3, LogoDocument::kSetColor);
    ModalScript script;
    script.chooseFile(in("a"));
    w().mnuSave_Click();
    ASSERT_EQ(doc().path(), in("a.GSP"));
    const QByteArray first = fileBytes(in("a.GSP"));

    doc().setPixel(4, 4, LogoDocument::kSetColor);
    doc().setModified(true);
    w().CmdSave_Click();  // no dialog: the name is known
    EXPECT_EQ(script.shown(), 1);
    EXPECT_NE(fileBytes(in("a.GSP")), first);
    EXPECT_FALSE(doc().isModified());

    const QByteArray second = fileBytes(in("a.GSP"));
    script.chooseFile(in("b"));
    w().mnuSaveAs_Click();
    EXPECT_EQ(script.shown(), 2);
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_EQ(doc().path(), in("b.GSP"));
    EXPECT_EQ(fileBytes(in("b.GSP")), second);
    EXPECT_EQ(fileBytes(in("a.GSP")), second);
}

TEST_F(FileTest, ExtensionFollowsTheChosenFilterAndAllFilesTheKind) {
    ModalScript script;
    script.chooseFile(in("group"), [](QFileDialog *d) {
        EXPECT_EQ(d->selectedNameFilter(), "Nokia Operator Logo (*.NOL)");
        d->selectNameFilter("Nokia Group Graphic (*.NGG)");
    });
    w().mnuSave_Click();
    EXPECT_EQ(doc().path(), in("group.NGG"));
    EXPECT_TRUE(QFileInfo::exists(in("group.NGG")));

    w().optStartup_Click();
    script.chooseFile(in("boot"), [](QFileDialog *d) { d->selectNameFilter("All Files(*.*)"); });
    w().mnuSave_Click();
    EXPECT_EQ(doc().path(), in("boot.NSL"));
    EXPECT_TRUE(QFileInfo::exists(in("boot.NSL")));

    w().optPicture_Click();
    script.chooseFile(in("named.txt"));
    w().mnuSave_Click();
    EXPECT_EQ(doc().path(), in("named.txt"));
    EXPECT_EQ(fileBytes(in("named.txt")).size(), 28 * 74);
    EXPECT_TRUE(shown().empty());
}

TEST_F(FileTest, OverwritingAnExistingFileIsAskedFirst) {
    ASSERT_TRUE(writeBytes(in("keep.GSP"), "old"));
    w().optPicture_Click();
    ModalScript script;
    // "keep" becomes "keep.GSP" before the question, which is answered No;
    // the dialog then stays and is cancelled
    script.chooseFile(in("keep")).press(QMessageBox::No).cancel();
    w().mnuSave_Click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(fileBytes(in("keep.GSP")), "old");
    EXPECT_TRUE(doc().path().isEmpty());
}

TEST_F(FileTest, YesAtShutdownSavesThroughSaveAsEvenWithAKnownName) {
    w().optPicture_Click();
    doc().setPixel(0, 0, LogoDocument::kSetColor);
    doc().setPath(in("known.GSP"));
    doc().setModified(true);
    home.messages->answers = {true};
    ModalScript script;
    script.chooseFile(in("kept"),
                      [](QFileDialog *d) { EXPECT_EQ(d->windowTitle(), "Saving Logo file"); });
    EXPECT_TRUE(w().close());
    EXPECT_TRUE(script.done());
    EXPECT_EQ(fileBytes(in("kept.GSP")), onePixelGsp());
    EXPECT_FALSE(QFileInfo::exists(in("known.GSP")));
    EXPECT_FALSE(w().isVisible());
}

TEST_F(FileTest, SaveThatReconnectsStillWritesTheKindBeingEdited) {
    // a phone whose operator logo the reconnect reads into the logo object
    w().ui().Velk->Connect(QStringLiteral("VIRTUALF"));
    FBLogo *logo = w().ui().Velk->Logo();
    logo->setLogoType(fbOperatorLogo);
    logo->Upload();
    ASSERT_EQ(logo->LastError(), 0);
    w().ui().Velk->Disconnect();
    home.env.portOverride = QStringLiteral("VIRTUAL");
    window_.reset();
    start();
    ASSERT_EQ(w().ui().txtStat1->text(), "Ready");
    w().ui().Velk->Disconnect();
    ASSERT_FALSE(w().ui().Velk->IsAlive());

    w().optStartup_Click();
    const Pattern p = patternForKind(kStartupLogo, 21);
    drawPattern(doc(), p);
    doc().setPath(in("boot.NSL"));
    w().mnuSave_Click();
    EXPECT_TRUE(w().ui().Velk->IsAlive());
    EXPECT_TRUE(shown().empty());
    w().mnuNew_Click();
    openFile(in("boot.NSL"));
    EXPECT_TRUE(canvasShows(doc(), p));
}

// Saves the canvas in `kind` under `name`, empties it, opens the file again.
class RoundTripTest : public FileTest,
                      public ::testing::WithParamInterface<std::pair<int, const char *>> {};

TEST_P(RoundTripTest, SavedLogoOpensAgainPixelForPixel) {
    const auto [kind, name] = GetParam();
    choose(kind);
    const Pattern p = patternForKind(kind, 100 + kind);
    drawPattern(doc(), p);
    doc().setModified(true);
    // whatever kind the logo object held before, the save gives it this one
    w().ui().Velk->Logo()->setLogoType(kind == kOperatorLogo ? fbStartupLogo : fbOperatorLogo);
    saveFile(in(QString::fromLatin1(name)));
    ASSERT_FALSE(doc().isModified());
    EXPECT_EQ(int(w().ui().Velk->Logo()->LogoType()), fbLogoTypeForKind(LogoKind(kind)));
    const QString saved = doc().path();
    ASSERT_TRUE(QFileInfo::exists(saved)) << saved.toStdString();

    w().mnuNew_Click();
    ASSERT_EQ(countSet(doc()), 0);
    openFile(saved);
    EXPECT_TRUE(canvasShows(doc(), p));
    EXPECT_EQ(doc().path(), saved);
    EXPECT_TRUE(shown().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, RoundTripTest,
                         ::testing::Values(std::pair{0, "op"}, std::pair{1, "group"},
                                           std::pair{2, "picture"}, std::pair{3, "boot"},
                                           std::pair{0, "op.NLM"}, std::pair{3, "boot.nlm"}));

// The disk filling half-way through the file, or no temporary file beside it
// (a name so long that no temporary name fits the file system; a read-only
// folder fails the same way): the earlier file stays whole, the user is told,
// and the document stays modified so that nothing is lost.
TEST_F(FileTest, SaveOnAFullDiskKeepsTheOldFileAndSaysSo) {
    // A picture message goes through the editor's own writer, the others
    // through the engine's.
    const QString longStem(246, QLatin1Char('n'));
    const std::tuple<QString, LogoKind, rlim_t> kinds[] = {
        {"full.gsp", kPictureMessage, 100},
        {"full.nol", kOperatorLogo, 100},
        {longStem + ".GSP", kPictureMessage, RLIM_INFINITY},
        {longStem + ".NOL", kOperatorLogo, RLIM_INFINITY},
    };
    for (const auto &[name, kind, room] : kinds) {
        SCOPED_TRACE(name.right(8).toStdString());
        home.messages->shown.clear();
        choose(kind);
        const QString path = in(name);
        ASSERT_TRUE(writeBytes(path, "earlier contents"));
        doc().setPath(path);
        drawPattern(doc(), patternForKind(doc().kind(), 3));
        doc().setModified(true);
        std::optional<FileSizeLimit> full(std::in_place, room);
        w().mnuSave_Click();
        full.reset();
        EXPECT_EQ(fileBytes(path), "earlier contents");
        EXPECT_EQ(QDir(logos).entryList(QDir::Files | QDir::Hidden).size(), 1);
        EXPECT_TRUE(doc().isModified());
        ASSERT_EQ(shown().size(), 1u);
        EXPECT_EQ(shown()[0].text, "Problem saving image file");

        if (room != RLIM_INFINITY) {
            w().mnuSave_Click();  // room again
            EXPECT_FALSE(doc().isModified());
            EXPECT_GT(fileBytes(path).size(), 100);
        }
        QFile::remove(path);
    }
}

class CommandLineOpenTest : public MainWindowTest {
protected:
    void SetUp() override {
        home.writeSettings({QStringLiteral("DefaultLogo=Startup Logo")});
        QDir().mkpath(folder);
    }
    QString in(const QString &name) const { return folder + QLatin1Char('/') + name; }
    const std::vector<ScriptedMessages::Shown> &shown() const { return home.messages->shown; }
    // Starts a new window with the file `name` on the command line.
    FrmMain &startWith(const QString &name) {
        window_.reset();
        home.messages->shown.clear();
        commandLine = in(name);
        return start();
    }

    QString folder = home.root + QStringLiteral("/files");
};

TEST_F(CommandLineOpenTest, ExtensionInAnyCaseChoosesTheKindAndItsReaderReadsThePathWhole) {
    const struct {
        const char *name;
        fbLogoType type;  // fbNoLogo: the editor's own GSP text
        LogoKind kind;
        const char *option;
    } cases[] = {{"pic.nLm", fbPictureMessage, kPictureMessage, "optPicture"},
                 {"op.nol", fbOperatorLogo, kOperatorLogo, "optOperator"},
                 {"group.NGG", fbCallerLogo, kCallerGroupLogo, "optCallerGroup"},
                 {"my boot logo.Nsl", fbStartupLogo, kStartupLogo, "optStartup"},
                 {"message.gsp", fbNoLogo, kPictureMessage, "optPicture"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Pattern p = patternForKind(c.kind, 40 + c.kind);
        if (c.type == fbNoLogo) {
            ASSERT_TRUE(writeBytes(in(c.name),
                                   encodeGsp(72, 28, [&](int x, int y) { return p.at(x, y); })));
        } else {
            writeLogoFile(in(c.name), c.type, p);
        }
        FrmMain &w = startWith(c.name);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(shown().empty());
        EXPECT_EQ(w.document().kind(), c.kind);
        EXPECT_TRUE(child<QRadioButton>(c.option)->isChecked());
        EXPECT_TRUE(canvasShows(w.document(), p));
        EXPECT_EQ(w.document().path(), commandLine);
        EXPECT_EQ(w.ui().lblPath->text(), commandLine);
        EXPECT_FALSE(w.document().isModified());
    }
}

TEST_F(CommandLineOpenTest, UnreadableFileSaysSoAndClosesTheWindow) {
    ASSERT_TRUE(writeBytes(in("broken.NOL"), "not a logo at all"));
    for (const char *name : {"broken.NOL", "missing.NSL", "missing.GSP"}) {
        SCOPED_TRACE(name);
        FrmMain &w = startWith(QString::fromLatin1(name));
        ASSERT_EQ(shown().size(), 1u);
        EXPECT_EQ(shown()[0].text, "Problem reading image file");
        EXPECT_FALSE(w.isVisible());
    }
}

TEST_F(CommandLineOpenTest, OtherExtensionReadsNothingAndShowsThePath) {
    commandLine = in("picture.bmp");
    ASSERT_TRUE(writeBytes(commandLine, "BM"));
    FrmMain &w = window();
    w.document().setPixel(2, 2, LogoDocument::kSetColor);
    w.startUp();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(shown().empty());
    // the command line chose no kind: the operator kind, not the setting's
    EXPECT_EQ(w.document().kind(), kOperatorLogo);
    EXPECT_EQ(w.ui().lblPath->text(), commandLine);
    EXPECT_TRUE(w.document().path().isEmpty());
    EXPECT_EQ(countSet(w.document()), 0);
}

}  // namespace
