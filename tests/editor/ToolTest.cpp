// The drawing tools without a main window: each tool driven through a small
// ToolContext holding a real document and undo history, the rubber bands and
// the selector's widgets on a bare 504 x 288 view, and the messages shown
// recorded. Points are view pixels. The rasterisers are checked against slow
// versions in DrawAlgorithmsTest; the window's mouse path in ToolMouseTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QRadioButton>
#include <QTimer>
#include <memory>

#include "PixelCheck.h"
#include "canvas/FloatingPicture.h"
#include "canvas/FrmDrawText.h"
#include "canvas/LineControl.h"
#include "canvas/ShapeControl.h"
#include "document/UndoHistory.h"
#include "tools/SelectionOverlay.h"
#include "tools/SelectorTool.h"
#include "tools/ToolBox.h"
#include "tools/ToolContext.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

class ToolTest : public ::testing::Test, public ToolContext {
protected:
    ToolTest() {
        view.resize(LogoDocument::kViewWidth, LogoDocument::kViewHeight);
        cut.setChecked(true);
        for (QWidget *band : std::initializer_list<QWidget *>{&line, &shape, &frame, &picture}) {
            band->hide();  // as the window keeps them until a tool shows them
        }
    }
    // Puts the current tool down and takes the tool box button's tool.
    void use(const char *button) {
        if (tool) {
            tool->cancel(*this);
        }
        tool = ToolBox::find(button)->make();
        tool->activate(*this);
    }
    void press(QPointF at) { tool->press(*this, at); }
    void move(QPointF at) { tool->move(*this, at); }
    void release(QPointF at) { tool->release(*this, at); }
    void drag(QPointF from, QPointF to, std::initializer_list<QPointF> via = {}) {
        press(from);
        for (const QPointF &p : via) {
            move(p);
        }
        move(to);
        release(to);
    }
    // The centre of logo pixel (x, y)'s cell.
    static QPointF cell(int x, int y) { return QPointF(x * 6 + 3, y * 6 + 3); }

    LogoDocument &document() override { return doc; }
    UndoHistory &undoHistory() override { return history; }
    QRgb ink() const override { return LogoDocument::kSetColor; }
    void repaintCells(const QRect &) override {}
    void commit() override {
        commitPainted();
        redraw();
    }
    void commitPainted() override { history.snapshot(doc.preview()); }
    void redraw() override {
        doc.redrawCanvas();
        history.setLatest(doc.preview());
    }
    void clearOutsideLogo() override { doc.clearPreviewOutside(doc.logoWidth(), doc.logoHeight()); }
    LineControl &lineBand() override { return line; }
    ShapeControl &shapeBand() override { return shape; }
    SelectionOverlay &selectionOverlay() override { return overlay; }
    void setPointer(ToolCursors::Image) override {}
    void inform(const QString &text) override { informed << text; }
    FrmDrawText &textDialog() override { return text; }

    LogoDocument doc;
    UndoHistory history;
    QWidget view;
    LineControl line{&view};
    ShapeControl shape{&view};
    ShapeControl frame{&view};
    FloatingPicture picture{&view};
    QRadioButton cut{&view};
    QRadioButton copy{&view};
    QTimer blink;
    SelectionOverlay overlay{&frame, &picture, &cut, &copy, &blink};
    FrmDrawText text{&doc, &view};
    std::unique_ptr<Tool> tool;
    QStringList informed;
};

TEST_F(ToolTest, TheEraserClearsTheStrokeAsOneUndoStep) {
    setPixels(doc, QRect(2, 2, 4, 1));
    redraw();
    const QImage before = doc.preview().copy();
    use("cmdErasor");
    drag(cell(2, 2), cell(5, 2), {cell(3, 2)});
    EXPECT_EQ(countSet(doc), 0);
    EXPECT_TRUE(viewMatchesPicture(doc));
    EXPECT_EQ(history.undo(), before);
}

