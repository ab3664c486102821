// One running editor per user configuration. The first instance holds a lock
// file for as long as it runs and listens on a local socket; a later start
// finds the lock taken, asks the first instance over the socket to bring its
// window to the front, and ends.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace glyphsmith {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `key` names the instance (a file name part: letters, digits, '-').
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The key for a settings file: one editor per settings file and user.
    static QString keyForSettings(const QString &settingsFile);

    // True when this is the first instance (from then on it listens for later
    // starts); false when another instance holds the key.
    bool claim();
    // Asks the instance holding the key to come to the front; true when it
    // answered within `timeoutMs`.
    bool activateRunning(int timeoutMs = 2000);

signals:
    // A later start asked this instance to come to the front.
    void activationRequested();

private:
    void onNewConnection();

    QString key_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};

}  // namespace glyphsmith
