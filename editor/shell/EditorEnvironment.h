// Everything the editor takes from its surroundings, gathered so that tests
// can stand in for each part: file locations, message boxes, the clock, the
// serial ports and the port of this run.
#pragma once

#include <QString>
#include <QTime>
#include <functional>
#include <memory>

#include "shell/AppPaths.h"
#include "shell/MessageService.h"
#include "shell/PortProber.h"

namespace glyphsmith {

class ScreenSource;

struct EditorEnvironment {
    AppPaths paths;
    std::shared_ptr<MessageService> messages;
    std::shared_ptr<PortProber> ports;
    // The computer's local time of day.
    std::function<QTime()> clock;
    // Rebuilds the desktop's file-association caches after the first run.
    std::function<void(const QString &dataHome)> refreshAssociations;
    // When not empty, the port every connect of this run uses instead of the
    // "ComPort" setting (which stays untouched).
    QString portOverride;
    // When set, stands in for the phone's capability letters (diagnostics
    // and tests); otherwise the control is asked.
    std::function<QString()> phoneCapabilities;
    // When set, gives what the screen capture reads (nullptr: nothing can be
    // read); otherwise the live screen or, failing that, the desktop's
    // screenshot portal.
    std::function<std::unique_ptr<ScreenSource>()> screenSource;
    // Longest wait of the first run for the ring tone folder, in ms.
    int firstRunWaitMs = 5000;

    // The environment of a normal run: paths from the environment variables,
    // message boxes on screen, the machine's serial ports and clock, and the
    // port override from GLYPHSMITH_PORT.
    static EditorEnvironment standard();
};

}  // namespace glyphsmith
