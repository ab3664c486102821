// The editor's link to the phone through its one phone control: connecting,
// the reconnect guard that runs before every phone command, and the
// capability letters that gate Upload and Download for the logo kind being
// edited. What the status bar and the buttons show is announced by signals;
// nothing here shows a message.
#pragma once

#include <QObject>
#include <QString>

#include "document/LogoKind.h"

class VelkorControl;

namespace glyphsmith {

class LogoDocument;
struct EditorEnvironment;

class PhoneSession : public QObject {
    Q_OBJECT
public:
    // `control`, `env` and `doc` must outlive the session; `doc` gives the
    // kind whose capability gate a connect applies.
    static constexpr int kIconDown = 101;  // not connected, or connecting
    static constexpr int kIconUp = 102;

    PhoneSession(VelkorControl &control, const EditorEnvironment &env, const LogoDocument &doc,
                 QObject *parent = nullptr);

    // The port text the next connect uses (before the protocol letter): the
    // port of this run when one was given, else the "ComPort" setting, else
    // "COM1". Read anew at every connect.
    QString port() const;
    // Brings the link up and announces the outcome. Window messages run
    // meanwhile; a connect asked for while one runs is skipped (the running
    // one decides the status).
    void connectPhone();
    // connectPhone when the link is dead (the reconnect guard).
    void ensureConnected();
    // The reconnect guard; true when the link is up afterwards.
    bool guard();
    // The phone's capability letters ("" when they cannot be read).
    QString capabilities();
    // Whether Upload and Download serve `kind` on this phone.
    bool transfersAllowed(LogoKind kind);

signals:
    // A connect starts (true) and ends (false); window messages run between.
    void connecting(bool running);
    // The wait pointer on (true) or off.
    void busy(bool on);
    void statusText(const QString &text);
    // The connection picture's number for Artwork::connectionIcon.
    void linkIcon(int id);
    // The network ("name (country)") and model after a connect; both empty
    // when the connect failed.
    void phoneNamed(const QString &network, const QString &model);
    // Upload and Download usable (after every connect, for the current kind).
    void transfersEnabled(bool on);
    // A connect failed: the kind choice and the ring tones are open again.
    void linkLost();

private:
    VelkorControl &control_;
    const EditorEnvironment &env_;
    const LogoDocument &doc_;
    bool connecting_ = false;
};

}  // namespace glyphsmith
