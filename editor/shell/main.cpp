// Glyphsmith: one editor per user; a later start brings the running one to
// the front and ends. The splash shows first, then the main window loads.
#include <QApplication>
#include <QPointer>
#include <QTimer>

#include "shell/Artwork.h"
#include "shell/EditorEnvironment.h"
#include "shell/FrmBackground.h"
#include "shell/FrmMain.h"
#include "shell/FrmSplash.h"
#include "shell/SingleInstance.h"

using namespace glyphsmith;

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glyphsmith"));
    QApplication::setApplicationVersion(QStringLiteral(GLYPHSMITH_VERSION));
    QApplication::setWindowIcon(Artwork::windowIcon());
    // The program ends with its main window (a message box shown before the
    // main window appears must not end it).
    QApplication::setQuitOnLastWindowClosed(false);

    EditorEnvironment env = EditorEnvironment::standard();
    SingleInstance instance(SingleInstance::keyForSettings(env.paths.settingsFile));
    if (!instance.claim()) {
        instance.activateRunning();
        return 0;
    }

    FrmBackground background;
    // the text after the program's name, taken whole as a logo file's path
    const QString commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));

    QPointer<FrmMain> frmMain;
    auto *splash = new FrmSplash;
    QObject::connect(splash, &FrmSplash::finished, &app, [&] {
        QTimer::singleShot(0, &app, [&] {
            frmMain = new FrmMain(env, commandLine);
            frmMain->setAttribute(Qt::WA_DeleteOnClose);
            QObject::connect(frmMain, &QObject::destroyed, &app, &QCoreApplication::quit);
            frmMain->startUp();
        });
    });
    QObject::connect(&instance, &SingleInstance::activationRequested, &app, [&] {
        if (frmMain) {
            frmMain->showNormal();
            frmMain->raise();
            frmMain->activateWindow();
        }
    });
    splash->showCentred();

    return QApplication::exec();
}
