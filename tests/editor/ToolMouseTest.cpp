// The drawing tools on the real main window, driven with the mouse: the tool
// buttons, a pencil stroke, the view's bounds guard, status text and clean-up
// outside the logo, a selection moved by its floating picture, and the text
// tool's "Insert Text" dialog, its font dialog and the text drawn at the
// pressed logo pixel. What each tool does is ToolTest's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "DrawWindowTest.h"
#include "PixelCheck.h"
#include "canvas/FloatingPicture.h"
#include "canvas/FrameBox.h"
#include "canvas/FrmDrawText.h"
#include "canvas/LineControl.h"
#include "canvas/ShapeControl.h"
#include "canvas/TextRaster.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

constexpr QRgb kBlack = LogoDocument::kSetColor;

using ToolButtonsTest = DrawWindowTest;

TEST_F(ToolButtonsTest, StartUpChoosesThePencilAndEachButtonItsToolPointerAndMarker) {
    EXPECT_EQ(toolButton(), "cmdPencil");
    const char *const pointers[] = {"picPencil", "picEraser", "picFlood", "picA", "picHand"};
    for (const ToolDef &def : ToolBox::tools()) {
        auto *button = child<QPushButton>(def.button);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(toolButton(), def.button);
        EXPECT_TRUE(w().ui().shSel->isVisible()) << def.button;
        EXPECT_TRUE(w().ui().shSel->geometry().contains(button->geometry())) << def.button;
        auto *pointer = child<QLabel>(pointers[def.pointer]);
        EXPECT_FALSE(pointer->isVisible());
        EXPECT_EQ(view()->cursor().pixmap().toImage(), pointer->pixmap().toImage()) << def.button;
    }
}

TEST_F(ToolButtonsTest, TheSelectorLeavesTheFocusAndAnotherToolEndsADragWithoutDrawing) {
    w().ui().cmdNew->setFocus();
    w().cmdSelector_Click();
    EXPECT_EQ(w().focusWidget(), w().ui().cmdNew);
    w().cmdLine_Click();
    EXPECT_EQ(w().focusWidget(), view());
    press(cell(3, 3));
    move(cell(9, 3));
    w().cmdFill_Click();
    EXPECT_TRUE(w().ui().Line2->isHidden());
    EXPECT_EQ(countSetEverywhere(), 0);
}

using PencilTest = DrawWindowTest;

TEST_F(PencilTest, AClickSetsACellAndAFastStrokeIsOneConnectedLineUndoneAtOnce) {
    ASSERT_NE(tool<PencilTool>(), nullptr);
    drag(cell(60, 3), cell(60, 3));
    EXPECT_EQ(doc().preview().pixel(60, 3), kBlack);
    // the inside of the cell, the grid line left alone
    EXPECT_EQ(doc().view().pixel(363, 23), kBlack);
    EXPECT_EQ(doc().view().pixel(360, 19), LogoDocument::kGridColor);
    EXPECT_TRUE(doc().isModified());
    EXPECT_TRUE(w().ui().cmdUndo->isEnabled());
    drag(cell(58, 5), cell(60, 5), {}, Qt::RightButton);
    // moves 10 cells apart: every column between gets exactly one cell, each
    // next to the one before
    drag(cell(1, 1), cell(31, 12), {cell(11, 6), cell(21, 9)}, Qt::MiddleButton);
    EXPECT_EQ(countSetEverywhere(), 4 + 31);
    int lastRow = 1;
    for (int x = 1; x <= 31; ++x) {
        int row = -1;
        for (int y = 0; y < 14; ++y) {
            row = set(x, y) ? y : row;
        }
        EXPECT_LE(std::abs(row - lastRow), 1) << x;
        lastRow = row;
    }
    EXPECT_TRUE(viewMatchesPicture());
    w().ui().cmdUndo->click();
    EXPECT_EQ(countSetEverywhere(), 4) << "one stroke, one undo step";
}

