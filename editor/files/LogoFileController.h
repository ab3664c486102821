// Logo files and the exchange of pixels between the document and the phone
// control's shared logo object. GSP files are read and written here; the
// other formats go through the logo object's ReadFile and WriteFile, whose
// formats belong to the engine. Reading never changes the kind: a file is
// read as the kind being edited. Nothing here asks or tells the user.
#pragma once

#include <QString>

class VelkorControl;

namespace glyphsmith {

class LogoDocument;

class LogoFileController {
public:
    // Both must outlive the controller.
    LogoFileController(LogoDocument &doc, VelkorControl &control) : doc_(doc), control_(control) {}

    enum class Read {
        Failed,    // nothing read (cannot open, damaged, engine error)
        ShortGsp,  // a GSP file with fewer lines than rows: those read are drawn
        Complete,
    };
    // Reads `path` onto the canvas: as a GSP file when `gsp`, otherwise
    // through the logo object. The canvas keeps the logo kind's size.
    Read read(const QString &path, bool gsp);
    // Writes the canvas to `path`: picture messages as GSP, the other kinds
    // through the logo object. The logo object takes the kind being edited
    // either way. False when nothing usable was written.
    bool write(const QString &path);

    // The logo object's pixels onto the canvas (its size becomes the
    // document's logo size), and the canvas back into the object. Reading
    // onto the canvas tells the document's listeners, even when it fails.
    void logoToCanvas();
    void canvasToLogo();

private:
    LogoDocument &doc_;
    VelkorControl &control_;
};

}  // namespace glyphsmith
