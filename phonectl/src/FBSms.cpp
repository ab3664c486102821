#include "velkor17/FBSms.h"

#include "DispatchTable.h"
#include "EngineBinding.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

const DispatchTable<FBSms> &table() {
    static const DispatchTable<FBSms> t{
        {0x6803000E,
         Put,
         "SMSSettingSet",
         {Int16},
         [](FBSms &o, const Args &a) {
             o.setSMSSettingSet(a.i16(0));
             return QVariant();
         }},
        {0x6803000E,
         Get,
         "SMSSettingSet",
         {},
         [](FBSms &o, const Args &) { return ret16(o.SMSSettingSet()); }},
        {0x68030000,
         Get,
         "LastError",
         {},
         [](FBSms &o, const Args &) { return ret16(o.LastError()); }},
    };
    return t;
}

}  // namespace

FBSms::FBSms(QObject *parent) : QObject(parent) {}

QVariant FBSms::invoke(qint32 dispId, DispatchKind kind, const QVariantList &args) {
    return table().invoke(*this, dispId, kind, args);
}

void FBSms::setSMSSettingSet(qint16 value) {
    settingSet_ = value;
    if (connected_ && value != 0) {
        engine().setsmsmessagecenter(value, "");
    }
}
