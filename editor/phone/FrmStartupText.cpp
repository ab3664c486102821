#include "phone/FrmStartupText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

#include "shell/MessageService.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

FrmStartupText::FrmStartupText(VelkorControl *velk, MessageService &messages,
                               ConnectionGuard guard, QWidget *parent)
    : QDialog(parent), velk_(velk), messages_(messages), guard_(std::move(guard)) {
    setObjectName(QStringLiteral("frmStartupText"));
    setWindowTitle(QStringLiteral("Enter Startup Message"));
    setModal(true);
    setFixedSize(312, 92);

    lblStartupText = new QLabel(QStringLiteral("Startup Text:"), this);
    lblStartupText->setObjectName(QStringLiteral("lblStartupText"));
    lblStartupText->setGeometry(12, 14, 86, 22);
    txtStartupText = new QLineEdit(this);
    txtStartupText->setObjectName(QStringLiteral("txtStartupText"));
    txtStartupText->setGeometry(100, 14, 200, 22);
    txtStartupText->setMaxLength(kMaxLength);
    lblStartupText->setBuddy(txtStartupText);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(124, 54, 84, 26);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(216, 54, 84, 26);
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &FrmStartupText::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmStartupText::cmdCancel_Click);
    txtStartupText->setFocus();
}

void FrmStartupText::cmdOK_Click() {
    const bool alive = guard_ ? guard_() : true;
    bool changed = false;
    if (alive && velk_) {
        try {
            velk_->SetStartupText(txtStartupText->text());
            changed = true;
        } catch (const std::exception &) {
            changed = false;
        }
    }
    if (!changed) {
        messages_.information(this, QStringLiteral("Glyphsmith"),
                              QStringLiteral("Problems Changing Startup Text. Check Connection"));
        return;
    }
    messages_.information(this, QStringLiteral("Glyphsmith"),
                          QStringLiteral("Succesfully Changed"));
    accept();
}

void FrmStartupText::cmdCancel_Click() {
    reject();
}

}  // namespace glyphsmith
