// Whole-logo operations of the main window (flip horizontal, flip vertical,
// inverse) and the one-step undo.
#include <QPushButton>

#include "canvas/LogoTransforms.h"
#include "canvas/PreviewBox.h"
#include "canvas/ZoomView.h"
#include "document/LogoKind.h"
#include "phone/RunStep.h"
#include "shell/FrmMain.h"
#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

void FrmMain::TakeUndoSnapshot() {
    history_.snapshot(doc_.preview());
}

void FrmMain::ClearUndo() {
    history_.clear();
}

void FrmMain::cmdUndo_Click() {
    const QImage back = history_.undo();
    doc_.view().fill(LogoDocument::kClearColor);
    // an empty step gives an empty (clear) picture
    doc_.preview().fill(LogoDocument::kClearColor);
    if (!back.isNull()) {
        pasteIntoPicture(doc_, back, QPoint(0, 0));
    }
    RedrawCanvas();
    update();
    picContainer->setFocus();
}

QSize FrmMain::libraryLogoSize() {
    const LogoKindInfo &info = logoKindInfo(doc_.kind());
    const QSize kindSize(info.width, info.height);
    FBLogo *logo = Velk ? Velk->Logo() : nullptr;
    if (!logo) {
        return kindSize;
    }
    // a missing or failing engine leaves the kind's own size
    qint16 width = 0;
    qint16 height = 0;
    int error = 0;
    const bool read = runStep([&] {
        logo->setLogoType(static_cast<fbLogoType>(info.fbLogoType));
        width = logo->Width();
        height = logo->Height();
        error = logo->LastError();
    });
    return read ? usableLogoSize(QSize(width, height), error, kindSize) : kindSize;
}

void FrmMain::wholeLogoOperation(void (*operation)(LogoDocument &, int, int)) {
    setHourglass(true);
    const QSize size = libraryLogoSize();
    doc_.setLogoSize(size.width(), size.height());
    operation(doc_, doc_.logoWidth(), doc_.logoHeight());
    doc_.notifyChanged();
    // the change is an edit like any other: it can be undone and is offered
    // for saving
    doc_.setModified(true);
    TakeUndoSnapshot();
    setHourglass(false);
}

void FrmMain::cmdInverse_Click() {
    wholeLogoOperation(&invertLogo);
}

void FrmMain::cmdFlipHorizontal_Click() {
    wholeLogoOperation(&flipLogoHorizontal);
}

void FrmMain::cmdFlipVertical_Click() {
    wholeLogoOperation(&flipLogoVertical);
}

}  // namespace glyphsmith
