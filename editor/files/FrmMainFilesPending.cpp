// Logo files of the main window: open, save and the exchange of pixels
// between the canvas and the control's logo object. Placeholders until the
// logo file work replaces this file.
#include "shell/FrmMain.h"

namespace glyphsmith {

void FrmMain::mnuOpen_Click() {}
void FrmMain::cmdOpen_Click() {}
void FrmMain::mnuSave_Click() {}
void FrmMain::CmdSave_Click() {}
void FrmMain::mnuSaveAs_Click() {}
void FrmMain::LogoToCanvas() {}
void FrmMain::CanvasToLogo() {}

// No file is read yet, so no kind is chosen: start-up falls back to the
// operator kind.
bool FrmMain::OpenStartupFile(const QString &) {
    return false;
}

}  // namespace glyphsmith
