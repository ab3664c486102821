// GSP files (GspFormat.h) read onto and written from the editor's canvas.
// Only logo pixels inside width x height are read or written; the size comes
// from the caller (the logo being edited), never from the file.
#pragma once

#include <QString>

namespace glyphsmith {

class LogoDocument;

class GspFile {
public:
    enum class ReadResult {
        CannotOpen,  // nothing read, the document untouched
        ShortFile,   // fewer lines than rows: the rows read so far are drawn
        Complete,    // every row drawn
    };

    // Draws the file's rows onto `doc` by the cell rule: "1" clear, any other
    // or a missing character set.
    static ReadResult read(const QString &path, LogoDocument &doc, int width, int height);

    // Writes the canvas pixels (set = "0", clear = "1") through a temporary
    // file renamed over `path`, so a failure leaves any earlier file as it
    // was. False when the file could not be written.
    static bool write(const QString &path, const LogoDocument &doc, int width, int height);
};

}  // namespace glyphsmith
