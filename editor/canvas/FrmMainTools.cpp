// The drawing tools of the main window: the ten tool buttons, the three mouse
// handlers of the zoomed view for every tool but the selector, the commit of
// a finished shape and the clean-up of the picture outside the logo.
//
// Mouse coordinates are zoomed-view pixels. Pencil, eraser and the status text
// take a point's cell by rounding X / 6 down; fill, text and the ends of
// shapes round X to a whole number first and truncate the quotient.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <cstdlib>

#include "canvas/FloatingPicture.h"
#include "canvas/FloodFill.h"
#include "canvas/FrameBox.h"
#include "canvas/FrmDrawText.h"
#include "canvas/LineControl.h"
#include "canvas/LogoKind.h"
#include "canvas/PreviewBox.h"
#include "canvas/ShapeControl.h"
#include "canvas/ShapeRaster.h"
#include "canvas/ToolCursors.h"
#include "canvas/ViewRounding.h"
#include "canvas/ZoomView.h"
#include "shell/FrmMain.h"

namespace glyphsmith {

// ---- tool buttons ----

void FrmMain::ResetTools() {
    tools.clearToolFlags();
    Timer1->stop();
    shRect->hide();
    selection.bSelecting = false;
    selection.bSelMoving = false;
    selection.bSelDone = false;
    selection.bSelArmed = false;
    OptCut->hide();
    OptCopy->hide();
    picMove->hide();
    picMove->setPicture(QImage());
}

void FrmMain::chooseTool(QPushButton *button, QLabel *pointer, bool takeFocus) {
    if (takeFocus) {
        picContainer->setFocus();
    }
    picContainer->setCursor(ToolCursors::cursorOf(pointer));
    // left edge of the button less 25 twips
    shSel->move(button->x() - 2, shSel->y());
    shSel->show();
}

void FrmMain::cmdPencil_Click() {
    ResetTools();
    tools.bPencil = true;
    chooseTool(cmdPencil, picPencil, true);
}

void FrmMain::cmdErasor_Click() {
    ResetTools();
    tools.bPencil = true;
    tools.bEraser = true;
    chooseTool(cmdErasor, picEraser, true);
}

void FrmMain::cmdFill_Click() {
    ResetTools();
    tools.bFloodFill = true;
    chooseTool(cmdFill, picFlood, true);
}

void FrmMain::cmdLine_Click() {
    ResetTools();
    tools.bLine = true;
    chooseTool(cmdLine, picPencil, true);
}

void FrmMain::cmdEmptyBox_Click() {
    ResetTools();
    tools.bEmptyBox = true;
    Shape1->setShape(ShapeControl::Rectangle);
    Shape1->setFillStyle(ShapeControl::Transparent);
    chooseTool(cmdEmptyBox, picPencil, true);
}

void FrmMain::cmdFullBox_Click() {
    ResetTools();
    tools.bFullBox = true;
    Shape1->setShape(ShapeControl::Rectangle);
    Shape1->setFillStyle(ShapeControl::Solid);
    chooseTool(cmdFullBox, picPencil, true);
}

void FrmMain::cmdEmptyCircle_Click() {
    ResetTools();
    tools.bEmptyCircle = true;
    Shape1->setShape(ShapeControl::Oval);
    Shape1->setFillStyle(ShapeControl::Transparent);
    chooseTool(cmdEmptyCircle, picPencil, true);
}

void FrmMain::cmdFullCircle_Click() {
    ResetTools();
    tools.bFullCircle = true;
    Shape1->setShape(ShapeControl::Oval);
    Shape1->setFillStyle(ShapeControl::Solid);
    chooseTool(cmdFullCircle, picPencil, true);
}

void FrmMain::cmdText_Click() {
    ResetTools();
    tools.bText = true;
    chooseTool(cmdText, picA, true);
}

// ---- the zoomed view's mouse ----

bool FrmMain::beyondView(float X, float Y) const {
    // equality passes; points left of or above the view are not refused
    return X > picContainer->width() || Y > picContainer->height() || std::isnan(X) ||
           std::isnan(Y);
}

void FrmMain::picContainer_MouseDown(qint16, qint16, float X, float Y) {
    if (beyondView(X, Y)) {
        return;
    }
    if (tools.bSelector) {
        selectorMouseDown(X, Y);
    } else if (tools.bText) {
        textToolPress(X, Y);
    } else if (tools.bFloodFill) {
        floodFillPress(X, Y);
    } else if (tools.bLine) {
        tools.bLineDrag = true;
        tools.sngStartX = X;
        tools.sngStartY = Y;
    } else if (tools.boxTool()) {
        tools.bBoxDrag = true;
        tools.sngStartX = X;
        tools.sngStartY = Y;
    } else if (tools.ellipseTool()) {
        tools.bCircleDrag = true;
        tools.sngStartX = X;
        tools.sngStartY = Y;
    } else if (tools.bPencil) {
        tools.bPenDown = true;
        const QPoint cell(viewToLogoFloor(X), viewToLogoFloor(Y));
        tools.penCell = cell;
        penTo(cell);
    }
}

void FrmMain::picContainer_MouseMove(qint16, qint16, float X, float Y) {
    if (beyondView(X, Y)) {
        return;
    }
    txtStat5->setText(QStringLiteral("%1, %2").arg(viewToLogoFloor(X)).arg(viewToLogoFloor(Y)));
    if (tools.bSelector) {
        selectorMouseMove(X, Y);
        return;
    }
    const QColor ink = QColor::fromRgb(drawingColor());
    if (tools.bFloodFill) {
        return;
    }
    if (tools.bLineDrag) {
        Line2->setLine(QLineF(tools.sngStartX, tools.sngStartY, X, Y));
        Line2->setBorderColor(ink);
        Line2->show();
        Line2->raise();
    } else if (tools.boxTool() && tools.bBoxDrag) {
        Shape1->setBox(QRectF(std::min(tools.sngStartX, X), std::min(tools.sngStartY, Y),
                              std::abs(X - tools.sngStartX), std::abs(Y - tools.sngStartY)));
        Shape1->setBorderColor(ink);
        Shape1->setFillColor(ink);
        Shape1->show();
        Shape1->raise();
    } else if (tools.ellipseTool() && tools.bCircleDrag) {
        // centred on the press point, as large as the drag
        const double w = std::abs(X - tools.sngStartX);
        const double h = std::abs(Y - tools.sngStartY);
        Shape1->setBox(QRectF(tools.sngStartX - w / 2, tools.sngStartY - h / 2, w, h));
        Shape1->setBorderColor(ink);
        Shape1->setFillColor(ink);
        Shape1->show();
        Shape1->raise();
    } else if (tools.bPencil && tools.bPenDown) {
        penTo(QPoint(viewToLogoFloor(X), viewToLogoFloor(Y)));
    }
}

void FrmMain::penTo(QPoint cell) {
    doc_.bModified = true;
    tools.lPenColor = tools.bEraser ? LogoDocument::kClearColor : drawingColor();
    // the cells from the last one to this, so that a fast stroke has no gaps;
    // only they are repainted
    forEachLinePixel(tools.penCell, cell, [this](QPoint p) {
        doc_.setPixel(p.x(), p.y(), tools.lPenColor);
        picContainer->update(cellBox(p.x(), p.y()));
        picReal->update(QRect(p, QSize(1, 1)));
    });
    tools.penCell = cell;
}

void FrmMain::picContainer_MouseUp(qint16, qint16, float X, float Y) {
    if (beyondView(X, Y)) {
        return;
    }
    if (tools.bSelector) {
        selectorMouseUp();
    } else if (tools.bFloodFill) {
        // the fill happened on the press
    } else if (tools.bLine || tools.boxTool() || tools.ellipseTool()) {
        releaseShape(X, Y);
    } else if (tools.bPencil) {
        tools.bPenDown = false;
        TakeUndoSnapshot();
    }
    txtStat1->setText(QStringLiteral("Ready"));
    ClearOutsideLogo();
}

void FrmMain::releaseShape(float X, float Y) {
    doc_.bModified = true;
    const QRgb ink = drawingColor();
    QImage &picture = doc_.preview();
    const QPoint start(viewToLogoRounded(tools.sngStartX), viewToLogoRounded(tools.sngStartY));
    const QPoint end(viewToLogoRounded(X), viewToLogoRounded(Y));
    if (tools.bLine) {
        if (tools.bLineDrag) {
            drawLine(picture, start, end, ink);
            TakeUndoSnapshot();
        }
        RedrawCanvas();
        tools.bLineDrag = false;
        Line2->hide();
        return;
    }
    if (tools.boxTool()) {
        // drawn whether or not a drag was seen
        if (tools.bEmptyBox) {
            drawBoxOutline(picture, start, end, ink);
        } else {
            // the far corner lies one cell beyond the released one
            fillBox(picture, start, end + QPoint(1, 1), ink);
        }
        Shape1->hide();
        tools.bBoxDrag = false;
        TakeUndoSnapshot();
        RedrawCanvas();
        return;
    }
    // ellipse: from the rubber band as the last move left it
    const int w = viewToLogoRounded(Shape1->boxWidth());
    const int h = viewToLogoRounded(Shape1->boxHeight());
    if (w != 0) {
        const double aspect = static_cast<double>(h) / w;
        if (const auto radii = circleRuleRadii(w / 2.0, aspect)) {
            drawEllipse(picture, start, *radii, ink,
                        tools.bFullCircle ? std::optional<QRgb>(ink) : std::nullopt);
        }
    }
    Shape1->hide();
    tools.bCircleDrag = false;
    TakeUndoSnapshot();
    RedrawCanvas();
}

void FrmMain::floodFillPress(float X, float Y) {
    doc_.bModified = true;
    const QPoint seed(viewToLogoRounded(X), viewToLogoRounded(Y));
    // the fill stays inside the logo: the picture's area outside it is clear
    // and would otherwise carry the fill around closed outlines
    floodFill(doc_.preview(), seed, drawingColor(), QRect(0, 0, doc_.iLogoWidth, doc_.iLogoHeight));
    commitDrawing();
    update();
}

void FrmMain::textToolPress(float X, float Y) {
    doc_.bModified = true;
    FrmDrawText *dialog = frmDrawText();
    dialog->picRealForeColor = QColor::fromRgb(drawingColor());
    dialog->setText1ForeColor(QColor::fromRgb(drawingColor()));
    dialog->sngTextX = static_cast<float>(viewToLogoRounded(X));
    dialog->sngTextY = static_cast<float>(viewToLogoRounded(Y));
    dialog->exec();
    commitDrawing();
    update();
}

void FrmMain::commitDrawing() {
    TakeUndoSnapshot();
    RedrawCanvas();
}

void FrmMain::ClearOutsideLogo() {
    int height = 0;
    switch (doc_.iLogoKind) {
        case kOperatorLogo:
        case kCallerGroupLogo:
            height = 14;
            break;
        case kPictureMessage:
            height = 28;
            break;
        default:
            return;  // the startup logo fills the picture
    }
    doc_.clearPreviewOutside(72, height);
    picReal->update();
}

}  // namespace glyphsmith