TEST_F(PencilTest, LeftOfTheViewDrawsNothingAndAReleaseBeyondItKeepsThePenDown) {
    press(cell(0, 0));
    move(QPoint(-3, 3));
    move(QPoint(-9, 9));
    EXPECT_EQ(countSetEverywhere(), 1) << "only the pressed cell";
    release(QPoint(w().ui().picContainer->width() + 5, 10));
    EXPECT_TRUE(tool<PencilTool>()->penDown());
    move(cell(6, 2));  // back over the view without a button: still drawing
    EXPECT_TRUE(set(6, 2));
    release(cell(6, 2));
    EXPECT_FALSE(tool<PencilTool>()->penDown());
    move(cell(8, 2));
    EXPECT_FALSE(set(8, 2));
}

TEST_F(PencilTest, APixelBeyondTheLogoGoesAtTheReleaseAndTheStatusShowsTheCell) {
    // X equal to the view's width passes the guard and lands in column 72
    press(QPoint(200, 10));
    w().picContainer_MouseMove(Qt::LeftButton, {}, QPointF(432, 10));
    EXPECT_EQ(doc().preview().pixel(72, 1), kBlack);
    EXPECT_EQ(w().ui().txtStat5->text(), QStringLiteral("72, 1"));
    move(QPoint(-3, 20));
    EXPECT_EQ(w().ui().txtStat5->text(), QStringLiteral("-1, 3"));
    w().ui().txtStat1->clear();
    release(cell(5, 1));
    EXPECT_EQ(doc().preview().pixel(72, 1), LogoDocument::kClearColor);
    EXPECT_EQ(w().ui().txtStat1->text(), QStringLiteral("Ready"));
}

using BoundsGuardTest = DrawWindowTest;

TEST_F(BoundsGuardTest, EqualityPassesAndBeyondIsRefused) {
    w().cmdLine_Click();
    const auto dragging = [this] { return tool<LineTool>()->dragging(); };
    const float width = static_cast<float>(w().ui().picContainer->width());
    const float height = static_cast<float>(w().ui().picContainer->height());
    w().picContainer_MouseDown(Qt::LeftButton, {}, QPointF(width + 0.5F, 10.0F));
    w().picContainer_MouseDown(Qt::LeftButton, {}, QPointF(10.0F, height + 1.0F));
    EXPECT_FALSE(dragging());
    w().picContainer_MouseDown(Qt::LeftButton, {}, QPointF(width, 10.0F));
    EXPECT_TRUE(dragging());
    w().ui().txtStat5->clear();
    w().picContainer_MouseMove(Qt::NoButton, {}, QPointF(width + 1.0F, 10.0F));
    EXPECT_TRUE(w().ui().txtStat5->text().isEmpty()) << "no status text beyond the view";
    w().picContainer_MouseUp(Qt::LeftButton, {}, QPointF(width + 1.0F, 10.0F));
    EXPECT_TRUE(dragging());
    w().picContainer_MouseUp(Qt::LeftButton, {}, QPointF(10.0F, height));
    EXPECT_FALSE(dragging());
    // the guard follows the kind's view size
    w().optStartup_Click();
    w().cmdLine_Click();
    w().picContainer_MouseDown(Qt::LeftButton, {}, QPointF(500.0F, 280.0F));
    EXPECT_TRUE(dragging());
}

using SelectionTest = DrawWindowTest;

