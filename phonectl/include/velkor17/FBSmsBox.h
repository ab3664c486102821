// One box of the phone's stored messages (interface "_FBSmsBox"): inbox (13),
// outbox (11) or delivery reports (12). Owned by an FBSms, which tells it its
// type before handing it out.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include "velkor17/Dispatch.h"
#include "velkor17/Export.h"
#include "velkor17/VelkorEnums.h"

class FBSmsMessage;

class VELKOR17_EXPORT FBSmsBox : public QObject, public velkor17::Dispatch {
    Q_OBJECT

public:
    explicit FBSmsBox(QObject *parent = nullptr);

    // velkor17::Dispatch
    QVariant invoke(qint32 dispId, velkor17::DispatchKind kind,
                    const QVariantList &args = {}) override;
    QString interfaceName() const override { return QStringLiteral("_FBSmsBox"); }

    // ---- _FBSmsBox, in slot order --------------------------------------------
    // The box's one message object, told this box and iLocation (from 1).
    // The default member (DISPID 0).
    FBSmsMessage *Item(qint16 iLocation);
    // The number of messages in the box.
    qint16 Count();

    // ---- Library-internal: not part of the dual interface --------------------
    // The box's fbSMSMessageType value.
    void setBoxType(qint16 type) { boxType_ = type; }
    qint16 boxType() const { return boxType_; }

private:
    qint16 boxType_ = 0;
    FBSmsMessage *message_ = nullptr;
};