TEST_F(ToolTest, TheLinesBandFollowsAndTheReleaseDrawsBothEnds) {
    use("cmdLine");
    const QImage before = doc.view().copy();
    press(cell(2, 3));
    move(cell(6, 4));
    EXPECT_FALSE(line.isHidden());
    EXPECT_EQ(line.line(), QLineF(cell(2, 3), cell(6, 4)));
    EXPECT_EQ(doc.view(), before) << "the band does not touch the picture";
    release(cell(10, 3));
    EXPECT_EQ(countSet(doc, QRect(2, 3, 9, 1)), 9);
    EXPECT_EQ(countSet(doc), 9);
    EXPECT_TRUE(line.isHidden());
    EXPECT_TRUE(viewMatchesPicture(doc));
    drag(cell(4, 2), QPointF(-4, 39));
    EXPECT_TRUE(doc.isPixelSet(0, 6)) << "a few pixels left of the view round to column zero";
}

TEST_F(ToolTest, BoxesCoverTheDraggedCellsAndAFullOneACellMore) {
    const struct {
        const char *button;
        QPoint from, to;  // cells
        QRect expected;   // cells covered
    } cases[] = {
        {"cmdEmptyBox", {2, 2}, {5, 4}, QRect(2, 2, 4, 3)},
        {"cmdEmptyBox", {5, 4}, {2, 2}, QRect(2, 2, 4, 3)},
        // the far corner of a full box lies one cell beyond the released one
        {"cmdFullBox", {2, 2}, {5, 4}, QRect(2, 2, 5, 4)},
        {"cmdFullBox", {5, 4}, {2, 2}, QRect(3, 3, 3, 2)},
    };
    for (const auto &c : cases) {
        doc.blankCanvas();
        history.clear();
        use(c.button);
        drag(cell(c.from.x(), c.from.y()), cell(c.to.x(), c.to.y()), {cell(c.to.x(), c.from.y())});
        const QRect &e = c.expected;
        const bool full = qstrcmp(c.button, "cmdFullBox") == 0;
        EXPECT_TRUE(everyPixel([&](int x, int y) {
            const bool edge = x == e.left() || x == e.right() || y == e.top() || y == e.bottom();
            return previewSet(doc, x, y) == (e.contains(x, y) && (full || edge));
        })) << c.button
            << " from " << c.from.x();
        EXPECT_TRUE(shape.isHidden());
        EXPECT_TRUE(history.canUndo());
    }
}

TEST_F(ToolTest, TheEllipsesBandLiesAroundThePressAndHalfOfItGivesTheRadii) {
    const struct {
        const char *button;
        QPoint centre;  // cell
        QPoint by;      // view pixels dragged
        QRect bounds;   // of the set cells
        int count;      // of the set cells; -1: not counted
    } cases[] = {
        // radii 3 and 1.5, filled: rows of 5, 7 and 5
        {"cmdFullCircle", {20, 7}, {36, 18}, QRect(QPoint(17, 6), QPoint(23, 8)), 17},
        {"cmdEmptyCircle", {30, 6}, {60, 24}, QRect(QPoint(25, 4), QPoint(35, 8)), -1},
        // w = 6, h = 12: the vertical radius is half the dragged width
        {"cmdFullCircle", {40, 24}, {36, 72}, QRect(QPoint(39, 21), QPoint(41, 27)), -1},
        {"cmdEmptyCircle", {20, 7}, {24, 2}, QRect(QPoint(18, 7), QPoint(22, 7)), 5},
        {"cmdEmptyCircle", {20, 2}, {0, 40}, QRect(), 0},  // no width, no ellipse
    };
    for (const auto &c : cases) {
        doc.blankCanvas();
        use(c.button);
        const QPointF from = cell(c.centre.x(), c.centre.y());
        press(from);
        move(from + c.by);
        EXPECT_EQ(shape.box(), QRectF(from - QPointF(c.by) / 2, QSizeF(c.by.x(), c.by.y())));
        release(from + c.by);
        EXPECT_EQ(setBounds(doc), c.bounds) << c.centre.x();
        EXPECT_TRUE(c.count < 0 || countSet(doc) == c.count) << c.centre.x();
        EXPECT_TRUE(shape.isHidden());
    }
    doc.setPixel(30, 5, LogoDocument::kSetColor);  // what an empty one encloses stays
    drag(cell(30, 6), cell(30, 6) + QPointF(60, 24));
    EXPECT_TRUE(doc.isPixelSet(30, 5));
    EXPECT_FALSE(doc.isPixelSet(30, 6));
}

