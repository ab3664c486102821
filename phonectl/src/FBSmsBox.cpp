#include "velkor17/FBSmsBox.h"

#include "DispatchTable.h"
#include "EngineBinding.h"
#include "velkor17/FBSmsMessage.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

const DispatchTable<FBSmsBox> &table() {
    using B = FBSmsBox;
    static const DispatchTable<FBSmsBox> t{
        {0, Get, "Item", {Int16}, [](B &o, const Args &a) { return retObject(o.Item(a.i16(0))); }},
        {0x68030002, Get, "Count", {}, [](B &o, const Args &) { return ret16(o.Count()); }},
    };
    return t;
}

}  // namespace

FBSmsBox::FBSmsBox(QObject *parent) : QObject(parent) {}

QVariant FBSmsBox::invoke(qint32 dispId, DispatchKind kind, const QVariantList &args) {
    return table().invoke(*this, dispId, kind, args);
}

FBSmsMessage *FBSmsBox::Item(qint16 iLocation) {
    if (!message_) {
        message_ = new FBSmsMessage(this);
    }
    message_->setBoxType(boxType_);
    message_->setLocation(iLocation);
    return message_;
}

qint16 FBSmsBox::Count() {
    return engine().getsmsmsgcount(int32_t(boxType_));
}