TEST_F(SelectionTest, CutAndMoveLeavesAHoleAndPastesFurtherRight) {
    for (const QPoint p : {QPoint(10, 2), QPoint(15, 5), QPoint(20, 8), QPoint(30, 10)}) {
        setPixels(QRect(p, QSize(1, 1)));  // the last outside the selection
    }
    w().RedrawCanvas();
    const QImage before = doc().preview().copy();
    w().cmdSelector_Click();
    ASSERT_TRUE(w().ui().OptCut->isChecked());
    const auto border = w().ui().shRect->borderStyle();
    w().Timer1_Timer();
    EXPECT_NE(w().ui().shRect->borderStyle(), border) << "the timer alternates the border";
    drag(cell(10, 2), cell(20, 8), {cell(10, 2) + QPoint(1, 1)});
    QWidget *floating = w().ui().picMove;
    ASSERT_TRUE(floating->isVisible());
    const QPoint grip(5, 5);
    QTest::mousePress(floating, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseMove(floating, grip);
    QTest::mouseMove(floating, grip + QPoint(12, 0));
    QTest::mouseRelease(floating, Qt::LeftButton, Qt::NoModifier, grip);
    for (const QPoint p : {QPoint(12, 2), QPoint(17, 5), QPoint(22, 8), QPoint(30, 10)}) {
        EXPECT_TRUE(set(p.x(), p.y())) << p.x() << "," << p.y();
    }
    EXPECT_EQ(countSetEverywhere(), 4);
    EXPECT_TRUE(viewMatchesPicture());
    EXPECT_TRUE(doc().isModified());
    EXPECT_FALSE(floating->isVisible());
    EXPECT_TRUE(w().ui().OptCut->isVisible() && w().ui().Timer1->isActive()) << "armed again";
    // undo goes back to the picture before the cut
    w().cmdUndo_Click();
    EXPECT_EQ(doc().preview(), before);
}

constexpr QRgb kPaper = LogoDocument::kClearColor;

class TextToolTest : public DrawWindowTest {
protected:
    void SetUp() override {
        DrawWindowTest::SetUp();
        w().cmdText_Click();
    }
    // Presses the view at `at` with the text tool; `inDialog` runs while
    // the dialog is open.
    void pressWithDialog(QPoint at, std::function<void(FrmDrawText *)> inDialog) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            FrmDrawText *d = w().findChild<FrmDrawText *>(QStringLiteral("frmDrawText"));
            ASSERT_NE(d, nullptr);
            EXPECT_TRUE(d->isVisible());
            ran = true;
            inDialog(d);
            if (d->isVisible()) {
                d->cmdCancel->click();
            }
        });
        press(at);
        // the release of that press goes to the dialog, not to the view
        release(QPoint(view()->width() + 10, view()->height() + 10));
        EXPECT_TRUE(ran);
    }
};

TEST_F(TextToolTest, TheTextStartsAtThePressedPixel) {
    pressWithDialog(QPoint(60, 30), [](FrmDrawText *d) {
        EXPECT_EQ(d->sngTextX, 10.0F);
        EXPECT_EQ(d->sngTextY, 5.0F);
        EXPECT_EQ(d->text1ForeColor(), QColor(Qt::black));
        d->cmdOK->click();
    });
    const QImage &pic = doc().preview();
    const QRect ink = setBounds(doc());
    ASSERT_FALSE(ink.isEmpty());
    const QFontMetrics fm(w().frmDrawText()->Text1->font());
    // the first character cell's top-left is pixel (10, 5): the strokes
    // begin at or just right of column 10 and below the cell's top
    EXPECT_GE(ink.left(), 10);
    EXPECT_LE(ink.left(), 11);
    EXPECT_GE(ink.top(), 5);
    EXPECT_LE(ink.top(), 5 + fm.ascent() - fm.capHeight() + 1);
    EXPECT_LE(ink.bottom(), 5 + fm.height());
    // the strokes are set pixels: nothing but black and the clear colour
    EXPECT_TRUE(everyPixel(
        [&](int x, int y) { return previewSet(doc(), x, y) || pic.pixel(x, y) == kPaper; }));
    EXPECT_TRUE(viewMatchesPicture());
    EXPECT_TRUE(doc().isModified());
    w().cmdUndo_Click();
    EXPECT_EQ(countSetEverywhere(), 0);
    // Cancel draws nothing but still takes an undo step
    pressWithDialog(cell(3, 3), [](FrmDrawText *d) { d->cmdCancel->click(); });
    EXPECT_EQ(countSetEverywhere(), 0);
    EXPECT_TRUE(w().ui().cmdUndo->isEnabled());
}

