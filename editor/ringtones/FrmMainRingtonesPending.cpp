// The ring tone manager opened from the main window. A placeholder until the
// ring tone window replaces this file.
#include "shell/FrmMain.h"

namespace glyphsmith {

void FrmMain::cmdRingtones_Click() {}

}  // namespace glyphsmith
