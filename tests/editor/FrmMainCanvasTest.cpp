// The main window's canvas: its layout for each kind, the kind switch and
// its capability gate, New, the whole-logo buttons and the one-step undo.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "DrawWindowTest.h"
#include "canvas/FrameBox.h"
#include "canvas/PreviewBox.h"
#include "document/UndoHistory.h"
#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

TEST_F(MainWindowTest, EveryKindShowsTheLogoSixTimesOverWithNothingOverlapping) {
    home.writeSettings({});
    FrmMain &w = start();
    const MainWindowUi &ui = w.ui();
    for (const LogoKind kind : kAllLogoKinds) {
        choose(kind);
        const LogoKindInfo &info = logoKindInfo(kind);
        const QRect view = ui.picContainer->geometry();
        EXPECT_EQ(view.size(), QSize(info.width, info.height) * LogoDocument::kCell) << kind;
        EXPECT_TRUE(ui.Shape2->geometry().contains(view)) << kind;
        EXPECT_EQ(ui.shpPreviewFrame->geometry(), ui.picReal->geometry().adjusted(-1, -1, 1, 1));
        EXPECT_TRUE(ui.picPhone->geometry().contains(ui.picReal->geometry())) << kind;
        const QWidget *apart[] = {ui.picPhone, ui.picContainer, ui.fraToolBox,
                                  ui.OptCut,   ui.OptCopy,      ui.fraStatusBar};
        for (const QWidget *a : apart) {
            for (const QWidget *b : apart) {
                EXPECT_TRUE(a == b || !a->geometry().intersects(b->geometry()))
                    << kind << " " << a->objectName().toStdString() << " "
                    << b->objectName().toStdString();
            }
        }
        EXPECT_EQ(w.centralWidget()->height(), w.clientHeight());
        EXPECT_EQ(ui.fraStatusBar->geometry().bottom(), w.clientHeight() - 1) << kind;
        EXPECT_EQ(ui.picAntenna->isHidden(), kind == kStartupLogo);
    }
}

// The transfer buttons follow the capability letters exactly as
// transferAllowed (checked against its table in LogoDocumentTest) decides.
TEST_F(MainWindowTest, TransferButtonsFollowTheCapabilityLetters) {
    QString letters;
    home.env.phoneCapabilities = [&letters] { return letters; };
    home.writeSettings({});
    for (const char *given : {"OS", "o", "OCPSRK?"}) {
        letters = QString::fromLatin1(given);
        window_.reset();
        FrmMain &w = start();
        for (const LogoKind kind : kAllLogoKinds) {
            choose(kind);
            const bool allowed = transferAllowed(letters, kind);
            EXPECT_EQ(w.ui().cmdUpload->isEnabled(), allowed) << given << " " << kind;
            EXPECT_EQ(w.ui().cmdDownload->isEnabled(), allowed) << given << " " << kind;
        }
    }
}

using CanvasTest = DrawWindowTest;

TEST_F(CanvasTest, PixelsThatFitCarryOverTheRestIsClearedAndThePathForgotten) {
    w().optPicture_Click();
    setPixels(QRect(0, 20, 72, 8));
    setPixels(QRect(0, 5, 72, 1));
    doc().setPath(QStringLiteral("/tmp/x.GSP"));
    doc().setModified(true);
    w().optOperator_Click();
    EXPECT_TRUE(
        everyPixel([&](int x, int y) { return previewSet(doc(), x, y) == (y == 5 && x < 72); }));
    EXPECT_TRUE(doc().path().isEmpty());
    EXPECT_TRUE(doc().isModified());
    w().optStartup_Click();
    EXPECT_TRUE(everyPixel([&](int x, int y) { return set(x, y) == (y == 5 && x < 72); }));
    EXPECT_EQ(doc().logoWidth(), 84);
}

TEST_F(CanvasTest, NewAsksOnlyForAModifiedLogoAndEmptiesTheLogoAndTheUndoBuffers) {
    w().optStartup_Click();
    setPixels(QRect(0, 0, 84, 48));
    w().TakeUndoSnapshot();
    doc().setModified(true);
    doc().setPath(QStringLiteral("/tmp/a.NSL"));
    w().ui().lblPath->setText(QStringLiteral("a.NSL"));
    home.messages->answers = {false};
    w().cmdNew_Click();
    ASSERT_EQ(home.messages->shown.size(), 1u);
    EXPECT_TRUE(home.messages->shown[0].question);
    EXPECT_EQ(doc().kind(), kStartupLogo);
    EXPECT_TRUE(everyPixel([&](int x, int y) { return !set(x, y) && !previewSet(doc(), x, y); }));
    EXPECT_EQ(w().ui().lblPath->text(), QStringLiteral("Untitled"));
    EXPECT_FALSE(doc().isModified());
    EXPECT_FALSE(w().ui().cmdUndo->isEnabled());
    EXPECT_TRUE(w().undoHistory().previous().isNull());
    // an empty undo buffer gives a clear picture
    setPixels(QRect(0, 0, 10, 10));
    w().cmdUndo_Click();
    EXPECT_EQ(countSetEverywhere(), 0);
    EXPECT_TRUE(viewMatchesPicture());
    setPixels(QRect(1, 1, 1, 1));
    w().mnuNew_Click();  // unmodified: no question
    EXPECT_EQ(home.messages->shown.size(), 1u);
    EXPECT_FALSE(set(1, 1));
    // Redraw rebuilds the view and the first undo buffer.
    doc().preview().setPixel(3, 2, LogoDocument::kSetColor);
    EXPECT_FALSE(set(3, 2));
    w().RedrawCanvas();
    EXPECT_TRUE(set(3, 2));
    EXPECT_EQ(w().undoHistory().latest(), doc().preview());
}