TEST_F(TextToolTest, TheBackgroundShowsBetweenTheStrokes) {
    setPixels(QRect(0, 0, 72, 14));
    w().RedrawCanvas();
    w().ui().PicMseColor->setPalette([&] {
        QPalette p = w().ui().PicMseColor->palette();
        p.setColor(QPalette::Window, QColor::fromRgb(kPaper));
        return p;
    }());
    pressWithDialog(cell(2, 1), [](FrmDrawText *d) {
        d->Text1->setText(QStringLiteral("HI"));
        d->cmdOK->click();
    });
    // clear strokes over set pixels; everything else stays set
    const int cleared = 72 * 14 - countSet(QRect(0, 0, 72, 14));
    EXPECT_GT(cleared, 5);
    EXPECT_LT(cleared, 72 * 14 / 2);
    EXPECT_TRUE(set(0, 0));
    EXPECT_TRUE(set(1, 13));
}

TEST_F(TextToolTest, ASecondUseStartsWithTheLastTextAndFont) {
    QFont chosen;
    pressWithDialog(cell(1, 1), [&](FrmDrawText *d) {
        d->Text1->setText(QStringLiteral("Hello"));
        const QFont before = d->Text1->font();
        for (const bool accept : {false, true}) {
            QTimer::singleShot(0, [&] {
                auto *fd = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
                ASSERT_NE(fd, nullptr);
                EXPECT_FALSE(fd->currentFont().italic()) << "opens on the font's own style";
                QFont f = fd->currentFont();
                f.setStyleName(QStringLiteral("Bold"));
                f.setBold(true);
                f.setUnderline(true);
                fd->setCurrentFont(f);
                accept ? fd->accept() : fd->reject();
            });
            d->cmdFont_Click();
            if (!accept) {
                EXPECT_EQ(d->Text1->font(), before) << "a cancelled font dialog changes nothing";
            }
        }
        chosen = d->Text1->font();
        EXPECT_TRUE(QFontInfo(chosen).bold());
        EXPECT_TRUE(chosen.underline());
        EXPECT_FALSE(chosen.italic());
        EXPECT_EQ(d->text1ForeColor(), QColor(Qt::black)) << "the dialog's colour is not used";
        d->cmdOK->click();
    });
    pressWithDialog(cell(30, 1), [&](FrmDrawText *d) {
        EXPECT_EQ(d->Text1->text(), QStringLiteral("Hello"));
        EXPECT_EQ(d->Text1->font(), chosen);
        d->cmdCancel->click();
    });
}

TEST_F(TextToolTest, TextBeyondTheLogoIsClearedByTheNextRelease) {
    pressWithDialog(cell(68, 2), [](FrmDrawText *d) {
        d->Text1->setText(QStringLiteral("WWWW"));
        d->cmdOK->click();
    });
    EXPECT_GT(countSet(QRect(72, 0, 12, 48)), 0);
    // the release of that press was taken by the dialog; the next one cleans
    w().cmdPencil_Click();
    drag(cell(1, 1), cell(1, 1));
    EXPECT_EQ(countSet(QRect(72, 0, 12, 48)), 0);
    EXPECT_GT(countSet(QRect(68, 0, 4, 14)), 0);
}

TEST(TextRasterTest, DrawsOnlyInTheColourGivenAndKeepsTheBackground) {
    QImage img(84, 48, QImage::Format_RGB32);
    img.fill(0xFF808080);
    QFont f(QStringLiteral("Sans Serif"));
    f.setPixelSize(12);
    f.setUnderline(true);
    f.setStrikeOut(true);
    drawTextOnPicture(img, QPoint(2, 2), QStringLiteral("Ag"), f, 0xFF000000);
    int drawn = 0;
    EXPECT_TRUE(everyPixel([&](int x, int y) {
        drawn += img.pixel(x, y) == 0xFF000000;
        return img.pixel(x, y) == 0xFF000000 || img.pixel(x, y) == 0xFF808080;
    }));
    EXPECT_GT(drawn, 10);
    QImage untouched = img;
    drawTextOnPicture(untouched, QPoint(2, 2), QString(), f, 0xFF000000);
    EXPECT_EQ(untouched, img);
}

}  // namespace
