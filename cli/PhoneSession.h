// The link to a phone for one phone command: a Qt application (offscreen:
// the command line shows no window) hosting one VelkorControl, connected to
// the port on demand. Phone failures become CliErrors with exit status 3.
#pragma once

#include <QString>
#include <memory>

class QApplication;
class VelkorControl;

namespace glyphsmith::cli {

class PhoneSession {
public:
    // `port`: "VIRTUAL", "COMn" or a device path, as the editor takes them.
    explicit PhoneSession(QString port);
    ~PhoneSession();

    const QString &port() const { return port_; }
    // The control; not yet connected.
    VelkorControl &control() { return *control_; }
    // Connects once; a phone error when the phone does not answer.
    VelkorControl &connected();

    // A phone error for the engine code `code` of `what` ("upload"); nothing
    // for 0.
    static void check(int code, const QString &what);
    // Lets the engine finish a queued message send (at most `timeoutMs`).
    void waitForSend(int timeoutMs);

private:
    QString port_;
    bool connected_ = false;
    std::unique_ptr<QApplication> app_;
    std::unique_ptr<VelkorControl> control_;
};

}  // namespace glyphsmith::cli
