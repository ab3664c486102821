#include "phone/SendTargetFields.h"

#include <QLineEdit>

#include "phone/PendingControlCalls.h"
#include "shell/SharedValues.h"

namespace glyphsmith {

void pickNumberFromPhonebook(SharedValues &values, const OpenPhonebook &openPhonebook,
                             QWidget *parent, QLineEdit *txtNumber) {
    values.sPhonebookNumber.clear();
    if (openPhonebook) {
        openPhonebook(parent);
    }
    if (!values.sPhonebookNumber.isEmpty()) {
        txtNumber->setText(values.sPhonebookNumber);
    }
}

void showDefaultMessageCentre(SharedValues &values, VelkorControl *velk,
                              QLineEdit *txtMessageCntr) {
    if (values.sSMSC.isEmpty()) {
        values.sSMSC = phoneMessageCentre(velk);
    }
    txtMessageCntr->setText(values.sSMSC);
}

QString phoneMessageCentre(VelkorControl *velk) {
    return velk ? ReadMessageCentre(velk) : QString();
}

}  // namespace glyphsmith
