// Drawing tools, selection and undo of the main window. Only the undo buffers
// and the reset of the selection controls work yet; the tools themselves
// come with the drawing work, which replaces this file.
#include <QPushButton>
#include <QRadioButton>

#include "shell/FrmMain.h"

namespace glyphsmith {

void FrmMain::ResetTools() {
    Timer1->stop();
    OptCut->hide();
    OptCopy->hide();
}

void FrmMain::TakeUndoSnapshot() {
    doc_.picUndo2 = doc_.picUndo;
    doc_.picUndo = doc_.preview().copy();
    cmdUndo->setEnabled(true);
}

void FrmMain::ClearUndo() {
    doc_.picUndo = QImage();
    doc_.picUndo2 = QImage();
    cmdUndo->setEnabled(false);
}

void FrmMain::ClearOutsideLogo() {}
void FrmMain::cmdPencil_Click() {}
void FrmMain::cmdErasor_Click() {}
void FrmMain::cmdFill_Click() {}
void FrmMain::cmdLine_Click() {}
void FrmMain::cmdEmptyBox_Click() {}
void FrmMain::cmdFullBox_Click() {}
void FrmMain::cmdEmptyCircle_Click() {}
void FrmMain::cmdFullCircle_Click() {}
void FrmMain::cmdText_Click() {}
void FrmMain::cmdSelector_Click() {}
void FrmMain::cmdInverse_Click() {}
void FrmMain::cmdFlipHorizontal_Click() {}
void FrmMain::cmdFlipVertical_Click() {}
void FrmMain::cmdUndo_Click() {}
void FrmMain::Timer1_Timer() {}
void FrmMain::picContainer_MouseDown(qint16, qint16, float, float) {}
void FrmMain::picContainer_MouseMove(qint16, qint16, float, float) {}
void FrmMain::picContainer_MouseUp(qint16, qint16, float, float) {}
void FrmMain::picContainer_KeyDown(qint16, qint16) {}

}  // namespace glyphsmith