TEST_F(CanvasTest, EveryToolAndButtonLeavesOneStepToUndo) {
    const struct {
        const char *button;
        QPoint from, to;  // none for a whole-logo button
    } operations[] = {
        {"cmdPencil", cell(5, 5), cell(6, 5)},
        {"cmdFullBox", cell(5, 5), cell(9, 8)},
        {"cmdFullCircle", cell(20, 6), cell(20, 6) + QPoint(30, 20)},
        {"cmdFill", cell(40, 10), cell(40, 10)},
        {"cmdLine", cell(2, 3), cell(10, 3)},
        {"cmdInverse", {}, {}},
        {"cmdFlipHorizontal", {}, {}},
        {"cmdFlipVertical", {}, {}},
    };
    setPixels(QRect(0, 0, 3, 3));
    w().RedrawCanvas();
    for (const auto &op : operations) {
        SCOPED_TRACE(op.button);
        const QImage before = doc().preview().copy();
        child<QPushButton>(op.button)->click();
        if (!op.from.isNull()) {
            drag(op.from, op.to, {op.from + QPoint(1, 0)});
        }
        ASSERT_NE(doc().preview(), before);
        ASSERT_TRUE(w().ui().cmdUndo->isEnabled());
        ASSERT_TRUE(doc().isModified());
        w().ui().cmdUndo->click();
        ASSERT_EQ(doc().preview(), before);
        EXPECT_TRUE(viewMatchesPicture());
        EXPECT_TRUE(doc().isModified()) << "undo leaves the flag alone";
        // only one step: the button is off until the next operation
        EXPECT_FALSE(w().ui().cmdUndo->isEnabled());
    }
}

TEST_F(CanvasTest, ThePlatformsUndoKeyUndoesTheLastStroke) {
    w().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    drag(cell(1, 1), cell(6, 1));
    ASSERT_EQ(countSetEverywhere(), 6);
    QTest::keySequence(w().windowHandle(), QKeySequence::Undo);
    // the button's shortcut clicks it a moment later
    EXPECT_TRUE(QTest::qWaitFor([&] { return countSetEverywhere() == 0; }, 2000));
}

TEST_F(CanvasTest, FlipsAndInverseWorkOverTheKindsSize) {
    setPixels(QRect(0, 0, 1, 14));  // column 0
    w().cmdFlipHorizontal_Click();
    EXPECT_EQ(countSet(QRect(71, 0, 1, 14)), 14);
    EXPECT_EQ(countSetEverywhere(), 14);
    EXPECT_TRUE(viewMatchesPicture());
    w().cmdInverse_Click();
    EXPECT_EQ(countSetEverywhere(), 71 * 14);
    w().optPicture_Click();
    w().mnuNew_Click();
    setPixels(QRect(3, 0, 5, 1));
    w().cmdFlipVertical_Click();
    EXPECT_EQ(countSet(QRect(3, 27, 5, 1)), 5);
    EXPECT_EQ(countSetEverywhere(), 5);
    // the library's logo object is told the kind and gives the size
    w().optStartup_Click();
    w().mnuNew_Click();
    setPixels(QRect(0, 0, 1, 48));
    w().cmdFlipHorizontal_Click();
    EXPECT_EQ(countSet(QRect(83, 0, 1, 48)), 48);
    EXPECT_EQ(countSetEverywhere(), 48);
    EXPECT_EQ(w().ui().Velk->Logo()->LogoType(), fbStartupLogo);
}

TEST(UndoHistoryTest, UndoGoesBackOneStepAndTellsTheButton) {
    UndoHistory history;
    QSignalSpy available(&history, &UndoHistory::canUndoChanged);
    QImage a(2, 2, QImage::Format_RGB32), b = a;
    a.fill(Qt::black);
    b.fill(Qt::white);
    history.snapshot(a);
    history.snapshot(b);
    history.shift(a);  // the selector's shift keeps Undo as it was
    EXPECT_EQ(history.undo(), b);
    EXPECT_FALSE(history.canUndo());
    history.snapshot(a);
    history.clear();
    EXPECT_TRUE(history.undo().isNull());
    ASSERT_EQ(available.count(), 4);
    EXPECT_EQ(available.at(3).at(0).toBool(), false);
}

}  // namespace
