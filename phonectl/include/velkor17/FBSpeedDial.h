// One speed-dial key of the phone (interface "_FBSpeedDial"), addressed by its
// location (keys 2 to 9). The control owns one and tells it the link's state
// and the location before handing it out. The object keeps the phonebook
// location (number) and memory type last read. Engine failures show only in
// LastError; a missing engine or engine function throws VelkorError.
//
// A read asks the engine only while the link is up and the key has a
// location; a successful read replaces the number and memory type. A getter
// whose read fails gives the last values; a setter writes (resending the
// other value as last read) only after a successful read.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include "velkor17/Dispatch.h"
#include "velkor17/Export.h"
#include "velkor17/VelkorEnums.h"

class VELKOR17_EXPORT FBSpeedDial : public QObject, public velkor17::Dispatch {
    Q_OBJECT

public:
    explicit FBSpeedDial(QObject *parent = nullptr);

    // velkor17::Dispatch
    QVariant invoke(qint32 dispId, velkor17::DispatchKind kind,
                    const QVariantList &args = {}) override;
    QString interfaceName() const override { return QStringLiteral("_FBSpeedDial"); }

    // ---- _FBSpeedDial, in slot order -----------------------------------------
    // The phonebook location the key dials.
    qint16 Number();
    void setNumber(qint16 value);  // stores the code of the write
    fbMemoryType MemoryType();
    void setMemoryType(fbMemoryType value);  // stores the code of the write
    qint16 LastError() const { return lastError_; }

    // ---- Library-internal: not part of the dual interface --------------------
    // Addressing: a link that is down, or another location, forgets the values
    // last read (number 0, memory type 255); the same location keeps them.
    void setConnected(bool connected);
    void setLocation(qint16 location);
    bool isConnected() const { return connected_; }
    qint16 location() const { return location_; }
    qint16 lastNumber() const { return number_; }
    fbMemoryType lastMemoryType() const { return memoryType_; }

private:
    void forgetLastValues();
    // The engine's code (also stored), or -1 without asking the engine.
    qint16 read();

    bool connected_ = false;
    qint16 location_ = -1;
    qint16 number_ = 0;
    fbMemoryType memoryType_ = fbUnknownMemory;
    qint16 lastError_ = 0;
};
