// The text tool: the "Insert Text" dialog, its font dialog, and the text drawn
// into the document at the pressed logo pixel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "DrawWindowTest.h"
#include "PixelCheck.h"
#include "canvas/FrmDrawText.h"
#include "canvas/TextRaster.h"

using namespace glyphsmith;
using glyphsmith::test::DrawWindowTest;
using glyphsmith::test::everyPixel;
using glyphsmith::test::forEachPixel;

namespace {

constexpr QRgb kInk = LogoDocument::kSetColor;
constexpr QRgb kPaper = LogoDocument::kClearColor;

QRect inkedBounds(const QImage &img) {
    QRect r;
    forEachPixel(img.rect(),
                 [&](int x, int y) { r |= img.pixel(x, y) == kInk ? QRect(x, y, 1, 1) : QRect(); });
    return r;
}

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
    const QRect ink = inkedBounds(pic);
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
        [&](int x, int y) { return pic.pixel(x, y) == kInk || pic.pixel(x, y) == kPaper; }));
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
    EXPECT_TRUE(everyPixel([&](int x, int y) {
        return img.pixel(x, y) == 0xFF000000 || img.pixel(x, y) == 0xFF808080;
    }));
    int drawn = 0;
    forEachPixel(img.rect(), [&](int x, int y) { drawn += img.pixel(x, y) == 0xFF000000; });
    EXPECT_GT(drawn, 10);
    QImage untouched = img;
    drawTextOnPicture(untouched, QPoint(2, 2), QString(), f, 0xFF000000);
    EXPECT_EQ(untouched, img);
}

}  // namespace
