#include "velkor17/FBSpeedDial.h"

#include "DispatchTable.h"
#include "EngineBinding.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

// A read that did not ask the engine.
constexpr qint16 kNotRead = -1;

const DispatchTable<FBSpeedDial> &table() {
    using D = FBSpeedDial;
    static const DispatchTable<FBSpeedDial> t{
        {0x68030002, Get, "Number", {}, [](D &o, const Args &) { return ret16(o.Number()); }},
        {0x68030002,
         Put,
         "Number",
         {Int16},
         [](D &o, const Args &a) {
             o.setNumber(a.i16(0));
             return QVariant();
         }},
        {0x68030001,
         Get,
         "MemoryType",
         {},
         [](D &o, const Args &) { return ret32(qint32(o.MemoryType())); }},
        {0x68030001,
         Put,
         "MemoryType",
         {Int32},
         [](D &o, const Args &a) {
             o.setMemoryType(fbMemoryType(a.i32(0)));
             return QVariant();
         }},
        {0x68030000, Get, "LastError", {}, [](D &o, const Args &) { return ret16(o.LastError()); }},
    };
    return t;
}

}  // namespace

FBSpeedDial::FBSpeedDial(QObject *parent) : QObject(parent) {}

QVariant FBSpeedDial::invoke(qint32 dispId, DispatchKind kind, const QVariantList &args) {
    return table().invoke(*this, dispId, kind, args);
}

void FBSpeedDial::setConnected(bool connected) {
    connected_ = connected;
    if (!connected) {
        forgetLastValues();
    }
}

void FBSpeedDial::setLocation(qint16 location) {
    if (location != location_) {
        forgetLastValues();
    }
    location_ = location;
}

void FBSpeedDial::forgetLastValues() {
    number_ = 0;
    memoryType_ = fbUnknownMemory;
}

qint16 FBSpeedDial::read() {
    if (!connected_ || location_ == -1) {
        return kNotRead;
    }
    int32_t memoryType = 0;
    int32_t number = 0;
    lastError_ = engine().getspeeddial(int32_t(location_), &memoryType, &number);
    if (lastError_ == 0) {
        memoryType_ = fbMemoryType(memoryType);
        number_ = qint16(number);
    }
    return lastError_;
}

qint16 FBSpeedDial::Number() {
    read();
    return number_;
}

void FBSpeedDial::setNumber(qint16 value) {
    if (read() == 0) {
        lastError_ =
            engine().setspeeddial(int32_t(location_), int32_t(memoryType_), int32_t(value));
    }
}

fbMemoryType FBSpeedDial::MemoryType() {
    read();
    return memoryType_;
}

void FBSpeedDial::setMemoryType(fbMemoryType value) {
    if (read() == 0) {
        lastError_ = engine().setspeeddial(int32_t(location_), int32_t(value), int32_t(number_));
    }
}
