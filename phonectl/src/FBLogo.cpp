#include "velkor17/FBLogo.h"

#include "DispatchTable.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

const DispatchTable<FBLogo> &table() {
    static const DispatchTable<FBLogo> t{
        {0x68030009,
         Get,
         "LastError",
         {},
         [](FBLogo &o, const Args &) { return ret16(o.LastError()); }},
    };
    return t;
}

}  // namespace

FBLogo::FBLogo(QObject *parent) : QObject(parent) {}

QVariant FBLogo::invoke(qint32 dispId, DispatchKind kind, const QVariantList &args) {
    return table().invoke(*this, dispId, kind, args);
}
