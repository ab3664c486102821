// The choices of picture import and export, apart from the code that needs
// Qt Gui: programs that only pass them on (the command line) include this
// and link Qt Core alone.
#pragma once

namespace glyphsmith {

// How a picture of any size is brought to a logo's size (PictureFit.h).
enum class FitMode {
    Fit,      // the whole picture, aspect kept, centred; the rest stays white
    Fill,     // the area covered, aspect kept, centred; what overflows is cut
    Stretch,  // the picture scaled to exactly the area, aspect ignored
};

// How grey levels become set and clear pixels (Dithering.h).
enum class DitherMode {
    None,            // plain threshold
    FloydSteinberg,  // Qt's error diffusion (Qt::DiffuseDither)
    Ordered,         // Qt's ordered (Bayer) dither (Qt::OrderedDither)
    Atkinson,        // error diffusion passing on 6/8 of the error
};

// What importPicture does (PictureImport.h).
struct ImportOptions {
    FitMode fit = FitMode::Fit;
    int threshold = 128;  // see Dithering.h
    DitherMode dither = DitherMode::FloydSteinberg;
    bool invert = false;  // set and clear swapped at the end
};

// The byte layouts of the C header export (LogoExport.h).
enum class CHeaderLayout {
    // (width + 7) / 8 bytes per row, rows top to bottom, the leftmost pixel of
    // each byte in its most significant bit; a 1 bit is a set pixel.
    Rows,
    // (height + 7) / 8 pages of 8 rows, top page first; in each page one byte
    // per column, left to right, the page's top pixel in the least
    // significant bit (the memory layout of 84 x 48 PCD8544-style displays).
    Pages,
};

// The largest enlargement of the PNG export.
constexpr int kMaxExportScale = 16;

}  // namespace glyphsmith
