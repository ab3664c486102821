// The mouse pointer images of the zoomed view, carried by the hidden picture
// boxes picPencil, picEraser, picFlood, picA and picHand. Each picture box
// keeps its image's hot spot, so the view's pointer is made from the box.
#pragma once

#include <QCursor>
#include <QPixmap>
#include <QPoint>

class QLabel;
class QWidget;

namespace glyphsmith {

class ToolCursors {
public:
    enum Image { Pencil, Eraser, Flood, Letter, Hand };

    // A hidden picture box named `name` under `parent` carrying `image`.
    static QLabel *makePictureBox(QWidget *parent, const char *name, Image image);
    // The pointer a picture box carries (the arrow when it carries none).
    static QCursor cursorOf(const QLabel *pictureBox);

    static QPixmap pixmap(Image image);
    static QPoint hotSpot(Image image);
};

}  // namespace glyphsmith
