// A fixture for tests of VelkorControl against the recording fake engine.
#pragma once

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "FakeEngine.h"
#include "velkor17/VelkorControl.h"
#include "velkor17/VelkorError.h"

using fakeengine::Lines;
using velkor17::DispatchKind;
using velkor17::VelkorError;

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakeengine::reset();
        control = std::make_unique<VelkorControl>();
    }

    // Connects (init answers 0) and forgets the log and the script. The
    // polling timer is stopped: tests run its ticks with pollOnce, so that
    // none comes in between on a slow machine.
    void connect() {
        ASSERT_TRUE(control->Connect(QStringLiteral("VIRTUAL")));
        control->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
        fakeengine::reset();
    }

    // The log with this control's handle written as H.
    Lines calls() const { return withHandle(fakeengine::calls(), *control, "H"); }

    static Lines withHandle(Lines lines, const VelkorControl &c, const std::string &name) {
        const std::string mine = "set_vlkr_instance(" + std::to_string(c.instanceHandle()) + ")";
        for (std::string &line : lines) {
            if (line == mine) {
                line = "set_vlkr_instance(" + name + ")";
            }
        }
        return lines;
    }

    // Runs one tick of the polling timer now.
    void pollOnce() {
        QTimer *timer = control->findChild<QTimer *>(QStringLiteral("Timer1"));
        ASSERT_NE(timer, nullptr);
        ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
    }

    // The error number thrown by f, or 0 when it throws none.
    template <typename F>
    static qint32 errorOf(F f) {
        try {
            f();
        } catch (const VelkorError &e) {
            return e.number();
        }
        return 0;
    }

    std::unique_ptr<VelkorControl> control;
};
