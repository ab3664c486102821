// The one-step undo of the logo: the document picture after the latest step
// and the one before it, which Undo brings back. Pictures are the document's
// 1:1 preview; a null picture stands for a clear one.
#pragma once

#include <QImage>
#include <QObject>

namespace glyphsmith {

class UndoHistory : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // A finished edit: `picture` becomes the latest step and the one before
    // becomes what Undo restores. Undo becomes available.
    void snapshot(const QImage &picture);
    // As snapshot, but Undo stays as available as it was.
    void shift(const QImage &picture);
    // Replaces the latest step without moving the older one (a redraw).
    void setLatest(const QImage &picture);
    // Both steps gone; Undo unavailable.
    void clear();
    // The picture Undo restores (null: a clear picture); Undo is then
    // unavailable until the next snapshot.
    QImage undo();

    const QImage &latest() const { return latest_; }
    const QImage &previous() const { return previous_; }
    bool canUndo() const { return canUndo_; }

signals:
    void canUndoChanged(bool available);

private:
    void setCanUndo(bool available);

    QImage latest_;
    QImage previous_;
    bool canUndo_ = false;
};

}  // namespace glyphsmith
