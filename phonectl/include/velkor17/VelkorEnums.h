// The enumerations of the library's type library. They live in the global
// namespace, as a host sees them, and their members repeat the type's prefix.
// Through Dispatch::invoke an enumeration travels as the integer type of the
// member that carries it (qint16 where that member is 16-bit, else qint32).
#pragma once

#include <QtGlobal>

enum fbConnectionType : qint32 {
    fbConnectionSerial = 0,
    fbConnectionInfrared = 1,
};

// Also the SMS box types (13 inbox, 11 outbox, 12 delivery reports).
enum fbSMSMessageType : qint32 {
    fbOutgoingMessage = 11,
    fbDeliveryReport = 12,
    fbIncomingMessage = 13,
};

enum fbSmsClass : qint32 {
    fbSmsClassFlash = 0,
    fbSmsClassNormal = 1,
    fbSmsClass2 = 2,
    fbSmsClass3 = 3,
};

enum fbLogoType : qint32 {
    fbNoLogo = 0,
    fbStartupLogo = 1,
    fbOperatorLogo = 2,
    fbCallerLogo = 3,
    fbPictureMessage = 4,
};

enum fbSmsMessageEncoding : qint32 {
    fbSmsMessageText = 0,
    fbSmsMessageUnicode = 1,
    fbSmsMessageBinary = 2,
};

enum fbMemoryType : qint32 {
    fbPhoneMemory = 0,
    fbSimMemory = 1,
    fbFixedDialMemory = 2,
    fbOwnNumberMemory = 3,
    fbEmergencyNumberMemory = 4,
    fbDialedNumberMemory = 5,
    fbReceivedNumberMemory = 6,
    fbMissedNumberMemory = 7,
    fbLastDialedMemory = 8,
    fbCombinedPhonebookMemory = 9,
    fbUnknownMemory = 255,
};

enum fbRingtoneStyle : qint32 {
    fbRingtoneStyleNatural = 0,
    fbRingtoneStyleContinuous = 1,
    fbRingtoneStyleStaccato = 2,
};

enum fbPlayRingtone : qint32 {
    fbPlayRingtoneSpeaker = 0,
    fbPlayRingtoneMidi = 1,
    fbPlayRingtonePhone = 2,
};
