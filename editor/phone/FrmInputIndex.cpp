#include "phone/FrmInputIndex.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "phone/LogoLocationText.h"

namespace glyphsmith {

FrmInputIndex::FrmInputIndex(SharedValues &values, QWidget *parent)
    : QDialog(parent), values_(values) {
    setObjectName(QStringLiteral("frmInputIndex"));
    setWindowTitle(QStringLiteral("Enter Logo Location"));
    setModal(true);
    setFixedSize(232, 84);

    lblIndex = new QLabel(QStringLiteral("Logo number:"), this);
    lblIndex->setObjectName(QStringLiteral("lblIndex"));
    lblIndex->setGeometry(12, 14, 90, 20);
    txtIndex = new QLineEdit(QStringLiteral("1"), this);
    txtIndex->setObjectName(QStringLiteral("txtIndex"));
    txtIndex->setGeometry(108, 12, 112, 22);
    lblIndex->setBuddy(txtIndex);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(40, 48, 84, 26);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(136, 48, 84, 26);
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &FrmInputIndex::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmInputIndex::cmdCancel_Click);
    txtIndex->selectAll();
    txtIndex->setFocus();

    values_.iLogoLocation = SharedValues::kNoLocation;
}

void FrmInputIndex::cmdOK_Click() {
    if (!txtIndex->text().isEmpty()) {
        values_.iLogoLocation = locationFromText(txtIndex->text());
    }
    accept();
}

void FrmInputIndex::cmdCancel_Click() {
    reject();
}

}  // namespace glyphsmith
