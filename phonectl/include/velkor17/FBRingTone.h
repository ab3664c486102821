// The library's view of the one ring tone the engine holds (interface
// "_FBRingTone"). The ring tone data live in the engine; the object keeps only
// its last error and the stop flag of a running playback. Engine failures show
// only in LastError. The control hands out one shared FBRingTone.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include "velkor17/Dispatch.h"
#include "velkor17/Export.h"
#include "velkor17/VelkorEnums.h"

class VELKOR17_EXPORT FBRingTone : public QObject, public velkor17::Dispatch {
    Q_OBJECT

public:
    explicit FBRingTone(QObject *parent = nullptr);

    // velkor17::Dispatch
    QVariant invoke(qint32 dispId, velkor17::DispatchKind kind,
                    const QVariantList &args = {}) override;
    QString interfaceName() const override { return QStringLiteral("_FBRingTone"); }

    // ---- _FBRingTone, in slot order ------------------------------------------
    qint16 LastError() const { return lastError_; }

private:
    qint16 lastError_ = 0;
    bool stopRequested_ = false;
};
