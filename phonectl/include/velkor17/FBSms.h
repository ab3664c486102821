// The phone's SMS functions (interface "_FBSms"): send settings, sending,
// counts and the three message boxes. The control hands out one shared FBSms
// and tells it the link's state each time. Engine failures show only in
// LastError (-1 for a send while the link is down).
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include "velkor17/Dispatch.h"
#include "velkor17/Export.h"
#include "velkor17/VelkorEnums.h"

class VELKOR17_EXPORT FBSms : public QObject, public velkor17::Dispatch {
    Q_OBJECT

public:
    explicit FBSms(QObject *parent = nullptr);

    // velkor17::Dispatch
    QVariant invoke(qint32 dispId, velkor17::DispatchKind kind,
                    const QVariantList &args = {}) override;
    QString interfaceName() const override { return QStringLiteral("_FBSms"); }

    // ---- _FBSms, in slot order -----------------------------------------------
    // Stores the setting set; while connected, a set other than 0 also selects
    // the phone's stored message centre of that number.
    void setSMSSettingSet(qint16 value);
    qint16 SMSSettingSet() const { return settingSet_; }
    qint16 LastError() const { return lastError_; }

    // ---- Library-internal: not part of the dual interface --------------------
    // What the control last told about the link.
    void setConnected(bool connected) { connected_ = connected; }
    bool isConnected() const { return connected_; }

private:
    bool connected_ = false;
    qint16 settingSet_ = 0;
    qint16 lastError_ = 0;
};
