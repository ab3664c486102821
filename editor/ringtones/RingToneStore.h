// The ring tone window's show and store routines over the shared ring tone
// object: the window keeps no ring tone data of its own. A step whose call
// throws (no engine) is skipped and the routine goes on.
#pragma once

#include <QString>
#include <optional>

#include "ringtones/RingToneNote.h"

class FBRingTone;

namespace glyphsmith {

struct ShownRingTone {
    QString name;
    QString notes;  // Note(0) to Note(Notes - 1) joined with ","
};
ShownRingTone showRingTone(FBRingTone &tone);

// Name = `name`; unless the trimmed `notesText` is empty, the note count
// and every note from its ","-separated parts (in reverse order when
// `reversed`). Returns the first part the engine refused (that note keeps
// its old text); the other parts are stored all the same.
std::optional<NoteProblem> storeRingTone(FBRingTone &tone, const QString &name,
                                         const QString &notesText, bool reversed = false);

}  // namespace glyphsmith
