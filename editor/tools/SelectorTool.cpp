#include "tools/SelectorTool.h"

#include <QApplication>
#include <QClipboard>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "canvas/FloatingPicture.h"
#include "canvas/LogoTransforms.h"
#include "canvas/ShapeControl.h"
#include "canvas/ViewRounding.h"
#include "document/LogoDocument.h"
#include "document/UndoHistory.h"
#include "tools/SelectionOverlay.h"
#include "tools/ToolContext.h"

namespace glyphsmith {

void SelectorTool::activate(ToolContext &context) {
    SelectionOverlay &o = context.selectionOverlay();
    o.blink->start();
    s_.bSelDone = false;
    s_.bSelArmed = true;
    o.copy->show();
    o.cut->show();
}

void SelectorTool::cancel(ToolContext &context) {
    SelectionOverlay &o = context.selectionOverlay();
    o.blink->stop();
    o.frame->hide();
    s_.bSelecting = false;
    s_.bSelMoving = false;
    s_.bSelDone = false;
    s_.bSelArmed = false;
    o.cut->hide();
    o.copy->hide();
    o.picture->hide();
    o.picture->setPicture(QImage());
}

void SelectorTool::rearm(ToolContext &context) {
    cancel(context);
    context.setPointer(ToolCursors::Pencil);
    activate(context);
}

void SelectorTool::press(ToolContext &context, QPointF at) {
    SelectionOverlay &o = context.selectionOverlay();
    o.cut->hide();
    o.copy->hide();
    if (!s_.bSelArmed) {
        return;
    }
    s_.bSelecting = true;
    s_.sngSelStartX = s_.sngSelEndX = static_cast<float>(at.x());
    s_.sngSelStartY = s_.sngSelEndY = static_cast<float>(at.y());
    o.frame->setBox(QRectF(at, QSizeF(0, 0)));
}

void SelectorTool::move(ToolContext &context, QPointF at) {
    s_.sngSelEndX =
        std::clamp(static_cast<float>(at.x()), 0.0F, static_cast<float>(LogoDocument::kViewWidth));
    s_.sngSelEndY =
        std::clamp(static_cast<float>(at.y()), 0.0F, static_cast<float>(LogoDocument::kViewHeight));
    if (s_.bSelecting) {
        ShapeControl &frame = *context.selectionOverlay().frame;
        frame.setBox(QRectF(
            std::min(s_.sngSelStartX, s_.sngSelEndX), std::min(s_.sngSelStartY, s_.sngSelEndY),
            std::abs(s_.sngSelStartX - s_.sngSelEndX), std::abs(s_.sngSelStartY - s_.sngSelEndY)));
        frame.show();
        frame.raise();
    }
    context.clearOutsideLogo();
}

void SelectorTool::release(ToolContext &context, QPointF) {
    SelectionOverlay &o = context.selectionOverlay();
    if (!s_.bSelecting) {
        // a click beside a finished selection widens its rectangle
        s_.bSelMoving = false;
        o.frame->setBox(o.frame->box().adjusted(-1, -1, 1, 1));
        return;
    }
    LogoDocument &doc = context.document();
    // the steps shift as a snapshot does; Undo stays as available as it was
    context.undoHistory().shift(doc.preview());

    s_.PicClip.setPicture(doc.preview());
    s_.PicClipMove.setPicture(doc.view());
    const QRectF box = o.frame->box();
    s_.PicClip.ClipX = viewToLogoRounded(box.left());
    s_.PicClip.ClipY = viewToLogoRounded(box.top());
    s_.PicClipMove.ClipX = roundHalfEven(box.left());
    s_.PicClipMove.ClipY = roundHalfEven(box.top());
    s_.sngSelEndX = std::min(s_.sngSelEndX, static_cast<float>(LogoDocument::kViewWidth));
    s_.sngSelEndY = std::min(s_.sngSelEndY, static_cast<float>(LogoDocument::kViewHeight));
    const int x1 = viewToLogoRounded(s_.sngSelStartX);
    const int x2 = viewToLogoRounded(s_.sngSelEndX);
    const int y1 = viewToLogoRounded(s_.sngSelStartY);
    const int y2 = viewToLogoRounded(s_.sngSelEndY);
    // whole logo pixels, both ends included
    s_.PicClip.ClipWidth = std::abs(x1 - x2) + 1;
    s_.PicClip.ClipHeight = std::abs(y1 - y2) + 1;
    s_.PicClipMove.ClipWidth = roundHalfEven(box.width());
    s_.PicClipMove.ClipHeight = roundHalfEven(box.height());

    if (box.width() < 2 || box.height() < 2) {
        context.inform(QStringLiteral("Select Area using Click and Drag."));
        s_.bSelecting = false;
        return;
    }
    o.picture->setGeometry(QRect(static_cast<int>(std::floor(box.left())),
                                 static_cast<int>(std::floor(box.top())), s_.PicClipMove.ClipWidth,
                                 s_.PicClipMove.ClipHeight));
    o.picture->setPicture(s_.PicClipMove.Clip());
    o.picture->show();
    o.picture->raise();
    s_.iSelX1 = x1;
    s_.iSelX2 = x2;
    s_.iSelY1 = y1;
    s_.iSelY2 = y2;
    s_.home = box.topLeft();
    s_.bSelDone = true;
    s_.bSelArmed = false;
    // the drag is over: later moves must not resize the rectangle
    s_.bSelecting = false;
    context.setPointer(ToolCursors::Hand);
}

void SelectorTool::picturePress(ToolContext &context, Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        copyToClipboard(context);
        return;
    }
    s_.bSelMoving = true;
    s_.firstMove = true;
    if (context.selectionOverlay().cut->isChecked()) {
        LogoDocument &doc = context.document();
        clearLogoRect(doc, s_.iSelX1, s_.iSelY1, s_.iSelX2, s_.iSelY2);
        // the hole shows at once, but undo must still go back to the picture
        // before the cut, not to the hole
        UndoHistory &history = context.undoHistory();
        const QImage beforeCut = history.latest();
        context.redraw();
        history.setLatest(beforeCut);
    }
}

