#include "velkor17/FBSmsMessage.h"

#include "DispatchTable.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

const DispatchTable<FBSmsMessage> &table() {
    static const DispatchTable<FBSmsMessage> t{
        {0x68030000,
         Get,
         "LastError",
         {},
         [](FBSmsMessage &o, const Args &) { return ret16(o.LastError()); }},
    };
    return t;
}

}  // namespace

FBSmsMessage::FBSmsMessage(QObject *parent) : QObject(parent) {}

QVariant FBSmsMessage::invoke(qint32 dispId, DispatchKind kind, const QVariantList &args) {
    return table().invoke(*this, dispId, kind, args);
}
