// The ring tone as the player walks it: note count, tempo, and per note its
// text and style. Any member may throw (a missing engine); the walk then goes
// on with a default.
#pragma once

#include <QString>
#include <QtGlobal>

#include "velkor17/Export.h"

namespace velkor17 {

class VELKOR17_EXPORT RingToneSource {
public:
    virtual ~RingToneSource() = default;

    virtual qint32 noteCount() = 0;
    // Beats (quarter notes) per minute.
    virtual qint32 tempo() = 0;
    // Note i (0-based), e.g. "8A#5." or "16P".
    virtual QString noteText(qint32 i) = 0;
    // Style of note i: 0 natural, 1 continuous, 2 staccato.
    virtual qint32 noteStyle(qint32 i) = 0;
};

}  // namespace velkor17
