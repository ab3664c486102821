// The ring tone manager opened from the main window.
#include <QPointer>

#include "ringtones/FrmRingtone.h"
#include "shell/FrmMain.h"

namespace glyphsmith {

void FrmMain::cmdRingtones_Click() {
    if (!frmRingtone_) {
        FrmRingtone::Host host;
        host.messages = env_.messages;
        host.ringtonesFolder = env_.paths.ringtonesFolder;
        host.phoneCapabilities = [this] { return PhoneCapabilities(); };
        host.connectPhone = [this] { ConnectPhone(); };
        frmRingtone_ = new FrmRingtone(
            Velk, shared_,
            [this] {
                openPhonebook(frmRingtone_);
                return shared_.sPhonebookNumber;
            },
            host, this);
        frmRingtone_->setWindowFlag(Qt::Window);
    }
    frmRingtone_->show();
    frmRingtone_->raise();
    frmRingtone_->Form_Load();
}

}  // namespace glyphsmith
