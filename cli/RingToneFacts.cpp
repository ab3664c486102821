#include "RingToneFacts.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <vector>

#include "CliError.h"
#include "NoteTable.h"
#include "PlayRTone.h"
#include "velkor17/FBRingTone.h"

namespace glyphsmith::cli {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Row (1-based) of the note table named `name`, or 0.
int tableRow(const QString &name) {
    const velkor17::NoteTable &table = velkor17::NoteTable::instance();
    for (int k = 1; k <= velkor17::NoteTable::kSize; ++k) {
        if (name == QLatin1String(table.row(k).name)) {
            return k;
        }
    }
    return 0;
}

bool isNote(const QString &text) {
    return !text.isEmpty() && !text.startsWith(QLatin1Char('S'));
}

}  // namespace

std::optional<QString> transposedNote(const QString &note, int semitones) {
    const QString text = note.trimmed().toUpper();
    qsizetype i = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    const QString length = text.left(i);
    QString rest = text.mid(i);
    if (rest.startsWith(QLatin1Char('S')) || rest.startsWith(QLatin1Char('P'))) {
        return note;
    }
    const bool dotted = rest.endsWith(QLatin1Char('.'));
    if (dotted) {
        rest.chop(1);
    }
    const int row = tableRow(rest);
    if (row == 0) {
        return std::nullopt;
    }
    const int moved = row + semitones;
    if (moved < 1 || moved > velkor17::NoteTable::kSize) {
        return std::nullopt;
    }
    return length + QLatin1String(velkor17::NoteTable::instance().row(moved).name) +
           (dotted ? QStringLiteral(".") : QString());
}

void transposeRingTone(FBRingTone &tone, int semitones) {
    const qint16 count = tone.Notes();
    std::vector<QString> moved;
    moved.reserve(count);
    for (qint16 i = 0; i < count; ++i) {
        const QString note = tone.Note(i);
        const std::optional<QString> m = transposedNote(note, semitones);
        if (!m) {
            fileError(QStringLiteral("note %1 (%2) leaves the note range when moved by %3")
                          .arg(i + 1)
                          .arg(note)
                          .arg(semitones));
        }
        moved.push_back(*m);
    }
    for (qint16 i = 0; i < count; ++i) {
        tone.setNote(i, moved[std::size_t(i)]);
    }
}

int smartMessageCount(int payloadBytes) {
    constexpr int kSms = 140;
    if (payloadBytes + 7 <= kSms) {
        return 1;
    }
    const int perPart = kSms - 12;
    return (payloadBytes + perPart - 1) / perPart;
}

RingToneFacts ringToneFacts(FBRingTone &tone) {
    RingToneFacts facts;
    facts.name = tone.Name();
    facts.tempo = tone.Tempo();
    const qint16 count = tone.Notes();
    for (qint16 i = 0; i < count; ++i) {
        const QString note = tone.Note(i);
        if (isNote(note)) {
            ++facts.notes;
            facts.lengthMs += velkor17::PlayRTone::NoteDuration(note, 1, 4, facts.tempo);
        }
    }
    QTemporaryDir dir;
    if (dir.isValid()) {
        const QString ott = dir.filePath(QStringLiteral("tone.ott"));
        tone.WriteFile(ott);
        if (tone.LastError() == 0) {
            facts.smartBytes = int(QFileInfo(ott).size());
            facts.smartMessages = smartMessageCount(*facts.smartBytes);
        }
    }
    return facts;
}

}  // namespace glyphsmith::cli
