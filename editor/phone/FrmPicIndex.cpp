#include "phone/FrmPicIndex.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "phone/LogoLocationText.h"
#include "phone/PlainTextLimit.h"

namespace glyphsmith {

FrmPicIndex::FrmPicIndex(SharedValues &values, QWidget *parent) : QDialog(parent), values_(values) {
    setObjectName(QStringLiteral("frmPicIndex"));
    setWindowTitle(QStringLiteral("Picture Logo"));
    setModal(true);
    setFixedSize(272, 164);

    lblIndex = new QLabel(QStringLiteral("Logo number:"), this);
    lblIndex->setObjectName(QStringLiteral("lblIndex"));
    lblIndex->setGeometry(12, 14, 90, 20);
    txtIndex = new QLineEdit(QStringLiteral("1"), this);
    txtIndex->setObjectName(QStringLiteral("txtIndex"));
    txtIndex->setGeometry(108, 12, 152, 22);
    lblIndex->setBuddy(txtIndex);

    lblPicInfo = new QLabel(QStringLiteral("Pictue Text:"), this);
    lblPicInfo->setObjectName(QStringLiteral("lblPicInfo"));
    lblPicInfo->setGeometry(12, 44, 90, 20);
    txtPicInfo = new QPlainTextEdit(this);
    txtPicInfo->setObjectName(QStringLiteral("txtPicInfo"));
    txtPicInfo->setGeometry(108, 42, 152, 72);
    txtPicInfo->setTabChangesFocus(true);
    txtPicInfo->installEventFilter(this);
    limitPlainText(txtPicInfo, kMaxPictureText);
    lblPicInfo->setBuddy(txtPicInfo);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(80, 128, 84, 26);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(176, 128, 84, 26);
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &FrmPicIndex::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmPicIndex::cmdCancel_Click);
    txtIndex->selectAll();
    txtIndex->setFocus();

    values_.iLogoLocation = SharedValues::kNoLocation;
    values_.sPictureText.clear();
}

void FrmPicIndex::cmdOK_Click() {
    if (!txtIndex->text().isEmpty()) {
        values_.iLogoLocation = locationFromText(txtIndex->text());
    }
    values_.sPictureText = txtPicInfo->toPlainText();
    accept();
}

void FrmPicIndex::cmdCancel_Click() {
    reject();
}

bool FrmPicIndex::eventFilter(QObject *watched, QEvent *event) {
    if (watched == txtPicInfo && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ControlModifier) {
                txtPicInfo->insertPlainText(QStringLiteral("\n"));
            } else {
                cmdOK_Click();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace glyphsmith
