#include "phone/FrmPhoneBook.h"

#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <exception>

#include "phone/PhonebookLines.h"
#include "phone/WaitCursor.h"
#include "shell/SharedValues.h"
#include "velkor17/FBPhonebookEntry.h"
#include "velkor17/VelkorControl.h"
#include "velkor17/VelkorError.h"

namespace glyphsmith {

FrmPhoneBook::FrmPhoneBook(VelkorControl *velk, SharedValues &values, ConnectionGuard guard,
                           QWidget *parent)
    : QDialog(parent), velk_(velk), values_(values), guard_(std::move(guard)) {
    setObjectName(QStringLiteral("frmPhoneBook"));
    setWindowTitle(QStringLiteral("PhoneBook Lookup"));
    setModal(true);
    setFixedSize(420, 330);

    txtStat1 = new QLineEdit(this);
    txtStat1->setObjectName(QStringLiteral("txtStat1"));
    txtStat1->setReadOnly(true);
    txtStat1->setFocusPolicy(Qt::NoFocus);
    txtStat1->setGeometry(12, 294, 212, 24);

    fraPhonebook = new QGroupBox(QStringLiteral("SIM Phonebook"), this);
    fraPhonebook->setObjectName(QStringLiteral("fraPhonebook"));
    fraPhonebook->setGeometry(12, 8, 396, 274);
    lstPhonebook = new QListWidget(fraPhonebook);
    lstPhonebook->setObjectName(QStringLiteral("lstPhonebook"));
    lstPhonebook->setGeometry(10, 22, 376, 242);
    // the list lines line up their names by spaces and a tab
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    lstPhonebook->setFont(fixed);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(232, 293, 84, 26);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(324, 293, 84, 26);
    cmdCancel->setAutoDefault(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);

    connect(cmdOK, &QPushButton::clicked, this, &FrmPhoneBook::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmPhoneBook::cmdCancel_Click);
    connect(lstPhonebook, &QListWidget::itemDoubleClicked, this,
            &FrmPhoneBook::lstPhonebook_DblClick);
    connect(Timer1, &QTimer::timeout, this, &FrmPhoneBook::Timer1_Timer);

    values_.sPhonebookNumber.clear();
    Timer1->start();
}

void FrmPhoneBook::Timer1_Timer() {
    Timer1->stop();
    ReadPhonebook();
}

void FrmPhoneBook::ReadPhonebook() {
    if (reading_) {
        return;
    }
    reading_ = true;
    WaitCursor wait;
    try {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        txtStat1->setText(QStringLiteral("Getting phonebook ..."));
        QCoreApplication::processEvents();
        lstPhonebook->hide();
        lstPhonebook->clear();
        const bool alive = guard_ ? guard_() : true;
        for (int i = 1; alive && i <= kLastLocation; ++i) {
            QCoreApplication::processEvents();
            if (cancelled_) {
                break;
            }
            FBPhonebookEntry *entry = velk_->PhoneBook(qint16(i));
            const QString number = entry->Number();
            if (!number.isEmpty()) {
                lstPhonebook->addItem(phonebookLine(i, number, entry->Name(), entry->Group()));
            } else if (entry->LastError() == kPastEnd) {
                fraPhonebook->setTitle(
                    QStringLiteral("SIM Phonebook (max. %1 entries)").arg(i - 1));
                break;
            }
            txtStat1->setText(QStringLiteral("Getting phonebook ...  %1").arg(i));
        }
        wait.restore();
        if (cancelled_) {
            reading_ = false;
            QDialog::reject();
            return;
        }
        lstPhonebook->show();
        txtStat1->setText(alive ? QStringLiteral("Ready") : QStringLiteral("Disconnected"));
    } catch (const velkor17::VelkorError &e) {
        wait.restore();
        txtStat1->setText(QStringLiteral("Error %1 - %2").arg(e.number()).arg(e.description()));
    } catch (const std::exception &e) {
        wait.restore();
        txtStat1->setText(QStringLiteral("Error - %1").arg(QString::fromLocal8Bit(e.what())));
    }
    reading_ = false;
}

void FrmPhoneBook::cmdOK_Click() {
    const QListWidgetItem *item = lstPhonebook->currentItem();
    if (!item || !item->isSelected()) {
        return;
    }
    const QString line = item->text();
    if (pickedText(line).isEmpty()) {
        return;
    }
    values_.sPhonebookNumber = pickedNumber(line);
    accept();
}

void FrmPhoneBook::lstPhonebook_DblClick() {
    cmdOK_Click();
}

void FrmPhoneBook::cmdCancel_Click() {
    reject();
}

void FrmPhoneBook::reject() {
    cancelled_ = true;
    values_.sPhonebookNumber.clear();
    QDialog::reject();
}

}  // namespace glyphsmith