void SelectorTool::pictureMove(ToolContext &context, Qt::MouseButtons buttons, QPointF at) {
    if ((buttons & Qt::RightButton) || !s_.bSelMoving) {
        return;
    }
    SelectionOverlay &o = context.selectionOverlay();
    const QPointF mouse(o.frame->left() + at.x(), o.frame->top() + at.y());
    if (s_.firstMove) {
        s_.grabOffset = mouse - QPointF(o.picture->pos());
        s_.firstMove = false;
    }
    const QPointF corner = mouse - s_.grabOffset;
    o.picture->move(static_cast<int>(std::floor(corner.x())),
                    static_cast<int>(std::floor(corner.y())));
    o.frame->setLeft(corner.x());
    o.frame->setTop(corner.y());
    context.document().setModified(true);
}

void SelectorTool::pictureRelease(ToolContext &context, Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        return;
    }
    SelectionOverlay &o = context.selectionOverlay();
    o.picture->hide();
    pasteIntoPicture(context.document(), s_.PicClip.Clip(),
                     QPoint(viewToLogoRounded(o.frame->left()), viewToLogoRounded(o.frame->top())));
    context.commit();
    o.frame->hide();
    rearm(context);
}

void SelectorTool::copyToClipboard(ToolContext &context) {
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    // the floating picture at view size, grid lines included
    clipboard->setImage(context.selectionOverlay().picture->picture());
    context.inform(QStringLiteral("Selected Region Copied to Clipboard."));
    rearm(context);
}

void SelectorTool::key(ToolContext &context, int qtKey) {
    // only a selection made since the selector was chosen can be deleted:
    // the corners of an earlier one are stale
    if (qtKey != Qt::Key_Delete || !s_.bSelDone) {
        return;
    }
    clearLogoRect(context.document(), std::min(s_.iSelX1, s_.iSelX2),
                  std::min(s_.iSelY1, s_.iSelY2), std::max(s_.iSelX1, s_.iSelX2),
                  std::max(s_.iSelY1, s_.iSelY2));
    context.selectionOverlay().picture->hide();
    context.commit();
    rearm(context);
}

}  // namespace glyphsmith
