// The logo at its real size: paints the document picture, one screen pixel
// per logo pixel.
#pragma once

#include <QWidget>

namespace glyphsmith {

class LogoDocument;

class PreviewBox : public QWidget {
    Q_OBJECT
public:
    // `document` must outlive the box.
    explicit PreviewBox(const LogoDocument *document, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const LogoDocument *document_;
};

}  // namespace glyphsmith
