// One stored message (interface "_FBSmsMessage"), addressed by its box type
// and its location in the box (from 1). Owned by an FBSmsBox, which tells it
// both before handing it out. Engine failures show only in LastError.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

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
    qint16 LastError() const { return lastError_; }

    // ---- Library-internal: not part of the dual interface --------------------
    void setBoxType(qint16 type) { boxType_ = type; }
    qint16 boxType() const { return boxType_; }
    void setLocation(qint16 location) { location_ = location; }
    qint16 location() const { return location_; }

private:
    qint16 boxType_ = 0;
    qint16 location_ = -1;
    qint16 lastError_ = 0;
};
