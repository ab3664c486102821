#include "phone/FrmPhoneInfo.h"

#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "phone/RunStep.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

FrmPhoneInfo::FrmPhoneInfo(VelkorControl *velk, QWidget *parent) : QDialog(parent), velk_(velk) {
    setObjectName(QStringLiteral("frmPhoneInfo"));
    setWindowTitle(QStringLiteral("Phone Information"));
    setModal(true);
    setFixedSize(336, 254);

    fraPhone = new QGroupBox(this);
    fraPhone->setObjectName(QStringLiteral("fraPhone"));
    fraPhone->setGeometry(12, 6, 312, 198);
    struct Row {
        const char *caption;
        const char *name;
        QLabel **label;
    } rows[] = {
        {"Provider", "lblProvider", &lblProvider}, {"Cell", "lblCellId", &lblCellId},
        {"LAC", "lblLAC", &lblLAC},                {"IMEI", "lblIMEI", &lblIMEI},
        {"Model", "lblModel", &lblModel},          {"SW Rev", "lblSWRev", &lblSWRev},
        {"SW Date", "lblSWDate", &lblSWDate},
    };
    int y = 14;
    for (const Row &r : rows) {
        auto *caption = new QLabel(QString::fromLatin1(r.caption), fraPhone);
        caption->setGeometry(12, y, 70, 22);
        auto *value = new QLabel(fraPhone);
        value->setObjectName(QString::fromLatin1(r.name));
        value->setGeometry(88, y, 212, 22);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        *r.label = value;
        y += 26;
    }

    cmdExit = new QPushButton(QStringLiteral("Exit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setGeometry(240, 216, 84, 26);
    cmdExit->setDefault(true);
    connect(cmdExit, &QPushButton::clicked, this, &FrmPhoneInfo::cmdExit_Click);

    Form_Load();
}

void FrmPhoneInfo::Form_Load() {
    if (!velk_) {
        return;
    }
    const auto show = [](QLabel *label, const QString &text) {
        label->setText(text);
        label->repaint();
    };
    runStep([&] {
        const QString name = velk_->ProviderName().toString();
        show(lblProvider, name.isEmpty() ? QString()
                                         : name + QStringLiteral(" (") + velk_->ProviderCountry() +
                                               QLatin1Char(')'));
    });
    runStep([&] { show(lblCellId, velk_->CellId()); });
    runStep([&] { show(lblLAC, velk_->LAC()); });
    runStep([&] { show(lblIMEI, velk_->IMEI()); });
    runStep([&] { show(lblModel, velk_->PhoneModelName()); });
    runStep([&] { show(lblSWRev, velk_->PhoneSoftwareRev()); });
    runStep([&] {
        const QDateTime date = velk_->PhoneSoftwareDate();
        show(lblSWDate, date.isNull() ? QString()
                                      : QLocale::system().toString(date.date(),
                                                                   QLocale::ShortFormat));
    });
}

void FrmPhoneInfo::cmdExit_Click() {
    accept();
}

}  // namespace glyphsmith
