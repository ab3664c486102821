// The main window's side of the drawing tools: choosing one from the tool
// box, handing it the zoomed view's mouse and keys, and the narrow context
// through which the tools reach the window.
//
// Mouse points are zoomed-view pixels; the status text shows the cell under
// the pointer (X / 6 rounded down).
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "canvas/FloatingPicture.h"
#include "canvas/FrameBox.h"
#include "canvas/FrmDrawText.h"
#include "canvas/LineControl.h"
#include "canvas/PreviewBox.h"
#include "canvas/ShapeControl.h"
#include "canvas/ViewRounding.h"
#include "canvas/ZoomView.h"
#include "shell/FrmMain.h"
#include "tools/SelectorTool.h"
#include "tools/ToolBox.h"

namespace glyphsmith {

// ---- choosing a tool ----

void FrmMain::ResetTools() {
    if (tool_) {
        tool_->cancel(*this);
    }
    tool_.reset();
    toolDef_ = nullptr;
}

void FrmMain::chooseTool(const char *button) {
    const ToolDef *def = ToolBox::find(button);
    ResetTools();
    if (!def) {
        return;
    }
    toolDef_ = def;
    tool_ = def->make();
    if (def->takesFocus) {
        picContainer->setFocus();
    }
    setPointer(def->pointer);
    if (const auto *b = fraToolBox->findChild<QPushButton *>(QLatin1String(button))) {
        shSel->move(b->x() - 2, shSel->y());  // left edge of the button less 25 twips
        shSel->show();
    }
    tool_->activate(*this);
}

void FrmMain::cmdSelector_Click() {
    chooseTool("cmdSelector");
}

void FrmMain::cmdPencil_Click() {
    chooseTool("cmdPencil");
}

void FrmMain::cmdErasor_Click() {
    chooseTool("cmdErasor");
}

void FrmMain::cmdFill_Click() {
    chooseTool("cmdFill");
}

void FrmMain::cmdLine_Click() {
    chooseTool("cmdLine");
}

void FrmMain::cmdEmptyBox_Click() {
    chooseTool("cmdEmptyBox");
}

void FrmMain::cmdFullBox_Click() {
    chooseTool("cmdFullBox");
}

void FrmMain::cmdEmptyCircle_Click() {
    chooseTool("cmdEmptyCircle");
}

void FrmMain::cmdFullCircle_Click() {
    chooseTool("cmdFullCircle");
}

void FrmMain::cmdText_Click() {
    chooseTool("cmdText");
}

// ---- the zoomed view's mouse and keys ----

bool FrmMain::beyondView(QPointF at) const {
    // equality passes; points left of or above the view are not refused
    return at.x() > picContainer->width() || at.y() > picContainer->height() ||
           std::isnan(at.x()) || std::isnan(at.y());
}

void FrmMain::picContainer_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPointF at) {
    if (!beyondView(at) && tool_) {
        tool_->press(*this, at);
    }
}

void FrmMain::picContainer_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPointF at) {
    if (beyondView(at)) {
        return;
    }
    txtStat5->setText(
        QStringLiteral("%1, %2").arg(viewToLogoFloor(at.x())).arg(viewToLogoFloor(at.y())));
    if (tool_) {
        tool_->move(*this, at);
    }
}

void FrmMain::picContainer_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPointF at) {
    if (beyondView(at)) {
        return;
    }
    if (tool_) {
        tool_->release(*this, at);
    }
    txtStat1->setText(QStringLiteral("Ready"));
    ClearOutsideLogo();
}

void FrmMain::picContainer_KeyDown(int qtKey, Qt::KeyboardModifiers) {
    if (tool_) {
        tool_->key(*this, qtKey);
    }
}

void FrmMain::picMove_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPointF) {
    if (auto *selector = dynamic_cast<SelectorTool *>(tool_.get())) {
        selector->picturePress(*this, button);
    }
}

void FrmMain::picMove_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPointF at) {
    if (auto *selector = dynamic_cast<SelectorTool *>(tool_.get())) {
        selector->pictureMove(*this, buttons, at);
    }
}

void FrmMain::picMove_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, QPointF) {
    if (auto *selector = dynamic_cast<SelectorTool *>(tool_.get())) {
        selector->pictureRelease(*this, button);
    }
}

void FrmMain::Timer1_Timer() {
    shRect->setBorderStyle(shRect->borderStyle() == ShapeControl::BorderDot
                               ? ShapeControl::BorderDashDot
                               : ShapeControl::BorderDot);
}

void FrmMain::ClearOutsideLogo() {
    if (doc_.kind() == kStartupLogo) {
        return;  // the startup logo fills the picture
    }
    const LogoKindInfo &info = logoKindInfo(doc_.kind());
    doc_.clearPreviewOutside(info.width, info.height);
    doc_.notifyChanged();
}

// ---- what the tools reach ----

QRgb FrmMain::ink() const {
    return drawingColor();
}

void FrmMain::repaintCells(const QRect &cells) {
    doc_.notifyChanged(cells);
}

void FrmMain::showCells(const QRect &cells) {
    picContainer->update(QRect(cellBox(cells.left(), cells.top()).topLeft(),
                               cellBox(cells.right(), cells.bottom()).bottomRight()));
    picReal->update(cells);
}

void FrmMain::commit() {
    TakeUndoSnapshot();
    RedrawCanvas();
}

void FrmMain::commitPainted() {
    TakeUndoSnapshot();
}

void FrmMain::redraw() {
    RedrawCanvas();
}

void FrmMain::clearOutsideLogo() {
    ClearOutsideLogo();
}

LineControl &FrmMain::lineBand() {
    return *Line2;
}

ShapeControl &FrmMain::shapeBand() {
    return *Shape1;
}

SelectionOverlay &FrmMain::selectionOverlay() {
    return overlay_;
}

void FrmMain::setPointer(ToolCursors::Image image) {
    const QLabel *boxes[] = {picPencil, picEraser, picFlood, picA, picHand};
    picContainer->setCursor(ToolCursors::cursorOf(boxes[image]));
}

void FrmMain::inform(const QString &text) {
    if (env_.messages) {
        env_.messages->information(this, QStringLiteral("Glyphsmith"), text);
    }
}

FrmDrawText &FrmMain::textDialog() {
    return *frmDrawText();
}

}  // namespace glyphsmith