TEST_F(ToolTest, TheFillPoursInsideTheLogoOnlyAndNotAroundAWall) {
    // a closed box and a wall down column 36: the fill pours around the box,
    // but not around the wall through the area outside the logo
    const QRect box[] = {QRect(10, 3, 6, 1), QRect(10, 8, 6, 1), QRect(10, 3, 1, 6),
                         QRect(15, 3, 1, 6), QRect(36, 0, 1, 14)};
    for (const QRect &r : box) {
        setPixels(doc, r);
    }
    use("cmdFill");
    drag(cell(1, 1), cell(1, 1));
    EXPECT_TRUE(everyPixel([&](int x, int y) {
        const bool insideBox = x > 10 && x < 15 && y > 3 && y < 8;
        return previewSet(doc, x, y) == (x <= 36 && y < 14 && !insideBox);
    }));
    EXPECT_TRUE(viewMatchesPicture(doc));
    EXPECT_TRUE(doc.isModified());
    doc.setLogoSize(84, 48);
    drag(cell(80, 45), cell(80, 45));
    EXPECT_EQ(countSet(doc), 84 * 48 - 4 * 4) << "the startup logo fills but the box";
}

class SelectorToolTest : public ToolTest {
protected:
    void SetUp() override { use("cmdSelector"); }
    SelectorTool &selector() { return static_cast<SelectorTool &>(*tool); }
    const SelectionState &state() { return selector().state(); }
    // Selects from the centre of one cell to the centre of another.
    void select(QPoint fromCell, QPoint toCell) {
        const QPointF from = cell(fromCell.x(), fromCell.y());
        drag(from, cell(toCell.x(), toCell.y()), {from + QPointF(1, 1)});
    }
    // The floating picture pressed, moved by `by` view pixels and let go.
    void moveFloating(QPointF by) {
        selector().picturePress(*this, Qt::LeftButton);
        selector().pictureMove(*this, Qt::LeftButton, QPointF(5, 5));
        selector().pictureMove(*this, Qt::LeftButton, QPointF(5, 5) + by);
        selector().pictureRelease(*this, Qt::LeftButton);
    }
    bool armed() {
        return state().bSelArmed && !state().bSelDone && !cut.isHidden() && !copy.isHidden() &&
               blink.isActive();
    }
};

TEST_F(SelectorToolTest, ElevenBySevenCellsFloatAsThePartOfTheViewUnderTheRectangle) {
    EXPECT_TRUE(armed());
    setPixels(doc, QRect(10, 2, 1, 1));
    select({10, 2}, {20, 8});
    const auto &clip = state().PicClip;
    EXPECT_EQ(QRect(clip.ClipX, clip.ClipY, clip.ClipWidth, clip.ClipHeight), QRect(10, 2, 11, 7));
    EXPECT_TRUE(state().bSelDone && !state().bSelArmed && !state().bSelecting);
    ASSERT_FALSE(picture.isHidden());
    EXPECT_EQ(picture.geometry(), QRect(63, 15, 60, 36));
    EXPECT_EQ(picture.picture(), doc.view().copy(63, 15, 60, 36));
    EXPECT_TRUE(cut.isHidden());
    // a move over the view after the release leaves the rectangle alone
    move(QPointF(300, 70));
    EXPECT_EQ(frame.box(), QRectF(63, 15, 60, 36));
}

