#include "velkor17/FBPhonebookEntry.h"

#include "DispatchTable.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

const DispatchTable<FBPhonebookEntry> &table() {
    static const DispatchTable<FBPhonebookEntry> t{
        {0x68030000,
         Get,
         "LastError",
         {},
         [](FBPhonebookEntry &o, const Args &) { return ret16(o.LastError()); }},
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
