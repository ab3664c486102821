// Late-bound access to the library's objects: every class answers its
// members by dispatch identifier (DISPID), as a method call, a property get
// or a property put.
#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

#include "velkor17/Export.h"

namespace velkor17 {

enum class DispatchKind { Method, PropertyGet, PropertyPut };

class VELKOR17_EXPORT Dispatch {
public:
    virtual ~Dispatch() = default;

    // Calls member `dispId`. For a property put, the member's own arguments
    // come first and the new value last. Trailing optional arguments may be
    // left out. Child objects come back as QVariant::fromValue<QObject *>.
    // Throws VelkorError for an unknown DISPID (0x80020003), a wrong argument
    // count (0x8002000E) or an argument that cannot be converted (0x80020005),
    // and for whatever error the member itself raises.
    virtual QVariant invoke(qint32 dispId, DispatchKind kind, const QVariantList &args = {}) = 0;

    // The name of the dual interface, for example "_VelkorControl".
    virtual QString interfaceName() const = 0;
};

}  // namespace velkor17
