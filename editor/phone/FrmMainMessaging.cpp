// Sending logos and messages, the startup text, the phonebook and the phone
// information window. Their windows are not built yet: the buttons and menu
// entries exist and do nothing until that work replaces this file.
#include "shell/FrmMain.h"

namespace glyphsmith {

void FrmMain::cmdSendLogo_Click() {}
void FrmMain::cmdSendSms_Click() {}
void FrmMain::cmdStartupText_Click() {}
void FrmMain::cmdPhonebook_Click() {}
void FrmMain::mnuViewInfo_Click() {}

}  // namespace glyphsmith
