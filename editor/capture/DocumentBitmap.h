// The logo on the canvas as plain bits and back.
#pragma once

#include "document/LogoDocument.h"
#include "imaging/LogoBitmap.h"

namespace glyphsmith {

// logoWidth() x logoHeight() bits, set where the canvas pixel is set.
LogoBitmap bitmapFromDocument(const LogoDocument &doc);

// Writes every pixel of the bitmap onto the canvas by the cell rule (set
// black, clear in the clear colour); pixels beyond the preview are ignored.
void paintBitmap(LogoDocument &doc, const LogoBitmap &bitmap);

}  // namespace glyphsmith
