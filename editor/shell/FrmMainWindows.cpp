// The windows the shell opens from the main window: options, help and about.
#include "shell/FrmAbout.h"
#include "shell/FrmMain.h"
#include "shell/FrmOptions.h"
#include "shell/HelpWindow.h"
#include "velkor17/ConnectionTest.h"

namespace glyphsmith {

void FrmMain::mnuOptions_Click() {
    // The same port text a connect would use (the editor adds the FBUS letter).
    FrmOptions options(env_.paths.settingsFile, env_.ports.get(), this, [](const QString &port) {
        return velkor17::TestConnection(port + QLatin1Char('F'));
    });
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
