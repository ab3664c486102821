// The area selector of the main window: dragging the selection rectangle
// over the zoomed view, the floating picture that moves (cutting or copying),
// the right-click copy to the clipboard and the Delete key.
//
// View points are zoomed-view pixels; iSel* are logo pixels (view / 6).
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "canvas/FloatingPicture.h"
#include "canvas/FrameBox.h"
#include "canvas/LogoTransforms.h"
#include "canvas/MouseCodes.h"
#include "canvas/PreviewBox.h"
#include "canvas/ShapeControl.h"
#include "canvas/ToolCursors.h"
#include "canvas/ViewRounding.h"
#include "canvas/ZoomView.h"
#include "shell/FrmMain.h"

namespace glyphsmith {

namespace {

constexpr char kTitle[] = "Glyphsmith";
constexpr qint16 kDeleteKey = 46;

}  // namespace

void FrmMain::cmdSelector_Click() {
    ResetTools();
    // the selector leaves the keyboard focus where it is
    chooseTool(cmdSelector, picPencil, false);
    tools.bSelector = true;
    Timer1->start();
    selection.bSelDone = false;
    selection.bSelArmed = true;
    OptCopy->show();
    OptCut->show();
}

void FrmMain::Timer1_Timer() {
    shRect->setBorderStyle(shRect->borderStyle() == ShapeControl::BorderDot
                               ? ShapeControl::BorderDashDot
                               : ShapeControl::BorderDot);
}

void FrmMain::selectorMouseDown(float X, float Y) {
    OptCut->hide();
    OptCopy->hide();
    if (!selection.bSelArmed) {
        return;
    }
    selection.bSelecting = true;
    selection.sngSelStartX = selection.sngSelEndX = X;
    selection.sngSelStartY = selection.sngSelEndY = Y;
    shRect->setBox(QRectF(X, Y, 0, 0));
}

void FrmMain::selectorMouseMove(float X, float Y) {
    SelectionState &s = selection;
    s.sngSelEndX = std::clamp(X, 0.0F, static_cast<float>(LogoDocument::kViewWidth));
    s.sngSelEndY = std::clamp(Y, 0.0F, static_cast<float>(LogoDocument::kViewHeight));
    if (s.bSelecting) {
        shRect->setBox(QRectF(
            std::min(s.sngSelStartX, s.sngSelEndX), std::min(s.sngSelStartY, s.sngSelEndY),
            std::abs(s.sngSelStartX - s.sngSelEndX), std::abs(s.sngSelStartY - s.sngSelEndY)));
        shRect->show();
        shRect->raise();
    }
    ClearOutsideLogo();
}

void FrmMain::selectorMouseUp() {
    SelectionState &s = selection;
    if (!s.bSelecting) {
        // a click beside a finished selection widens its rectangle
        s.bSelMoving = false;
        shRect->setBox(shRect->box().adjusted(-1, -1, 1, 1));
        return;
    }
    // the buffers shift as a snapshot does; the undo button stays as it is
    doc_.picUndo2 = doc_.picUndo;
    doc_.picUndo = doc_.preview().copy();

    s.PicClip.setPicture(doc_.preview());
    s.PicClipMove.setPicture(doc_.view());
    const QRectF box = shRect->box();
    s.PicClip.ClipX = viewToLogoRounded(box.left());
    s.PicClip.ClipY = viewToLogoRounded(box.top());
    s.PicClipMove.ClipX = roundHalfEven(box.left());
    s.PicClipMove.ClipY = roundHalfEven(box.top());
    s.sngSelEndX = std::min(s.sngSelEndX, static_cast<float>(picContainer->width()));
    s.sngSelEndY = std::min(s.sngSelEndY, static_cast<float>(picContainer->height()));
    const int x1 = viewToLogoRounded(s.sngSelStartX);
    const int x2 = viewToLogoRounded(s.sngSelEndX);
    const int y1 = viewToLogoRounded(s.sngSelStartY);
    const int y2 = viewToLogoRounded(s.sngSelEndY);
    // whole logo pixels, both ends included
    s.PicClip.ClipWidth = std::abs(x1 - x2) + 1;
    s.PicClip.ClipHeight = std::abs(y1 - y2) + 1;
    s.PicClipMove.ClipWidth = roundHalfEven(box.width());
    s.PicClipMove.ClipHeight = roundHalfEven(box.height());

    if (box.width() < 2 || box.height() < 2) {
        if (env_.messages) {
            env_.messages->information(this, QString::fromLatin1(kTitle),
                                       QStringLiteral("Select Area using Click and Drag."));
        }
        s.bSelecting = false;
        return;
    }
    picMove->setGeometry(QRect(static_cast<int>(std::floor(box.left())),
                               static_cast<int>(std::floor(box.top())), s.PicClipMove.ClipWidth,
                               s.PicClipMove.ClipHeight));
    picMove->setPicture(s.PicClipMove.Clip());
    picMove->show();
    picMove->raise();
    s.iSelX1 = x1;
    s.iSelX2 = x2;
    s.iSelY1 = y1;
    s.iSelY2 = y2;
    s.home = box.topLeft();
    s.bSelDone = true;
    s.bSelArmed = false;
    // the drag is over: later moves must not resize the rectangle
    s.bSelecting = false;
    picContainer->setCursor(ToolCursors::cursorOf(picHand));
}

void FrmMain::picMove_MouseDown(qint16 Button, qint16, float, float) {
    if (Button == kRightButton) {
        copySelectionToClipboard();
        return;
    }
    selection.bSelMoving = true;
    selection.firstMove = true;
    if (OptCut->isChecked()) {
        clearLogoRect(doc_, selection.iSelX1, selection.iSelY1, selection.iSelX2, selection.iSelY2);
        // the hole shows at once, but undo must still go back to the picture
        // before the cut, not to the hole
        const QImage beforeCut = doc_.picUndo;
        RedrawCanvas();
        doc_.picUndo = beforeCut;
    }
}

void FrmMain::picMove_MouseMove(qint16 Button, qint16, float X, float Y) {
    if (Button == kRightButton || !selection.bSelMoving) {
        return;
    }
    const QPointF mouse(shRect->left() + X, shRect->top() + Y);
    if (selection.firstMove) {
        selection.grabOffset = mouse - QPointF(picMove->pos());
        selection.firstMove = false;
    }
    const QPointF corner = mouse - selection.grabOffset;
    picMove->move(static_cast<int>(std::floor(corner.x())),
                  static_cast<int>(std::floor(corner.y())));
    shRect->setLeft(corner.x());
    shRect->setTop(corner.y());
    doc_.bModified = true;
}

void FrmMain::picMove_MouseUp(qint16 Button, qint16, float, float) {
    if (Button == kRightButton) {
        return;
    }
    picMove->hide();
    pasteIntoPicture(doc_, selection.PicClip.Clip(),
                     QPoint(viewToLogoRounded(shRect->left()), viewToLogoRounded(shRect->top())));
    TakeUndoSnapshot();
    RedrawCanvas();
    shRect->hide();
    cmdSelector_Click();
}

void FrmMain::copySelectionToClipboard() {
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    // the floating picture at view size, grid lines included
    clipboard->setImage(picMove->picture());
    if (env_.messages) {
        env_.messages->information(this, QString::fromLatin1(kTitle),
                                   QStringLiteral("Selected Region Copied to Clipboard."));
    }
    cmdSelector_Click();
}

void FrmMain::picContainer_KeyDown(qint16 KeyCode, qint16) {
    // only a selection made since the selector was chosen can be deleted:
    // the corners of an earlier one are stale
    if (KeyCode != kDeleteKey || !tools.bSelector || !selection.bSelDone) {
        return;
    }
    SelectionState &s = selection;
    if (s.iSelX1 > s.iSelX2) {
        std::swap(s.iSelX1, s.iSelX2);
    }
    if (s.iSelY1 > s.iSelY2) {
        std::swap(s.iSelY1, s.iSelY2);
    }
    clearLogoRect(doc_, s.iSelX1, s.iSelY1, s.iSelX2, s.iSelY2);
    picMove->hide();
    TakeUndoSnapshot();
    RedrawCanvas();
    update();
    shRect->hide();
    tools.bSelector = false;
    s.bSelecting = false;
    s.bSelMoving = false;
    Timer1->stop();
    s.bSelDone = false;
    s.bSelArmed = false;
    cmdSelector_Click();
}

}  // namespace glyphsmith
