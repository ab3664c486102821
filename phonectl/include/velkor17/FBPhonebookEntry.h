// One phonebook entry of the phone (interface "_FBPhonebookEntry"), addressed
// by location (from 1) and memory type. The control owns one and tells it the
// link's state and its address before handing it out. The object keeps the
// last name, number and group read, so that writing one field can resend the
// others. Engine failures show only in LastError; a missing engine or engine
// function throws VelkorError.
//
// A read asks the engine for the entry only while the link is up and the
// entry has an address (location not -1, memory type not fbUnknownMemory);
// a successful read replaces the last name, number and group. A getter
// whose read fails gives the last values; a setter writes (resending the
// other two fields as last read) only after a successful read.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include "velkor17/Dispatch.h"
#include "velkor17/Export.h"
#include "velkor17/VelkorEnums.h"

class VELKOR17_EXPORT FBPhonebookEntry : public QObject, public velkor17::Dispatch {
    Q_OBJECT

public:
    explicit FBPhonebookEntry(QObject *parent = nullptr);

    // velkor17::Dispatch
    QVariant invoke(qint32 dispId, velkor17::DispatchKind kind,
                    const QVariantList &args = {}) override;
    QString interfaceName() const override { return QStringLiteral("_FBPhonebookEntry"); }

    // ---- _FBPhonebookEntry, in slot order ------------------------------------
    QString Name();
    void setName(const QString &value);  // stores the code of the write
    QString Number();
    void setNumber(const QString &value);  // stores the code of the write
    qint16 Group();
    void setGroup(qint16 value);  // stores the code of the write
    // Writes all three fields without reading first; stores and returns the
    // code.
    qint16 WriteData(const QString &sName, const QString &sNumber, qint16 iGroup);
    void Delete();  // stores the code
    qint16 LastError() const { return lastError_; }

    // ---- Library-internal: not part of the dual interface --------------------
    // Addressing: a link that is down, or a location or memory type other than
    // the current one, forgets the last values read; the same address told
    // again keeps them.
    void setConnected(bool connected);
    void setLocation(qint16 location);
    void setMemoryType(fbMemoryType memoryType);
    bool isConnected() const { return connected_; }
    qint16 location() const { return location_; }
    fbMemoryType memoryType() const { return memoryType_; }
    QString lastName() const { return lastName_; }
    QString lastNumber() const { return lastNumber_; }
    qint16 lastGroup() const { return lastGroup_; }

private:
    void forgetLastValues();
    // The engine's code (also stored), or -1 without asking the engine.
    qint16 read();
    void write(const QString &name, const QString &number, qint16 group);

    bool connected_ = false;
    qint16 location_ = -1;
    fbMemoryType memoryType_ = fbUnknownMemory;
    qint16 lastError_ = 0;
    QString lastName_;
    QString lastNumber_;
    qint16 lastGroup_ = -1;
};
