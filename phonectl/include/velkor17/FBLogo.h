// The library's view of the one logo the engine holds (interface "_FBLogo").
// The pixels and all logo data live in the engine; the object keeps only its
// last error and whether the picture-message text is Unicode. Engine failures
// show only in LastError. The control hands out one shared FBLogo.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include "velkor17/Dispatch.h"
#include "velkor17/Export.h"
#include "velkor17/VelkorEnums.h"

class VELKOR17_EXPORT FBLogo : public QObject, public velkor17::Dispatch {
    Q_OBJECT

public:
    explicit FBLogo(QObject *parent = nullptr);

    // velkor17::Dispatch
    QVariant invoke(qint32 dispId, velkor17::DispatchKind kind,
                    const QVariantList &args = {}) override;
    QString interfaceName() const override { return QStringLiteral("_FBLogo"); }

    // ---- _FBLogo, in slot order ----------------------------------------------
    qint16 LastError() const { return lastError_; }

private:
    qint16 lastError_ = 0;
    bool messageUnicode_ = false;
};
