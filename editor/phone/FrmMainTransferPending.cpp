// Logo download and upload of the main window. Placeholders until the logo
// transfer work replaces this file.
#include "shell/FrmMain.h"

namespace glyphsmith {

void FrmMain::cmdDownload_Click() {}
void FrmMain::cmdUpload_Click() {}
void FrmMain::UploadLogo(qint16) {}

}  // namespace glyphsmith
