// The screen capture of the main window. A placeholder until the capture
// windows replace this file.
#include "shell/FrmMain.h"

namespace glyphsmith {

void FrmMain::cmdSnap_Click() {}

}  // namespace glyphsmith
