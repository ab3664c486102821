#include "shell/FrmOptions.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/LogoKind.h"
#include "shell/Artwork.h"
#include "shell/PortProber.h"
#include "shell/Settings.h"

namespace glyphsmith {

namespace {

QString runStatus() {
    return QString::fromLatin1(kRunStatus);
}

}  // namespace

FrmOptions::FrmOptions(const QString &settingsFile, PortProber *ports, QWidget *parent,
                       ConnectionTester tester)
    : QDialog(parent), settingsFile_(settingsFile), tester_(std::move(tester)) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowIcon(Artwork::windowIcon());

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picOptions"));
    picture->setPixmap(Artwork::windowIcon().pixmap(40, 40));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    cmbPort_ = new QComboBox(this);
    cmbPort_->setObjectName(QStringLiteral("cmbPort"));
    cmbPort_->setEditable(true);
    cmbPort_->setInsertPolicy(QComboBox::NoInsert);
    cmbLogoScreens_ = new QComboBox(this);
    cmbLogoScreens_->setObjectName(QStringLiteral("cmbLogoScreens"));
    cmbLogoScreens_->setEditable(true);
    cmbLogoScreens_->setInsertPolicy(QComboBox::NoInsert);

    auto *portLabel = new QLabel(QStringLiteral("Connection Port"), this);
    portLabel->setObjectName(QStringLiteral("lblPort"));
    portLabel->setBuddy(cmbPort_);
    auto *screenLabel = new QLabel(QStringLiteral("Default Screen"), this);
    screenLabel->setObjectName(QStringLiteral("lblLogoScreens"));
    screenLabel->setBuddy(cmbLogoScreens_);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(ok, &QPushButton::clicked, this, &FrmOptions::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &FrmOptions::cmdCancel_Click);
    auto *test = new QPushButton(QStringLiteral("Test connection"), this);
    test->setObjectName(QStringLiteral("cmdTestConnection"));
    test->setEnabled(static_cast<bool>(tester_));
    connect(test, &QPushButton::clicked, this, &FrmOptions::cmdTestConnection_Click);
    txtTestReport_ = new QPlainTextEdit(this);
    txtTestReport_->setObjectName(QStringLiteral("txtTestReport"));
    txtTestReport_->setReadOnly(true);
    txtTestReport_->setVisible(false);

    auto *fields = new QGridLayout;
    fields->addWidget(portLabel, 0, 0);
    fields->addWidget(cmbPort_, 0, 1);
    fields->addWidget(test, 0, 2);
    fields->addWidget(screenLabel, 1, 0);
    fields->addWidget(cmbLogoScreens_, 1, 1);
    fields->setColumnMinimumWidth(1, 190);
    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(8);
    top->addLayout(fields, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(txtTestReport_);
    all->addSpacing(8);
    all->addLayout(buttons);

    Form_Load(ports);
}

void FrmOptions::Form_Load(PortProber *ports) {
    const QString port =
        ReadSetting(settingsFile_, runStatus(), QString::fromLatin1(kKeyComPort), QString());
    cmbPort_->clear();
    cmbPort_->addItem(port);
    if (ports) {
        for (const QString &p : ports->openablePorts()) {
            cmbPort_->addItem(p);
        }
    }
    cmbPort_->addItem(QString::fromLatin1(kVirtualPort));
    cmbPort_->setEditText(port);

    cmbLogoScreens_->clear();
    for (const LogoKind kind : kAllLogoKinds) {
        cmbLogoScreens_->addItem(QString::fromLatin1(logoKindInfo(kind).settingName));
    }
    cmbLogoScreens_->setEditText(ReadSetting(settingsFile_, runStatus(),
                                             QString::fromLatin1(kKeyDefaultLogo),
                                             QStringLiteral("Operator Logo")));
}

void FrmOptions::cmdOK_Click() {
    if (!cmbPort_->currentText().isEmpty()) {
        WriteSetting(settingsFile_, runStatus(), QString::fromLatin1(kKeyComPort),
                     cmbPort_->currentText());
    }
    if (!cmbLogoScreens_->currentText().isEmpty()) {
        WriteSetting(settingsFile_, runStatus(), QString::fromLatin1(kKeyDefaultLogo),
                     cmbLogoScreens_->currentText());
    }
    accept();
}

void FrmOptions::cmdTestConnection_Click() {
    if (!tester_) {
        return;
    }
    txtTestReport_->setPlainText(QStringLiteral("Testing %1...").arg(cmbPort_->currentText()));
    txtTestReport_->setVisible(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();
    const QString report = tester_(cmbPort_->currentText());
    QApplication::restoreOverrideCursor();
    txtTestReport_->setPlainText(report);
}

void FrmOptions::cmdCancel_Click() {
    reject();
}

}  // namespace glyphsmith
