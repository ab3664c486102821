#include "velkor17/FBPhonebookEntry.h"

#include "DispatchTable.h"
#include "EngineBinding.h"
#include "EngineBuffer.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

// Characters of the name and number buffers.
constexpr int32_t kFieldBufferSize = 256;
// A read that did not ask the engine.
constexpr qint16 kNotRead = -1;

const DispatchTable<FBPhonebookEntry> &table() {
    using P = FBPhonebookEntry;
    static const DispatchTable<FBPhonebookEntry> t{
        {0x68030003, Get, "Name", {}, [](P &o, const Args &) { return retString(o.Name()); }},
        {0x68030003,
         Put,
         "Name",
         {String},
         [](P &o, const Args &a) {
             o.setName(a.s(0));
             return QVariant();
         }},
        {0x68030002, Get, "Number", {}, [](P &o, const Args &) { return retString(o.Number()); }},
        {0x68030002,
         Put,
         "Number",
         {String},
         [](P &o, const Args &a) {
             o.setNumber(a.s(0));
             return QVariant();
         }},
        {0x68030001, Get, "Group", {}, [](P &o, const Args &) { return ret16(o.Group()); }},
        {0x68030001,
         Put,
         "Group",
         {Int16},
         [](P &o, const Args &a) {
             o.setGroup(a.i16(0));
             return QVariant();
         }},
        {0x60030009,
         Method,
         "WriteData",
         {String, String, Int16},
         [](P &o, const Args &a) { return ret16(o.WriteData(a.s(0), a.s(1), a.i16(2))); }},
        {0x6003000A,
         Method,
         "Delete",
         {},
         [](P &o, const Args &) {
             o.Delete();
             return QVariant();
         }},
        {0x68030000, Get, "LastError", {}, [](P &o, const Args &) { return ret16(o.LastError()); }},
    };
    return t;
}

}  // namespace

FBPhonebookEntry::FBPhonebookEntry(QObject *parent) : QObject(parent) {}

QVariant FBPhonebookEntry::invoke(qint32 dispId, DispatchKind kind, const QVariantList &args) {
    return table().invoke(*this, dispId, kind, args);
}

void FBPhonebookEntry::setConnected(bool connected) {
    connected_ = connected;
    if (!connected) {
        forgetLastValues();
    }
}

void FBPhonebookEntry::setLocation(qint16 location) {
    if (location != location_) {
        forgetLastValues();
    }
    location_ = location;
}

void FBPhonebookEntry::setMemoryType(fbMemoryType memoryType) {
    if (memoryType != memoryType_) {
        forgetLastValues();
    }
    memoryType_ = memoryType;
}

void FBPhonebookEntry::forgetLastValues() {
    lastName_.clear();
    lastNumber_.clear();
    lastGroup_ = -1;
}

qint16 FBPhonebookEntry::read() {
    if (!connected_ || location_ == -1 || memoryType_ == fbUnknownMemory) {
        return kNotRead;
    }
    EngineBuffer name(kFieldBufferSize);
    EngineBuffer number(kFieldBufferSize);
    int32_t group = 0;
    lastError_ = engine().getphonebookentry(int32_t(location_), int32_t(memoryType_), name.data(),
                                            name.size(), number.data(), number.size(), &group);
    if (lastError_ == 0) {
        lastName_ = name.text();
        lastNumber_ = number.text();
        lastGroup_ = qint16(group);
    }
    return lastError_;
}

void FBPhonebookEntry::write(const QString &name, const QString &number, qint16 group) {
    lastError_ = engine().setphonebookentry(int32_t(location_), int32_t(memoryType_),
                                            engineText(name).constData(),
                                            engineText(number).constData(), int32_t(group));
}

QString FBPhonebookEntry::Name() {
    read();
    return lastName_;
}

void FBPhonebookEntry::setName(const QString &value) {
    if (read() == 0) {
        write(value, lastNumber_, lastGroup_);
    }
}

QString FBPhonebookEntry::Number() {
    read();
    return lastNumber_;
}

void FBPhonebookEntry::setNumber(const QString &value) {
    if (read() == 0) {
        write(lastName_, value, lastGroup_);
    }
}

qint16 FBPhonebookEntry::Group() {
    read();
    return lastGroup_;
}

void FBPhonebookEntry::setGroup(qint16 value) {
    if (read() == 0) {
        write(lastName_, lastNumber_, value);
    }
}

qint16 FBPhonebookEntry::WriteData(const QString &sName, const QString &sNumber, qint16 iGroup) {
    write(sName, sNumber, iGroup);
    return lastError_;
}

void FBPhonebookEntry::Delete() {
    lastError_ = engine().deletephonebookentry(int32_t(location_), int32_t(memoryType_));
}
