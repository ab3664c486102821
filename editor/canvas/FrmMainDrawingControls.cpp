// The main window's drawing controls: the marker of the chosen tool, the
// rubber bands and the selection rectangle over the zoomed view, the floating
// picture, the pictures that carry the pointer images, the drawing colour and
// the text dialog.
#include <QFrame>
#include <QLabel>

#include "canvas/FloatingPicture.h"
#include "canvas/FrameBox.h"
#include "canvas/FrmDrawText.h"
#include "canvas/LineControl.h"
#include "canvas/ShapeControl.h"
#include "canvas/ZoomView.h"
#include "shell/FrmMain.h"
#include "tools/ToolCursors.h"

namespace glyphsmith {

void FrmMain::buildDrawingControls() {
    // 440 x 420 twips, top 160 twips; under the buttons, so it frames the
    // chosen one
    shSel = new FrameBox(Qt::black, fraToolBox);
    shSel->setObjectName(QStringLiteral("shSel"));
    shSel->setGeometry(0, 11, 29, 28);
    shSel->lower();
    shSel->hide();

    Shape1 = new ShapeControl(picContainer);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->hide();
    Line2 = new LineControl(picContainer);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->hide();
    shRect = new ShapeControl(picContainer);
    shRect->setObjectName(QStringLiteral("shRect"));
    shRect->setBorderStyle(ShapeControl::BorderDot);
    shRect->hide();
    picMove = new FloatingPicture(picContainer);
    picMove->setObjectName(QStringLiteral("picMove"));
    picMove->hide();

    picPencil = ToolCursors::makePictureBox(client_, "picPencil", ToolCursors::Pencil);
    picEraser = ToolCursors::makePictureBox(client_, "picEraser", ToolCursors::Eraser);
    picFlood = ToolCursors::makePictureBox(client_, "picFlood", ToolCursors::Flood);
    picA = ToolCursors::makePictureBox(client_, "picA", ToolCursors::Letter);
    picHand = ToolCursors::makePictureBox(client_, "picHand", ToolCursors::Hand);

    PicMseColor = new QWidget(client_);
    PicMseColor->setObjectName(QStringLiteral("PicMseColor"));
    PicMseColor->setAutoFillBackground(true);
    QPalette pal = PicMseColor->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(LogoDocument::kSetColor));
    PicMseColor->setPalette(pal);
    PicMseColor->resize(12, 12);
    PicMseColor->hide();

    connect(picMove, &FloatingPicture::mouseDown, this, &FrmMain::picMove_MouseDown);
    connect(picMove, &FloatingPicture::mouseMove, this, &FrmMain::picMove_MouseMove);
    connect(picMove, &FloatingPicture::mouseUp, this, &FrmMain::picMove_MouseUp);
}

QRgb FrmMain::drawingColor() const {
    return PicMseColor->palette().color(QPalette::Window).rgb();
}

FrmDrawText *FrmMain::frmDrawText() {
    if (!frmDrawText_) {
        frmDrawText_ = new FrmDrawText(&doc_, this);
    }
    return frmDrawText_;
}

}  // namespace glyphsmith
