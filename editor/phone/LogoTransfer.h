// Logo download and upload through the phone control's shared logo object.
// Each step that fails is skipped and the command goes on; the outcome shows
// only in the status text ("Ready", "Problem Downloading Logo", "Problem
// Uploading Logo"). Caller-group logos and picture messages live in numbered
// phone locations, asked for in a dialog first.
#pragma once

#include <QObject>
#include <QString>

class QWidget;
class VelkorControl;

namespace glyphsmith {

class LogoDocument;
class LogoFileController;
class PhoneSession;
struct SharedValues;

class LogoTransfer : public QObject {
    Q_OBJECT
public:
    // Everything must outlive the transfer; the location dialogs open over
    // `dialogParent` (may be null).
    LogoTransfer(VelkorControl &control, PhoneSession &session, LogoDocument &doc,
                 LogoFileController &files, SharedValues &shared, QWidget *dialogParent,
                 QObject *parent = nullptr);

    // Runs the reconnect guard, empties the document (replacingDocument),
    // asks for the location when the kind has one, then reads the phone's
    // logo of the document's kind onto the canvas.
    void download();
    // Runs the reconnect guard, asks for the location and the picture text
    // when the kind has them, then sends the canvas with `netCode`.
    void upload(const QString &netCode);
    // Sends the canvas as the document's kind with `netCode`; `location` is
    // the 0-based phone location of a caller-group logo or picture message
    // (the other kinds ignore it). The document is left as it is.
    void uploadTo(qint16 location, const QString &netCode);

signals:
    void statusText(const QString &text);
    // The wait pointer on (true) or off.
    void busy(bool on);
    // A download is about to fill the canvas: empty the document as New does
    // (untitled, unmodified, nothing to undo), without asking.
    void replacingDocument();
    // The network code that came with a downloaded logo.
    void netCodeDownloaded(const QString &code);
    // The downloaded logo is on the canvas: the picture the next edit's undo
    // goes back to.
    void logoArrived();

private:
    VelkorControl &control_;
    PhoneSession &session_;
    LogoDocument &doc_;
    LogoFileController &files_;
    SharedValues &shared_;
    QWidget *dialogParent_;
};

}  // namespace glyphsmith
