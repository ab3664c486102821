// One file type to register with the desktop: the extension, the class of
// documents it belongs to and how the class is opened.
#pragma once

#include <QString>
#include <QStringList>

namespace glyphsmith {

struct FileTypeInfo {
    QStringList verbs;         // for example "Open"
    QStringList commandLines;  // one per verb: the program to run
    QString extension;         // ".NOL" (a missing leading "." is added)
    QString className;         // "GlyphsmithImageFile"
    QString description;       // "Glyphsmith Image File"
    QString contentType;       // registered as an alias when it is a "type/subtype"
    QString iconPath;
    qint16 iconIndex = 0;
};

}  // namespace glyphsmith
