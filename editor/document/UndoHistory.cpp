#include "document/UndoHistory.h"

namespace glyphsmith {

void UndoHistory::snapshot(const QImage &picture) {
    shift(picture);
    setCanUndo(true);
}

void UndoHistory::shift(const QImage &picture) {
    previous_ = latest_;
    latest_ = picture.copy();
}

void UndoHistory::setLatest(const QImage &picture) {
    latest_ = picture.copy();
}

void UndoHistory::clear() {
    latest_ = QImage();
    previous_ = QImage();
    setCanUndo(false);
}

QImage UndoHistory::undo() {
    setCanUndo(false);
    return previous_;
}

void UndoHistory::setCanUndo(bool available) {
    if (available != canUndo_) {
        canUndo_ = available;
        emit canUndoChanged(available);
    }
}

}  // namespace glyphsmith
