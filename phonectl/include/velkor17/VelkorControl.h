// The library's control: a 32 x 32 pixel widget that a host places on its
// window. It owns the link to the phone, answers the members of the dual
// interface "_VelkorControl" (typed below, or by DISPID through invoke), hands
// out the shared child objects and raises the events of "__VelkorControl" as
// Qt signals from its polling timer.
//
// Every member selects this control's engine instance first. A member that
// needs a connection and finds none sets LastError to 3 and, while RaiseError
// is true, throws VelkorError 0x800403E8. A missing engine or engine function
// throws VelkorError (ErrorNumber::EngineNotFound / EngineFunctionNotFound)
// from every member that does not ignore errors.
//
// The public members up to the library-internal section are the dual
// interface in its slot order; property lets are named set<Property>.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QTime>
#include <QVariant>
#include <QWidget>
#include <cstdint>

#include "velkor17/Dispatch.h"
#include "velkor17/Export.h"
#include "velkor17/VelkorEnums.h"

class QTimer;
class FBLogo;
class FBPhonebookEntry;
class FBRingTone;
class FBSms;
class FBSpeedDial;

namespace velkor17 {
class LogoAnimator;
}

class VELKOR17_EXPORT VelkorControl : public QWidget, public velkor17::Dispatch {
    Q_OBJECT

public:
    explicit VelkorControl(QWidget *parent = nullptr);
    // Stops the polling timer, then closes this control's link.
    ~VelkorControl() override;

    // velkor17::Dispatch
    QVariant invoke(qint32 dispId, velkor17::DispatchKind kind,
                    const QVariantList &args = {}) override;
    QString interfaceName() const override;

    // ---- _VelkorControl, in slot order ----------------------------------
    qint16 SMSSettingSet();
    void setSMSSettingSet(qint16 value);  // emits propertyChanged("SMSSettingSet")
    fbSmsClass SMSClass();
    void setSMSClass(fbSmsClass value);
    QString LAC();
    QString CellId();
    QString ProviderCode();  // "" when it cannot be read; never throws
    QString ProviderCountry();
    QString ProviderSMSC();
    QString IMEI();
    QString PhoneSoftwareRev();
    QDateTime PhoneSoftwareDate();  // null when the phone gives no date
    QString PhoneHardwareRev();
    QString PhoneModelCode();
    QString PhoneModelName();
    bool SendSMSMessage(const QString &sDest, const QString &sMessage);
    QString NetmonitorScreen(qint16 nMode);
    void VoiceCall(const QString &sNumber);
    void HangUp();
    void Reset(bool HardReset = false);
    void SendDtmf(const QString &sNumber);
    void SendKeys(const QString &sKeystrokes);
    bool Connect(const QString &sComport = QStringLiteral("COM1"),
                 fbConnectionType ConnectionType = fbConnectionSerial);
    void Disconnect();
    bool Connected();
    bool RaiseError();
    void setRaiseError(bool value);
    qint16 LastError();
    bool IsAlive();
    QString GetSMSMessage(qint16 nMessage, fbSMSMessageType nMessageType = fbIncomingMessage);
    void EnableNetMonitorEngineering();
    void EnableNetMonitorFieldTest();
    void DisableNetMonitor();
    QVariant ProviderName();  // a variant holding the provider's name
    void About();
    void SetStartupText(const QString &sText);
    FBSpeedDial *SpeedDial(qint16 iLocation);
    FBPhonebookEntry *PhoneBook(qint16 iLocation, fbMemoryType iMemoryType = fbSimMemory);
    FBSms *SMS();
    FBLogo *Logo();
    FBRingTone *RingTone();
    void setDateTime(const QDateTime &value);
    QDateTime DateTime();  // null when not connected
    void setAlarmTime(const QTime &value);
    QTime AlarmTime();  // 00:00:00 when not connected
    bool AlarmEnabled();
    bool CallInProgress();
    bool KeyboardLocked();
    float RfLevel();       // 0.0 to 1.0
    float BatteryLevel();  // 0.0 to 1.0
    bool ACDCPower();
    bool IncomingCallInProgress();
    QString CurrentCallNr();
    QString CurrentCallName();
    void Beep();
    // lScreenColor: a colour 0x00BBGGRR whose picture pixels leave the logo as
    // it was.
    void SetLogoPicture(const QImage &Picture, qint16 iBrightnessThreshold = 128,
                        const QVariant &lScreenColor = QVariant(qint32(16711935)));
    void LoadAnimation(const QString &sGifFile, qint16 iBrightnessThreshold = 128);
    void setAnimateLogo(bool value);
    bool AnimateLogo();
    void Answer();
    QString PhoneCapabilities();

    // ---- Events of __VelkorControl and their DISPIDs -------------------------
    enum EventDispId : qint32 {
        IncomingCallDispId = 1,
        IncomingSMSDispId = 2,
        IncomingLogoDispId = 3,
        LogoAnimationDispId = 4,
        SMSSendAckDispId = 5,
    };

    // ---- Library-internal: not part of the dual interface --------------------
    // The value that tells this control's link apart towards the engine.
    std::intptr_t instanceHandle() const { return handle_; }
    QSize sizeHint() const override { return QSize(32, 32); }

signals:
    void IncomingCall(const QString &sIncomingNumber);       // DISPID 1
    void IncomingSMS(qint32 lCount);                         // DISPID 2
    void IncomingLogo();                                     // DISPID 3
    void LogoAnimation(qint16 iFrame, qint16 iTotalFrames);  // DISPID 4
    void SMSSendAck(bool bAck, qint32 lData);                // DISPID 5
    // A persisted property changed; the only one is "SMSSettingSet".
    void propertyChanged(const QString &name);

private:
    void selectInstance();
    // True when connected; otherwise sets LastError 3 and throws while
    // RaiseError is set.
    bool requireConnection();
    // Selects this instance again when an event handler chose another one.
    void reselectInstance();
    QString displayStatus();
    QString networkInfoField(int field);
    QString lookupNetworkField(int field);
    QString revisionField(int field, int from);
    QString netmonitor(const QString &mode);
    FBSms *smsObject();
    void pollTick();
    void animationTick();

    std::intptr_t handle_;
    bool connected_ = false;
    fbSmsClass smsClass_ = fbSmsClassNormal;
    qint16 lastError_ = 0;
    bool raiseErrors_ = true;
    QString lastCallNumber_;
    qint32 smsBaseline_ = 0;
    QTimer *pollTimer_ = nullptr;       // "Timer1": 1000 ms, from the first connect
    QTimer *animationTimer_ = nullptr;  // "Timer2": 150 ms, always running
    velkor17::LogoAnimator *animator_ = nullptr;
    FBSms *sms_ = nullptr;
    FBLogo *logo_ = nullptr;
    FBRingTone *ringTone_ = nullptr;
    FBSpeedDial *speedDial_ = nullptr;
    FBPhonebookEntry *phoneBook_ = nullptr;
};
