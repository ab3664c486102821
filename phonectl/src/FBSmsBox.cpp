#include "velkor17/FBSmsBox.h"

#include "DispatchTable.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

const DispatchTable<FBSmsBox> &table() {
    static const DispatchTable<FBSmsBox> t{};
    return t;
}

}  // namespace

FBSmsBox::FBSmsBox(QObject *parent) : QObject(parent) {}

QVariant FBSmsBox::invoke(qint32 dispId, DispatchKind kind, const QVariantList &args) {
    return table().invoke(*this, dispId, kind, args);
}
