#include "AboutWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef VELKOR17_VERSION
#define VELKOR17_VERSION "0.0.0"
#endif

namespace velkor17 {

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About velkor17"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *layout = new QVBoxLayout(this);
    auto *name = new QLabel(QStringLiteral("<b>velkor17</b>"), this);
    name->setObjectName(QStringLiteral("lblName"));
    auto *version =
        new QLabel(QStringLiteral("Version %1").arg(QLatin1String(VELKOR17_VERSION)), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto *about = new QLabel(QStringLiteral("Phone-control library"), this);
    about->setObjectName(QStringLiteral("lblDescription"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::close);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(about);
    layout->addWidget(buttons);
}

AboutWindow *AboutWindow::showWindow() {
    static QPointer<AboutWindow> window;
    if (!window) {
        window = new AboutWindow();
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace velkor17