TEST_F(SelectorToolTest, TooSmallASelectionAsksForADragAndTheCornerStaysInTheView) {
    drag(QPointF(100, 30), QPointF(101, 60), {QPointF(100, 40)});
    EXPECT_EQ(informed, QStringList{"Select Area using Click and Drag."});
    EXPECT_TRUE(picture.isHidden());
    EXPECT_TRUE(state().bSelArmed && !state().bSelDone);
    press(QPointF(60, 40));
    move(QPointF(-20, -30));
    EXPECT_EQ(frame.box(), QRectF(0, 0, 60, 40));
    release(QPointF(-20, -30));
    EXPECT_FALSE(picture.isHidden());
    EXPECT_EQ(state().iSelX2, 0);
    EXPECT_EQ(state().PicClip.ClipWidth, 11);
}

TEST_F(SelectorToolTest, CopyAndMoveKeepsTheOriginalAndACutPutBackLeavesNoHole) {
    setPixels(doc, QRect(10, 2, 1, 1));
    copy.setChecked(true);
    select({10, 2}, {14, 4});
    moveFloating(QPointF(0, 30));  // five rows down
    EXPECT_TRUE(doc.isPixelSet(10, 2) && doc.isPixelSet(10, 7));
    EXPECT_EQ(countSet(doc), 2);
    EXPECT_TRUE(armed());
    cut.setChecked(true);
    setPixels(doc, QRect(20, 2, 3, 3));
    const QImage before = doc.preview().copy();
    select({19, 1}, {24, 6});
    moveFloating(QPointF(0, 0));
    EXPECT_EQ(doc.preview(), before);
}

TEST_F(SelectorToolTest, RightClickCopiesTheEnlargedPictureToTheClipboard) {
    setPixels(doc, QRect(3, 3, 2, 2));
    doc.setModified(false);
    const QImage before = doc.preview().copy();
    QApplication::clipboard()->clear();
    select({2, 2}, {6, 5});
    const QImage floating = picture.picture();
    selector().picturePress(*this, Qt::RightButton);
    release(cell(4, 4));
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), floating);
    EXPECT_EQ(floating.size(), QSize(24, 18));
    EXPECT_EQ(informed.size(), 1);
    EXPECT_EQ(doc.preview(), before);
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(armed());
}

TEST_F(SelectorToolTest, DeleteClearsOnlyAFreshSelection) {
    setPixels(doc, QRect(0, 0, 30, 14));
    redraw();
    const QImage before = doc.preview().copy();
    tool->key(*this, Qt::Key_Delete);  // no selection yet
    EXPECT_EQ(doc.preview(), before);
    select({20, 8}, {10, 2});  // dragged up and left
    tool->key(*this, Qt::Key_Delete);
    EXPECT_EQ(countSet(doc, QRect(10, 2, 11, 7)), 0);
    EXPECT_EQ(countSet(doc), 30 * 14 - 11 * 7);
    EXPECT_TRUE(viewMatchesPicture(doc));
    EXPECT_TRUE(armed());
    doc.preview() = history.undo();
    redraw();
    EXPECT_EQ(doc.preview(), before);
    // a selection put back, then the selector chosen again: its corners
    // are stale and nothing is deleted
    select({10, 2}, {20, 8});
    moveFloating(QPointF(0, 0));
    use("cmdSelector");
    tool->key(*this, Qt::Key_Delete);
    EXPECT_EQ(countSet(doc), 30 * 14);
}

TEST_F(SelectorToolTest, AClickBesideWidensTheRectangleAndAnotherToolCancels) {
    doc.preview().setPixel(75, 20, LogoDocument::kSetColor);
    move(QPointF(50, 50));
    EXPECT_FALSE(previewSet(doc, 75, 20)) << "moves clean outside the logo";
    select({2, 2}, {6, 5});
    const QRectF box = frame.box();
    drag(cell(40, 10), cell(40, 10));
    EXPECT_EQ(frame.box(), box.adjusted(-1, -1, 1, 1));
    EXPECT_TRUE(state().bSelDone);
    use("cmdLine");
    EXPECT_FALSE(blink.isActive());
    EXPECT_TRUE(frame.isHidden() && picture.isHidden() && cut.isHidden() && copy.isHidden());
}

}  // namespace
