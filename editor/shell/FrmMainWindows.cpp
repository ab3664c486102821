// The windows the shell opens from the main window: options, help and about.
#include "shell/FrmAbout.h"
#include "shell/FrmMain.h"
#include "shell/FrmOptions.h"
#include "shell/HelpWindow.h"

namespace glyphsmith {

void FrmMain::mnuOptions_Click() {
    FrmOptions options(env_.paths.settingsFile, env_.ports.get(), this);
    options.exec();
}

void FrmMain::mnuContents_Click() {
    if (!help_) {
        help_ = new HelpWindow(this);
    }
    help_->showTopic(helpFilePath_, QStringLiteral("Welcome.htm"));
}

void FrmMain::mnuAbout_Click() {
    if (!frmAbout_) {
        frmAbout_ = new FrmAbout(this);
    }
    frmAbout_->exec();
}

}  // namespace glyphsmith
