// The phone's SMS functions (interface "_FBSms"): send settings, sending,
// counts and the three message boxes. The control hands out one shared FBSms
// and tells it the link's state each time. Engine failures show only in
// LastError (-1 for a send while the link is down); a missing engine or
// engine function throws VelkorError from every member that calls the engine.
//
// The send members give the engine the setting set and the send flags: the
// SMS class, plus 0x10000 when a delivery notification is asked for.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include "velkor17/Dispatch.h"
#include "velkor17/Export.h"
#include "velkor17/VelkorEnums.h"

class FBSmsBox;

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
    // Uses `value` as the message centre number (the setting set becomes 0).
    void setSMSMessageCenter(const QString &value);
    // The centre in use; "" while the link is down and a stored setting set
    // is chosen.
    QString SMSMessageCenter();
    void setTimeOut(qint32 value);  // milliseconds
    qint32 TimeOut();
    void setSendDelay(qint32 value);  // milliseconds
    qint32 SendDelay();
    // Protocol identifier and data coding scheme of the next send.
    void setPID(quint8 value);
    quint8 PID();
    void setDCS(quint8 value);
    quint8 DCS();
    // The three boxes, each created on first use and handed out again.
    FBSmsBox *Inbox();
    FBSmsBox *Outbox();
    FBSmsBox *DeliveryNotifications();
    qint16 UnreadMessages();
    qint16 TotalMessages();
    void setCodePage(qint32 value);
    qint32 CodePage();
    bool Waiting();  // a send is under way
    void setMustWait(bool value);
    bool MustWait();
    // 8-bit text cut to its first 39014 characters. True when the engine
    // sent it; stores the code.
    bool SendMessage(const QString &sDest, const QString &sMessage,
                     fbSmsClass iSmsClass = fbSmsClassNormal,
                     bool bAskDeliveryNotification = false);
    // The whole text as UTF-16; stores the code.
    bool SendUnicode(const QString &sDest, const QString &sMessage,
                     fbSmsClass iSmsClass = fbSmsClassNormal,
                     bool bAskDeliveryNotification = false);
    // The file sFile as an over-the-air message; stores the code.
    bool SendSiemensOta(const QString &sDest, const QString &sFile,
                        fbSmsClass iSmsClass = fbSmsClassNormal,
                        bool bAskDeliveryNotification = false);
    // Re-reads the message lists from the phone.
    void Refresh();
    qint16 LastError() const { return lastError_; }

    // ---- Library-internal: not part of the dual interface --------------------
    // What the control last told about the link.
    void setConnected(bool connected) { connected_ = connected; }
    bool isConnected() const { return connected_; }

private:
    FBSmsBox *box(FBSmsBox *&slot, fbSMSMessageType type);
    // Sending while the link is down: LastError -1 and no engine call.
    bool linkDown();

    bool connected_ = false;
    qint16 settingSet_ = 0;
    qint16 lastError_ = 0;
    FBSmsBox *inbox_ = nullptr;
    FBSmsBox *outbox_ = nullptr;
    FBSmsBox *deliveryNotifications_ = nullptr;
};
