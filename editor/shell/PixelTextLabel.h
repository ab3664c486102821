// A label that draws its text in the phone display's pixel font, black on
// its background colour, left-aligned and vertically centred.
#pragma once

#include <QLabel>

namespace glyphsmith {

class PixelTextLabel : public QLabel {
    Q_OBJECT
public:
    explicit PixelTextLabel(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

}  // namespace glyphsmith
