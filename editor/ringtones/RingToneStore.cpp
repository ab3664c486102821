#include "ringtones/RingToneStore.h"

#include "phone/RunStep.h"
#include "ringtones/RingToneText.h"
#include "velkor17/FBRingTone.h"

namespace glyphsmith {

ShownRingTone showRingTone(FBRingTone &tone) {
    ShownRingTone shown;
    runStep([&] { shown.name = tone.Name(); });
    qint16 count = 0;
    runStep([&] { count = tone.Notes(); });
    QStringList notes;
    for (qint16 i = 0; i < count; ++i) {
        QString text;
        runStep([&] { text = tone.Note(i); });
        notes << text;
    }
    shown.notes = joinNotes(notes);
    return shown;
}

std::optional<NoteProblem> storeRingTone(FBRingTone &tone, const QString &name,
                                         const QString &notesText, bool reversed) {
    runStep([&] { tone.setName(name); });
    const QStringList parts = splitNotes(notesText);
    if (parts.isEmpty()) {
        return std::nullopt;
    }
    std::optional<NoteProblem> refused;
    const auto count = qint16(qMin<qsizetype>(parts.size(), 0x7FFF));
    runStep([&] { tone.setNotes(count); });
    for (qint16 i = 0; i < count; ++i) {
        const qint16 at = reversed ? qint16(count - 1 - i) : i;
        bool stored = false;
        runStep([&] {
            tone.setNote(at, parts[i]);
            stored = tone.LastError() == 0;
        });
        if (!stored && !refused) {
            refused = NoteProblem{i, parts[i]};
        }
    }
    return refused;
}

}  // namespace glyphsmith
