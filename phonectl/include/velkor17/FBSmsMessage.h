// One stored message (interface "_FBSmsMessage"), addressed by its box type
// and its location in the box (from 1). Owned by an FBSmsBox, which tells it
// both before handing it out. Every value is read from the engine at the time
// of the call. Engine failures show only in LastError; a missing engine or
// engine function throws VelkorError.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariant>
#include <cstdint>

#include "velkor17/Dispatch.h"
#include "velkor17/Export.h"
#include "velkor17/VelkorEnums.h"

class VELKOR17_EXPORT FBSmsMessage : public QObject, public velkor17::Dispatch {
    Q_OBJECT

public:
    explicit FBSmsMessage(QObject *parent = nullptr);

    // velkor17::Dispatch
    QVariant invoke(qint32 dispId, velkor17::DispatchKind kind,
                    const QVariantList &args = {}) override;
    QString interfaceName() const override { return QStringLiteral("_FBSmsMessage"); }

    // ---- _FBSmsMessage, in slot order ----------------------------------------
    // When the message was sent or received; null when the engine fails or
    // gives no valid date. Stores the code.
    QDateTime DateTime();
    // The text, in the message's own encoding (a binary message's user data
    // as hexadecimal); stores the code.
    QString Text();
    QString Sender();       // stores the code
    QString Destination();  // stores the code
    QString SMSC();         // the message centre; stores the code
    bool SentRead();        // sent (outbox) or read (inbox)
    fbSmsMessageEncoding Encoding();
    void Delete();  // stores the code
    qint16 LastError() const { return lastError_; }

    // ---- Library-internal: not part of the dual interface --------------------
    void setBoxType(qint16 type) { boxType_ = type; }
    qint16 boxType() const { return boxType_; }
    void setLocation(qint16 location) { location_ = location; }
    qint16 location() const { return location_; }

private:
    // Text field `field` (1 text, 2 sender, 3 destination, 6 centre).
    QString field(int32_t field);

    qint16 boxType_ = 0;
    qint16 location_ = -1;
    qint16 lastError_ = 0;
};
