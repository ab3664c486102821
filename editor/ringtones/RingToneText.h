// The text rules of the ring tone window: ring tone file names, the name on
// a file's first line, and the note list as the notes box shows it.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace glyphsmith {

// A ring tone's name is shorter than this many characters.
constexpr int kRingToneNameLimit = 21;

// The name a ring tone file's first line gives: the text before its first
// ":" (the whole line without one). Nothing when the line is shorter than 2
// characters or the name has kRingToneNameLimit characters or more.
std::optional<QString> nameFromFirstLine(const QString &line);

// Whether a chosen file may be opened as a ring tone text: its name ends
// in "txt" (any case).
bool hasRingToneTextName(const QString &path);

// `path` with ".txt" appended when its file name has no ".".
QString withTextExtension(const QString &path);

// The notes box's text split at "," (after trimming); an empty box gives no
// notes. The parts are kept as typed.
QStringList splitNotes(const QString &text);
QString joinNotes(const QStringList &notes);

}  // namespace glyphsmith
