// Real-time waits for playback that keep the host's event loop turning. The
// waits follow a running schedule, so that many short waits add up to their
// sum without drift; a clock left idle, or fallen far behind, starts a new
// schedule at the next wait.
#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

#include "velkor17/Export.h"

namespace velkor17 {

class VELKOR17_EXPORT PlaybackClock {
public:
    // A wait that finds the schedule more than this far behind the wall clock
    // restarts the schedule instead of cutting the wait short.
    static constexpr qint64 kMaxLagMs = 50;

    PlaybackClock();

    // Returns `ms` milliseconds after the end of the previous wait (or after
    // now, for a new schedule), running the event loop meanwhile.
    void wait(qint32 ms);

    // Lets pending events run once (no-op without a QCoreApplication).
    static void letEventsRun();

private:
    QElapsedTimer timer_;
    bool started_ = false;
    qint64 scheduledMs_ = 0;  // end of the last wait, on timer_'s scale
};

}  // namespace velkor17
