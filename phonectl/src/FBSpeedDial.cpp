#include "velkor17/FBSpeedDial.h"

#include "DispatchTable.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

const DispatchTable<FBSpeedDial> &table() {
    static const DispatchTable<FBSpeedDial> t{
        {0x68030000,
         Get,
         "LastError",
         {},
         [](FBSpeedDial &o, const Args &) { return ret16(o.LastError()); }},
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
