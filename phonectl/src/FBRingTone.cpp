#include "velkor17/FBRingTone.h"

#include "DispatchTable.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

const DispatchTable<FBRingTone> &table() {
    static const DispatchTable<FBRingTone> t{
        {0x68030011,
         Get,
         "LastError",
         {},
         [](FBRingTone &o, const Args &) { return ret16(o.LastError()); }},
    };
    return t;
}

}  // namespace

FBRingTone::FBRingTone(QObject *parent) : QObject(parent) {}

QVariant FBRingTone::invoke(qint32 dispId, DispatchKind kind, const QVariantList &args) {
    return table().invoke(*this, dispId, kind, args);
}
