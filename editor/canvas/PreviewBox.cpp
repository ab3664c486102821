#include "canvas/PreviewBox.h"

#include <QPainter>

#include "document/LogoDocument.h"

namespace glyphsmith {

PreviewBox::PreviewBox(const LogoDocument *document, QWidget *parent)
    : QWidget(parent), document_(document) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(LogoDocument::kPreviewWidth, LogoDocument::kPreviewHeight);
}

void PreviewBox::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.drawImage(0, 0, document_->preview());
}

}  // namespace glyphsmith
