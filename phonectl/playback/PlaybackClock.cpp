#include "PlaybackClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace velkor17 {

PlaybackClock::PlaybackClock() {
    timer_.start();
}

void PlaybackClock::wait(qint32 ms) {
    if (ms <= 0) {
        return;
    }
    const qint64 now = timer_.elapsed();
    if (!started_ || now - scheduledMs_ > kMaxLagMs) {
        started_ = true;
        scheduledMs_ = now;
    }
    scheduledMs_ += ms;

    // A QEventLoop serves the events of the thread the clock runs on, and a
    // precise timer ends it at the deadline.
    const bool haveEventLoop = QCoreApplication::instance() != nullptr &&
                               QThread::currentThread() == QCoreApplication::instance()->thread();
    while (true) {
        const qint64 remaining = scheduledMs_ - timer_.elapsed();
        if (remaining <= 0) {
            break;
        }
        if (!haveEventLoop) {
            QThread::msleep(quint64(remaining));
            continue;
        }
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(int(qMin<qint64>(remaining, 1000)));
        if (loop.exec() != 0) {
            // The application is quitting and event loops end at once: sleep instead.
            QThread::msleep(quint64(remaining));
        }
    }
}

void PlaybackClock::letEventsRun() {
    if (QCoreApplication::instance() != nullptr &&
        QThread::currentThread() == QCoreApplication::instance()->thread()) {
        QCoreApplication::processEvents();
    }
}

}  // namespace velkor17
